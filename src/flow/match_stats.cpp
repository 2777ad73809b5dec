#include "flow/match_stats.h"

#include <algorithm>
#include <cassert>

#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/stats.h"
#include "base/table_state.h"
#include "table/win_record.h"

namespace {

int character_at(int seat) {
  assert(seat >= 0 && seat < kSeats);
  const int c = g_seat_character[seat];
  assert(c >= 0 && c < kPlayerCharacters);
  return c;
}

int* ai_words(int seat) { return g_match_stats.ai[character_at(seat)].words; }

void count(int& word, std::int64_t amount = 1) { word = saturated_add(word, amount, 0, kStatCountMax); }

// A seat's turns so far: its discards, claimed ones included, plus the winning or dealing-in turn.
int turns(int seat) { return g_discard_history_count[seat] + 1; }

void record_payer(int payer, int total) {
  int* ai = ai_words(payer);
  count(ai[kAiDealIns]);
  count(ai[kAiTurnsToDealIn], turns(payer));
  count(ai[kAiPointsDealtIn], total);
}

void record_winner(const WinRecord& win) {
  int* ai = ai_words(win.winner);
  count(ai[kAiWins]);
  if (win.payer == kNoPayer) count(ai[kAiSelfDrawnWins]);
  if (win.concealed == 1) count(ai[kAiConcealedWins]);
  count(ai[kAiPointsWon], win.points);
  const bool first_win = ai[kAiWins] == 1;
  if (first_win || win.points_uncapped > ai[kAiHighestWin]) ai[kAiHighestWin] = win.points_uncapped;
  if (first_win || win.points < ai[kAiLowestWin]) ai[kAiLowestWin] = win.points;
  count(ai[kAiTurnsToWin], turns(win.winner));
  if (g_seat_state[win.winner].naki_count > 0) {
    count(ai[kAiWinsWithCalls]);
    count(ai[kAiTurnsToWinWithCalls], turns(win.winner));
    count(ai[kAiPointsWonWithCalls], win.points);
  }
}

void record_seat_hand(int seat) {
  int* ai = ai_words(seat);
  const SeatState& state = g_seat_state[seat];
  count(ai[kAiHands]);
  if (state.naki_count > 0) count(ai[kAiHandsWithCalls]);
  if (state.false_win == 1) count(ai[kAiFalseWins]);
  if (state.was_ready == 1) {
    count(ai[kAiHandsReady]);
    count(ai[kAiTurnsToReady], state.ready_river_size);
  }
  if (state.was_ready_8 == 1) {
    count(ai[kAiHandsReady8]);
    count(ai[kAiTurnsToReady8], state.ready_8_river_size);
  }
}

void record_patterns(const WinRecord& win) {
  int* yaku = g_match_stats.yaku[character_at(win.winner)].words;
  for (int id = 0; id < kYakuCount; ++id)
    if (win.found[id] == 1) yaku[id] = std::min(yaku[id] + 1, kYakuCountCap);
}

// The row of the recent results that match number n fills: n - 1 while
// fewer than ten are kept, else the last row after the oldest is dropped.
StatsRecent& recent_row_for(int character, int n) {
  StatsRecent* rows = g_match_stats.recent[character];
  if (n > kRecentMatches) {
    std::copy(rows + 1, rows + kRecentMatches, rows);
    return rows[kRecentMatches - 1];
  }
  return rows[std::clamp(n, 1, kRecentMatches) - 1];
}

// The match's own count of an in-match word: in-match copy minus saved block.
int in_match(int character, int word) {
  return std::clamp(g_match_stats.ai[character].words[word] - g_stats_ai[character].words[word], 0, kStatCountMax);
}

}  // namespace

void record_win_statistics() {
  const WinRecord& win = g_win_record;
  for (int seat = 0; seat < kSeats; ++seat) count(ai_words(seat)[kAiHandsWon]);
  record_winner(win);
  if (win.payer != kNoPayer) record_payer(win.payer, win.points);
  g_scene = SCENE_HAND_RESULT;
  g_scene_frame = 0;
  g_result_panel_hidden = 0;
}

void record_hand_statistics() {
  for (int seat = 0; seat < kSeats; ++seat) record_seat_hand(seat);
  if (g_hand_drawn == 0) record_patterns(g_win_record);
}

void record_match_statistics(int character, int place, int score) {
  assert(character >= 0 && character < kPlayerCharacters && place >= 0 && place < kSeats);
  int& played = g_match_stats.basic[character].words[kBasicMatches];
  played = saturated_add(played, 1, 1, kStatCountMax);
  const int n = played;
  int* row = recent_row_for(character, n).words;
  row[kRecentMatchNumber] = n;
  row[kRecentPlace] = place + 1;
  row[kRecentScore] = std::clamp(score, -kStatSumMax, kStatSumMax);
  row[kRecentWins] = in_match(character, kAiWins);
  row[kRecentSelfDrawn] = in_match(character, kAiSelfDrawnWins);
  row[kRecentDealIns] = in_match(character, kAiDealIns);
  int* ai = g_match_stats.ai[character].words;
  if (n == 1 || score > ai[kAiHighestScore]) ai[kAiHighestScore] = row[kRecentScore];
  if (n == 1 || score < ai[kAiLowestScore]) ai[kAiLowestScore] = row[kRecentScore];
}
