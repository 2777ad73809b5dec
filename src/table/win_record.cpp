#include "table/win_record.h"

#include <algorithm>
#include <cassert>

#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/scorer.h"
#include "base/table_state.h"
#include "base/yaku_table.h"

namespace {

bool declared_open_meld(int seat) {
  return std::any_of(std::begin(g_melds[seat]), std::end(g_melds[seat]), is_open_meld);
}

void take_record(int winner, int payer) {
  WinRecord& r = g_win_record;
  r = WinRecord{};
  r.winner = winner;
  r.payer = payer;
  r.concealed = declared_open_meld(winner) ? 0 : 1;
  r.points = g_eval_total;
  r.points_uncapped = g_eval_total_uncapped;
  r.points_without_flowers = yaku_points_without_flowers();
  for (int id = 0; id < kYakuCount; ++id) {
    r.found[id] = g_yaku_table[id].found != 0 ? 1 : 0;
    r.pattern_points[id] = r.found[id] ? g_yaku_table[id].points : 0;
  }
}

}  // namespace

void win_payments(int winner, int payer, int points, int (&changes)[kSeats]) {
  assert(winner >= 0 && winner < kSeats);
  if (payer == kNoPayer) {
    std::fill(std::begin(changes), std::end(changes), -(kBaseWinPayment + points));
    changes[winner] = 3 * (kBaseWinPayment + points);
    return;
  }
  assert(payer >= 0 && payer < kSeats && payer != winner);
  std::fill(std::begin(changes), std::end(changes), -kBaseWinPayment);
  changes[winner] = points + 3 * kBaseWinPayment;
  changes[payer] -= points;
}

void settle_win(int winner, int payer) {
  take_record(winner, payer);
  g_win_points = g_win_record.points;
  win_payments(winner, payer, g_win_points, g_score_changes);
  g_winner = winner;
  g_dealt_in_seat = payer;
  g_seat_state[winner].won = 1;
  g_hand_drawn = 0;
  g_scene = SCENE_WIN;
  g_scene_frame = 0;
  g_popup_open = 0;
  g_result_panel_hidden = 0;
}
