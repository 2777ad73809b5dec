#include "support/whole_match.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "flow/hand_end.h"
#include "flow/match_stats.h"
#include "flow/result.h"
#include "shell/scene_table.h"
#include "table/win_record.h"

namespace {

constexpr int kMatchHands = 16;
constexpr int kWaitingFrames = 60;  // the result scenes are run this long past their own timing

using Seats = std::array<int, kSeats>;

Seats scores_now() { return {g_scores[0], g_scores[1], g_scores[2], g_scores[3]}; }
Seats changes_now() { return {g_score_changes[0], g_score_changes[1], g_score_changes[2], g_score_changes[3]}; }

std::string seats_text(const Seats& s) {
  return std::to_string(s[0]) + " " + std::to_string(s[1]) + " " + std::to_string(s[2]) + " " + std::to_string(s[3]);
}

// The match's own count of a StatsAi word over every character.
long long ai_gain(const StatsBlocks& at_start, int word) {
  long long gain = 0;
  for (int c = 0; c < kPlayerCharacters; ++c) gain += g_match_stats.ai[c].words[word] - at_start.ai[c].words[word];
  return gain;
}

}  // namespace

WholeMatch::WholeMatch(std::uint32_t seed) : hands_(seed), rng_(seed ^ 0x5eed) { hands_.keep_seats = true; }

void WholeMatch::note(const std::string& problem) {
  broke_ = true;
  if (problems_.size() < 50)
    problems_.push_back("match " + std::to_string(tally_.matches) + ", hand " + std::to_string(tally_.hands) + ": " + problem);
}

void WholeMatch::start_match() {
  std::array<int, kComCharacters> coms{1, 2, 3, 4, 5, 6};
  std::shuffle(coms.begin(), coms.end(), rng_);
  g_seat_character[0] = 0;
  std::copy(coms.begin(), coms.begin() + 3, g_seat_character + 1);
  std::fill(g_scores, g_scores + kSeats, 0);
  std::fill(g_score_changes, g_score_changes + kSeats, 0);
  g_round_wind = 0;
  g_dealer = static_cast<int>(rng_() % kSeats);
  g_first_dealer = g_dealer;
  g_options[opt_score_cap] = static_cast<int>(rng_() % 2);
  copy_saved_stats_to_match();
}

bool WholeMatch::run_scene_until(int scene, int limit) {
  for (int frame = 0; frame < limit && g_scene != scene; ++frame)
    if (!dispatch_scene(g_scene)) return false;
  return g_scene == scene;
}

// The win as declared: at least 8 points without flowers (a robbed kong
// needs none), the record's winner and payer, and the payments of its points.
void WholeMatch::check_win() {
  const WinRecord& win = g_win_record;
  if (win.winner != g_winner || win.payer != g_dealt_in_seat) note("the win record names another winner or payer");
  if (win.points != g_win_points) note("the win record's points differ from the hand's");
  if (win.points_without_flowers < 8) note("a win of " + std::to_string(win.points_without_flowers) + " points");
  if (win.points < win.points_uncapped) ++tally_.capped_wins;
  int expected[kSeats];
  win_payments(win.winner, win.payer, win.points, expected);
  if (!std::equal(expected, expected + kSeats, g_score_changes)) note("payments " + seats_text(changes_now()));
}

void WholeMatch::play_one_hand(MatchCounts& counts) {
  const int robbing_before = hands_.tally().robbing_wins;
  const std::size_t problems_before = hands_.problems().size();
  if (!hands_.play_hand()) broke_ = true;
  for (std::size_t i = problems_before; i < hands_.problems().size(); ++i) note(hands_.problems()[i]);
  ++tally_.hands;
  if (g_scene == SCENE_WIN) {
    check_win();
    ++counts.wins;
    ++tally_.wins;
    if (g_win_record.payer == kNoPayer) ++counts.self_drawn, ++tally_.self_drawn_wins;
    if (hands_.tally().robbing_wins > robbing_before) ++tally_.robbing_wins;
    run_scene_until(-1, kWinPanelFrame + kWaitingFrames);
    if (g_scene != SCENE_WIN || !win_scene_takes_clicks()) note("the win scene did not wait for its click");
    record_win_statistics();
  } else if (g_scene == SCENE_EXHAUSTIVE_DRAW) {
    ++tally_.draws;
    if (!run_scene_until(SCENE_HAND_RESULT, kDrawResultFrame + 1)) note("the exhaustive draw did not reach the result");
    if (changes_now() != Seats{}) note("an exhaustive draw changes scores by " + seats_text(changes_now()));
  } else {
    note("the hand ended in scene " + std::to_string(g_scene));
    return;
  }
  run_scene_until(-1, kWaitingFrames);
  if (g_scene != SCENE_HAND_RESULT) note("the hand result did not wait for its click");
  // Every character's score after the hand, whatever seat it moves to.
  std::array<int, kPlayerCharacters> expected{};
  for (int seat = 0; seat < kSeats; ++seat) expected[g_seat_character[seat]] = g_scores[seat] + g_score_changes[seat];
  finish_hand();
  for (int seat = 0; seat < kSeats; ++seat)
    if (g_scores[seat] != expected[g_seat_character[seat]]) note("a score did not move with its player");
  const Seats after = scores_now();
  if (std::accumulate(after.begin(), after.end(), 0) != 0) note("scores sum to " + seats_text(after));
  if (g_seat_character[0] != 0) note("the user left seat 0");
}

void WholeMatch::check_match_end(const StatsBlocks& at_start, const MatchCounts& counts) {
  if (g_scene != SCENE_MATCH_STANDINGS) note("no standings after 16 hands");
  for (int place = 1; place < kSeats; ++place)
    if (g_standings[place].score > g_standings[place - 1].score) note("standings out of order");
  std::array<int, kSeats> seats{};
  for (int place = 0; place < kSeats; ++place) seats[place] = g_standings[place].seat;
  std::sort(seats.begin(), seats.end());
  if (seats != std::array<int, kSeats>{0, 1, 2, 3}) note("standings do not hold every seat once");
  if (ai_gain(at_start, kAiHands) != 4 * kMatchHands) note("hands booked: " + std::to_string(ai_gain(at_start, kAiHands)));
  if (ai_gain(at_start, kAiHandsWon) != 4 * counts.wins) note("hands won booked for " + std::to_string(ai_gain(at_start, kAiHandsWon)));
  if (ai_gain(at_start, kAiWins) != counts.wins) note("wins booked " + std::to_string(ai_gain(at_start, kAiWins)) + ", played " + std::to_string(counts.wins));
  if (ai_gain(at_start, kAiSelfDrawnWins) != counts.self_drawn) note("self-drawn wins booked wrongly");
  if (ai_gain(at_start, kAiDealIns) != counts.wins - counts.self_drawn) note("deal-ins booked wrongly");
  for (int c = 0; c < kPlayerCharacters; ++c) {
    const bool seated = std::find(g_seat_character, g_seat_character + kSeats, c) != g_seat_character + kSeats;
    const int played = g_match_stats.basic[c].words[kBasicMatches] - at_start.basic[c].words[kBasicMatches];
    if (played != (seated ? 1 : 0)) note("character " + std::to_string(c) + " booked " + std::to_string(played) + " matches");
  }
}

bool WholeMatch::play_match() {
  broke_ = false;
  start_match();
  const StatsBlocks at_start = g_match_stats;
  MatchCounts counts;
  for (int hand = 0; hand < kMatchHands && !broke_; ++hand) {
    play_one_hand(counts);
    if (hand < kMatchHands - 1 && g_scene != SCENE_DEAL) note("hand " + std::to_string(hand + 1) + " ended the match");
  }
  if (!broke_) check_match_end(at_start, counts);
  copy_match_stats_to_saved();  // the standings booked
  ++tally_.matches;
  return !broke_;
}
