// Every piece of the computer players' state, defined and reset here.
#include "com/com_state.h"

#include "com/claim/claim_protocol.h"
#include "com/hand_terms.h"
#include "com/target/chow_fit.h"
#include "com/target/seat_facts.h"
#include "com/target/target_script.h"
#include "com/turn/com_turn.h"
#include "com/turn/danger_filters.h"
#include "com/turn/planner_decomposition.h"
#include "com/turn/planner_state.h"
#include "com/turn/safety.h"
#include "platform/state_list.h"

#define COM_WORK(X)                                                   \
  X(PlannerState, g_planner_state, reset_planner_state)               \
  X(Decomposition, g_decomposition, reset_decomposition_state)        \
  X(DangerFilterState, g_danger_filter_state, reset_danger_filter_state) \
  X(SafetyState, g_safety_state, reset_safety_state)                  \
  X(ComTurnState, g_com_turn_state, reset_com_turn_state)             \
  X(ClaimProtocolState, g_claim_protocol_state, reset_claim_protocol_state) \
  X(TargetScriptState, g_target_script_state, reset_target_script_state) \
  X(SeatFacts, g_seat_facts, reset_seat_facts)

#define COM_MEMOS(X)                                         \
  X(MeldTallyMemo, g_meld_tally_memo, reset_meld_tally_memo) \
  X(ChowFitMemos, g_chow_fit_memos, reset_chow_fit_memos)

#define COM_STATE(X) COM_WORK(X) COM_MEMOS(X)

COM_STATE(RUVELKA_DEFINE_STATE)

void reset_com_floor() { COM_STATE(RUVELKA_RESET_STATE) }

std::span<const StateBytes> com_state_bytes(Memos memos) {
  static constexpr StateBytes kPieces[] = {COM_STATE(RUVELKA_STATE_BYTES)};  // the memos last
  static constexpr std::size_t kWork = 0 COM_WORK(RUVELKA_COUNT_STATE);
  return memos == Memos::kWith ? std::span(kPieces) : std::span(kPieces).first(kWork);
}
