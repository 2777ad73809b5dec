// The statistics a match books: a win when the user leaves the win display,
// every seat's hand at its end, each character's match at the standings;
// counts that stop at their caps, and the recent results keeping ten rows.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/options.h"
#include "base/stats.h"
#include "base/table_state.h"
#include "base/yaku_table.h"
#include "flow/hand_end.h"
#include "flow/match_stats.h"
#include "support/table_fixture.h"
#include "support/win_case.h"
#include "table/claim_actions.h"
#include "table/win_record.h"
#include "table/win_test.h"

namespace {

constexpr const char* kEightPoints = "3 4 5 5 5 5 12 13 14 23 + 23 / [15 15 15 15]";
constexpr const char* kBigDragons = "17 18 19 26 26 35 35 37 37 37 + 35 / [36 36 36]";
constexpr int kCharacters[kSeats] = {0, 3, 6, 5};

class MatchStats : public PlayTableTest {
 protected:
  void SetUp() override {
    PlayTableTest::SetUp();
    reset_stats_state();
    std::copy(kCharacters, kCharacters + kSeats, g_seat_character);
    g_wall_count = 40;
  }
  static int* ai(int character) { return g_match_stats.ai[character].words; }
  // `seat` wins on seat 3's latest discard after `turns` discards of each seat.
  void discard_win(int seat, const char* text, int turns) {
    const WinHand hand = parse_win_hand(text);
    place_win_hand(seat, hand);
    for (int s = 0; s < kSeats; ++s) g_discard_history_count[s] = turns;
    g_discarder = 3;
    g_river[3][0] = hand.win_tile;
    g_river_count[3] = 1;
    ASSERT_TRUE(try_ron(seat));
  }
};

TEST_F(MatchStats, ADiscardWinBooksTheWinnerThePayerAndEverySeat) {
  discard_win(1, kEightPoints, 6);
  record_win_statistics();
  for (int c : kCharacters) EXPECT_EQ(ai(c)[kAiHandsWon], 1) << c;
  const int* w = ai(3);
  EXPECT_EQ(w[kAiWins], 1);
  EXPECT_EQ(w[kAiSelfDrawnWins], 0);
  EXPECT_EQ(w[kAiConcealedWins], 0) << "the melded kong is open";
  EXPECT_EQ(w[kAiPointsWon], 8);
  EXPECT_EQ(w[kAiHighestWin], 8);
  EXPECT_EQ(w[kAiLowestWin], 8);
  EXPECT_EQ(w[kAiTurnsToWin], 7);
  EXPECT_EQ(w[kAiWinsWithCalls], 1);
  EXPECT_EQ(w[kAiTurnsToWinWithCalls], 7);
  EXPECT_EQ(w[kAiPointsWonWithCalls], 8);
  const int* p = ai(5);
  EXPECT_EQ(p[kAiDealIns], 1);
  EXPECT_EQ(p[kAiTurnsToDealIn], 7);
  EXPECT_EQ(p[kAiPointsDealtIn], 8);
  EXPECT_EQ(ai(6)[kAiDealIns], 0);
  EXPECT_EQ(ai(6)[kAiWins], 0);
}

// Evaluations run after the win (advice, targets, another seat's test)
// overwrite the scorer's table and g_win_points; the booking and the
// payments keep to the win.
// A concealed self-drawn win: the winner's self-drawn and concealed counts,
// nobody's deal-in, and no call counts.
TEST_F(MatchStats, AConcealedSelfDrawnWinBooksNoDealIn) {
  place_win_hand(2, parse_win_hand("12 12 12 13 13 17 18 25 26 27 31 31 31 + 16"));
  for (int s = 0; s < kSeats; ++s) g_discard_history_count[s] = 9;
  ASSERT_TRUE(try_tsumo(2));
  const int points = g_win_points;
  ASSERT_GE(points, 8);
  record_win_statistics();
  const int* w = ai(6);
  EXPECT_EQ(w[kAiWins], 1);
  EXPECT_EQ(w[kAiSelfDrawnWins], 1);
  EXPECT_EQ(w[kAiConcealedWins], 1);
  EXPECT_EQ(w[kAiPointsWon], points);
  EXPECT_EQ(w[kAiTurnsToWin], 10);
  EXPECT_EQ(w[kAiWinsWithCalls], 0);
  EXPECT_EQ(w[kAiPointsWonWithCalls], 0);
  for (int c : kCharacters) {
    EXPECT_EQ(ai(c)[kAiHandsWon], 1) << c;
    EXPECT_EQ(ai(c)[kAiDealIns], 0) << c;
    EXPECT_EQ(ai(c)[kAiPointsDealtIn], 0) << c;
  }
}

// A concealed kong leaves the hand concealed; only a chow, a pung or a melded kong opens it.
TEST_F(MatchStats, AWinWhoseOnlyMeldIsAConcealedKongIsAConcealedWin) {
  discard_win(1, "3 4 5 5 5 5 12 13 14 23 + 23 / (15 15 15 15)", 6);
  record_win_statistics();
  EXPECT_EQ(ai(3)[kAiConcealedWins], 1);
}

TEST_F(MatchStats, LaterEvaluationsDoNotChangeTheBookedWin) {
  discard_win(1, kEightPoints, 4);
  place_win_hand(2, parse_win_hand(kBigDragons));
  ASSERT_GE(win_points_with(2, 35, 1), 88);
  ASSERT_NE(g_win_points, 8);
  record_win_statistics();
  finish_hand();
  EXPECT_EQ(ai(3)[kAiPointsWon], 8);
  EXPECT_EQ(ai(5)[kAiPointsDealtIn], 8);
  EXPECT_EQ(ai(6)[kAiWins], 0);
  EXPECT_EQ(g_match_stats.yaku[3].words[kYaku19TileHog], 1);
  EXPECT_EQ(g_match_stats.yaku[3].words[kYaku74BigThreeDragons], 0);
  EXPECT_EQ(g_match_stats.yaku[6].words[kYaku74BigThreeDragons], 0);
  EXPECT_EQ(g_scores[1], 32);
  EXPECT_EQ(g_scores[3], -16);
}

TEST_F(MatchStats, HighestWinIsBeforeTheCapLowestAfterIt) {
  g_options[opt_score_cap] = 1;
  discard_win(1, kBigDragons, 2);
  record_win_statistics();
  EXPECT_EQ(ai(3)[kAiHighestWin], 89);
  EXPECT_EQ(ai(3)[kAiLowestWin], 88);
  EXPECT_EQ(ai(3)[kAiPointsWon], 88);
  discard_win(1, kEightPoints, 2);
  record_win_statistics();
  EXPECT_EQ(ai(3)[kAiHighestWin], 89);
  EXPECT_EQ(ai(3)[kAiLowestWin], 8);
  EXPECT_EQ(ai(3)[kAiWins], 2);
}

TEST_F(MatchStats, EveryHandCountsCallsFalseWinsAndReadyHands) {
  g_seat_state[0].false_win = 1;
  g_seat_state[1].naki_count = 2;
  g_seat_state[2].was_ready = 1;
  g_seat_state[2].ready_river_size = 9;
  g_seat_state[2].was_ready_8 = 1;
  g_seat_state[2].ready_8_river_size = 11;
  g_hand_drawn = 1;
  finish_hand();
  for (int c : kCharacters) EXPECT_EQ(ai(c)[kAiHands], 1);
  EXPECT_EQ(ai(0)[kAiFalseWins], 1);
  EXPECT_EQ(ai(3)[kAiHandsWithCalls], 1);
  EXPECT_EQ(ai(6)[kAiHandsReady], 1);
  EXPECT_EQ(ai(6)[kAiTurnsToReady], 9);
  EXPECT_EQ(ai(6)[kAiHandsReady8], 1);
  EXPECT_EQ(ai(6)[kAiTurnsToReady8], 11);
  for (int c : kCharacters) EXPECT_EQ(std::count(g_match_stats.yaku[c].words, g_match_stats.yaku[c].words + kYakuCount, 0), kYakuCount);
}

TEST_F(MatchStats, CountsStopAtTheirCapsInsteadOfWrapping) {
  g_match_stats.yaku[3].words[kYaku19TileHog] = kYakuCountCap;
  g_match_stats.yaku[3].words[kYaku18AllSimples] = kYakuCountCap - 1;
  ai(3)[kAiPointsWon] = kStatCountMax - 3;
  ai(3)[kAiTurnsToWin] = kStatCountMax;
  ai(5)[kAiPointsDealtIn] = 2'147'483'000;  // beyond what a file holds: still no overflow
  discard_win(1, kEightPoints, 4);
  record_win_statistics();
  finish_hand();
  EXPECT_EQ(g_match_stats.yaku[3].words[kYaku19TileHog], kYakuCountCap);
  EXPECT_EQ(g_match_stats.yaku[3].words[kYaku18AllSimples], kYakuCountCap);
  EXPECT_EQ(ai(3)[kAiPointsWon], kStatCountMax);
  EXPECT_EQ(ai(3)[kAiTurnsToWin], kStatCountMax);
  EXPECT_EQ(ai(5)[kAiPointsDealtIn], kStatCountMax);
  EXPECT_EQ(saturated_add(2'000'000'000, 2'000'000'000, 0, kStatCountMax), kStatCountMax);
  EXPECT_EQ(saturated_add(-2'000'000'000, -2'000'000'000, -kStatSumMax, kStatSumMax), -kStatSumMax);
}

TEST_F(MatchStats, RecentResultsFillInOrderAndDropTheOldestFromTheEleventh) {
  // Saved block: 1 win; in-match copy: 4 wins, 1 self-drawn, 2 deal-ins.
  g_stats_ai[3].words[kAiWins] = 1;
  ai(3)[kAiWins] = 4;
  ai(3)[kAiSelfDrawnWins] = 1;
  ai(3)[kAiDealIns] = 2;
  g_match_stats.basic[3].words[kBasicMatches] = 2;
  record_match_statistics(3, 1, 120);
  const int* row = g_match_stats.recent[3][2].words;
  EXPECT_EQ(row[kRecentMatchNumber], 3);
  EXPECT_EQ(row[kRecentPlace], 2);
  EXPECT_EQ(row[kRecentScore], 120);
  EXPECT_EQ(row[kRecentWins], 3);
  EXPECT_EQ(row[kRecentSelfDrawn], 1);
  EXPECT_EQ(row[kRecentDealIns], 2);

  for (int r = 0; r < kRecentMatches; ++r) g_match_stats.recent[6][r].words[kRecentMatchNumber] = r + 1;
  g_match_stats.basic[6].words[kBasicMatches] = 10;
  record_match_statistics(6, 3, -40);
  for (int r = 0; r < kRecentMatches - 1; ++r) EXPECT_EQ(g_match_stats.recent[6][r].words[kRecentMatchNumber], r + 2);
  EXPECT_EQ(g_match_stats.recent[6][9].words[kRecentMatchNumber], 11);
  EXPECT_EQ(g_match_stats.recent[6][9].words[kRecentPlace], 4);

  // A played count at its cap still writes the last row and nothing past it.
  g_match_stats.basic[5].words[kBasicMatches] = kStatCountMax;
  record_match_statistics(5, 0, 10);
  EXPECT_EQ(g_match_stats.basic[5].words[kBasicMatches], kStatCountMax);
  EXPECT_EQ(g_match_stats.recent[5][9].words[kRecentMatchNumber], kStatCountMax);
}

TEST_F(MatchStats, FinalScoresKeepTheirHighestAndLowestFromTheFirstMatch) {
  record_match_statistics(4, 3, -70);
  EXPECT_EQ(ai(4)[kAiHighestScore], -70) << "the first match sets both";
  EXPECT_EQ(ai(4)[kAiLowestScore], -70);
  record_match_statistics(4, 0, 90);
  record_match_statistics(4, 2, 10);
  EXPECT_EQ(ai(4)[kAiHighestScore], 90);
  EXPECT_EQ(ai(4)[kAiLowestScore], -70);
  EXPECT_EQ(g_match_stats.basic[4].words[kBasicMatches], 3);
}

TEST_F(MatchStats, TheMatchEndBooksEveryCharacterByPlace) {
  const int scores[kSeats] = {-30, 50, -30, 10};
  std::copy(scores, scores + kSeats, g_scores);
  g_dealer = 2;
  close_match();
  // Places: seat 1 (50), seat 3 (10), then seats 2 and 0 tied, seat 2 first from the dealer.
  EXPECT_EQ(g_match_stats.recent[3][0].words[kRecentPlace], 1);
  EXPECT_EQ(g_match_stats.recent[5][0].words[kRecentPlace], 2);
  EXPECT_EQ(g_match_stats.recent[6][0].words[kRecentPlace], 3);
  EXPECT_EQ(g_match_stats.recent[0][0].words[kRecentPlace], 4);
  for (int c : kCharacters) EXPECT_EQ(g_match_stats.basic[c].words[kBasicMatches], 1);
  EXPECT_EQ(g_match_stats.basic[1].words[kBasicMatches], 0) << "a character not seated is not booked";
}

}  // namespace
