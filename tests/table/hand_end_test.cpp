// The end of a hand and of the match: dealer and wind rounds, the seat
// changes against the wind table of a standard match, the 16 hands, and
// the standings with their ties.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "flow/hand_end.h"
#include "flow/result.h"
#include "support/table_fixture.h"

namespace {

class HandEnd : public PlayTableTest {
 protected:
  void start_match(int first_dealer, std::array<int, 4> characters, std::array<int, 4> scores) {
    std::copy(characters.begin(), characters.end(), g_seat_character);
    std::copy(scores.begin(), scores.end(), g_scores);
    g_round_wind = 0;
    g_dealer = first_dealer;
    g_first_dealer = first_dealer;
  }
  // An exhaustive draw's bookkeeping: nothing paid.
  void drawn_hand() {
    g_hand_drawn = 1;
    std::fill(g_score_changes, g_score_changes + kSeats, 0);
    finish_hand();
  }
  static int seat_of(int character) {
    return static_cast<int>(std::find(g_seat_character, g_seat_character + kSeats, character) - g_seat_character);
  }
  static int wind_of(int character) { return (seat_of(character) - g_dealer + kSeats) % kSeats; }
};

// Wind at the first hand of rounds 1, 2, 3 of a player whose wind at the
// first hand of round 0 was w.
constexpr int kWindTable[3][4] = {{1, 0, 3, 2}, {3, 2, 0, 1}, {2, 3, 1, 0}};

TEST_F(HandEnd, TheEastRoundEndsWithTheSeatsChangedAndTheUserBackAtSeatZero) {
  start_match(2, {0, 4, 5, 6}, {10, 20, 30, 40});
  drawn_hand();
  drawn_hand();
  drawn_hand();
  EXPECT_EQ(g_dealer, 1);
  EXPECT_EQ(g_round_wind, 0);
  drawn_hand();  // the hand dealt by seat 1: the dealer comes back to F = 2
  EXPECT_EQ(g_round_wind, 1);
  // Seats 2 and 3, 0 and 1 exchanged: 5 6 0 4 over seats 0..3 would leave
  // the user at seat 1; one turn of the table puts it back.
  EXPECT_EQ((std::array<int, 4>{g_seat_character[0], g_seat_character[1], g_seat_character[2], g_seat_character[3]}),
            (std::array<int, 4>{0, 6, 5, 4}));
  EXPECT_EQ((std::array<int, 4>{g_scores[0], g_scores[1], g_scores[2], g_scores[3]}),
            (std::array<int, 4>{10, 40, 30, 20}));
  EXPECT_EQ(g_first_dealer, 1);
  EXPECT_EQ(g_dealer, 1);
  EXPECT_EQ(g_scene, SCENE_DEAL);
}

// Every first dealer and every seating: 16 hands, each character dealing
// once per round, the winds of the standard table, the user at seat 0 and
// the scores staying with their players.
TEST_F(HandEnd, EveryMatchFollowsTheWindTable) {
  std::array<int, 3> coms{2, 5, 6};
  do {
    for (int first = 0; first < kSeats; ++first) {
      start_match(first, {0, coms[0], coms[1], coms[2]}, {0, 0, 0, 0});
      for (int seat = 0; seat < kSeats; ++seat) g_scores[seat] = 100 * g_seat_character[seat] - 300;
      std::map<int, int> round0_wind;
      for (int c : {0, coms[0], coms[1], coms[2]}) round0_wind[c] = wind_of(c);
      int hands = 0;
      for (int round = 0; round < kWindRounds; ++round) {
        ASSERT_EQ(g_round_wind, round);
        ASSERT_EQ(g_dealer, g_first_dealer);
        for (const auto& [c, w] : round0_wind) {
          if (round == 0) continue;
          EXPECT_EQ(wind_of(c), kWindTable[round - 1][w]) << "first " << first << " round " << round << " character " << c;
        }
        std::map<int, int> deals;
        for (int hand = 0; hand < 4; ++hand) {
          ASSERT_EQ(g_seat_character[0], 0);
          EXPECT_EQ(is_last_hand_of_round(), hand == 3);
          EXPECT_EQ(is_last_hand_of_match(), round == 3 && hand == 3);
          ++deals[g_seat_character[g_dealer]];
          for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(g_scores[seat], 100 * g_seat_character[seat] - 300);
          drawn_hand();
          ++hands;
          if (hands < 16) {
            ASSERT_EQ(g_scene, SCENE_DEAL);
          }
        }
        EXPECT_EQ(deals.size(), 4u) << "every character deals once in round " << round;
      }
      EXPECT_EQ(g_scene, SCENE_MATCH_STANDINGS);
      EXPECT_EQ(g_round_wind, 3);
    }
  } while (std::next_permutation(coms.begin(), coms.end()));
}

TEST_F(HandEnd, AWinsScoreChangesArePaidOnceAndTheDealerMovesOn) {
  start_match(0, {0, 1, 2, 3}, {5, 0, -5, 0});
  g_hand_drawn = 0;
  const int changes[kSeats] = {-8, 32, -8, -16};
  std::copy(changes, changes + kSeats, g_score_changes);
  finish_hand();
  EXPECT_EQ((std::array<int, 4>{g_scores[0], g_scores[1], g_scores[2], g_scores[3]}), (std::array<int, 4>{-3, 32, -13, -16}));
  EXPECT_EQ((std::array<int, 4>{g_score_changes[0], g_score_changes[1], g_score_changes[2], g_score_changes[3]}),
            (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(g_dealer, 1) << "the winning dealer does not deal again";
  EXPECT_EQ(g_scene, SCENE_DEAL);
  EXPECT_EQ(g_scene_frame, 0);
}

// Standings: places by score, a tie going to the seat met first in turn
// order from the dealer; every row filled once.
TEST_F(HandEnd, StandingsBreakTiesByTurnOrderFromTheDealer) {
  struct Case {
    int dealer;
    std::array<int, 4> scores;
    std::array<int, 4> seats_by_place;
  };
  const Case cases[] = {
      {2, {150, -100, -200, 150}, {3, 0, 1, 2}},
      {0, {150, -100, -200, 150}, {0, 3, 1, 2}},
      {1, {0, 0, 0, 0}, {1, 2, 3, 0}},
      {3, {-10, 30, 30, -50}, {1, 2, 0, 3}},
      {3, {-10, -10, 70, -50}, {2, 0, 1, 3}},
  };
  for (const Case& c : cases) {
    start_match(c.dealer, {0, 6, 3, 1}, c.scores);
    close_match();
    for (int place = 0; place < kSeats; ++place) {
      const StandingsEntry& e = g_standings[place];
      EXPECT_EQ(e.seat, c.seats_by_place[place]) << "dealer " << c.dealer << " place " << place;
      EXPECT_EQ(e.character, g_seat_character[e.seat]);
      EXPECT_EQ(e.score, c.scores[e.seat]);
      EXPECT_EQ(e.score_again, e.score);
      EXPECT_EQ(e.place, place);
      EXPECT_EQ(e.zero, 0);
    }
    EXPECT_EQ(g_scene, SCENE_MATCH_STANDINGS);
  }
}

}  // namespace
