#include "support/hand_reference.h"

#include <algorithm>
#include <stdexcept>

#include "support/hand_builder.h"

namespace {

// Whether the counts split wholly into pungs and chows. At the lowest tile,
// three chows from it equal three pungs, so only count % 3 chows need its
// neighbours: a greedy walk decides.
bool sets_only(std::array<int, kTileCodes> c) {
  for (int t = 1; t < kTileCodes; ++t) {
    if (c[t] == 0) continue;
    const int chows = c[t] % 3;
    if (chows == 0) continue;
    if (!is_suited(t) || rank_of(t) > 7 || c[t + 1] < chows || c[t + 2] < chows) return false;
    c[t + 1] -= chows;
    c[t + 2] -= chows;
  }
  return true;
}

bool sets_and_pair(const std::array<int, kTileCodes>& c) {
  for (int p = 1; p < kTileCodes; ++p) {
    if (c[p] < 2) continue;
    std::array<int, kTileCodes> rest = c;
    rest[p] -= 2;
    if (sets_only(rest)) return true;
  }
  return false;
}

int free_total(const RefHand& hand) {
  int n = 0;
  for (int c : hand.free) n += c;
  return n;
}

bool closed_hand_of_14(const RefHand& hand) { return hand.melds.empty() && free_total(hand) == 14; }

}  // namespace

RefHand ref_hand(std::string_view free_tiles, std::vector<int> melds) {
  RefHand hand;
  for (int t : parse_tiles(free_tiles)) ++hand.free[t];
  hand.melds = std::move(melds);
  return hand;
}

int ref_copies(const RefHand& hand, int tile) {
  int n = hand.free[tile];
  for (int code : hand.melds) {
    const int t = meld_tile(code);
    switch (meld_kind(code)) {
      case kMeldChow: n += (tile >= t && tile <= t + 2); break;
      case kMeldPung: n += 3 * (tile == t); break;
      default: n += 4 * (tile == t); break;
    }
  }
  return n;
}

int ref_tile_count(const RefHand& hand) { return free_total(hand) + 3 * static_cast<int>(hand.melds.size()); }

bool ref_complete_normal(const RefHand& hand) {
  return ref_tile_count(hand) == 14 && sets_and_pair(hand.free);
}

bool ref_complete_seven_pairs(const RefHand& hand) {
  if (!closed_hand_of_14(hand)) return false;
  for (int t = 0; t < kTileCodes; ++t)
    if (hand.free[t] % 2 != 0 || (hand.free[t] > 0 && !is_playing_tile(t))) return false;
  return true;
}

bool ref_complete_thirteen_orphans(const RefHand& hand) {
  if (!closed_hand_of_14(hand)) return false;
  int orphans = 0;
  for (int t : g_terminal_honour_tiles) {
    if (hand.free[t] == 0) return false;
    orphans += hand.free[t];
  }
  return orphans == 14;
}

bool ref_complete_knitted_straight(const RefHand& hand) {
  if (ref_tile_count(hand) != 14 || hand.melds.size() > 1) return false;
  for (const auto& tiles : g_knitted_tiles) {
    std::array<int, kTileCodes> rest = hand.free;
    bool all = true;
    for (int t : tiles) all = all && rest[t]-- > 0;
    if (!all) continue;
    // With a declared meld as the set, the rest must be the pair alone.
    if (sets_and_pair(rest)) return true;
  }
  return false;
}

bool ref_complete_honours_knitted(const RefHand& hand) {
  if (!closed_hand_of_14(hand)) return false;
  for (const auto& tiles : g_knitted_honour_tiles) {
    int distinct = 0;
    for (int t : tiles) distinct += hand.free[t] == 1;
    if (distinct == 14) return true;
  }
  return false;
}

std::vector<int> ref_expected_waits(const RefHand& hand13) {
  std::vector<int> waits;
  if (ref_tile_count(hand13) != 13) return waits;
  auto completes = [&](int tile, bool (*form)(const RefHand&)) {
    if (ref_copies(hand13, tile) >= 4) return false;
    RefHand h = hand13;
    ++h.free[tile];
    return form(h);
  };
  for (int t : kPlayingTiles)
    if (completes(t, ref_complete_normal)) waits.push_back(t);
  const bool closed = hand13.melds.empty();
  if (closed)
    for (int t : kPlayingTiles)
      if (completes(t, ref_complete_seven_pairs)) {
        waits.push_back(t);
        return waits;
      }
  if (hand13.melds.size() >= 2) return waits;
  for (int t : kPlayingTiles)
    if (completes(t, ref_complete_knitted_straight)) waits.push_back(t);
  if (!waits.empty() || !closed) return waits;
  for (int t : g_terminal_honour_tiles)
    if (completes(t, ref_complete_thirteen_orphans)) waits.push_back(t);
  if (!waits.empty()) return waits;
  // The honours belong to every arrangement: list the completions in the
  // order of the arrangement that holds all thirteen tiles.
  for (const auto& tiles : g_knitted_honour_tiles) {
    int held = 0;
    for (int t : tiles) held += hand13.free[t];
    if (held != 13) continue;
    for (int t : tiles)
      if (completes(t, ref_complete_honours_knitted)) waits.push_back(t);
    break;
  }
  return waits;
}

std::array<int, kHandSlots> ref_slots(const RefHand& hand) {
  std::array<int, kHandSlots> slots{};
  int n = 0;
  for (int t = 0; t < kTileCodes; ++t)
    for (int k = 0; k < hand.free[t]; ++k) slots.at(n++) = t;
  for (int code : hand.melds) {
    const int kind = meld_kind(code);
    for (int k = 0; k < 3; ++k) slots.at(n++) = make_slot(meld_tile(code) + (kind == kMeldChow ? k : 0), kind);
  }
  sort_hand_slots(slots.data());
  return slots;
}
