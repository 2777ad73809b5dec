#include "core/waits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>

#include "core/bits.h"

namespace {

// ------------------------------------------------------------ the 13 tiles
// A hand slot value is at most 4xx, so value / 10 names a group of ten
// values of one marker and one suit; sets never leave a group, and a free
// tile never joins a marked one.
constexpr int kGroups = kSlotValues / 10;
constexpr int kFreeGroups = 5;  // the free tiles' groups: the three suits, honours, flowers
constexpr int kMarkedSlotsForTwoMelds = 4;

using TileMask = std::uint64_t;  // bit t for tile code t

// The counts of one group by rank 0..9, four bits each: a group holds at
// most 13 values.
using RankCounts = std::uint64_t;
constexpr int kRankBits = 4;
constexpr RankCounts one_at(int rank) { return RankCounts{1} << kRankBits * rank; }
constexpr int count_at(RankCounts c, int rank) { return static_cast<int>(c >> kRankBits * rank & 0xF); }
// The sum of the ten counts gathers in the tenth field of the product: no
// partial sum exceeds four bits.
constexpr int group_size(RankCounts c) { return static_cast<int>((c * 0x1111111111ULL) >> 9 * kRankBits & 0xF); }
static_assert(group_size(4 * one_at(0) + 3 * one_at(5) + 2 * one_at(9)) == 9);

// The 13 slots other than the one left out, read once per call. Free tiles
// are counted in bytes, so that a run of tiles of one suit adds to
// different bytes rather than to one word, and packed into their groups
// once; marked values (and values of no tile) add to their group directly.
struct OtherSlots {
  int values[kHandSlots - 1];
  int marked;                         // marked values
  std::uint8_t free[kTileCodes] = {};  // free copies by tile code
  RankCounts groups[kGroups];         // counts by group where held
  std::uint64_t held;                 // bit k: group k holds a value
  TileMask free_mask;                 // free tiles held
};
static_assert(kGroups <= 64 && kFreeGroups * 10 == kTileCodes);
static_assert(std::endian::native == std::endian::little);

// Ten byte counts from `bytes` as the four-bit fields of a group.
RankCounts pack_counts(const std::uint8_t* bytes) {
  std::uint64_t c;
  std::memcpy(&c, bytes, sizeof c);
  c = (c | c >> 4) & 0x00FF00FF00FF00FFULL;
  c = (c | c >> 8) & 0x0000FFFF0000FFFFULL;
  c = (c | c >> 16) & 0x00000000FFFFFFFFULL;
  return c | RankCounts{bytes[8]} << 8 * kRankBits | RankCounts{bytes[9]} << 9 * kRankBits;
}

// Returns false when the 13 slots are not all filled; the free groups are
// then left uncounted.
bool read_other_slots(OtherSlots& o, const int (&hand)[kHandSlots], int slot) {
  // Kept in locals: a store to a byte count could alias o's words, so
  // they would go through memory on every tile.
  TileMask free_mask = 0;
  std::uint64_t held = 0;
  int marked = 0;
  int n = 0;
  int filled = 0;
  for (int i = 0; i < kHandSlots; ++i) {
    if (i == slot) continue;
    const int v = hand[i];
    o.values[n++] = v;
    if (v == 0) continue;
    ++filled;
    if (v < kTileCodes) {
      ++o.free[v];
      free_mask |= TileMask{1} << v;
      continue;
    }
    marked += marker_of(v) != kFree;
    const int k = v / 10;
    assert(k < kGroups);
    if ((held >> k & 1) == 0) o.groups[k] = 0;
    held |= std::uint64_t{1} << k;
    o.groups[k] += one_at(v % 10);
  }
  o.free_mask = free_mask;
  o.marked = marked;
  if (filled != kHandSlots - 1) return false;
  for (int k = 0; k < kFreeGroups; ++k) {
    if ((free_mask >> 10 * k & 0x3FF) == 0) continue;
    held |= std::uint64_t{1} << k;
    o.groups[k] = pack_counts(o.free + 10 * k);
  }
  o.held = held;
  return true;
}

constexpr std::uint64_t kMarkedGroups = ~std::uint64_t{0} << 10 * kChowSlot;

// Copies of a playing tile among the 13, declared ones included: a kong
// keeps three slots (markers 3 and 4) for four tiles.
bool four_copies_held(const OtherSlots& o, int tile) {
  int copies = o.free[tile];
  if ((o.held & kMarkedGroups) == 0) return copies >= 4;
  int kong_slots = 0;
  for (int marker = kChowSlot; marker <= kMeldedKongSlot; ++marker) {
    const int k = 10 * marker + suit_of(tile);
    if ((o.held >> k & 1) == 0) continue;
    const int n = count_at(o.groups[k], rank_of(tile));
    copies += n;
    if (marker >= kConcealedKongSlot) kong_slots += n;
  }
  return copies + (kong_slots == 3) >= 4;
}

// Arrangement tiles match free tiles only: a marked value is never equal to one.
bool holds_free(const OtherSlots& o, int tile) { return (o.free_mask >> tile & 1) != 0; }

void append_wait(WaitSet& w, int tile) {
  assert(w.count < kMaxWaits);
  w.tiles[w.count++] = tile;
}

// ------------------------------------------------------- splitting a group
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

// Whether a group splits as sets only (size % 3 == 0) or as sets and a pair
// (size % 3 == 2).
bool group_fits(RankCounts c, int group, bool need_pair) {
  if (group_size(c) % 3 != (need_pair ? 2 : 0)) return false;
  return splits(c, group_allows_chows(group), need_pair);
}

// ------------------------------------------------------- completing ranks
// The ranks that complete a group are found in one walk up its ranks. The
// walk's state before a rank: whether the pair is taken, and the chows begun
// two ranks and one rank back that still need this rank (0..2 each: three
// chows from one rank hold the tiles of three pungs).
using StateSet = std::uint32_t;  // bit s for state s
constexpr int kStates = 18;
constexpr int kCountsPerRank = kHandSlots + 1;  // a rank holds at most the 13 values and the added tile
constexpr int state_of(bool pair, int older, int newer) { return 9 * pair + 3 * older + newer; }
constexpr StateSet kAllStates = (StateSet{1} << kStates) - 1;
constexpr StateSet kPairlessStates = (StateSet{1} << 9) - 1;
constexpr StateSet kNoNewChowStates = [] {
  StateSet m = 0;
  for (int s = 0; s < kStates; s += 3) m |= StateSet{1} << s;
  return m;
}();

// kStep[s][x]: the states after a rank of x tiles entered in state s. The
// tiles the chows in progress leave open pungs and count % 3 chows, with
// the pair taken first or not.
constexpr auto kStep = [] {
  std::array<std::array<StateSet, kCountsPerRank>, kStates> step{};
  for (int s = 0; s < kStates; ++s) {
    const bool pair = s >= 9;
    const int older = s / 3 % 3;
    const int newer = s % 3;
    for (int x = older + newer; x < kCountsPerRank; ++x) {
      const int left = x - older - newer;
      step[s][x] |= StateSet{1} << state_of(pair, newer, left % 3);
      if (!pair && left >= 2) step[s][x] |= StateSet{1} << state_of(true, newer, (left - 2) % 3);
    }
  }
  return step;
}();
static_assert(kStep[0][5] == (StateSet{1} << state_of(false, 0, 2) | StateSet{1} << state_of(true, 0, 0)));

// kBefore[t][x]: the states from which a rank of x tiles leads to state t.
constexpr auto kBefore = [] {
  std::array<std::array<StateSet, kCountsPerRank>, kStates> before{};
  for (int s = 0; s < kStates; ++s)
    for (int x = 0; x < kCountsPerRank; ++x)
      for (int t = 0; t < kStates; ++t)
        if (kStep[s][x] >> t & 1) before[t][x] |= StateSet{1} << s;
  return before;
}();

using RankSet = unsigned;  // bit r for rank r
constexpr int kRanks = 10;

// Bit r set when the counts with one more tile of rank r split into sets,
// and one pair when need_pair. A walk up the ranks finds the states each
// rank leads to with the added tile there; a walk down finds the states
// after each rank from which the ranks above end complete; rank r completes
// when the two meet. The walks start one rank below the lowest held and end
// one above the highest held (a chow spans three ranks; without chows the
// added tile joins its own rank), but not at rank 0 when it is empty, as
// no tile has that rank.
RankSet completing_ranks(RankCounts c, bool chows, bool need_pair) {
  assert(c != 0);
  const int lowest = std::countr_zero(c) / kRankBits;
  const int highest = (63 - std::countl_zero(c)) / kRankBits;
  const int reach = chows ? 1 : 0;
  const int first = lowest == 0 ? 0 : std::max(1, lowest - reach);
  const int last = std::min(kRanks - 1, highest + reach);
  const StateSet keep = need_pair ? kAllStates : kPairlessStates;
  // A chow begun at rank 8 or 9 is still open where the walks end (rank 9
  // at the latest), and only a state with no chow open ends them, so the
  // ranks need no masks of their own.
  const StateSet allowed = keep & (chows ? kAllStates : kNoNewChowStates);
  StateSet with_added[kRanks] = {};
  StateSet plain = StateSet{1} << state_of(false, 0, 0);
  for (int rank = first; rank <= last && plain != 0; ++rank) {
    const int x = count_at(c, rank);
    StateSet next = 0;
    StateSet added = 0;
    for (StateSet left = plain; left != 0; left &= left - 1) {
      const int s = std::countr_zero(left);
      next |= kStep[s][x];
      added |= kStep[s][x + 1];
    }
    plain = next & allowed;
    with_added[rank] = added & allowed;
  }
  RankSet ranks = 0;
  StateSet ends = StateSet{1} << state_of(need_pair, 0, 0);
  for (int rank = last; rank >= first && ends != 0; --rank) {
    if ((with_added[rank] & ends) != 0) ranks |= RankSet{1} << rank;
    const int x = count_at(c, rank);
    StateSet before = 0;
    for (StateSet left = ends & allowed; left != 0; left &= left - 1)
      before |= kBefore[std::countr_zero(left)][x];
    ends = before;
  }
  return ranks;
}

// ------------------------------------------------------------ normal form
// The tiles that complete group k with sets only, or with sets and a pair.
// Only the free groups of suits and honours take a playing tile.
TileMask group_waits(const OtherSlots& o, int k, bool need_pair) {
  if (k > kHonours || group_size(o.groups[k]) % 3 != (need_pair ? 1 : 2)) return 0;
  return TileMask{completing_ranks(o.groups[k], group_allows_chows(k), need_pair)} << 10 * k;
}

// A complete hand is every group split into sets, one of them with the pair
// as well. A tile changes only its own group, so it completes the hand only
// by mending the one unfit group (which then takes the pair), or one of two
// when the other splits into sets and a pair.
void find_normal_waits(const OtherSlots& o, WaitSet& w) {
  int unfit[2];
  int unfit_count = 0;
  for (std::uint64_t left = o.held; left != 0; left &= left - 1) {
    const int k = std::countr_zero(left);
    if (group_fits(o.groups[k], k, false)) continue;
    if (unfit_count == 2) return;
    unfit[unfit_count++] = k;
  }
  TileMask waits = 0;
  if (unfit_count == 1) waits = group_waits(o, unfit[0], true);
  if (unfit_count == 2) {
    for (int u = 0; u < 2; ++u) {
      const int other = unfit[1 - u];
      if (group_fits(o.groups[other], other, true)) waits |= group_waits(o, unfit[u], false);
    }
  }
  int n = w.count;
  for (TileMask left = waits & tile_classes::kPlaying; left != 0; left &= left - 1) {
    const int tile = std::countr_zero(left);
    assert(n < kMaxWaits);
    if (!four_copies_held(o, tile)) w.tiles[n++] = tile;
  }
  w.count = n;
}

// ------------------------------------------------------------ seven pairs
// Returns true when the hand is six pairs and a lone tile (the search ends
// there). Six pairs and a flower has no lone tile and is not ready this way.
bool find_seven_pairs_wait(const OtherSlots& o, WaitSet& w) {
  int pairs = 0;
  int lone = kNoTile;
  for (TileMask left = o.free_mask & tile_classes::kPlaying; left != 0; left &= left - 1) {
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
    const TileMask lacking = g_knitted_masks[a] & ~o.free_mask;
    if (bit_count(lacking) > 1) continue;
    const int found = lacking == 0 ? 9 : 8;
    int rest[kHandSlots - 1];
    [[maybe_unused]] const int rest_count = rest_after_arrangement(o, a, rest);
    assert(rest_count == kHandSlots - 1 - found);
    if (found == 8 && knitted_missing_one(o, a, rest, w)) return;
    if (found == 9 && knitted_complete(o, rest, w)) return;
  }
}

// ------------------------------------------------------- thirteen orphans
bool find_thirteen_orphans_waits(const OtherSlots& o, WaitSet& w) {
  // Every value is a free terminal or honour, none three times.
  for (int v : o.values)
    if ((!is_terminal(v) && !is_honour(v)) || o.free[v] > 2) return false;
  int kinds = 0;
  int pairs = 0;
  int missing = kNoTile;
  for (int t : g_terminal_honour_tiles) {
    const int copies = o.free[t];
    if (copies > 0) ++kinds;
    if (copies == 2) ++pairs;
    if (copies == 0 && missing == kNoTile) missing = t;
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
    if (bit_count(g_knitted_honour_masks[a] & ~o.free_mask) != 3) continue;  // 13 of the 16 held
    for (int t : tiles)
      if (!holds_free(o, t)) append_wait(w, t);
    w.form = kFormHonoursKnitted;
    return;
  }
}

}  // namespace

WaitSet waits_of(const int (&hand)[kHandSlots], int slot) {
  assert(slot >= 0 && slot < kHandSlots);
  WaitSet w{};
  OtherSlots o;
  if (!read_other_slots(o, hand, slot)) return w;

  const int marked = o.marked + (marker_of(hand[slot]) != kFree);
  find_normal_waits(o, w);
  if (marked == 0 && find_seven_pairs_wait(o, w)) return w;
  if (marked >= kMarkedSlotsForTwoMelds) return w;
  find_knitted_straight_waits(o, w);
  if (w.count > 0 || marked > 0) return w;
  if (find_thirteen_orphans_waits(o, w)) return w;
  find_honours_knitted_waits(o, w);
  return w;
}
