#include "core/shanten.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstdint>

#include "core/bits.h"
#include "core/hai_table.h"
#include "core/tiles.h"

namespace {

constexpr int kMaxHeadCandidates = 7;
constexpr int kCountedTiles = kRed + 1;  // counts by tile code; flowers are not counted
constexpr int kSuits = 3;

using TileMask = std::uint64_t;  // bit t for tile code t

// For each nine-bit mask of one suit's ranks (bit r - 1 for rank r), how
// many of ranks 1-4-7, 2-5-8 and 3-6-9 it holds, two bits each.
constexpr auto kKnittedGroupsHeld = [] {
  std::array<std::uint8_t, 1 << kSuitRanks> held{};
  for (int m = 0; m < (1 << kSuitRanks); ++m)
    for (int r = 0; r < kSuitRanks; ++r)
      if (m >> r & 1) held[m] = static_cast<std::uint8_t>(held[m] + (1 << 2 * (r % 3)));
  return held;
}();

using KnittedHeld = std::array<int, kKnittedArrangements>;

// Distinct tiles of each arrangement that the hand holds.
KnittedHeld knitted_held(TileMask present) {
  int groups[kSuits];
  for (int s = 0; s < kSuits; ++s) groups[s] = kKnittedGroupsHeld[present >> make_tile(s, 1) & ((1 << kSuitRanks) - 1)];
  KnittedHeld held{};
  for (int a = 0; a < kKnittedArrangements; ++a)
    for (int g = 0; g < 3; ++g) held[a] += groups[kKnittedSuits[a][g]] >> 2 * g & 3;
  return held;
}

// The tiles held once or more, twice or more and four times, as masks.
struct HeldMasks {
  TileMask present = 0;
  TileMask pairs = 0;
  TileMask fours = 0;
};

// Sets, pairs and partial sets as one word, a byte each from the lowest, so
// that splits add and subtract as numbers (no field of a hand exceeds 14).
using Split = std::uint32_t;
constexpr Split kOneSet = 1;
constexpr Split kOnePair = Split{1} << 8;
constexpr Split kOnePartial = Split{1} << 16;
constexpr int sets_of(Split s) { return static_cast<int>(s & 0xFF); }
constexpr int pairs_of(Split s) { return static_cast<int>(s >> 8 & 0xFF); }
constexpr int partials_of(Split s) { return static_cast<int>(s >> 16 & 0xFF); }

struct Reading {
  int distance = kWorstNormal;
  int blocks = 0;
  int pairs = 0;
};

Split split_of_packed(int split) {
  return packed_sets(split) * kOneSet + packed_pairs(split) * kOnePair + packed_partials(split) * kOnePartial;
}

int suit_row(const int* counts, int suit) {
  const int row = hai_table_index(counts + make_tile(suit, 1));
  assert(row >= 0 && row < kHaiTableRows);
  return row;
}

Split honour_split(const int* counts) {
  Split s = 0;
  for (int t = kEast; t <= kRed; ++t) s += counts[t] == 2 ? kOnePair : counts[t] >= 3 ? kOneSet : 0;
  return s;
}

// The honours' split with a pair of a tile held `count` times (2..4) taken out.
constexpr Split honour_split_without_pair(Split whole, int count) {
  return whole - (count == 2 ? kOnePair : kOneSet) + (count == 4 ? kOnePair : 0);
}

// Exactly t, t+2, t+3, t+3, t+4, t+6 (t = 1, 2, 3) and nothing else of the
// suit: the table's best split (a pair and two partials) is one step short of
// its set-and-singles reading once the hand has partials to spare.
// The rows of the three shapes.
constexpr std::array<int, 3> kSpreadRows = [] {
  constexpr int kShape[7] = {1, 0, 1, 2, 1, 0, 1};
  std::array<int, 3> rows{};
  for (int t = 0; t < 3; ++t) {
    int ranks[kSuitRanks] = {};
    for (int i = 0; i < 7; ++i) ranks[t + i] = kShape[i];
    rows[t] = hai_table_index(ranks);
  }
  return rows;
}();

bool is_spread_row(int row) { return row == kSpreadRows[0] || row == kSpreadRows[1] || row == kSpreadRows[2]; }

[[gnu::always_inline]] inline Reading read_split(Split split, int melds, int spread_suits) {
  const int sets = sets_of(split);
  const int held_pairs = pairs_of(split);
  const int held_partials = partials_of(split);
  Reading r;
  r.distance = kWorstNormal - 2 * melds - 2 * sets;
  // Partial sets count up to four blocks, pairs up to five.
  int blocks = melds + sets;
  const int partials = std::clamp(4 - blocks, 0, held_partials);
  blocks += partials;
  const int pairs = std::clamp(5 - blocks, 0, held_pairs);
  r.distance -= partials + pairs;
  if (held_pairs + held_partials > 6 && held_pairs > 1) r.distance -= spread_suits;
  r.blocks = melds + sets + held_pairs + held_partials;
  r.pairs = held_pairs;
  return r;
}

// One suit's share of the normal form (the honours are the fourth suit):
// its split, whether its row is a spread shape, and its split with each
// pair it holds taken out as the head, in rank order.
// Every field is set by fill_share.
struct SuitShare {
  Split split;
  int spread;
  int head_count;
  Split heads[kMaxHeadCandidates];  // left unset beyond head_count
};

constexpr TileMask kSuitMasks[kSuits + 1] = {TileMask{0x3FE}, TileMask{0x3FE} << 10, TileMask{0x3FE} << 20,
                                              tile_classes::kHonour};

// Fills the share of suit s (kSuits for the honours) of counts whose tiles
// held twice or more are `pairs`; counts are restored.
void fill_share(SuitShare& share, int* counts, TileMask pairs, int s) {
  const bool honours = s == kSuits;
  if (honours) {
    share.split = honour_split(counts);
    share.spread = 0;
  } else {
    const int row = suit_row(counts, s);
    share.split = split_of_packed(g_hai_splits[row]);
    share.spread = is_spread_row(row) ? 1 : 0;
  }
  share.head_count = 0;
  for (TileMask left = pairs & kSuitMasks[s]; left != 0; left &= left - 1) {
    const int t = std::countr_zero(left);
    if (honours) {
      share.heads[share.head_count++] = honour_split_without_pair(share.split, counts[t]);
      continue;
    }
    counts[t] -= 2;
    share.heads[share.head_count++] = split_of_packed(g_hai_splits[suit_row(counts, s)]);
    counts[t] += 2;
  }
}

using SuitShares = std::array<const SuitShare*, kSuits + 1>;

// The normal form: one reading without a head and one per tile held twice
// or more with that pair as the head (at most kMaxHeadCandidates, in tile
// order). A head changes only its own suit's share.
[[gnu::always_inline]] inline Reading normal_form(const SuitShares& shares, int melds) {
  Split all = 0;
  int spread_suits = 0;
  for (const SuitShare* share : shares) all += share->split, spread_suits += share->spread;
  const Reading plain = read_split(all, melds, spread_suits);

  // A head reading replaces the plain one when closer (the first of the
  // closest), or when the plain one has no pair and it is as close with as
  // many blocks (the first such).
  // Splits are kept rather than readings (a reading is read again at the end).
  int closest_distance = plain.distance;
  Split closest = 0;
  Split even = 0;
  int head_count = 0;
  for (const SuitShare* share : shares)
    for (int h = 0; h < share->head_count && head_count < kMaxHeadCandidates; ++h, ++head_count) {
      // Every head split holds a pair, so a found split is never 0.
      const Split total = all - share->split + share->heads[h] + kOnePair;
      const Reading r = read_split(total, melds, spread_suits);
      if (r.distance < closest_distance) closest_distance = r.distance, closest = total;
      if (even == 0 && r.distance == plain.distance && r.blocks == plain.blocks) even = total;
    }
  if (closest != 0) return read_split(closest, melds, spread_suits);
  return plain.pairs == 0 && even != 0 ? read_split(even, melds, spread_suits) : plain;
}

int first_pair(const int* counts) {
  for (int t = 1; t <= kRed; ++t)
    if (counts[t] >= 2) return t;
  return 0;
}

int first_run(const int* counts, int last_rank, int gap, int length) {
  for (int t = 1; t < kEast; ++t) {
    if (!is_suited(t) || rank_of(t) > last_rank || counts[t] == 0) continue;
    bool held = true;
    for (int k = 1; k < length && held; ++k) held = counts[t + k * gap] > 0;
    if (held) return t;
  }
  return 0;
}

// What the tiles beside a knitted arrangement add: a set and a pair without
// a meld, only the pair with one.
struct KnittedRest {
  int gain = 0;
  bool pair = false;
  bool block = false;  // a block other than the first pair
};

KnittedRest knitted_rest(int* counts, bool has_meld) {
  KnittedRest r;
  bool set = false;
  if (!has_meld) {
    for (int t = 1; t < kEast && !set; ++t)
      if (is_suited(t) && rank_of(t) <= 6 && counts[t] >= 2 && counts[t + 1] > 0 && counts[t + 2] > 0 &&
          counts[t + 3] > 0)
        r.gain = 3, set = r.pair = r.block = true;
    if (!set) {
      if (const int t = first_run(counts, 7, 1, 3)) {
        for (int k = 0; k < 3; ++k) --counts[t + k];
        r.gain = 2, set = r.block = true;
      } else {
        for (int t = 1; t <= kRed && !set; ++t)
          if (counts[t] >= 3) counts[t] -= 3, r.gain = 2, set = r.block = true;
      }
    }
  }
  if (!r.pair)
    if (const int t = first_pair(counts)) counts[t] -= 2, ++r.gain, r.pair = true;
  if (!has_meld && !set)
    if (first_pair(counts) || first_run(counts, 8, 1, 2) || first_run(counts, 7, 2, 2)) ++r.gain, r.block = true;
  return r;
}

// The knitted-straight reading replaces the normal one when it is closer.
[[gnu::always_inline]] inline void knitted_straight(const int* counts, const int* visible, const KnittedHeld& knitted,
                                                    int melds, Reading& normal) {
  if (melds > 1) return;
  Reading best;
  bool found = false;
  for (int a = 0; a < kKnittedArrangements; ++a) {
    const int held = knitted[a];
    if (held < 8) continue;
    bool dead = false;
    for (int t : g_knitted_tiles[a]) dead = dead || (counts[t] == 0 && visible[t] >= 4);
    if (dead) continue;
    int rest[kCountedTiles];
    for (int t = 0; t < kCountedTiles; ++t) rest[t] = counts[t];
    for (int t : g_knitted_tiles[a])
      if (rest[t] > 0) --rest[t];
    const KnittedRest r = knitted_rest(rest, melds == 1);
    const int distance = (melds == 1 ? 9 : 11) - held - r.gain;
    if (found && distance >= best.distance) continue;
    found = true;
    best.distance = distance;
    best.blocks = 3 + r.pair + (melds == 1 || r.block) + r.block;
    best.pairs = r.pair ? 1 : 0;
  }
  if (found && best.distance < normal.distance) normal = best;
}

int seven_pairs(const HeldMasks& m) { return kWorstChiitoi - bit_count(m.pairs) - bit_count(m.fours); }

int thirteen_orphans(const HeldMasks& m) {
  const bool pair = (m.pairs & tile_classes::kTerminalOrHonour) != 0;
  return kWorstKokushi - bit_count(m.present & tile_classes::kTerminalOrHonour) - (pair ? 1 : 0);
}

[[gnu::always_inline]] inline int honours_and_knitted(TileMask present, const KnittedHeld& knitted) {
  const int most = *std::max_element(knitted.begin(), knitted.end());
  const int d = kWorstKnitted - bit_count(present & tile_classes::kHonour) - most;
  return d < -1 ? -1 : d;
}

// The distances of counted tiles whose normal-form shares and knitted
// arrangement tiles are given.
[[gnu::always_inline]] inline ShantenResult distance_of_counts(const int* counts, const SuitShares& shares, const HeldMasks& m,
                                                                const KnittedHeld& knitted, int melds, const int (&visible)[kTileCodes]) {
  Reading normal;
  if (g_hai_table_loaded) {
    normal = normal_form(shares, melds);
    knitted_straight(counts, visible, knitted, melds, normal);
  }
  ShantenResult r;
  r.normal = normal.distance;
  r.blocks = normal.blocks;
  r.pairs = normal.pairs;
  r.chiitoi = melds > 0 ? kWorstChiitoi : seven_pairs(m);
  r.kokushi = melds > 0 ? kWorstKokushi : thirteen_orphans(m);
  r.knitted = melds > 0 ? kWorstKnitted : honours_and_knitted(m.present, knitted);
  return r;
}

// The same with every share found anew in `own`; counts are restored.
ShantenResult distance_of_fresh_counts(int* counts, SuitShare (&own)[kSuits + 1], const HeldMasks& m, int melds,
                                       const int (&visible)[kTileCodes]) {
  SuitShares shares;
  for (int s = 0; s <= kSuits; ++s) fill_share(own[s], counts, m.pairs, s), shares[s] = &own[s];
  return distance_of_counts(counts, shares, m, knitted_held(m.present), melds, visible);
}

// The arrangement tiles held once the last copy of tile t is given up.
void lose_knitted_tile(KnittedHeld& held, int t) {
  for (int a = 0; a < kKnittedArrangements; ++a) held[a] -= static_cast<int>(g_knitted_masks[a] >> t & 1);
}

constexpr bool counted(int v) { return v >= 1 && v <= kRed; }

// Bit t of each mask as the count of t says.
void set_held_bits(HeldMasks& m, int t, int count) {
  const TileMask bit = TileMask{1} << t;
  m.present = count >= 1 ? m.present | bit : m.present & ~bit;
  m.pairs = count >= 2 ? m.pairs | bit : m.pairs & ~bit;
  m.fours = count >= kMaxCopies ? m.fours | bit : m.fours & ~bit;
}

}  // namespace

ShantenResult distance_to_ready(const int (&hand)[kHandSlots], int skip_slot, int melds,
                                const int (&visible)[kTileCodes]) {
  assert(skip_slot >= 0 && skip_slot < kHandSlots);
  int counts[kCountedTiles] = {};
  HeldMasks m;
  for (int slot = 0; slot < kHandSlots; ++slot) {
    const int v = hand[slot];
    if (slot == skip_slot || !counted(v)) continue;
    // No real hand holds a fifth copy; a put-together one is judged hopeless.
    if (++counts[v] > kMaxCopies) return ShantenResult{};
    const TileMask bit = TileMask{1} << v;
    if (counts[v] == 2) m.pairs |= bit;
    if (counts[v] == 4) m.fours |= bit;
    m.present |= bit;
  }
  SuitShare own[kSuits + 1];
  return distance_of_fresh_counts(counts, own, m, melds, visible);
}

// A discard changes only its own suit's share (the honours count as one),
// so the other suits' shares are found once for the whole hand.
void distances_by_discard(const int (&hand)[kHandSlots], int melds, const int (&visible)[kTileCodes],
                          const bool (&wanted)[kHandSlots], ShantenResult (&out)[kHandSlots]) {
  int counts[kCountedTiles] = {};
  HeldMasks whole;
  for (int v : hand)
    if (counted(v)) set_held_bits(whole, v, ++counts[v]);
  int fifth_copies = 0;  // tiles held more than four times
  for (int t = 1; t <= kRed; ++t) fifth_copies += counts[t] > kMaxCopies ? 1 : 0;
  // A hand with a fifth copy has no shares of its own (only the discard of
  // that copy is judged, from scratch).
  SuitShare whole_own[kSuits + 1];
  SuitShares whole_shares{};
  KnittedHeld whole_knitted{};
  if (fifth_copies == 0) {
    for (int s = 0; s <= kSuits; ++s) fill_share(whole_own[s], counts, whole.pairs, s), whole_shares[s] = &whole_own[s];
    whole_knitted = knitted_held(whole.present);
  }
  for (int slot = 0; slot < kHandSlots; ++slot) {
    if (!wanted[slot]) continue;
    const int v = hand[slot];
    if (!counted(v)) {
      out[slot] = fifth_copies > 0 ? ShantenResult{}
                                   : distance_of_counts(counts, whole_shares, whole, whole_knitted, melds, visible);
      continue;
    }
    if (fifth_copies - (counts[v] == kMaxCopies + 1 ? 1 : 0) > 0) {
      out[slot] = ShantenResult{};
      continue;
    }
    HeldMasks m = whole;
    set_held_bits(m, v, --counts[v]);
    if (fifth_copies > 0) {
      SuitShare own[kSuits + 1];
      out[slot] = distance_of_fresh_counts(counts, own, m, melds, visible);
    } else {
      SuitShare own;
      fill_share(own, counts, m.pairs, suit_of(v));
      SuitShares shares = whole_shares;
      shares[suit_of(v)] = &own;
      KnittedHeld knitted = whole_knitted;
      if (counts[v] == 0) lose_knitted_tile(knitted, v);
      out[slot] = distance_of_counts(counts, shares, m, knitted, melds, visible);
    }
    ++counts[v];
  }
}
