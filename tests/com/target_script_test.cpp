#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/com_state.h"
#include "com/target/com_target.h"
#include "com/target/target_script.h"
#include "com/target/selectors.h"
#include "support/aim_case.h"
#include "support/hand_builder.h"
#include "support/table_fixture.h"

namespace {

struct Recorded {
  int seat;
  Selector selector;
  SelectorArgs args;
  bool operator==(const Recorded&) const = default;
};

// The calls the fakes saw, and the call (by position) that sets a target.
std::vector<Recorded> g_calls;
int g_set_at_call = -1;
int g_set_yaku = 0;

void record(int seat, const SelectorArgs& args, Selector id) {
  g_calls.push_back({seat, id, args});
  if (static_cast<int>(g_calls.size()) - 1 == g_set_at_call) g_ai_target_yaku[seat] = g_set_yaku;
}

template <int Id>
void fake(int seat, const SelectorArgs& args) {
  record(seat, args, static_cast<Selector>(Id));
}

template <int... Ids>
void install_fakes(std::integer_sequence<int, Ids...>) {
  ((g_selector_table[Ids] = &fake<Ids>), ...);
}

class TargetScripts : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    install_fakes(std::make_integer_sequence<int, kSelectorCount>{});
    g_calls.clear();
    g_set_at_call = -1;
  }
  void TearDown() override { reset_com_target_state(); }

  // Runs the script and returns the segments of the calls made, in order.
  std::vector<int> segments_run(int character, int seat = 1) {
    g_calls.clear();
    select_target_of_character(character, seat);
    std::vector<int> segments;
    const ::TargetScript& script = target_script(character == 0 ? 1 : character);
    for (size_t i = 0, j = 0; i < g_calls.size(); ++i) {
      while (j < static_cast<size_t>(script.count) &&
             !(script.calls[j].selector == g_calls[i].selector && script.calls[j].args == g_calls[i].args))
        ++j;
      EXPECT_LT(j, static_cast<size_t>(script.count)) << "a call outside the script at " << i;
      if (segments.empty() || segments.back() != script.calls[j].segment) segments.push_back(script.calls[j].segment);
      ++j;
    }
    return segments;
  }

  // Positions in the script of the first call of a segment.
  static int first_call_of(int character, int segment) {
    const ::TargetScript& script = target_script(character);
    for (int i = 0; i < script.count; ++i)
      if (script.calls[i].segment == segment) return i;
    return -1;
  }
};

std::vector<int> range(int from, int to) {
  std::vector<int> v;
  for (int s = from; s <= to; ++s) v.push_back(s);
  return v;
}

// The common script as the rule table lists it, one segment a line, calls
// apart by two spaces; Q(L, m, s, f) stands for the four chow-pattern calls
// pure straight (L, m, s, f), mixed triple chow (L, m, s, f, 0), mixed
// straight and mixed shifted chows (L, m, s, f).
constexpr const char* kCommonScript =
    "1: big_three_dragons(3)  big_four_winds(3)\n"
    "2: greater_honours_knitted(12)\n"
    "3: pure_shifted_pungs(9)  pure_triple_chow(9)  triple_pung(9)\n"
    "4: pure_straight(9, 0, 0, 0)  pure_shifted_chows(9, 0)  mixed_triple_chow(9, 0, 0, 0, 0)  mixed_shifted_pungs(9)  mixed_straight(9, 0, 0, 0)  knitted_straight(9)  mixed_shifted_chows(9, 0, 0, 0)\n"
    "5: big_three_dragons(2)  big_four_winds(2)\n"
    "6: lower_tiles(13)  middle_tiles(13)  upper_tiles(13)  full_flush(12)  half_flush(13)  all_fives(1)  reversible_tiles(1)  all_types(3)\n"
    "7: all_pungs(2)\n"
    "8: outside_hand(0, 2)\n"
    "9: three_concealed_pungs\n"
    "10: thirteen_orphans(10, 12)  greater_honours_knitted(0)\n"
    "11: pure_shifted_chows(8, 0)  Q(8, 0, 0, 0)  pure_straight(8, 1, 0, 0)  pure_shifted_chows(7, 1)  mixed_triple_chow(7, 0, 1, 1, 1)  Q(7, 0, 1, 1)  Q(7, 1, 1, 1)\n"
    "12: mixed_triple_chow(7, 1, 1, 0, 1)  Q(7, 1, 1, 0)\n"
    "13: mixed_triple_chow(7, 0, 1, 0, 1)  Q(7, 0, 1, 0)\n"
    "14: full_flush(12)  half_flush(12)\n"
    "15: big_three_dragons(1)  big_four_winds(1)\n"
    "16: lower_tiles(12)  middle_tiles(12)  upper_tiles(12)  nine_gates(12)  four_pure_shifted_chows(11)  full_flush(12)  half_flush(12)  all_types(5)\n"
    "17: outside_hand(3, 0)\n"
    "18: greater_honours_knitted(11)\n"
    "19: pure_shifted_pungs(8)  triple_pung(8)  mixed_shifted_pungs(8)\n"
    "20: pure_triple_chow(8)  pure_shifted_chows(8, 0)  mixed_triple_chow(8, 0, 0, 0, 1)  Q(8, 0, 0, 0)  Q(8, 1, 0, 0)\n"
    "21: greater_honours_knitted(10)\n"
    "22: knitted_straight(8)\n"
    "23: reversible_tiles(2)\n"
    "24: nine_gates(11)  all_green  seven_shifted_pairs(10)  big_four_winds(0)  all_terminals(0)  four_concealed_pungs  all_honours\n"
    "25: pure_terminal_chows(11)  four_pure_shifted_pungs  quadruple_chow(11)  four_pure_shifted_chows(11)  all_terminals_and_honours(0)\n"
    "26: full_flush(11)  half_flush(11)\n"
    "27: seven_pairs(5)  all_types(1)\n"
    "28: big_three_dragons(0)\n"
    "29: outside_hand(2, 0)\n"
    "30: full_flush(11)  half_flush(11)\n"
    "31: pure_shifted_chows(7, 2)  mixed_triple_chow(7, 0, 2, 1, 1)  Q(7, 0, 2, 1)  Q(7, 1, 2, 1)\n"
    "32: pure_shifted_chows(7, 0)  mixed_triple_chow(7, 0, 0, 1, 1)  Q(7, 0, 0, 1)  Q(7, 1, 0, 1)\n"
    "33: mixed_triple_chow(7, 0, 0, 0, 1)  Q(7, 0, 0, 0)  Q(7, 1, 0, 0)\n"
    "34: Q(6, 1, 2, 1)\n"
    "35: pure_shifted_pungs(7)  triple_pung(7)\n"
    "36: pure_terminal_chows(10)  quadruple_chow(10)  four_pure_shifted_chows(10)  lower_tiles(11)  middle_tiles(11)  upper_tiles(11)\n"
    "37: all_even_pungs  full_flush(11)  all_fives(0)  three_suited_terminal_chows(11)  reversible_tiles(0)  mixed_shifted_pungs(7)  all_types(0)  half_flush(11)  all_pungs(0)\n"
    "38: chicken_hand\n"
    "39: Q(6, 0, 2, 1)  Q(6, 1, 2, 1)\n"
    "40: Q(6, 0, 0, 1)  Q(6, 1, 0, 1)\n"
    "41: triple_pung(6)  outside_hand(0, 0)\n"
    "42: greater_honours_knitted(99)\n"
    "43: full_flush(10)  half_flush(99)\n"
    "44: seven_pairs(99)\n"
    "45: all_types(2)\n"
    "46: outside_hand(0, 3)\n"
    "47: pure_shifted_chows(7, 3)  Q(6, 0, 2, 0)  Q(6, 1, 2, 0)\n"
    "48: Q(6, 0, 0, 0)  Q(6, 1, 0, 0)\n"
    "49: all_pungs(1)\n"
    "50: outside_hand(0, 1)\n"
    "51: half_flush(10)\n"
    "52: melded_hand\n";

constexpr std::pair<std::string_view, Selector> kSelectorNames[] = {
    {"pure_straight", Selector::kPureStraight},
    {"mixed_triple_chow", Selector::kMixedTripleChow},
    {"mixed_straight", Selector::kMixedStraight},
    {"mixed_shifted_chows", Selector::kMixedShiftedChows},
    {"pure_shifted_chows", Selector::kPureShiftedChows},
    {"full_flush", Selector::kFullFlush},
    {"half_flush", Selector::kHalfFlush},
    {"nine_gates", Selector::kNineGates},
    {"seven_shifted_pairs", Selector::kSevenShiftedPairs},
    {"pure_shifted_pungs", Selector::kPureShiftedPungs},
    {"triple_pung", Selector::kTriplePung},
    {"mixed_shifted_pungs", Selector::kMixedShiftedPungs},
    {"all_pungs", Selector::kAllPungs},
    {"three_concealed_pungs", Selector::kThreeConcealedPungs},
    {"four_concealed_pungs", Selector::kFourConcealedPungs},
    {"four_pure_shifted_pungs", Selector::kFourPureShiftedPungs},
    {"all_even_pungs", Selector::kAllEvenPungs},
    {"big_three_dragons", Selector::kBigThreeDragons},
    {"big_four_winds", Selector::kBigFourWinds},
    {"all_terminals", Selector::kAllTerminals},
    {"all_honours", Selector::kAllHonours},
    {"all_terminals_and_honours", Selector::kAllTerminalsAndHonours},
    {"thirteen_orphans", Selector::kThirteenOrphans},
    {"greater_honours_knitted", Selector::kGreaterHonoursKnitted},
    {"knitted_straight", Selector::kKnittedStraight},
    {"seven_pairs", Selector::kSevenPairs},
    {"lower_tiles", Selector::kLowerTiles},
    {"middle_tiles", Selector::kMiddleTiles},
    {"upper_tiles", Selector::kUpperTiles},
    {"all_fives", Selector::kAllFives},
    {"all_green", Selector::kAllGreen},
    {"pure_triple_chow", Selector::kPureTripleChow},
    {"four_pure_shifted_chows", Selector::kFourPureShiftedChows},
    {"quadruple_chow", Selector::kQuadrupleChow},
    {"pure_terminal_chows", Selector::kPureTerminalChows},
    {"three_suited_terminal_chows", Selector::kThreeSuitedTerminalChows},
    {"reversible_tiles", Selector::kReversibleTiles},
    {"all_types", Selector::kAllTypes},
    {"chicken_hand", Selector::kChickenHand},
    {"melded_hand", Selector::kMeldedHand},
    {"outside_hand", Selector::kOutsideHand},
};

struct TableCall {
  int segment;
  Recorded call;
};

Recorded table_call(std::string_view name, SelectorArgs args) {
  for (const auto& [n, id] : kSelectorNames)
    if (n == name) return {1, id, args};
  ADD_FAILURE() << "no selector " << name;
  return {};
}

// "name(a, b)" or "name" into calls (Q into four).
void add_calls(int segment, const std::string& word, std::vector<TableCall>& out) {
  const size_t open = word.find('(');
  const std::string name = word.substr(0, open);
  SelectorArgs args{};
  if (open != std::string::npos) {
    std::istringstream in(word.substr(open + 1));
    for (int& a : args)
      if (!(in >> a) || in.get() != ',') break;
  }
  if (name != "Q") return out.push_back({segment, table_call(name, args)});
  for (const char* q : {"pure_straight", "mixed_triple_chow", "mixed_straight", "mixed_shifted_chows"})
    out.push_back({segment, table_call(q, args)});
}

std::vector<TableCall> common_script() {
  std::vector<TableCall> calls;
  std::istringstream lines(kCommonScript);
  for (std::string line; std::getline(lines, line);) {
    const int segment = std::stoi(line);
    std::string rest = line.substr(line.find(':') + 2);
    for (size_t at = 0; at < rest.size();) {
      const size_t end = std::min(rest.find("  ", at), rest.size());
      add_calls(segment, rest.substr(at, end - at), calls);
      at = end + 2;
    }
  }
  return calls;
}

std::vector<Recorded> calls_in(const std::vector<TableCall>& script, bool (*wanted)(int segment)) {
  std::vector<Recorded> out;
  for (const TableCall& c : script)
    if (wanted(c.segment)) out.push_back(c.call);
  return out;
}

TEST_F(TargetScripts, WithoutATargetEverySegmentRunsButTheCandidateSegment) {
  std::vector<int> expected = range(1, 33);
  const std::vector<int> rest = range(35, 52);
  expected.insert(expected.end(), rest.begin(), rest.end());
  for (int character = 1; character <= 6; ++character) {
    EXPECT_EQ(segments_run(character), expected) << "character " << character;
    EXPECT_EQ(g_calls.size(), 197u) << "201 calls less the four of segment 34";
  }
}

TEST_F(TargetScripts, CharactersDifferOnlyWhereTheirScriptsSay) {
  auto calls_of = [&](int character) {
    g_calls.clear();
    select_target_of_character(character, 2);
    return g_calls;
  };
  const auto common = calls_of(2);
  for (int character : {4, 5, 6}) EXPECT_EQ(calls_of(character), common);
  EXPECT_EQ(calls_of(3), common) << "without a target COM3's extra stop changes nothing";
  const auto com1 = calls_of(1);
  ASSERT_EQ(com1.size(), common.size());
  const int first = first_call_of(2, 11);
  for (size_t i = 0; i < common.size(); ++i) {
    const bool shape_one = static_cast<int>(i) >= first && static_cast<int>(i) < first + 6;
    EXPECT_EQ(com1[i] == common[i], !shape_one) << "call " << i;
  }
  // The user's seat runs COM1's script.
  EXPECT_EQ(calls_of(0), com1);
  EXPECT_EQ(com1[first + 1].args, (SelectorArgs{8, 0, 1, 0, 0}));
}

TEST_F(TargetScripts, ARunStartsFromAClearedRecord) {
  set_hand(1, "123456789s 11p 45m 7z");
  g_ai_target_yaku[1] = 49;
  g_ai_target_variant[1] = 2;
  g_ai_chow_candidates[1][0] = 27;
  g_ai_chow_candidate_variants[1][0] = 1;
  g_ai_chow_near_ready[1] = 1;
  select_target_of_character(2, 1);
  EXPECT_EQ(describe_target_record(1), "0:0 | | near 0");
}

TEST_F(TargetScripts, ATargetStopsTheScriptAfterItsSegment) {
  g_set_at_call = first_call_of(2, 6) + 2;  // upper tiles in segment 6
  g_set_yaku = 59;
  EXPECT_EQ(segments_run(2), range(1, 6));
  EXPECT_EQ(g_ai_target_yaku[1], 59);
  EXPECT_EQ(g_calls.back().selector, Selector::kAllTypes) << "the rest of the segment still runs";
}

TEST_F(TargetScripts, SegmentThirtyThreeWithATargetRunsTheCandidateSegmentAndStops) {
  g_set_at_call = first_call_of(2, 33);
  g_set_yaku = 33;
  std::vector<int> expected = range(1, 34);
  EXPECT_EQ(segments_run(2), expected);
  EXPECT_EQ(g_calls.size(), static_cast<size_t>(first_call_of(2, 35)));
  EXPECT_EQ(g_calls.back().args, (SelectorArgs{6, 1, 2, 1, 0}));
}

TEST_F(TargetScripts, ComThreeStopsBeforeAllTypesInSegmentSixteen) {
  const int half_flush = first_call_of(3, 17) - 2;
  ASSERT_EQ(target_script(3).calls[half_flush].selector, Selector::kHalfFlush);
  g_set_at_call = half_flush;
  g_set_yaku = 31;
  segments_run(3);
  EXPECT_EQ(g_calls.back().selector, Selector::kHalfFlush);
  g_set_at_call = half_flush;
  segments_run(2);
  EXPECT_EQ(g_calls.back().selector, Selector::kAllTypes) << "the others finish the segment";
}

TEST_F(TargetScripts, FourMeldsKeepThePreviousChoiceUntouched) {
  const int seat = 3;
  g_melds[seat][3] = make_meld(0, kMeldPung, 5);
  g_ai_target_yaku[seat] = 55;
  g_ai_target_variant[seat] = 2;
  g_ai_chow_candidates[seat][0] = 27;
  g_hand_counts[7] = 3;
  com_select_target(seat);
  EXPECT_TRUE(g_calls.empty());
  EXPECT_EQ(g_ai_target_yaku[seat], 55);
  EXPECT_EQ(g_ai_target_variant[seat], 2);
  EXPECT_EQ(g_ai_chow_candidates[seat][0], 27);
  EXPECT_EQ(g_hand_counts[7], 3) << "the script leaves the counts alone";
}

TEST_F(TargetScripts, ARunClearsTheRecordAndCountsTheSeatsTiles) {
  const int seat = 2;
  g_ai_target_yaku[seat] = 49;
  g_ai_chow_candidates[seat][4] = 35;
  g_ai_chow_near_ready[seat] = 1;
  g_hand[seat][0] = 5;
  g_hand[seat][1] = 5;
  g_hand[seat][2] = make_slot(7, kPungSlot);
  g_hand[seat][3] = 41;
  com_select_target(seat);
  EXPECT_EQ(g_ai_target_yaku[seat], 0);
  EXPECT_EQ(g_ai_chow_candidates[seat][4], 0);
  EXPECT_EQ(g_ai_chow_near_ready[seat], 0);
  EXPECT_EQ(g_hand_counts[5], 2);
  EXPECT_EQ(g_hand_counts[7], 0) << "meld tiles are not free tiles";
  EXPECT_EQ(g_hand_counts[41], 0) << "nor are flowers";
  EXPECT_TRUE(std::all_of(g_calls.begin(), g_calls.end(), [&](const Recorded& r) { return r.seat == seat; }));
}

TEST_F(TargetScripts, ASeatOfNoKnownCharacterRunsNoScript) {
  const int seat = 1;
  g_seat_character[seat] = 7;
  g_ai_target_yaku[seat] = 55;
  g_ai_target_variant[seat] = 1;
  g_discarder = 2;
  g_river[2][0] = 5;
  g_river_count[2] = 1;
  com_select_target(seat);
  EXPECT_TRUE(g_calls.empty());
  EXPECT_EQ(g_ai_target_yaku[seat], 55) << "the record is not cleared either";
  EXPECT_EQ(g_ai_target_variant[seat], 1);
  EXPECT_EQ(g_visible_counts[5], 1) << "the visible counts are rebuilt all the same";
}

TEST_F(TargetScripts, TheCommonScriptMakesTheCallsOfTheRuleTable) {
  const std::vector<TableCall> table = common_script();
  ASSERT_EQ(table.size(), 201u);
  const auto without_34 = calls_in(table, [](int s) { return s != 34; });
  for (int character : {2, 3, 4, 5, 6}) {
    g_calls.clear();
    select_target_of_character(character, 1);
    EXPECT_EQ(g_calls, without_34) << "character " << character;
  }
}

TEST_F(TargetScripts, ATargetFromSegmentThirtyThreeRunsTheTablesCandidateCalls) {
  const std::vector<TableCall> table = common_script();
  g_set_at_call = static_cast<int>(calls_in(table, [](int s) { return s <= 33; }).size()) - 1;
  g_set_yaku = 33;
  g_calls.clear();
  select_target_of_character(2, 1);
  EXPECT_EQ(g_calls, calls_in(table, [](int s) { return s <= 34; }));
}

TEST_F(TargetScripts, ComOneOpensSegmentElevenWithShapeOne) {
  const std::vector<TableCall> table = common_script();
  std::vector<TableCall> com1;
  for (const char* word : {"pure_shifted_chows(8, 1)", "Q(8, 0, 1, 0)", "pure_straight(8, 1, 1, 0)"}) add_calls(11, word, com1);
  auto expected = calls_in(table, [](int s) { return s != 34; });
  const auto first = std::find_if(table.begin(), table.end(), [](const TableCall& c) { return c.segment == 11; });
  std::transform(com1.begin(), com1.end(), expected.begin() + (first - table.begin()), [](const TableCall& c) { return c.call; });
  for (int character : {0, 1}) {
    g_calls.clear();
    select_target_of_character(character, 1);
    EXPECT_EQ(g_calls, expected) << "character " << character;
  }
}

// The real script on hands whose pure straights lie in different suits: a
// run reads the hand it runs on, whatever the seat's last run read.
class ScriptRuns : public TableTest {
 protected:
  void TearDown() override { reset_com_target_state(); }

  std::string run_on(const char* hand) {
    set_hand(1, hand);
    select_target_of_character(2, 1);
    return describe_target_record(1);
  }
};

constexpr const char* kBambooStraight = "123456789s 11p 45m 7z";
constexpr const char* kCharacterStraight = "123456789m 11p 45s 7z";

TEST_F(ScriptRuns, EachRunReadsItsOwnHand) {
  EXPECT_EQ(run_on(kBambooStraight), "49:2 | | near 0");
  EXPECT_EQ(run_on(kCharacterStraight), "49:0 | | near 0");
  EXPECT_EQ(run_on(kBambooStraight), "49:2 | | near 0");
}

TEST_F(ScriptRuns, ASelectorCalledAfterARunReadsTheHandAsItIsNow) {
  run_on(kBambooStraight);
  set_hand(1, kCharacterStraight);
  count_hand_tiles(1);
  g_ai_target_yaku[1] = 0;
  aim_pure_straight(1, 9, 0, 0, 0);
  EXPECT_EQ(describe_target_record(1), "49:0 | | near 0");
}

}  // namespace

namespace {

// Facts read by the flush, tile-range, pung, outside-hand and all-types
// selectors: a run on one hand, then on another, finds the second hand's
// target, as a run from fresh state does.
struct HandPair {
  const char* first;
  const char* first_target;
  const char* second;
  const char* second_target;
};

class ScriptFacts : public ScriptRuns, public ::testing::WithParamInterface<HandPair> {};

TEST_P(ScriptFacts, ARunAfterAnotherHandMatchesAFreshRun) {
  const HandPair& p = GetParam();
  EXPECT_EQ(run_on(p.first), std::string(p.first_target) + " | | near 0");
  EXPECT_EQ(run_on(p.second), std::string(p.second_target) + " | | near 0");
  reset_com_floor();
  EXPECT_EQ(run_on(p.second), std::string(p.second_target) + " | | near 0");
}

// Half flush of bamboo, then characters or a full flush; lower tiles, then
// upper tiles or a flush; pure shifted pungs from 1m, then from 1p; a triple
// pung of ones, then none once the dots move on to twos; greater honours and
// knitted tiles in the first arrangement, then in the last; an outside hand
// of three terminal chows, a pair of nines and lone honours (the general
// route, variant 0), then two chows and a closed 1-3 too few for any route;
// all types with a set in four types and a dragon pair, then lone honours
// that group in neither, leaving a mixed straight.
INSTANTIATE_TEST_SUITE_P(Hands, ScriptFacts,
                         ::testing::Values(HandPair{"1135778999s 11p 7z", "31:2", "1135778999m 11p 7z", "31:0"},
                                           HandPair{"1135778999s 11p 7z", "31:2", "1113557789999s", "55:2"},
                                           HandPair{"1122334m 1223p 3s", "61:0", "6677889m 6789p 9s", "59:0"},
                                           HandPair{"1122334m 1223p 3s", "61:0", "1135778999s 11p 7z", "31:2"},
                                           HandPair{"111222333m 5p 46s 7z", "54:1", "111222333p 5p 46s 7z", "54:11"},
                                           HandPair{"111m 111p 11s 459s 35z", "50:1", "111m 222p 11s 459s 35z", "0:0"},
                                           HandPair{"147m 258p 369s 1234z", "57:0", "369m 258p 147s 1234z", "57:5"},
                                           HandPair{"123m 789m 123p 99s 1z 5z", "23:0", "123m 789m 13p 5p 1z 5z 6z 7z", "0:0"},
                                           HandPair{"123m 345p 789s 111z 55z", "30:0", "123m 345p 789s 1z 2z 5z 6z 1s", "35:0"}));

}  // namespace
