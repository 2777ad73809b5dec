#include "base/win_eval.h"

#include <algorithm>
#include <cassert>

#include "base/scorer.h"
#include "base/table_state.h"
#include "base/visible.h"

namespace {

int discards_of_all_seats() {
  int n = 0;
  for (int count : g_river_count) n += count;
  return n;
}

// table_context_of, inline where the evaluation builds the value it returns.
[[gnu::always_inline]] inline WinContext context_of(int seat, const int (&visible)[kTileCodes]) {
  static_assert(kMeldSlots == 4);
  return {
      .seat = seat,
      .seat_wind = seat_wind_index(seat, g_dealer),
      .round_wind = g_round_wind,
      .open_claims = g_seat_state[seat].open_naki_count,
      .melds = {g_melds[seat][0], g_melds[seat][1], g_melds[seat][2], g_melds[seat][3]},
      .melds_anywhere = any_meld_declared(g_melds) ? 1 : 0,
      .own_discards = g_river_count[seat],
      .discards_anywhere = discards_of_all_seats(),
      .wall_count = g_wall_count,
      .robbing_kong = g_robbing_kong_flag,
      .kong_replacement = g_kong_draw_flag,
      .flowers = g_hana[seat].count,
      .visible = visible,
  };
}

}  // namespace

WinContext table_context_of(int seat, const int (&visible)[kTileCodes]) { return context_of(seat, visible); }

WinEvaluation evaluate_win_for_scoring(int seat, int tile, int by_discard) {
  // Only the normal form scores while it reads; a scoring leaves the visible
  // counts recounted for the seat (as score_yaku does).
  const bool recount = g_hand_form == kFormNormal && g_robbing_kong_flag == 0;
  // Only the visible counts are read while reading: the seen ones are added
  // where a scoring publishes them.
  int visible[kTileCodes];  // written only on a recount
  if (recount) count_visible(g_river, g_river_count, g_melds, visible);
  WinEvaluation done;
  done.ctx = context_of(seat, recount ? visible : g_visible_counts);
  done.rules = current_rule_switches();
  const WaitSet& waits = current_waits();
  read_win(g_hand[seat], tile, by_discard, waits, done.ctx, done.rules, g_scoring, g_win_reading);
  done.valid = g_eval_valid == 1;
  // A kept scoring was made against the counts score_yaku would make: those
  // just published, or while a kong is robbed the shared ones it keeps.
  done.scored_now = work_holds_reading(g_win_reading);
  if (g_win_reading.scorings > 0) {
    g_win_points = g_eval_total;
    if (recount) publish_visible_counts(visible, seat);
  }
  // A reading changes the waits only where it takes seven pairs, and then the form too.
  if (g_win_reading.form != waits.form) {
    WaitSet read{};
    std::copy(std::begin(g_win_reading.waits), std::end(g_win_reading.waits), read.tiles);
    read.count = g_win_reading.wait_count;
    read.form = g_win_reading.form;
    publish_waits(read);
  }
  assert(std::equal(std::begin(g_win_reading.waits), std::end(g_win_reading.waits), g_waits) &&
         g_win_reading.wait_count == g_wait_count && g_win_reading.form == g_hand_form);
  done.ctx.visible = g_visible_counts;
  return done;
}

bool evaluate_win(int seat, int tile, int by_discard) { return evaluate_win_for_scoring(seat, tile, by_discard).valid; }
