#include "com/turn/ready_eval_choice.h"

#include <algorithm>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/yaku_table.h"
#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "com/turn/ready_eval_template.h"
#include "core/tiles.h"

namespace {

int tile_at(int seat, int slot) { return ready_record(seat, slot)[kEvalTile]; }

// A "greater" scan: R starts as B's `word`; a slot of another tile that
// passes `test` and beats R strictly becomes B, and R follows it.
template <class Fn>
void scan_greater(int seat, ReadyChoice& c, int subcode, int word, Fn test) {
  int best = ready_record(seat, c.slot)[word];
  for (int s = 0; s < kHandSlots; ++s) {
    const int* r = ready_record(seat, s);
    if (r[kEvalTile] == tile_at(seat, c.slot) || !test(r) || r[word] <= best) continue;
    replace_choice(c, s, subcode);
    best = r[word];
  }
}

// Slots of criterion 1's pass p: honours, and suited tiles of rank p+1 or 9-p.
bool in_end_pass(int tile, int p, bool honours) {
  if (is_honour(tile)) return honours;
  return is_suited(tile) && (rank_of(tile) == p + 1 || rank_of(tile) == 9 - p);
}

// Criteria 1 to 3: the highest points with live copies, then more copies.
void best_points(int seat, ReadyChoice& c) {
  int r_max = 0, r_live = 0;
  for (int p = 0; p <= 4; ++p) {
    for (int s = 0; s < kHandSlots; ++s) {
      const int* r = ready_record(seat, s);
      if (!in_end_pass(r[kEvalTile], p, true) || r[kEvalMaxPoints] <= r_max || r[kEvalLiveAtMax] <= 0) continue;
      replace_choice(c, s, 1);
      r_max = r[kEvalMaxPoints];
      r_live = r[kEvalLiveAtMax];
    }
  }
  for (int s = 0; s < kHandSlots; ++s) {
    const int* r = ready_record(seat, s);
    if (r[kEvalTile] == tile_at(seat, c.slot) || r[kEvalMaxPoints] != r_max || r[kEvalLiveAtMax] <= r_live) continue;
    replace_choice(c, s, 2);
    r_live = r[kEvalLiveAtMax];
  }
  if (c.subcode != 0) return;
  int r_min = 0;
  for (int s = 0; s < kHandSlots; ++s) {
    const int* r = ready_record(seat, s);
    if (r[kEvalTile] == tile_at(seat, c.slot) || r[kEvalMinPoints] <= r_min || r[kEvalLiveAtMin] <= 0) continue;
    replace_choice(c, s, 3);
    r_min = r[kEvalMinPoints];
  }
}

bool same_outlook(const int* a, const int* b) {
  return a[kEvalMaxPoints] == b[kEvalMaxPoints] && a[kEvalMinPoints] == b[kEvalMinPoints] &&
         a[kEvalLiveAtMax] == b[kEvalLiveAtMax] && a[kEvalLiveAtMin] == b[kEvalLiveAtMin];
}

// Criteria 30 and 31: among equal single (or seven-pairs) waits the middle
// rank; B itself counts, so a middle B stays.
void prefer_middle(int seat, ReadyChoice& c, int kind, int subcode) {
  const int* b = ready_record(seat, c.slot);
  for (int p = 4; p >= 0; --p) {
    for (int s = 0; s < kHandSlots; ++s) {
      const int* r = ready_record(seat, s);
      if (!in_end_pass(r[kEvalTile], p, false) || r[kEvalWaitKind] != kind || !same_outlook(r, b)) continue;
      if (r[kEvalTile] != b[kEvalTile]) replace_choice(c, s, subcode);
      return;
    }
  }
}

// Criterion 4 and the wait-shape preferences.
void value_and_wait_shape(int seat, ReadyChoice& c) {
  scan_greater(seat, c, 4, kEvalValue, [](const int* r) { return r[kEvalMaxPoints] >= 8; });
  const int* b = ready_record(seat, c.slot);
  if (b[kEvalWaitKind] == 2 || b[kEvalWaitKind] == 3) {
    for (int s = 0; s < kHandSlots; ++s) {
      const int* r = ready_record(seat, s);
      if (r[kEvalTile] == b[kEvalTile] || r[kEvalWaitKind] != 1 || !same_outlook(r, b)) continue;
      replace_choice(c, s, 4);
      break;
    }
  }
  b = ready_record(seat, c.slot);
  if (b[kEvalWaitKind] == 1) prefer_middle(seat, c, 1, 30);
  if (ready_record(seat, c.slot)[kEvalWaitKind] == 4) prefer_middle(seat, c, 4, 31);
}

bool any_record(int seat, bool (*test)(const int*)) {
  for (int s = 0; s < kHandSlots; ++s)
    if (test(ready_record(seat, s))) return true;
  return false;
}

// Criteria 90 to 37: more live copies of 8-, 7- and 6-point waits.
void live_counts(int seat, ReadyChoice& c) {
  const bool closed = g_seat_state[seat].naki_count == 0;
  if (!any_record(seat, [](const int* r) { return r[kEvalMaxPoints] >= 64 && r[kEvalLive8Plus] >= 1; })) {
    for (int word : {kEvalMaxPoints, kEvalMinPoints}) {
      const bool by_max = word == kEvalMaxPoints;
      auto at8 = [word](const int* r) { return r[word] >= 8; };
      scan_greater(seat, c, by_max ? 90 : 6, kEvalLive8Plus, at8);
      const int b8 = ready_record(seat, c.slot)[kEvalLive8Plus];
      scan_greater(seat, c, by_max ? 92 : 36, kEvalLive7Plus,
                   [&](const int* r) { return at8(r) && r[kEvalLive8Plus] == b8; });
      if (closed) {
        const int b7 = ready_record(seat, c.slot)[kEvalLive7Plus];
        scan_greater(seat, c, by_max ? 93 : 37, kEvalLive6Plus,
                     [&](const int* r) { return at8(r) && r[kEvalLive8Plus] == b8 && r[kEvalLive7Plus] == b7; });
      }
    }
  }
  if (!any_record(seat, [](const int* r) { return r[kEvalLive8Plus] > 0; }) &&
      any_record(seat, [](const int* r) { return r[kEvalLive7Plus] > 0; }))
    scan_greater(seat, c, 9, kEvalLive7Plus, [](const int* r) { return r[kEvalLive7Plus] > 0; });
  const bool open = !is_closed_hand(seat);
  if (!open && !any_record(seat, [](const int* r) {
        return r[kEvalMaxPoints] >= 8 && (r[kEvalLive8Plus] > 0 || r[kEvalLive7Plus] >= 1);
      }))
    scan_greater(seat, c, 8, kEvalLive6Plus, [](const int* r) { return r[kEvalLive6Plus] > 0; });
}

// Tiles of the seat's 14 slots, free and melded alike.
int slot_tile(int seat, int i) { return tile_of(g_hand[seat][i]); }

void first_slot_where(int seat, ReadyChoice& c, int subcode, bool (*test)(int tile)) {
  for (int s = 0; s < kHandSlots; ++s) {
    const int t = tile_at(seat, s);
    if (t == 0 || t == tile_at(seat, c.slot) || !test(t)) continue;
    replace_choice(c, s, subcode);
    return;
  }
}

// Criteria 13 to 15: two lone tiles of a suit in an otherwise one-suit hand.
void thin_suits(int seat, ReadyChoice& c) {
  if (g_seat_state[seat].open_naki_count != 0 || ready_record(seat, c.slot)[kEvalLive8Plus] != 0) return;
  int suits[4] = {0, 0, 0, 0};
  for (int i = 0; i < kHandSlots; ++i) {
    const int t = slot_tile(seat, i);
    if (is_suited(t)) ++suits[suit_of(t)];
    if (is_honour(t)) ++suits[3];
  }
  bool honour_pung = false;
  for (int t = kEast; t <= kRed; ++t) honour_pung = honour_pung || held(t) == 3;
  if (suits[3] > 0 && !honour_pung && g_ai_target_yaku[seat] == kYaku31HalfFlush) return;
  if (suits[0] == 2 && (suits[1] == 0 || suits[2] == 0))
    first_slot_where(seat, c, 13, [](int t) { return is_suited(t) && suit_of(t) == 0; });
  if (suits[1] == 2 && (suits[0] == 0 || suits[2] == 0))
    first_slot_where(seat, c, 14, [](int t) { return is_suited(t) && suit_of(t) == 1; });
  if (suits[2] == 2 && (suits[0] == 0 || suits[1] == 0))
    first_slot_where(seat, c, 15, [](int t) { return is_suited(t) && suit_of(t) == 2; });
}

bool honour_pair_held() {
  for (int t = kEast; t <= kRed; ++t)
    if (held(t) == 2) return true;
  return false;
}

// Criterion 16: a complete mixed-shifted-chows template with a 7-point
// wait gives up an honour pair.
void complete_template_pair(int seat, ReadyChoice& c) {
  if (g_ai_target_yaku[seat] != kYaku27MixedShiftedChows || !honour_pair_held() ||
      ready_record(seat, c.slot)[kEvalMinPoints] != 7)
    return;
  ChowTemplate t;
  if (!build_chow_template(seat, kYaku27MixedShiftedChows, g_ai_target_variant[seat], t)) return;
  for (int i = 0; i < kTemplatePositions; ++i)
    if (t.melded[i / 3] == 0 && held(t.tiles[i]) < 1) return;
  first_slot_where(seat, c, 16, [](int tile) { return is_honour(tile) && held(tile) == 2; });
}

// Criterion 17: two dragon pungs without the third dragon, a 7-point low
// wait not on a single tile: wait on a single tile instead.
void two_dragon_pungs(int seat, ReadyChoice& c) {
  int pungs = 0, absent = 0;
  for (int d = kWhite; d <= kRed; ++d) {
    const int n = static_cast<int>(std::count_if(g_hand[seat], g_hand[seat] + kHandSlots,
                                                 [d](int v) { return v != 0 && tile_of(v) == d; }));
    pungs += n == 3;
    absent += n == 0;
  }
  const int* b = ready_record(seat, c.slot);
  if (pungs != 2 || absent != 1 || b[kEvalMinPoints] != 7 || b[kEvalWaitKind] == 1) return;
  for (int s = 0; s < kHandSlots; ++s) {
    const int* r = ready_record(seat, s);
    if (r[kEvalTile] == b[kEvalTile] || !is_playing_tile(r[kEvalTile]) || r[kEvalWaitKind] != 1) continue;
    replace_choice(c, s, 17);
    return;
  }
}

}  // namespace

void choose_ready_discard(int seat, ReadyChoice& c) {
  c = ReadyChoice{};
  best_points(seat, c);
  value_and_wait_shape(seat, c);
  live_counts(seat, c);
  thin_suits(seat, c);
  complete_template_pair(seat, c);
  two_dragon_pungs(seat, c);
  template_criteria(seat, c);
  late_criteria(seat, c);
}
