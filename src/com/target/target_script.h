// The characters' target scripts as data: an ordered list of selector calls
// with their arguments, grouped in numbered segments with stop points. One
// engine runs every character's script; the selectors plug in by name
// through a table that tests may replace with recording fakes.
#pragma once

#include <array>

#include "core/tiles.h"

enum class Selector : int {
  kPureStraight,
  kMixedTripleChow,
  kMixedStraight,
  kMixedShiftedChows,
  kPureShiftedChows,
  kFullFlush,
  kHalfFlush,
  kNineGates,
  kSevenShiftedPairs,
  kPureShiftedPungs,
  kTriplePung,
  kMixedShiftedPungs,
  kAllPungs,
  kThreeConcealedPungs,
  kFourConcealedPungs,
  kFourPureShiftedPungs,
  kAllEvenPungs,
  kBigThreeDragons,
  kBigFourWinds,
  kAllTerminals,
  kAllHonours,
  kAllTerminalsAndHonours,
  kThirteenOrphans,
  kGreaterHonoursKnitted,
  kKnittedStraight,
  kSevenPairs,
  kLowerTiles,
  kMiddleTiles,
  kUpperTiles,
  kAllFives,
  kAllGreen,
  kPureTripleChow,
  kFourPureShiftedChows,
  kQuadrupleChow,
  kPureTerminalChows,
  kThreeSuitedTerminalChows,
  kReversibleTiles,
  kAllTypes,
  kChickenHand,
  kMeldedHand,
  kOutsideHand,
  kCount,
};
constexpr int kSelectorCount = static_cast<int>(Selector::kCount);
constexpr int kSelectorArgs = 5;
using SelectorArgs = std::array<int, kSelectorArgs>;
using SelectorFn = void (*)(int seat, const SelectorArgs& args);

// One call of a script. `stop_after` marks a stop point inside a segment.
struct ScriptCall {
  int segment;  // 1..52
  Selector selector;
  SelectorArgs args;
  bool stop_after;
};

constexpr int kLastSegment = 52;
constexpr int kMaxScriptCalls = 208;
struct TargetScript {
  std::array<ScriptCall, kMaxScriptCalls> calls;
  int count;
};

// The script of character 1..6 (COM1 differs in segment 11, COM3 stops
// inside segment 16; the others run the common form).
const TargetScript& target_script(int character);

// The selectors the program runs.
extern const std::array<SelectorFn, kSelectorCount> kRealSelectors;

struct TargetScriptState {
  // The function each selector runs; the real selectors unless a test installed others.
  std::array<SelectorFn, kSelectorCount> selectors = kRealSelectors;
  // The seat whose script is running, -1 between runs. The selectors write
  // only the target record: the seat's hand counts and melds stand still
  // while its script runs.
  int running_seat = -1;
};
extern TargetScriptState g_target_script_state;

inline auto& g_selector_table = g_target_script_state.selectors;

// Runs the script of `character` for the seat: segment by segment, stopping
// after a segment once a target is set. After segment 33 a set target runs
// segment 34 and stops; no target skips segment 34. Segment 52 ends it.
void run_target_script(int seat, int character);

void reset_target_script_state();
