// Every piece of the base floor's state, defined and reset here.
#include "base/base_state.h"

#include "base/ai_record.h"
#include "base/options.h"
#include "base/scene_state.h"
#include "base/scorer.h"
#include "base/seat_eval.h"
#include "base/shanten.h"
#include "base/sound.h"
#include "base/stats.h"
#include "base/table_state.h"
#include "base/view_requests.h"
#include "base/visible.h"
#include "base/waits.h"
#include "base/win_eval.h"
#include "base/win_record.h"
#include "base/yaku_switches.h"
#include "base/yaku_table.h"
#include "platform/state_list.h"

#define BASE_WORK(X)                                         \
  X(TableState, g_table_state, reset_table_state)            \
  X(WinRecord, g_win_record, reset_win_record_state)         \
  X(AiRecordState, g_ai_record_state, reset_ai_record_state) \
  X(SceneState, g_scene_state, reset_scene_state)            \
  X(OptionsState, g_options_state, reset_options)            \
  X(YakuSwitches, g_yaku_switches, reset_yaku_switches)      \
  X(SoundRequests, g_sound_requests, reset_sound_state)      \
  X(ViewRequests, g_view_requests, reset_view_requests)      \
  X(StatsState, g_stats_state, reset_stats_state)            \
  X(TileCounts, g_tile_counts, reset_visible_state)          \
  X(WaitsArea, g_waits_area, reset_waits_state)              \
  X(WinReading, g_win_reading, reset_win_eval_state)         \
  X(ShantenResult, g_shanten, reset_shanten_state)           \
  X(Scoring, g_scoring, reset_scorer_state)

#define BASE_MEMOS(X)                                \
  X(ScoringMemo, g_scoring_memo, reset_scoring_memo) \
  X(SeatEvalMemo, g_seat_eval_memo, reset_seat_eval_memo)

#define BASE_STATE(X) BASE_WORK(X) BASE_MEMOS(X)

BASE_STATE(RUVELKA_DEFINE_STATE)

void reset_base_floor() { BASE_STATE(RUVELKA_RESET_STATE) }

std::span<const StateBytes> base_state_bytes(Memos memos) {
  static constexpr StateBytes kPieces[] = {BASE_STATE(RUVELKA_STATE_BYTES)};  // the memos last
  static constexpr std::size_t kWork = 0 BASE_WORK(RUVELKA_COUNT_STATE);
  return memos == Memos::kWith ? std::span(kPieces) : std::span(kPieces).first(kWork);
}
