#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "base/ai_record.h"
#include "base/seat_eval.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/turn/cascade_places.h"
#include "com/turn/danger_filters.h"
#include "com/turn/planner.h"
#include "com/turn/planner_state.h"
#include "com/turn/safety.h"
#include "support/hai_table_once.h"
#include "support/hand_builder.h"
#include "support/table_fixture.h"

namespace {

constexpr int kSeat = 1;  // the deciding seat

using Filter = void (*)(int seat);

struct Meld {
  int kind;
  int tile;
};

// A worked example: one other seat's melds, the pool, and the tiles the
// filter must take out of it ("" = none; every copy of each goes).
struct DangerCase {
  const char* name;
  Filter filter;
  int seat;  // the seat showing the melds
  std::vector<Meld> melds;
  const char* pool;
  const char* held;
  const char* seen_four = "";   // tiles the deciding seat has seen all four copies of
  const char* seen_three = "";  // ... three copies of
  const char* safe = "";        // tiles marked safe against `seat`
  int false_win = 0;
};

void PrintTo(const DangerCase& c, std::ostream* os) { *os << c.name; }

constexpr int P = kMeldPung, C = kMeldChow, K = kMeldMeldedKong, Q = kMeldConcealedKong;

class DangerFilters : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_table_state();
    reset_planner_state();
    reset_visible_state();
    reset_safety_state();
    reset_danger_filter_state();
  }
  static void declare(int seat, const std::vector<Meld>& melds) {
    for (const Meld& m : melds) add_meld(seat, m.kind, m.tile);
  }
  static void set_pool(const char* tiles) {
    const std::array<int, kHandSlots> pool = make_hand(tiles);
    std::copy(pool.begin(), pool.end(), g_ai_work_hand);
  }
  static std::vector<int> hand_of(const char* tiles) {
    const std::array<int, kHandSlots> slots = make_hand(tiles);
    return {slots.begin(), slots.end()};
  }
  static std::vector<int> pool() { return {std::begin(g_ai_work_hand), std::end(g_ai_work_hand)}; }
  static std::vector<int> without(std::vector<int> pool, const char* held) {
    for (int t : parse_tiles(held)) std::replace(pool.begin(), pool.end(), t, 0);
    return pool;
  }
  static std::string text(const std::vector<int>& slots) { return format_tiles(slots.data(), kHandSlots); }
};

class DangerCaseTest : public DangerFilters, public ::testing::WithParamInterface<DangerCase> {};

TEST_P(DangerCaseTest, HoldsBackExactlyTheNamedTiles) {
  const DangerCase& c = GetParam();
  declare(c.seat, c.melds);
  g_seat_state[c.seat].false_win = c.false_win;
  for (int t : parse_tiles(c.seen_four)) g_seen_counts[t] = 4;
  for (int t : parse_tiles(c.seen_three)) g_seen_counts[t] = 3;
  for (int t : parse_tiles(c.safe)) g_safe_marks_snapshot[c.seat][t] = 1;
  set_pool(c.pool);
  const std::vector<int> before = pool();
  c.filter(kSeat);
  EXPECT_EQ(text(pool()), text(without(before, c.held)));
  EXPECT_EQ(text(std::vector<int>(std::begin(g_ai_work_hand_backup), std::end(g_ai_work_hand_backup))), text(before))
      << "the backup is the pool on entry";
}

const DangerCase kCases[] = {
    // one suit: every unmarked tile of the suit, however many copies are seen
    {"OneSuitBamboo", guard_one_suit, 3, {{C, 21}, {P, 25}, {P, 27}, {K, 29}}, "19m 5p 22s 5s 8s 1z 4f", "2s 5s 8s",
     "8s"},
    {"OneSuitMarkedTileStays", guard_one_suit, 0, {{C, 11}, {C, 14}, {P, 18}, {Q, 19}}, "2p 5p 7p 3s", "2p 5p", "",
     "", "7p"},
    {"OneSuitMixedSuits", guard_one_suit, 3, {{C, 21}, {P, 25}, {P, 27}, {P, 15}}, "2s 5s 5p 1z", ""},
    {"OneSuitThreeMelds", guard_one_suit, 3, {{C, 21}, {P, 25}, {P, 27}}, "2s 5s 5p 1z", ""},
    {"OneSuitHonours", guard_one_suit, 2, {{P, 31}, {P, 32}, {P, 33}, {P, 35}}, "1z 4z 5p", ""},
    {"OneSuitFalseWin", guard_one_suit, 3, {{C, 21}, {P, 25}, {P, 27}, {K, 29}}, "2s 5s 5p", "", "", "", "", 1},
    {"OneSuitWouldEmptyThePool", guard_one_suit, 3, {{C, 21}, {P, 25}, {P, 27}, {K, 29}}, "2s 3s 3s 4f", ""},

    // terminals and honours: the thirteen, while fewer than four are seen
    {"TerminalsAndHonours", guard_terminals_and_honours, 2, {{P, 1}, {P, 19}, {P, 31}, {K, 37}},
     "1m 5m 9m 1s 9s 2z 6z 3p", "1m 1s 9s 2z 6z", "9m"},
    {"TerminalsAndHonoursNeedsAnHonour", guard_terminals_and_honours, 2, {{P, 1}, {P, 19}, {P, 21}, {K, 29}},
     "1m 5m 9m 9s 2z", ""},
    {"TerminalsAndHonoursNoChow", guard_terminals_and_honours, 2, {{C, 1}, {P, 19}, {P, 31}, {K, 37}},
     "1m 5m 9m 9s 2z", ""},
    {"TerminalsAndHonoursWouldEmptyThePool", guard_terminals_and_honours, 2, {{P, 1}, {P, 19}, {P, 31}, {K, 37}},
     "1m 9s 2z 2z", ""},

    // shifted pungs of one suit: the ranks that complete them, while fewer than three are seen
    {"ShiftedRunOfThree", guard_shifted_pungs, 0, {{P, 13}, {P, 14}, {K, 15}}, "2p 2p 3p 6p 7p 1m 6s", "2p 6p"},
    {"ShiftedRunOfThreeSeen", guard_shifted_pungs, 0, {{P, 13}, {P, 14}, {K, 15}}, "2p 6p 7p 1m", "6p", "", "2p"},
    {"ShiftedRunAtTheTop", guard_shifted_pungs, 0, {{P, 19}, {P, 17}, {P, 18}}, "1p 6p 7p 6m", "6p"},
    {"ShiftedRunEndingAtEight", guard_shifted_pungs, 2, {{P, 8}, {K, 6}, {P, 7}}, "4m 5m 9m 9m 9p 1z", "5m 9m"},
    {"ShiftedRunStartingAtTwo", guard_shifted_pungs, 3, {{P, 23}, {P, 24}, {P, 22}}, "1s 5s 6s 1m 5p", "1s 5s"},
    {"ShiftedRunAtTheBottom", guard_shifted_pungs, 3, {{P, 11}, {Q, 12}, {P, 13}}, "4p 5p 9p 4m", "4p"},
    {"ShiftedGapAfterFirst", guard_shifted_pungs, 0, {{P, 23}, {P, 25}, {P, 26}}, "2s 4s 7s 4m", "4s"},
    {"ShiftedGapBeforeLast", guard_shifted_pungs, 0, {{P, 23}, {P, 24}, {P, 26}}, "2s 5s 7s 5m", "5s"},
    {"ShiftedOtherSpacing", guard_shifted_pungs, 0, {{P, 23}, {P, 24}, {P, 27}}, "2s 5s 6s 8s", ""},
    {"ShiftedFourMelds", guard_shifted_pungs, 0, {{P, 13}, {P, 14}, {P, 15}, {P, 31}}, "2p 6p 1m", ""},
    {"ShiftedTwoSuits", guard_shifted_pungs, 0, {{P, 13}, {P, 14}, {P, 5}}, "2p 6p 6m 1m", ""},
    {"ShiftedWithAChow", guard_shifted_pungs, 0, {{C, 13}, {P, 14}, {P, 15}}, "2p 6p 1m", ""},
    {"ShiftedHonoursAreNoSuit", guard_shifted_pungs, 0, {{P, 31}, {P, 32}, {P, 33}}, "4z 1m", ""},
    {"ShiftedWouldEmptyThePool", guard_shifted_pungs, 0, {{P, 13}, {P, 14}, {K, 15}}, "2p 6p 6p 1f", ""},

    // all honours: the honour kinds not among the melds
    {"AllHonours", guard_all_honours, 3, {{P, 31}, {P, 32}, {P, 35}, {K, 37}}, "3z 4z 6z 1z 9m 5p", "3z 6z",
     "4z"},
    {"AllHonoursOneTerminal", guard_all_honours, 3, {{P, 31}, {P, 32}, {P, 35}, {K, 9}}, "3z 4z 6z 9m", ""},
    {"AllHonoursWouldEmptyThePool", guard_all_honours, 3, {{P, 31}, {P, 32}, {P, 35}, {K, 37}}, "3z 4z 6z 6z", ""},

    // all terminals: the terminals not among the melds
    {"AllTerminals", guard_all_terminals, 2, {{P, 1}, {P, 9}, {P, 11}, {Q, 29}}, "9p 1s 1s 5m 1z", "9p 1s"},
    {"AllTerminalsSeen", guard_all_terminals, 2, {{P, 1}, {P, 9}, {P, 11}, {Q, 29}}, "9p 1s 5m", "1s", "9p"},
    {"AllTerminalsOneHonour", guard_all_terminals, 2, {{P, 1}, {P, 9}, {P, 11}, {P, 31}}, "9p 1s 5m", ""},
    {"AllTerminalsWouldEmptyThePool", guard_all_terminals, 2, {{P, 1}, {P, 9}, {P, 11}, {Q, 29}}, "9p 1s", ""},

    // four winds: the missing wind once three show
    {"FourWindsThreeMelds", guard_four_winds, 0, {{P, 31}, {P, 33}, {P, 34}}, "2z 2z 3m 5z", "2z"},
    {"FourWindsFourMelds", guard_four_winds, 0, {{P, 31}, {C, 2}, {P, 33}, {P, 34}}, "2z 3m", "2z"},
    {"FourWindsSeenOut", guard_four_winds, 0, {{P, 31}, {P, 33}, {P, 34}}, "2z 3m", "", "2z"},
    {"FourWindsTwoWinds", guard_four_winds, 0, {{P, 31}, {P, 33}, {P, 35}}, "2z 4z 3m", ""},
    {"FourWindsAllFour", guard_four_winds, 0, {{P, 31}, {P, 32}, {P, 33}, {P, 34}}, "2z 4z 3m", ""},
    {"FourWindsTwoMelds", guard_four_winds, 0, {{P, 31}, {P, 33}}, "2z 4z 3m", ""},
    {"FourWindsWouldEmptyThePool", guard_four_winds, 0, {{P, 31}, {P, 33}, {P, 34}}, "2z 2z 3f", ""},

    // big three dragons: the missing dragon once two show
    {"DragonsTwoMelds", guard_big_three_dragons, 3, {{P, 35}, {K, 37}}, "6z 6z 1z 5m", "6z"},
    {"DragonsOneDragon", guard_big_three_dragons, 3, {{P, 35}, {P, 31}}, "6z 7z 5m", ""},
    {"DragonsAllThree", guard_big_three_dragons, 3, {{P, 35}, {P, 36}, {P, 37}}, "1z 5m", ""},
    {"DragonsOneMeld", guard_big_three_dragons, 3, {{P, 35}}, "6z 7z 5m", ""},
    {"DragonsMarked", guard_big_three_dragons, 3, {{P, 35}, {K, 37}}, "6z 5m", "", "", "", "6z"},
    {"DragonsWouldEmptyThePool", guard_big_three_dragons, 3, {{P, 35}, {K, 37}}, "6z", ""},

    // all green: the six green tiles
    {"AllGreen", guard_all_green, 2, {{C, 22}, {P, 26}, {P, 36}, {K, 28}}, "2s 3s 4s 6s 8s 6z 5s 7s 1m", "2s 3s 4s 6s 6z",
     "8s"},
    {"AllGreenOtherChow", guard_all_green, 2, {{C, 23}, {P, 26}, {P, 36}, {K, 28}}, "2s 3s 5s", ""},
    {"AllGreenRedDragon", guard_all_green, 2, {{C, 22}, {P, 26}, {P, 37}, {K, 28}}, "2s 3s 5s", ""},
    {"AllGreenWouldEmptyThePool", guard_all_green, 2, {{C, 22}, {P, 26}, {P, 36}, {K, 28}}, "2s 3s 6z 5f", ""},
};

INSTANTIATE_TEST_SUITE_P(WorkedTables, DangerCaseTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<DangerCase>& info) { return std::string(info.param.name); });

TEST_F(DangerFilters, TheFirstDragonDangerInSeatOrderEndsTheSearch) {
  declare(0, {{P, 35}, {P, 36}});  // wants red
  declare(2, {{P, 36}, {P, 37}});  // wants white
  set_pool("5z 7z 3m");
  guard_big_three_dragons(kSeat);
  EXPECT_EQ(text(pool()), text(without(hand_of("5z 7z 3m"), "7z")));

  set_pool("5z 7z 3m");
  g_safe_marks_snapshot[0][kRed] = 1;  // red is no danger from seat 0: seat 2 is looked at
  guard_big_three_dragons(kSeat);
  EXPECT_EQ(text(pool()), text(without(hand_of("5z 7z 3m"), "5z")));
}

TEST_F(DangerFilters, EveryDangerousSeatIsHeldAgainstByTheOtherFilters) {
  declare(0, {{C, 21}, {P, 25}, {P, 27}, {K, 29}});
  declare(2, {{C, 1}, {C, 4}, {P, 8}, {P, 9}});
  declare(kSeat, {{C, 11}, {C, 14}, {P, 18}, {P, 19}});  // the deciding seat's own melds are no danger
  set_pool("2m 5p 3s 1z");
  guard_one_suit(kSeat);
  EXPECT_EQ(text(pool()), text(without(hand_of("2m 5p 3s 1z"), "2m 3s")));
}

TEST_F(DangerFilters, ARestoreGoesBackOnlyToItsOwnFiltersEntry) {
  declare(3, {{C, 1}, {C, 4}, {P, 7}, {P, 9}});     // characters only
  declare(0, {{P, 35}, {P, 37}});                   // wants the green dragon
  declare(2, {{C, 22}, {P, 26}, {P, 36}, {K, 28}});  // all green
  set_pool("5m 2s 6z 3f");
  guard_one_suit(kSeat);
  guard_big_three_dragons(kSeat);
  EXPECT_EQ(text(pool()), text(without(hand_of("5m 2s 6z 3f"), "5m 6z")));
  guard_all_green(kSeat);  // taking 2s would leave only the flower
  EXPECT_EQ(text(pool()), text(without(hand_of("5m 2s 6z 3f"), "5m 6z")));
}

class DangerInPlanner : public TableTest {
 protected:
  static void SetUpTestSuite() { fill_hai_table_once(); }
  void SetUp() override {
    TableTest::SetUp();
    reset_planner_state();
    reset_ai_record_state();
    reset_safety_state();
    reset_danger_filter_state();
    g_wall_count = 60;
  }
};

// The pool the relaxation levels start from keeps the bamboo out for every
// character but COM6.
TEST_F(DangerInPlanner, OnlyCom6PlansWithoutTheFilters) {
  for (int character = 1; character <= 6; ++character) {
    SCOPED_TRACE(character);
    SetUp();
    set_hand(3, "");
    add_meld(3, kMeldChow, 21);
    add_meld(3, kMeldPung, 25);
    add_meld(3, kMeldPung, 27);
    add_meld(3, kMeldPung, 29);
    set_hand(2, "123m 456m 789m 11p 3p 2s 6s");
    refresh_hand_evaluations();
    plan_discard_of_character(character, 2);
    const std::vector<int> saved(std::begin(g_ai_work_hand_saved), std::end(g_ai_work_hand_saved));
    const bool bamboo_left = std::any_of(saved.begin(), saved.end(), [](int t) { return suit_of(t) == kBamboo && t != 0; });
    EXPECT_EQ(bamboo_left, character == 6);
  }
}

}  // namespace
