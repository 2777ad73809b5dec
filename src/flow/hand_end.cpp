#include "flow/hand_end.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <functional>

#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "flow/match_stats.h"
#include "flow/new_hand.h"

namespace {

constexpr int kUser = 0;

// Moves the player of seat i to seat to[i], with its score.
void move_players(const std::array<int, kSeats>& to) {
  int characters[kSeats];
  int scores[kSeats];
  for (int i = 0; i < kSeats; ++i) {
    characters[to[i]] = g_seat_character[i];
    scores[to[i]] = g_scores[i];
  }
  std::copy(characters, characters + kSeats, g_seat_character);
  std::copy(scores, scores + kSeats, g_scores);
}

int seat_after(int first, int k) { return (first + k) % kSeats; }

void pay_score_changes() {
  for (int seat = 0; seat < kSeats; ++seat) {
    g_scores[seat] += g_score_changes[seat];
    g_score_changes[seat] = 0;
  }
}

void start_next_hand() {
  g_scene = SCENE_DEAL;
  g_scene_frame = 0;
  setup_new_hand();
}

bool placed_already(int filled, int character) {
  for (int k = 0; k < filled; ++k)
    if (g_standings[k].character == character) return true;
  return false;
}

}  // namespace

void change_seats() {
  assert(g_round_wind >= 1 && g_round_wind <= kLastRound);
  const int f = g_first_dealer;
  std::array<int, kSeats> to{};
  if (g_round_wind == 2) {
    // Players of F+3, F+2, F, F+1 come to F, F+1, F+2, F+3.
    to[seat_after(f, 3)] = f;
    to[seat_after(f, 2)] = seat_after(f, 1);
    to[f] = seat_after(f, 2);
    to[seat_after(f, 1)] = seat_after(f, 3);
  } else {
    to[f] = seat_after(f, 1);
    to[seat_after(f, 1)] = f;
    to[seat_after(f, 2)] = seat_after(f, 3);
    to[seat_after(f, 3)] = seat_after(f, 2);
  }
  move_players(to);
  constexpr std::array<int, kSeats> kOneSeatDown{3, 0, 1, 2};
  for (int turn = 0; turn < kSeats && g_seat_character[0] != kUser; ++turn) {
    move_players(kOneSeatDown);
    g_first_dealer = seat_after(g_first_dealer, 3);
    g_dealer = g_first_dealer;
  }
}

void finish_hand() {
  record_hand_statistics();
  if (g_hand_drawn == 0) pay_score_changes();
  g_dealer = (g_dealer + 1) % kSeats;
  if (g_dealer == g_first_dealer) {
    ++g_round_wind;
    if (g_round_wind <= kLastRound) change_seats();
  }
  if (g_round_wind > kLastRound) {
    g_round_wind = kLastRound;
    close_match();
    return;
  }
  start_next_hand();
}

void close_match() {
  std::array<int, kSeats> sorted{};
  std::copy(g_scores, g_scores + kSeats, sorted.begin());
  std::sort(sorted.begin(), sorted.end(), std::greater<>());
  for (StandingsEntry& entry : g_standings) entry = StandingsEntry{};
  for (int place = 0; place < kSeats; ++place) {
    for (int k = 0; k < kSeats; ++k) {
      const int seat = seat_after(g_dealer, k);
      if (g_scores[seat] != sorted[place] || placed_already(place, g_seat_character[seat])) continue;
      g_standings[place] = StandingsEntry{seat, 0, g_seat_character[seat], g_scores[seat], g_scores[seat], place};
      break;
    }
  }
  g_scene = SCENE_MATCH_STANDINGS;
  g_scene_frame = 0;
  for (const StandingsEntry& entry : g_standings)
    if (entry.character >= 0) record_match_statistics(entry.character, entry.place, entry.score);
}
