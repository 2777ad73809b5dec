#include "core/waits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstdint>

#include "core/bits.h"

namespace {

// ------------------------------------------------------------ the 13 tiles
// A hand slot value is at most 4xx, so value / 10 names a group of ten
// values of one marker and one suit; sets never leave a group, and a free
// tile never joins a marked one.
constexpr int kGroups = 50;
constexpr int kMarkedSlotsForTwoMelds = 4;

using TileMask = std::uint64_t;  // bit t for tile code t

constexpr TileMask kPlayingMask = [] {
  TileMask m = 0;
  for (int t : kPlayingTiles) m |= TileMask{1} << t;
  return m;
}();

// The 13 slots other than the one left out, read once per call. Counts are
// bytes so that clearing them costs little (a hand holds 14 tiles).
struct OtherSlots {
  int values[kHandSlots - 1];
  int count = 0;                          // non-empty values
  std::int8_t copies[kTileCodes] = {};    // copies of each tile, a kong's fourth included
  std::int8_t free[kTileCodes] = {};      // free (unmarked) values by tile code
  TileMask free_mask = 0;                 // the tiles of free[] above 0
};

constexpr bool is_kong_slot(int v) { return marker_of(v) == kConcealedKongSlot || marker_of(v) == kMeldedKongSlot; }

// Slots other than `slot` that hold a kong's tile t.
int count_kong_slots(const int (&hand)[kHandSlots], int slot, int t) {
  int n = 0;
  for (int i = 0; i < kHandSlots; ++i)
    if (i != slot && tile_of(hand[i]) == t && is_kong_slot(hand[i])) ++n;
  return n;
}

void read_other_slots(OtherSlots& o, const int (&hand)[kHandSlots], int slot) {
  TileMask kong_tiles = 0;
  int n = 0;
  for (int i = 0; i < kHandSlots; ++i) {
    if (i == slot) continue;
    const int v = hand[i];
    o.values[n++] = v;
    if (v == 0) continue;
    ++o.count;
    const int t = tile_of(v);
    if (t >= kTileCodes) continue;
    ++o.copies[t];
    if (marker_of(v) == kFree) ++o.free[t], o.free_mask |= TileMask{1} << t;
    if (is_kong_slot(v)) kong_tiles |= TileMask{1} << t;
  }
  // A kong keeps three slots for four tiles.
  for (TileMask left = kong_tiles; left != 0; left &= left - 1) {
    const int t = std::countr_zero(left);
    if (count_kong_slots(hand, slot, t) == 3) ++o.copies[t];
  }
}

bool four_copies_held(const OtherSlots& o, int tile) { return o.copies[tile] >= 4; }
// Arrangement tiles match free tiles only: a marked value is never equal to one.
bool holds_free(const OtherSlots& o, int tile) { return o.free[tile] > 0; }

void append_wait(WaitSet& w, int tile) {
  assert(w.count < kMaxWaits);
  w.tiles[w.count++] = tile;
}

// ------------------------------------------------------------ normal form
// The counts of one group by rank 0..9, four bits each: a group holds at
// most 14 values.
using RankCounts = std::uint64_t;
constexpr int kRankBits = 4;
constexpr RankCounts one_at(int rank) { return RankCounts{1} << kRankBits * rank; }
constexpr int count_at(RankCounts c, int rank) { return static_cast<int>(c >> kRankBits * rank & 0xF); }

// Whether the counts split wholly into pungs and, where allowed, chows. The
// lowest tile held opens a pung or a chow, and three chows from one rank
// hold the tiles of three pungs, so from the lowest rank up exactly
// count % 3 chows start at each rank.
bool splits_into_sets(RankCounts c, bool chows) {
  for (int rank = 0; c != 0; ++rank, c >>= kRankBits) {
    const int k = count_at(c, 0) % 3;
    if (k == 0) continue;
    if (!chows || rank > 7 || count_at(c, 1) < k || count_at(c, 2) < k) return false;
    c -= static_cast<RankCounts>(k) * (one_at(1) + one_at(2));
  }
  return true;
}

// The same plus exactly one pair when need_pair: some rank held twice. A
// pung or chow adds a multiple of 3 to the sum of rank x count, the pair at
// rank r adds 2r, so r = 2 x that sum (mod 3) and only those ranks are tried.
bool splits(RankCounts c, bool chows, bool need_pair) {
  if (!need_pair) return splits_into_sets(c, chows);
  int rank_sum = 0;
  for (int rank = 1; rank < 10; ++rank) rank_sum += rank * count_at(c, rank);
  for (int rank = 2 * rank_sum % 3; rank < 10; rank += 3)
    if (count_at(c, rank) >= 2 && splits_into_sets(c - 2 * one_at(rank), chows)) return true;
  return false;
}

constexpr bool group_allows_chows(int group) { return group % 10 < kHonours; }

// Whether a group of n tiles splits as sets only (n % 3 == 0) or as sets
// and a pair (n % 3 == 2).
bool group_fits(RankCounts c, int n, int group, bool need_pair) {
  if (n % 3 != (need_pair ? 2 : 0)) return false;
  return splits(c, group_allows_chows(group), need_pair);
}

// Only the groups a hand holds are cleared and judged: bit k of `held`.
struct Groups {
  RankCounts counts[kGroups];
  int size[kGroups];
  std::uint64_t held;
  int unfit[2];           // groups that do not split into sets alone; a third ends the search
  bool unfit_has_pair[2];  // whether that group splits into sets and a pair
  int unfit_count;
};
static_assert(kGroups <= 64);

// A wait completes a set or the pair with free tiles of its own group, so it
// is a free tile held or one within two ranks of one (a shift across a suit
// or into the honours only adds candidates the test refuses).
TileMask wait_candidates(const OtherSlots& o) {
  const TileMask m = o.free_mask;
  return (m | m << 1 | m >> 1 | m << 2 | m >> 2) & kPlayingMask;
}

// A complete hand is every group split into sets, one of them with the pair
// as well. Each candidate changes only its own group, so the other groups
// are judged once.
void find_normal_waits(const OtherSlots& o, WaitSet& w) {
  Groups g;
  g.held = 0;
  g.unfit_count = 0;
  for (int v : o.values) {
    if (v == 0) continue;
    const int k = v / 10;
    assert(k < kGroups);
    if ((g.held >> k & 1) == 0) {
      g.held |= std::uint64_t{1} << k;
      g.counts[k] = 0;
      g.size[k] = 0;
    }
    g.counts[k] += one_at(v % 10);
    ++g.size[k];
  }
  for (std::uint64_t left = g.held; left != 0; left &= left - 1) {
    const int k = std::countr_zero(left);
    if (group_fits(g.counts[k], g.size[k], k, false)) continue;
    if (g.unfit_count == 2) return;  // a candidate mends at most one group
    g.unfit_has_pair[g.unfit_count] = group_fits(g.counts[k], g.size[k], k, true);
    g.unfit[g.unfit_count++] = k;
  }
  for (TileMask left = wait_candidates(o); left != 0; left &= left - 1) {
    const int tile = std::countr_zero(left);
    if (four_copies_held(o, tile)) continue;
    const int k = tile / 10;
    if ((g.held >> k & 1) == 0) continue;  // a lone tile never completes a group
    int others = 0;
    bool other_has_pair = false;
    for (int u = 0; u < g.unfit_count; ++u)
      if (g.unfit[u] != k) other_has_pair = g.unfit_has_pair[u], ++others;
    if (others > 1 || (others == 1 && !other_has_pair)) continue;
    if (group_fits(g.counts[k] + one_at(tile % 10), g.size[k] + 1, k, others == 0)) append_wait(w, tile);
  }
}

// ------------------------------------------------------------ seven pairs
// Returns true when the hand is six pairs and a lone tile (the search ends
// there). Six pairs and a flower has no lone tile and is not ready this way.
bool find_seven_pairs_wait(const OtherSlots& o, WaitSet& w) {
  int pairs = 0;
  int lone = kNoTile;
  for (TileMask left = o.free_mask & kPlayingMask; left != 0; left &= left - 1) {
    const int t = std::countr_zero(left);
    const int copies = o.free[t];
    if (copies >= 2) ++pairs;
    if (copies == 4) ++pairs;
    if (copies == 1 || copies == 3) lone = t;
  }
  if (pairs != 6 || lone == kNoTile) return false;
  w.form = kFormSevenPairs;
  append_wait(w, lone);
  if (w.count >= 2) w.form = kFormNormal;
  return true;
}

// --------------------------------------------------------- knitted straight
// Whether five sorted slot values are one set and a pair. Values keep their
// markers, so a declared meld is a set of equal or consecutive marked values.
bool is_chow(int a, int b, int c) { return tile_of(a) < 30 && b == a + 1 && c == a + 2; }

bool set_and_pair(const int* e) {
  return (e[0] == e[1] && e[2] == e[3] && e[3] == e[4]) ||
         (e[0] == e[1] && e[1] == e[2] && e[3] == e[4]) ||
         (e[0] == e[1] && is_chow(e[2], e[3], e[4])) ||
         (is_chow(e[0], e[1], e[2]) && e[3] == e[4]) ||
         (tile_of(e[0]) < 30 && e[1] == e[0] + 1 && e[2] == e[1] && e[3] == e[1] && e[4] == e[0] + 2);
}


int arrangement_tiles_held(const OtherSlots& o, int arrangement) {
  return bit_count(o.free_mask & g_knitted_masks[arrangement]);
}

// The 13 values less one copy of each arrangement tile held; returns their number.
int rest_after_arrangement(const OtherSlots& o, int arrangement, int* rest) {
  bool taken[kTileCodes]{};
  int n = 0;
  for (int v : o.values) {
    const bool in_arrangement = v < kTileCodes && std::find(g_knitted_tiles[arrangement].begin(),
                                                            g_knitted_tiles[arrangement].end(),
                                                            v) != g_knitted_tiles[arrangement].end();
    if (in_arrangement && !taken[v]) {
      taken[v] = true;
      continue;
    }
    rest[n++] = v;
  }
  return n;
}

// The arrangement lacks one tile and the other five are a set and a pair.
bool knitted_missing_one(const OtherSlots& o, int arrangement, int* rest, WaitSet& w) {
  std::sort(rest, rest + 5);
  if (!set_and_pair(rest)) return false;
  for (int tile : g_knitted_tiles[arrangement]) {
    if (holds_free(o, tile)) continue;
    // A declared kong of the missing tile holds all four copies.
    if (four_copies_held(o, tile)) return false;
    w.form = kFormKnittedStraight;
    append_wait(w, tile);
    return true;
  }
  return false;
}

// The arrangement is complete; the other four values and a candidate must
// be a set and a pair.
bool knitted_complete(const OtherSlots& o, const int* rest, WaitSet& w) {
  const int before = w.count;
  for (int tile : kPlayingTiles) {
    if (four_copies_held(o, tile)) continue;
    int e[5] = {rest[0], rest[1], rest[2], rest[3], tile};
    std::sort(e, e + 5);
    if (set_and_pair(e)) append_wait(w, tile);
  }
  if (w.count == before) return false;
  w.form = kFormKnittedStraight;
  return true;
}

void find_knitted_straight_waits(const OtherSlots& o, WaitSet& w) {
  for (int a = 0; a < kKnittedArrangements; ++a) {
    const int found = arrangement_tiles_held(o, a);
    if (found < 8) continue;
    int rest[kHandSlots - 1];
    [[maybe_unused]] const int rest_count = rest_after_arrangement(o, a, rest);
    assert(rest_count == kHandSlots - 1 - found);
    if (found == 8 && knitted_missing_one(o, a, rest, w)) return;
    if (found == 9 && knitted_complete(o, rest, w)) return;
  }
}

// ------------------------------------------------------- thirteen orphans
bool find_thirteen_orphans_waits(const OtherSlots& o, WaitSet& w) {
  // Every value is a free terminal or honour, none three times (free[] counts them).
  for (int v : o.values)
    if ((!is_terminal(v) && !is_honour(v)) || o.free[v] > 2) return false;
  int kinds = 0;
  int pairs = 0;
  int missing = kNoTile;
  for (int t : g_terminal_honour_tiles) {
    if (o.free[t] > 0) ++kinds;
    if (o.free[t] == 2) ++pairs;
    if (o.free[t] == 0 && missing == kNoTile) missing = t;
  }
  if (kinds == 13) {
    for (int t : g_terminal_honour_tiles) append_wait(w, t);
  } else if (kinds == 12 && pairs == 1) {
    append_wait(w, missing);
  } else {
    return false;
  }
  w.form = kFormThirteenOrphans;
  return true;
}

// ----------------------------------------------------- honours and knitted
void find_honours_knitted_waits(const OtherSlots& o, WaitSet& w) {
  for (int a = 0; a < kKnittedArrangements; ++a) {
    const auto& tiles = g_knitted_honour_tiles[a];
    if (bit_count(o.free_mask & g_knitted_honour_masks[a]) != 13) continue;
    for (int t : tiles)
      if (!holds_free(o, t)) append_wait(w, t);
    w.form = kFormHonoursKnitted;
    return;
  }
}

int marked_slots(const int (&hand)[kHandSlots]) {
  return static_cast<int>(std::count_if(std::begin(hand), std::end(hand), [](int v) { return marker_of(v) != kFree; }));
}

}  // namespace

WaitSet waits_of(const int (&hand)[kHandSlots], int slot) {
  assert(slot >= 0 && slot < kHandSlots);
  WaitSet w{};
  OtherSlots o;
  read_other_slots(o, hand, slot);
  if (o.count != kHandSlots - 1) return w;

  const int marked = marked_slots(hand);
  find_normal_waits(o, w);
  if (marked == 0 && find_seven_pairs_wait(o, w)) return w;
  if (marked >= kMarkedSlotsForTwoMelds) return w;
  find_knitted_straight_waits(o, w);
  if (w.count > 0 || marked > 0) return w;
  if (find_thirteen_orphans_waits(o, w)) return w;
  find_honours_knitted_waits(o, w);
  return w;
}
