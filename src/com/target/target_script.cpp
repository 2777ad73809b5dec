#include "com/target/target_script.h"

#include <cassert>

#include "com/target/chow_fit.h"
#include "com/target/com_target.h"
#include "com/target/seat_facts.h"
#include "com/target/selectors.h"

namespace {

using S = Selector;

}  // namespace

constexpr std::array<SelectorFn, kSelectorCount> kRealSelectors{
    [](int s, const SelectorArgs& a) { aim_pure_straight(s, a[0], a[1], a[2], a[3]); },
    [](int s, const SelectorArgs& a) { aim_mixed_triple_chow(s, a[0], a[1], a[2], a[3], a[4]); },
    [](int s, const SelectorArgs& a) { aim_mixed_straight(s, a[0], a[1], a[2], a[3]); },
    [](int s, const SelectorArgs& a) { aim_mixed_shifted_chows(s, a[0], a[1], a[2], a[3]); },
    [](int s, const SelectorArgs& a) { aim_pure_shifted_chows(s, a[0], a[1]); },
    [](int s, const SelectorArgs& a) { aim_full_flush(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_half_flush(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_nine_gates(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_seven_shifted_pairs(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_pure_shifted_pungs(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_triple_pung(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_mixed_shifted_pungs(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_all_pungs(s, a[0]); },
    [](int s, const SelectorArgs& ) { aim_three_concealed_pungs(s); },
    [](int s, const SelectorArgs& ) { aim_four_concealed_pungs(s); },
    [](int s, const SelectorArgs& ) { aim_four_pure_shifted_pungs(s); },
    [](int s, const SelectorArgs& ) { aim_all_even_pungs(s); },
    [](int s, const SelectorArgs& a) { aim_big_three_dragons(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_big_four_winds(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_all_terminals(s, a[0]); },
    [](int s, const SelectorArgs& ) { aim_all_honours(s); },
    [](int s, const SelectorArgs& a) { aim_all_terminals_and_honours(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_thirteen_orphans(s, a[0], a[1]); },
    [](int s, const SelectorArgs& a) { aim_greater_honours_knitted(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_knitted_straight(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_seven_pairs(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_lower_tiles(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_middle_tiles(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_upper_tiles(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_all_fives(s, a[0]); },
    [](int s, const SelectorArgs& ) { aim_all_green(s); },
    [](int s, const SelectorArgs& a) { aim_pure_triple_chow(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_four_pure_shifted_chows(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_quadruple_chow(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_pure_terminal_chows(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_three_suited_terminal_chows(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_reversible_tiles(s, a[0]); },
    [](int s, const SelectorArgs& a) { aim_all_types(s, a[0]); },
    [](int s, const SelectorArgs& ) { aim_chicken_hand(s); },
    [](int s, const SelectorArgs& ) { aim_melded_hand(s); },
    [](int s, const SelectorArgs& a) { aim_outside_hand(s, a[0], a[1]); },};

namespace {

class ScriptBuilder {
 public:
  constexpr explicit ScriptBuilder(int character) : character_(character) {}
  constexpr void segment(int s) { segment_ = s; }
  constexpr void call(Selector id, SelectorArgs args = {}) {
    script_.calls[script_.count++] = ScriptCall{segment_, id, args, false};
  }
  // The four mixed and pure chow-pattern calls that the scripts run as a group.
  constexpr void q(int level, int mode, int shape, int flag) {
    call(S::kPureStraight, {level, mode, shape, flag});
    call(S::kMixedTripleChow, {level, mode, shape, flag, 0});
    call(S::kMixedStraight, {level, mode, shape, flag});
    call(S::kMixedShiftedChows, {level, mode, shape, flag});
  }
  constexpr void stop_here() { script_.calls[script_.count - 1].stop_after = true; }
  constexpr bool is(int character) const { return character_ == character; }
  constexpr TargetScript done() const { return script_; }

 private:
  int character_;
  int segment_ = 0;
  TargetScript script_{};
};

constexpr void segments_1_to_10(ScriptBuilder& b) {
  b.segment(1), b.call(S::kBigThreeDragons, {3}), b.call(S::kBigFourWinds, {3});
  b.segment(2), b.call(S::kGreaterHonoursKnitted, {12});
  b.segment(3), b.call(S::kPureShiftedPungs, {9}), b.call(S::kPureTripleChow, {9}), b.call(S::kTriplePung, {9});
  b.segment(4), b.call(S::kPureStraight, {9, 0, 0, 0}), b.call(S::kPureShiftedChows, {9, 0}),
      b.call(S::kMixedTripleChow, {9, 0, 0, 0, 0}), b.call(S::kMixedShiftedPungs, {9}),
      b.call(S::kMixedStraight, {9, 0, 0, 0}), b.call(S::kKnittedStraight, {9}),
      b.call(S::kMixedShiftedChows, {9, 0, 0, 0});
  b.segment(5), b.call(S::kBigThreeDragons, {2}), b.call(S::kBigFourWinds, {2});
  b.segment(6), b.call(S::kLowerTiles, {13}), b.call(S::kMiddleTiles, {13}), b.call(S::kUpperTiles, {13}),
      b.call(S::kFullFlush, {12}), b.call(S::kHalfFlush, {13}), b.call(S::kAllFives, {1}),
      b.call(S::kReversibleTiles, {1}), b.call(S::kAllTypes, {3});
  b.segment(7), b.call(S::kAllPungs, {2});
  b.segment(8), b.call(S::kOutsideHand, {0, 2});
  b.segment(9), b.call(S::kThreeConcealedPungs);
  b.segment(10), b.call(S::kThirteenOrphans, {10, 12}), b.call(S::kGreaterHonoursKnitted, {0});
}

constexpr void segments_11_to_20(ScriptBuilder& b) {
  b.segment(11);
  if (b.is(1)) {  // COM1 asks for shape 1 in the first six calls
    b.call(S::kPureShiftedChows, {8, 1}), b.q(8, 0, 1, 0), b.call(S::kPureStraight, {8, 1, 1, 0});
  } else {
    b.call(S::kPureShiftedChows, {8, 0}), b.q(8, 0, 0, 0), b.call(S::kPureStraight, {8, 1, 0, 0});
  }
  b.call(S::kPureShiftedChows, {7, 1}), b.call(S::kMixedTripleChow, {7, 0, 1, 1, 1}), b.q(7, 0, 1, 1), b.q(7, 1, 1, 1);
  b.segment(12), b.call(S::kMixedTripleChow, {7, 1, 1, 0, 1}), b.q(7, 1, 1, 0);
  b.segment(13), b.call(S::kMixedTripleChow, {7, 0, 1, 0, 1}), b.q(7, 0, 1, 0);
  b.segment(14), b.call(S::kFullFlush, {12}), b.call(S::kHalfFlush, {12});
  b.segment(15), b.call(S::kBigThreeDragons, {1}), b.call(S::kBigFourWinds, {1});
  b.segment(16), b.call(S::kLowerTiles, {12}), b.call(S::kMiddleTiles, {12}), b.call(S::kUpperTiles, {12}),
      b.call(S::kNineGates, {12}), b.call(S::kFourPureShiftedChows, {11}), b.call(S::kFullFlush, {12}),
      b.call(S::kHalfFlush, {12});
  if (b.is(3)) b.stop_here();  // COM3 settles for a flush before trying all types
  b.call(S::kAllTypes, {5});
  b.segment(17), b.call(S::kOutsideHand, {3, 0});
  b.segment(18), b.call(S::kGreaterHonoursKnitted, {11});
  b.segment(19), b.call(S::kPureShiftedPungs, {8}), b.call(S::kTriplePung, {8}), b.call(S::kMixedShiftedPungs, {8});
  b.segment(20), b.call(S::kPureTripleChow, {8}), b.call(S::kPureShiftedChows, {8, 0}),
      b.call(S::kMixedTripleChow, {8, 0, 0, 0, 1}), b.q(8, 0, 0, 0), b.q(8, 1, 0, 0);
}

constexpr void segments_21_to_34(ScriptBuilder& b) {
  b.segment(21), b.call(S::kGreaterHonoursKnitted, {10});
  b.segment(22), b.call(S::kKnittedStraight, {8});
  b.segment(23), b.call(S::kReversibleTiles, {2});
  b.segment(24), b.call(S::kNineGates, {11}), b.call(S::kAllGreen), b.call(S::kSevenShiftedPairs, {10}),
      b.call(S::kBigFourWinds, {0}), b.call(S::kAllTerminals, {0}), b.call(S::kFourConcealedPungs),
      b.call(S::kAllHonours);
  b.segment(25), b.call(S::kPureTerminalChows, {11}), b.call(S::kFourPureShiftedPungs), b.call(S::kQuadrupleChow, {11}),
      b.call(S::kFourPureShiftedChows, {11}), b.call(S::kAllTerminalsAndHonours, {0});
  b.segment(26), b.call(S::kFullFlush, {11}), b.call(S::kHalfFlush, {11});
  b.segment(27), b.call(S::kSevenPairs, {5}), b.call(S::kAllTypes, {1});
  b.segment(28), b.call(S::kBigThreeDragons, {0});
  b.segment(29), b.call(S::kOutsideHand, {2, 0});
  b.segment(30), b.call(S::kFullFlush, {11}), b.call(S::kHalfFlush, {11});
  b.segment(31), b.call(S::kPureShiftedChows, {7, 2}), b.call(S::kMixedTripleChow, {7, 0, 2, 1, 1}), b.q(7, 0, 2, 1),
      b.q(7, 1, 2, 1);
  b.segment(32), b.call(S::kPureShiftedChows, {7, 0}), b.call(S::kMixedTripleChow, {7, 0, 0, 1, 1}), b.q(7, 0, 0, 1),
      b.q(7, 1, 0, 1);
  b.segment(33), b.call(S::kMixedTripleChow, {7, 0, 0, 0, 1}), b.q(7, 0, 0, 0), b.q(7, 1, 0, 0);
  b.segment(34), b.q(6, 1, 2, 1);
}

constexpr void segments_35_to_52(ScriptBuilder& b) {
  b.segment(35), b.call(S::kPureShiftedPungs, {7}), b.call(S::kTriplePung, {7});
  b.segment(36), b.call(S::kPureTerminalChows, {10}), b.call(S::kQuadrupleChow, {10}),
      b.call(S::kFourPureShiftedChows, {10}), b.call(S::kLowerTiles, {11}), b.call(S::kMiddleTiles, {11}),
      b.call(S::kUpperTiles, {11});
  b.segment(37), b.call(S::kAllEvenPungs), b.call(S::kFullFlush, {11}), b.call(S::kAllFives, {0}),
      b.call(S::kThreeSuitedTerminalChows, {11}), b.call(S::kReversibleTiles, {0}), b.call(S::kMixedShiftedPungs, {7}),
      b.call(S::kAllTypes, {0}), b.call(S::kHalfFlush, {11}), b.call(S::kAllPungs, {0});
  b.segment(38), b.call(S::kChickenHand);
  b.segment(39), b.q(6, 0, 2, 1), b.q(6, 1, 2, 1);
  b.segment(40), b.q(6, 0, 0, 1), b.q(6, 1, 0, 1);
  b.segment(41), b.call(S::kTriplePung, {6}), b.call(S::kOutsideHand, {0, 0});
  b.segment(42), b.call(S::kGreaterHonoursKnitted, {99});
  b.segment(43), b.call(S::kFullFlush, {10}), b.call(S::kHalfFlush, {99});
  b.segment(44), b.call(S::kSevenPairs, {99});
  b.segment(45), b.call(S::kAllTypes, {2});
  b.segment(46), b.call(S::kOutsideHand, {0, 3});
  b.segment(47), b.call(S::kPureShiftedChows, {7, 3}), b.q(6, 0, 2, 0), b.q(6, 1, 2, 0);
  b.segment(48), b.q(6, 0, 0, 0), b.q(6, 1, 0, 0);
  b.segment(49), b.call(S::kAllPungs, {1});
  b.segment(50), b.call(S::kOutsideHand, {0, 1});
  b.segment(51), b.call(S::kHalfFlush, {10});
  b.segment(52), b.call(S::kMeldedHand);
}

constexpr TargetScript make_script(int character) {
  ScriptBuilder b(character);
  segments_1_to_10(b);
  segments_11_to_20(b);
  segments_21_to_34(b);
  segments_35_to_52(b);
  return b.done();
}

constexpr std::array<TargetScript, 7> kScripts{make_script(1), make_script(1), make_script(2), make_script(3),
                                                make_script(4), make_script(5), make_script(6)};
static_assert(kScripts[2].count == 201, "the common script makes 201 selector calls");
static_assert(kScripts[2].calls[kScripts[2].count - 1].segment == kLastSegment);

constexpr int kSegmentBeforeCandidates = 33;  // a target set here still lets segment 34 add candidates
constexpr int kCandidateSegment = 34;

// Runs the calls of the segment starting at index i; returns the index of
// the next segment, or -1 at a stop point inside the segment.
int run_segment(int seat, const TargetScript& script, int i) {
  const int segment = script.calls[i].segment;
  for (; i < script.count && script.calls[i].segment == segment; ++i) {
    const ScriptCall& call = script.calls[i];
    g_selector_table[static_cast<int>(call.selector)](seat, call.args);
    if (call.stop_after && g_ai_target_yaku[seat] != 0) return -1;
  }
  return i;
}

}  // namespace

const TargetScript& target_script(int character) {
  assert(character >= 1 && character <= 6);
  return kScripts[character];
}

namespace {

void run_segments(int seat, const TargetScript& script) {
  int i = 0;
  while (i >= 0 && i < script.count) {
    const int segment = script.calls[i].segment;
    i = run_segment(seat, script, i);
    if (i < 0 || segment == kLastSegment) return;
    const bool set = g_ai_target_yaku[seat] != 0;
    if (segment == kSegmentBeforeCandidates) {
      if (set) {
        run_segment(seat, script, i);
        return;
      }
      while (i < script.count && script.calls[i].segment == kCandidateSegment) ++i;
    } else if (set) {
      return;
    }
  }
}

}  // namespace

void run_target_script(int seat, int character) {
  // The chow-pattern fits are checked against the hand, and the facts every
  // level reads alike are worked out, once here rather than on each call.
  checked_chow_fit_memo(seat);
  fill_seat_facts(seat);
  g_target_script_state.running_seat = seat;
  run_segments(seat, target_script(character));
  g_target_script_state.running_seat = -1;
}
