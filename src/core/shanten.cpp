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

// The kinds a hand holds, as masks. Named fields rather than an array:
// the vectoriser would pack an array's words in pairs and stall on reading
// them back one at a time.
struct HeldMasks {
  TileMask present = 0;  // held once or more
  TileMask pairs = 0;    // twice or more
  TileMask triples = 0;  // three times or more
  TileMask fours = 0;    // four times
};

// The masks with one copy of the held tile `bit` fewer.
HeldMasks without_copy(const HeldMasks& m, TileMask bit) {
  return {m.present & ~(bit & ~m.pairs), m.pairs & ~(bit & ~m.triples), m.triples & ~(bit & ~m.fours),
          m.fours & ~bit};
}

int count_of(const HeldMasks& m, int t) {
  return static_cast<int>((m.present >> t & 1) + (m.pairs >> t & 1) + (m.triples >> t & 1) + (m.fours >> t & 1));
}

// The three suits' codes (hai_table.h) in one word, kCodeBits each from the
// lowest; a code of four copies or fewer of each rank is below 5^9.
using SuitCodes = std::uint64_t;
constexpr int kCodeBits = 21;
static_assert(rank_weight(kSuitRanks) * kCodeBase <= 1 << kCodeBits);
constexpr int code_of(SuitCodes codes, int s) { return static_cast<int>(codes >> kCodeBits * s & ((1 << kCodeBits) - 1)); }

// What a copy of each tile adds to the codes; honours add nothing.
constexpr auto kTileWeights = [] {
  std::array<SuitCodes, kCountedTiles> w{};
  for (int t = 1; t < kCountedTiles; ++t)
    if (is_suited(t)) w[t] = SuitCodes{static_cast<unsigned>(rank_weight(rank_of(t)))} << kCodeBits * suit_of(t);
  return w;
}();

// The free tiles of a hand.
struct Tally {
  HeldMasks m;
  SuitCodes codes = 0;
};

constexpr bool counted(int v) { return v >= 1 && v <= kRed; }

// Tallies the counted tiles of the 14 slots but skip_slot (kHandSlots: none);
// false when a tile is held a fifth time.
bool tally_hand(const int (&hand)[kHandSlots], int skip_slot, Tally& tally) {
  TileMask once = 0, twice = 0, thrice = 0, four = 0;
  SuitCodes codes = 0;
  for (int slot = 0; slot < kHandSlots; ++slot) {
    const int v = hand[slot];
    if (slot == skip_slot || !counted(v)) continue;
    const TileMask bit = TileMask{1} << v;
    if ((four & bit) != 0) return false;
    four |= thrice & bit;
    thrice |= twice & bit;
    twice |= once & bit;
    once |= bit;
    codes += kTileWeights[v];
  }
  tally.m = HeldMasks{once, twice, thrice, four};
  tally.codes = codes;
  return true;
}

// Sets, pairs, partial sets and suits of a spread shape (below) as one
// word, a nibble each from the lowest, so that splits add and subtract as
// numbers: fourteen tiles hold at most seven of any. The first three
// nibbles are the one-suit table's packed split (hai_table.h).
using Split = std::uint32_t;
constexpr Split kOneSet = 1;
constexpr Split kOnePair = Split{1} << kSplitFieldBits;
constexpr Split kOnePartial = Split{1} << 2 * kSplitFieldBits;
constexpr Split kOneSpread = Split{1} << 3 * kSplitFieldBits;
static_assert(pack_split(1, 1, 1) == kOneSet + kOnePair + kOnePartial);
constexpr int sets_of(Split s) { return packed_sets(static_cast<int>(s)); }
constexpr int pairs_of(Split s) { return packed_pairs(static_cast<int>(s)); }
constexpr int partials_of(Split s) { return packed_partials(static_cast<int>(s)); }
constexpr int spreads_of(Split s) { return static_cast<int>(s >> 3 * kSplitFieldBits & 0xF); }

struct Reading {
  int distance = kWorstNormal;
  int blocks = 0;
  int pairs = 0;
};

constexpr TileMask kSuitMasks[kSuits + 1] = {tile_classes::kSuit[0], tile_classes::kSuit[1], tile_classes::kSuit[2],
                                              tile_classes::kHonour};

Split honour_split(const HeldMasks& m) {
  const TileMask sets = m.triples & tile_classes::kHonour;
  const TileMask pairs = m.pairs & ~sets & tile_classes::kHonour;
  return static_cast<Split>(bit_count(sets)) * kOneSet + static_cast<Split>(bit_count(pairs)) * kOnePair;
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

[[gnu::always_inline]] inline Reading read_split(Split split, int melds) {
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
  if (held_pairs + held_partials > 6 && held_pairs > 1) r.distance -= spreads_of(split);
  r.blocks = melds + sets + held_pairs + held_partials;
  r.pairs = held_pairs;
  return r;
}

// One suit's share of the normal form (the honours are the fourth suit):
// its split, and its split with each pair it holds taken out as the head,
// in rank order (the spread of the whole suit kept). Every field is set by
// fill_share.
struct SuitShare {
  Split split;
  int head_count;
  Split heads[kMaxHeadCandidates];  // left unset beyond head_count
};

// Fills the share of suit s < kSuits of the masks and codes.
void fill_suit_share(SuitShare& share, const HeldMasks& m, SuitCodes codes, int s) {
  const int code = code_of(codes, s);
  const int row = hai_row_of_code(code);
  const Split spread = is_spread_row(row) ? kOneSpread : 0;
  share.split = g_hai_splits[row] + spread;
  share.head_count = 0;
  for (TileMask left = m.pairs & kSuitMasks[s]; left != 0; left &= left - 1) {
    const int head = code - 2 * code_of(kTileWeights[std::countr_zero(left)], s);
    share.heads[share.head_count++] = g_hai_splits[hai_row_of_code(head)] + spread;
  }
}

void fill_honour_share(SuitShare& share, const HeldMasks& m) {
  share.split = honour_split(m);
  share.head_count = 0;
  for (TileMask left = m.pairs & kSuitMasks[kSuits]; left != 0; left &= left - 1)
    share.heads[share.head_count++] = honour_split_without_pair(share.split, count_of(m, std::countr_zero(left)));
}

// The share of suit s (kSuits for the honours).
void fill_share(SuitShare& share, const HeldMasks& m, SuitCodes codes, int s) {
  if (s == kSuits)
    fill_honour_share(share, m);
  else
    fill_suit_share(share, m, codes, s);
}

// The four shares of a hand and their splits summed.
struct Shares {
  std::array<const SuitShare*, kSuits + 1> of;
  Split all;
};

// The normal form: one reading without a head and one per tile held twice
// or more with that pair as the head (at most kMaxHeadCandidates, in tile
// order). A head changes only its own suit's share.
[[gnu::always_inline]] inline Reading normal_form(const Shares& shares, int melds) {
  const Reading plain = read_split(shares.all, melds);

  // A head reading replaces the plain one when closer (the first of the
  // closest), or when the plain one has no pair and it is as close with as
  // many blocks (the first such).
  // Splits are kept rather than readings (a reading is read again at the end).
  int closest_distance = plain.distance;
  Split closest = 0;
  Split even = 0;
  int head_count = 0;
  for (const SuitShare* share : shares.of)
    for (int h = 0; h < share->head_count && head_count < kMaxHeadCandidates; ++h, ++head_count) {
      // Every head split holds a pair, so a found split is never 0.
      const Split total = shares.all - share->split + share->heads[h] + kOnePair;
      const Reading r = read_split(total, melds);
      if (r.distance < closest_distance) closest_distance = r.distance, closest = total;
      if (even == 0 && r.distance == plain.distance && r.blocks == plain.blocks) even = total;
    }
  if (closest != 0) return read_split(closest, melds);
  return plain.pairs == 0 && even != 0 ? read_split(even, melds) : plain;
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

// The tiles of each arrangement a hand holds, a nibble each (arrangement a
// at bit 4a); an arrangement has nine tiles.
using KnittedHeld = std::uint32_t;
constexpr int kNibbleBits = 4;
constexpr int knitted_of(KnittedHeld held, int a) { return static_cast<int>(held >> kNibbleBits * a & 0xF); }

// What one copy of each tile adds to the arrangements, and the arrangements
// it belongs to, bit a for arrangement a (honours: none).
struct KnittedTile {
  KnittedHeld share = 0;
  int arrangements = 0;
};
constexpr auto kKnittedTiles = [] {
  std::array<KnittedTile, kCountedTiles> tiles{};
  for (int a = 0; a < kKnittedArrangements; ++a)
    for (int t : g_knitted_tiles[a]) {
      tiles[t].share += KnittedHeld{1} << kNibbleBits * a;
      tiles[t].arrangements |= 1 << a;
    }
  return tiles;
}();

// For each suit and nine-bit mask of its ranks held (bit r - 1 for rank r),
// what those ranks add to each arrangement.
constexpr auto kKnittedShares = [] {
  std::array<std::array<KnittedHeld, 1 << kSuitRanks>, kSuits> shares{};
  for (int s = 0; s < kSuits; ++s)
    for (int m = 0; m < (1 << kSuitRanks); ++m)
      for (int r = 1; r <= kSuitRanks; ++r)
        if (m >> (r - 1) & 1) shares[s][m] += kKnittedTiles[make_tile(s, r)].share;
  return shares;
}();

KnittedHeld knitted_held(TileMask present) {
  KnittedHeld held = 0;
  for (int s = 0; s < kSuits; ++s) held += kKnittedShares[s][present >> make_tile(s, 1) & ((1 << kSuitRanks) - 1)];
  return held;
}

// The arrangements of `held` that hold `most` tiles or more, bit a for arrangement a.
int knitted_leaders(KnittedHeld held, int most) {
  int leaders = 0;
  for (int a = 0; a < kKnittedArrangements; ++a) leaders |= knitted_of(held, a) >= most ? 1 << a : 0;
  return leaders;
}

// The knitted-straight reading replaces the normal one when it is closer.
void knitted_straight(const HeldMasks& m, const int* visible, KnittedHeld knitted, int melds, Reading& normal) {
  if (melds > 1) return;
  int counts[kCountedTiles];
  for (int t = 0; t < kCountedTiles; ++t) counts[t] = count_of(m, t);
  Reading best;
  bool found = false;
  for (int a = 0; a < kKnittedArrangements; ++a) {
    const int held = knitted_of(knitted, a);
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

// What the three other forms read of a hand.
struct FormCounts {
  int pairs = 0;         // kinds held twice or more, a kind held four times counting twice
  int orphans = 0;       // terminal and honour kinds held
  int orphan_pairs = 0;  // of them, kinds held twice or more
  int honours = 0;       // honour kinds held
  int knitted = 0;       // tiles of the arrangement the hand holds most of
};

FormCounts form_counts(const HeldMasks& m, KnittedHeld knitted) {
  FormCounts f;
  f.pairs = bit_count(m.pairs) + bit_count(m.fours);
  f.orphans = bit_count(m.present & tile_classes::kTerminalOrHonour);
  f.orphan_pairs = bit_count(m.pairs & tile_classes::kTerminalOrHonour);
  f.honours = bit_count(m.present & tile_classes::kHonour);
  for (int a = 0; a < kKnittedArrangements; ++a) f.knitted = std::max(f.knitted, knitted_of(knitted, a));
  return f;
}

// The counts once one copy of t, held `count` times, is given up; `leaders`
// are the arrangements holding f.knitted tiles. The most held drops only
// when every leader loses t.
FormCounts without_copy(FormCounts f, int t, int count, int leaders) {
  const bool orphan = (tile_classes::kTerminalOrHonour >> t & 1) != 0;
  f.pairs -= (count == 2 ? 1 : 0) + (count == kMaxCopies ? 1 : 0);
  f.orphans -= count == 1 && orphan ? 1 : 0;
  f.orphan_pairs -= count == 2 && orphan ? 1 : 0;
  f.honours -= count == 1 && (tile_classes::kHonour >> t & 1) != 0 ? 1 : 0;
  f.knitted -= count == 1 && (leaders & ~kKnittedTiles[t].arrangements) == 0 ? 1 : 0;
  return f;
}

// The distances of the tiles of masks `m`, whose normal-form shares,
// other-form counts and knitted arrangement tiles are given.
[[gnu::always_inline]] inline ShantenResult distance_of(const HeldMasks& m, const Shares& shares,
                                                         const FormCounts& f, KnittedHeld knitted, int melds,
                                                         const int (&visible)[kTileCodes]) {
  Reading normal;
  if (g_hai_table_loaded) {
    normal = normal_form(shares, melds);
    // A knitted straight needs eight of its nine tiles to be any closer.
    if (f.knitted >= 8) knitted_straight(m, visible, knitted, melds, normal);
  }
  ShantenResult r;
  r.normal = normal.distance;
  r.blocks = normal.blocks;
  r.pairs = normal.pairs;
  if (melds > 0) return r;
  r.chiitoi = kWorstChiitoi - f.pairs;
  r.kokushi = kWorstKokushi - f.orphans - (f.orphan_pairs > 0 ? 1 : 0);
  r.knitted = std::max(kWorstKnitted - f.honours - f.knitted, -1);
  return r;
}

// A whole hand read once for all its discards: a discard changes only its
// own suit's share (the honours count as one) and the other forms' counts
// by at most one each. Its shares point into it, so it stays where it is read.
struct WholeHand {
  HeldMasks m;
  SuitCodes codes = 0;
  SuitShare own[kSuits + 1];
  Shares shares;
  KnittedHeld knitted = 0;
  FormCounts forms;
  int leaders = 0;  // the arrangements holding forms.knitted tiles, bit a for arrangement a

  explicit WholeHand(const Tally& tally) : m(tally.m), codes(tally.codes) {
    shares.all = 0;
    for (int s = 0; s <= kSuits; ++s) {
      fill_share(own[s], m, codes, s);
      shares.of[s] = &own[s];
      shares.all += own[s].split;
    }
    knitted = knitted_held(m.present);
    forms = form_counts(m, knitted);
    leaders = knitted_leaders(knitted, forms.knitted);
  }
  WholeHand(const WholeHand&) = delete;
  WholeHand& operator=(const WholeHand&) = delete;

  ShantenResult distances(int melds, const int (&visible)[kTileCodes]) const {
    return distance_of(m, shares, forms, knitted, melds, visible);
  }

  // The distances once one copy of the held tile t is given up.
  ShantenResult without(int t, int melds, const int (&visible)[kTileCodes]) const {
    const int count = count_of(m, t);
    const HeldMasks left = without_copy(m, TileMask{1} << t);
    const int s = suit_of(t);
    SuitShare changed;
    fill_share(changed, left, codes - kTileWeights[t], s);
    Shares amended = shares;
    amended.of[s] = &changed;
    amended.all = shares.all - own[s].split + changed.split;
    const KnittedHeld knitted_left = knitted - (count == 1 ? kKnittedTiles[t].share : 0);
    return distance_of(left, amended, without_copy(forms, t, count, leaders), knitted_left, melds, visible);
  }
};

}  // namespace

ShantenResult distance_to_ready(const int (&hand)[kHandSlots], int skip_slot, int melds,
                                const int (&visible)[kTileCodes]) {
  assert(skip_slot >= 0 && skip_slot < kHandSlots);
  Tally tally;
  // No real hand holds a fifth copy; a put-together one is judged hopeless.
  if (!tally_hand(hand, skip_slot, tally)) return ShantenResult{};
  return WholeHand(tally).distances(melds, visible);
}

void distances_by_discard(const int (&hand)[kHandSlots], int melds, const int (&visible)[kTileCodes],
                          const bool (&wanted)[kHandSlots], ShantenResult (&out)[kHandSlots]) {
  Tally tally;
  if (!tally_hand(hand, kHandSlots, tally)) {
    // Only the discard of a fifth copy can leave a hand that is not
    // hopeless; such hands are judged slot by slot.
    for (int slot = 0; slot < kHandSlots; ++slot)
      if (wanted[slot]) out[slot] = distance_to_ready(hand, slot, melds, visible);
    return;
  }
  const WholeHand whole(tally);
  for (int slot = 0; slot < kHandSlots; ++slot) {
    if (!wanted[slot]) continue;
    const int v = hand[slot];
    out[slot] = counted(v) ? whole.without(v, melds, visible) : whole.distances(melds, visible);
  }
}
