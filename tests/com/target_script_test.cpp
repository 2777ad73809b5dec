#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/target/com_target.h"
#include "com/target/target_script.h"
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

}  // namespace
