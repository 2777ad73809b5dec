#include "base/seat_eval.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

#include "base/shanten.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "core/hai_table.h"
#include "core/shanten.h"

namespace {

constexpr int kWorst[kShantenForms] = {kWorstNormal, kWorstChiitoi, kWorstKokushi, kWorstKnitted};

// The best discard sorts first: the lowest normal distance, then the most
// pairs, then the most blocks.
auto discard_order(const ShantenResult& r) { return std::tuple(r.normal, -r.pairs, -r.blocks); }

// kind_slot[slot] is the slot whose entry of `found` holds that slot's
// distances, -1 for a slot that is not a discard.
void fill_distance_fields(SeatAiRecord& ai, const ShantenResult* found, const int (&kind_slot)[kHandSlots],
                          const int* hand) {
  int minima[kShantenForms];
  std::copy(kWorst, kWorst + kShantenForms, minima);
  const ShantenResult* best = nullptr;  // none with nothing to discard
  for (int slot = 0; slot < kHandSlots; ++slot) {
    if (kind_slot[slot] < 0) {
      for (int f = 0; f < kShantenForms; ++f) ai.syanten[f][slot] = kWorst[f];
      continue;
    }
    const ShantenResult& r = found[kind_slot[slot]];
    const int form[kShantenForms] = {r.normal, r.chiitoi, r.kokushi, r.knitted};
    for (int f = 0; f < kShantenForms; ++f) {
      ai.syanten[f][slot] = form[f];
      minima[f] = std::min(minima[f], form[f]);
    }
    if (best == nullptr || discard_order(r) < discard_order(*best)) best = &r;
  }
  ai.min_shanten = minima[kShantenNormal];
  ai.min_shanten_chiitoi = minima[kShantenChiitoi];
  ai.min_shanten_kokushi = minima[kShantenKokushi];
  ai.min_shanten_knitted = minima[kShantenKnitted];
  ai.best_pairs = best != nullptr ? best->pairs : 0;
  ai.best_blocks = best != nullptr ? best->blocks : 0;

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
  // Slots holding the same tile leave the same hand, so each tile kind (and
  // the empty slot, code 0) is evaluated once, at its first slot.
  const auto discard = [](int v) { return v >= 0 && v <= kRed; };  // not a declared meld's tile or a flower
  int slot_of_kind[kHaiSyantenEntries];  // the first slot of each kind held; no other entry is read
  for (int slot = kHandSlots - 1; slot >= 0; --slot)
    if (discard(hand[slot])) slot_of_kind[hand[slot]] = slot;
  bool first_of_kind[kHandSlots];
  int kind_slot[kHandSlots];
  int last = -1;
  for (int slot = 0; slot < kHandSlots; ++slot) {
    kind_slot[slot] = discard(hand[slot]) ? slot_of_kind[hand[slot]] : -1;
    first_of_kind[slot] = kind_slot[slot] == slot;
    last = first_of_kind[slot] ? slot : last;
  }
  const ShantenResult* found = distances_of_seat(seat, all_visible, first_of_kind);
  fill_distance_fields(AI[seat], found, kind_slot, hand);
  return last >= 0 ? found[last] : g_shanten;
}

}  // namespace

void refresh_hand_evaluations() {
  // The visible counts may date from before a kong replacement or a claim;
  // the seen counts belong to whichever seat was counted last and stay.
  count_visible(g_river, g_river_count, g_melds, g_visible_counts);
  // The shared distance area ends as the last evaluation of one slot left it.
  const std::uint64_t all_visible = all_visible_tiles();
  for (int seat = 0; seat < kSeats; ++seat) g_shanten = refresh_seat(seat, all_visible);
}
