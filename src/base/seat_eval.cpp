#include "base/seat_eval.h"

#include <algorithm>
#include <cstdint>

#include "base/shanten.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "core/hai_table.h"
#include "core/shanten.h"

namespace {

constexpr int kWorst[kShantenForms] = {kWorstNormal, kWorstChiitoi, kWorstKokushi, kWorstKnitted};

// One slot's evaluation. Slots holding the same tile leave the same hand, so
// each tile kind (and the empty slot, code 0) is evaluated once.
struct SlotEval {
  int form[kShantenForms];
  int blocks;
  int pairs;
};

void fill_distance_fields(SeatAiRecord& ai, const SlotEval (&eval)[kHandSlots], const bool (&evaluated)[kHandSlots],
                          const int* hand) {
  int minima[kShantenForms];
  std::copy(kWorst, kWorst + kShantenForms, minima);
  for (int slot = 0; slot < kHandSlots; ++slot)
    for (int f = 0; f < kShantenForms; ++f) {
      ai.syanten[f][slot] = evaluated[slot] ? eval[slot].form[f] : kWorst[f];
      if (evaluated[slot] && eval[slot].form[f] < minima[f]) minima[f] = eval[slot].form[f];
    }
  ai.min_shanten = minima[kShantenNormal];
  ai.min_shanten_chiitoi = minima[kShantenChiitoi];
  ai.min_shanten_kokushi = minima[kShantenKokushi];
  ai.min_shanten_knitted = minima[kShantenKnitted];

  // Best discard: the lowest normal distance, then the most pairs, then the most blocks.
  ai.best_blocks = 0;
  ai.best_pairs = 0;
  bool found = false;
  for (int slot = 0; slot < kHandSlots; ++slot) {
    if (!evaluated[slot] || eval[slot].form[kShantenNormal] != ai.min_shanten) continue;
    const SlotEval& e = eval[slot];
    if (!found || e.pairs > ai.best_pairs || (e.pairs == ai.best_pairs && e.blocks > ai.best_blocks)) {
      ai.best_pairs = e.pairs;
      ai.best_blocks = e.blocks;
      found = true;
    }
  }

  for (int& d : ai.hai_syanten) d = kWorstNormal;
  for (int slot = 0; slot < kHandSlots; ++slot)
    if (is_free_slot(hand[slot]) && hand[slot] <= kRed) ai.hai_syanten[hand[slot]] = ai.syanten[kShantenNormal][slot];
}

std::uint64_t all_visible_tiles() {
  std::uint64_t mask = 0;
  for (int t = 1; t <= kRed; ++t)
    if (g_visible_counts[t] >= 4) mask |= std::uint64_t{1} << t;
  return mask;
}

// distances_by_discard for the seat's hand, from the memo when its inputs
// are those it was found for.
const ShantenResult* distances_of_seat(int seat, std::uint64_t all_visible, const bool (&wanted)[kHandSlots]) {
  SeatEvalMemo::Seat& m = g_seat_eval_memo.seats[seat];
  const int melds = declared_melds(seat);
  if (m.held == 1 && std::equal(m.hand, m.hand + kHandSlots, g_hand[seat]) && m.melds == melds &&
      m.all_visible == all_visible && m.table_loaded == g_hai_table_loaded)
    return m.found;
  distances_by_discard(g_hand[seat], melds, g_visible_counts, wanted, m.found);
  m.held = 1;
  std::copy(g_hand[seat], g_hand[seat] + kHandSlots, m.hand);
  m.melds = melds;
  m.all_visible = all_visible;
  m.table_loaded = g_hai_table_loaded;
  return m.found;
}

// Returns the distances of the last slot evaluated.
ShantenResult refresh_seat(int seat, std::uint64_t all_visible) {
  const int* hand = g_hand[seat];
  bool evaluated[kHandSlots] = {};
  bool first_of_kind[kHandSlots] = {};
  int slot_of_kind[kHaiSyantenEntries];
  for (int& s : slot_of_kind) s = -1;
  for (int slot = 0; slot < kHandSlots; ++slot) {
    const int v = hand[slot];
    if (v < 0 || v > kRed) continue;  // a declared meld's tile or a flower
    evaluated[slot] = true;
    if (slot_of_kind[v] < 0) slot_of_kind[v] = slot, first_of_kind[slot] = true;
  }
  const ShantenResult* found = distances_of_seat(seat, all_visible, first_of_kind);
  SlotEval eval[kHandSlots];
  int last = -1;
  for (int slot = 0; slot < kHandSlots; ++slot) {
    if (!evaluated[slot]) continue;
    const ShantenResult& r = found[slot_of_kind[hand[slot]]];
    eval[slot] = {{r.normal, r.chiitoi, r.kokushi, r.knitted}, r.blocks, r.pairs};
    if (first_of_kind[slot]) last = slot;
  }
  fill_distance_fields(AI[seat], eval, evaluated, hand);
  return last >= 0 ? found[last] : g_shanten;
}

}  // namespace

void refresh_hand_evaluations() {
  // The visible counts may date from before a kong replacement or a claim;
  // the seen counts belong to whichever seat was counted last.
  int seen[kTileCodes];
  for (int t = 0; t < kTileCodes; ++t) seen[t] = g_seen_counts[t];
  count_visible_tiles(0);
  for (int t = 0; t < kTileCodes; ++t) g_seen_counts[t] = seen[t];
  // The shared distance area ends as the last evaluation of one slot left it.
  const std::uint64_t all_visible = all_visible_tiles();
  for (int seat = 0; seat < kSeats; ++seat) g_shanten = refresh_seat(seat, all_visible);
}
