#include <algorithm>

#include "base/ai_record.h"
#include "base/options.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/hand_terms.h"
#include "com/turn/ready_eval_choice.h"
#include "core/tiles.h"

namespace {

constexpr int kOdd = -1;  // a count of 1, 3 or 4

// A suit shape in which one tile is better thrown than the waits say.
struct ShapeRow {
  int subcode;
  int counts[9];       // ranks 1 to 9
  int unseen_ranks[2]; // ranks of which fewer than four copies may be in sight
  int discard_rank;
};
constexpr ShapeRow kShapeRows[] = {
    {902, {1, 2, 1, 2, 0, 1, kOdd, kOdd, 0}, {5, 9}, 2},
    {903, {0, 1, 2, 1, 2, 0, 1, kOdd, kOdd}, {1, 6}, 3},
    {907, {kOdd, kOdd, 1, 0, 2, 1, 2, 1, 0}, {4, 9}, 7},
    {908, {0, kOdd, kOdd, 1, 0, 2, 1, 2, 1}, {1, 5}, 8},
};

bool row_holds(const ShapeRow& row, int suit) {
  for (int rank = 1; rank <= 9; ++rank) {
    const int n = held(make_tile(suit, rank)), want = row.counts[rank - 1];
    if (want == kOdd ? (n != 1 && n != 3 && n != 4) : n != want) return false;
  }
  for (int rank : row.unseen_ranks)
    if (seen_by_all(make_tile(suit, rank)) >= 4) return false;
  return true;
}

// Criteria 902 to 908, for a low-valued choice with two pairs or more.
void shape_criteria(int seat, ReadyChoice& c) {
  const int max = ready_record(seat, c.slot)[kEvalMaxPoints];
  const bool low = g_seat_state[seat].naki_count == 0 ? max < 6 : max <= 6;
  if (!low || AI[seat].best_pairs < 2) return;
  for (int suit = 0; suit < 3; ++suit) {
    for (const ShapeRow& row : kShapeRows) {
      if (!row_holds(row, suit)) continue;
      const int tile = make_tile(suit, row.discard_rank);
      for (int s = 0; s < kHandSlots; ++s) {
        const int* r = ready_record(seat, s);
        if (r[kEvalTile] != tile || tile == ready_record(seat, c.slot)[kEvalTile] || r[kEvalMaxPoints] <= 0) continue;
        replace_choice(c, s, row.subcode);
        break;
      }
    }
  }
}

bool melds_allow_open_play(int seat) {
  if (g_melds[seat][1] != 0) return false;
  for (int code : g_melds[seat]) {
    if (code == 0) continue;
    if (is_kong_meld(code)) return false;
    const int t = meld_tile(code);
    if (meld_kind(code) == kMeldPung && is_terminal_or_honour(t)) return false;
  }
  return true;
}

bool tiles_allow_open_play() {
  int honours = 0;
  for (int t = kEast; t <= kRed; ++t) {
    if (held(t) >= 3) return false;
    honours += held(t);
  }
  if (honours < 2 || honours > 3) return false;
  int triples = 0;
  for (int suit = 0; suit < 3; ++suit) {
    int in_suit = 0;
    for (int rank = 1; rank <= 9; ++rank) {
      const int n = held(make_tile(suit, rank));
      if (n == 4 || (n >= 3 && (rank == 1 || rank == 9))) return false;
      triples += n >= 3;
      in_suit += n;
    }
    auto c = [suit](int rank) { return held(make_tile(suit, rank)); };
    if ((c(1) == 1 && c(2) == 1 && c(3) == 0) || (c(8) == 1 && c(9) == 1 && c(7) == 0)) return false;
    if (in_suit < 2) return false;
  }
  return triples < 2;
}

// Criterion 970: a cheap, light hand that may still grow after a call is
// committed to rather than released.
void open_play_criterion(int seat, ReadyChoice& c) {
  if (c.commit != 0 || !melds_allow_open_play(seat) || !tiles_allow_open_play()) return;
  const int floor = g_seat_state[seat].naki_count > 0 ? 3 : 5;
  for (int s = 0; s < kHandSlots; ++s)
    if (ready_record(seat, s)[kEvalMaxPoints] >= floor) return;
  c.commit = 1;
  c.subcode = 970;
}

// Criterion 980: with the last four tiles any win will do; most live copies.
void last_tiles_criterion(int seat, ReadyChoice& c) {
  if (g_wall_count != 4) return;
  int flowers = 0;
  for (const HanaRecord& h : g_hana) flowers += h.count;
  if (option(opt_flowers) != kFlowersOff && flowers != 8) return;
  if (ready_record(seat, c.slot)[kEvalMaxPoints] >= 8) return;
  int best = ready_record(seat, c.slot)[kEvalLive1Plus];
  for (int s = 0; s < kHandSlots; ++s) {
    const int* r = ready_record(seat, s);
    if (r[kEvalTile] == ready_record(seat, c.slot)[kEvalTile] || r[kEvalLive1Plus] <= 0 || r[kEvalLive1Plus] <= best) continue;
    replace_choice(c, s, 980);
    best = r[kEvalLive1Plus];
  }
  c.commit = 1;
}

}  // namespace

void late_criteria(int seat, ReadyChoice& c) {
  shape_criteria(seat, c);
  open_play_criterion(seat, c);
  last_tiles_criterion(seat, c);
}
