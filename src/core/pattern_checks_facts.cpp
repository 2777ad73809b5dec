// The facts the pattern checks share, and the helpers over them.
#include "core/pattern_checks.h"

#include <array>
#include <bit>
#include <cassert>

#include <emmintrin.h>

#include "core/bits.h"
#include "core/clear.h"
#include "core/tile_marks.h"

namespace {

// Copy counts by tile code, one byte each (14 at most), in three SSE2
// registers of sixteen codes: SSE2 is part of every x86-64. A read hand holds
// playing tiles only.
constexpr int kCountLanes = 3;
constexpr int kCountBytes = 16 * kCountLanes;
static_assert(kRed < kCountBytes && kHandSlots < 128);
struct CopyCounts {
  __m128i lanes[kCountLanes];
};
// By tile code, the counts of one copy of it: added from a table, the counts
// never pass through memory (a wide load of narrow stores waits for them).
struct alignas(16) OneCopy {
  std::uint8_t bytes[kCountBytes];
};
constexpr auto kOneCopy = [] {
  std::array<OneCopy, kCountBytes> rows{};
  for (int t = 0; t < kCountBytes; ++t) rows[t].bytes[t] = 1;
  return rows;
}();
// By slot value, the byte offset of its tile's row in kOneCopy: one load
// where tile_of divides and the row is found.
constexpr auto kOneCopyOffset = [] {
  std::array<std::uint16_t, kSlotValues> offsets{};
  for (int v = 0; v < kSlotValues; ++v)
    offsets[v] = static_cast<std::uint16_t>(tile_of(v) < kCountBytes ? tile_of(v) * sizeof(OneCopy) : 0);
  return offsets;
}();

using tile_marks::kEveryOnly;
using tile_marks::kSuitMark;

CopyCounts count_copies(const int (&hand)[kHandSlots]) {
  static_assert(kCountLanes == 3);
  __m128i low = _mm_setzero_si128(), middle = low, high = low;
#pragma GCC unroll 14
  for (int v : hand) {
    const char* row = reinterpret_cast<const char*>(kOneCopy.data()) + kOneCopyOffset[v];
    const auto* one = reinterpret_cast<const __m128i*>(row);
    low = _mm_add_epi8(low, _mm_load_si128(one));
    middle = _mm_add_epi8(middle, _mm_load_si128(one + 1));
    high = _mm_add_epi8(high, _mm_load_si128(one + 2));
  }
  return {{low, middle, high}};
}

enum class Copies { kSome, kTwoOrMore, kFour };
// Bit t: the count of code t is as `which` says.
std::uint64_t codes_where(const CopyCounts& counts, Copies which) {
  std::uint64_t codes = 0;
#pragma GCC unroll 3
  for (int k = 0; k < kCountLanes; ++k) {
    __m128i hit;
    switch (which) {
      case Copies::kSome: hit = _mm_cmpgt_epi8(counts.lanes[k], _mm_setzero_si128()); break;
      case Copies::kTwoOrMore: hit = _mm_cmpgt_epi8(counts.lanes[k], _mm_set1_epi8(1)); break;
      case Copies::kFour: hit = _mm_cmpeq_epi8(counts.lanes[k], _mm_set1_epi8(4)); break;
    }
    codes |= static_cast<std::uint64_t>(_mm_movemask_epi8(hit)) << 16 * k;
  }
  return codes;
}

// The tiles held, held twice or more and exactly four times.
struct TileSets {
  std::uint64_t held;
  std::uint64_t twice;
  std::uint64_t fourfold;
};

TileSets counted_tile_sets(const int (&hand)[kHandSlots]) {
  const CopyCounts copies = count_copies(hand);
  return {codes_where(copies, Copies::kSome), codes_where(copies, Copies::kTwoOrMore), codes_where(copies, Copies::kFour)};
}

// Bit t for the tile of each slot whose place is a bit of `places`.
std::uint64_t tiles_at(const int (&hand)[kHandSlots], unsigned places) {
  std::uint64_t tiles = 0;
  for (; places != 0; places &= places - 1) tiles |= std::uint64_t{1} << hand[std::countr_zero(places)];
  return tiles;
}

// The same for a sorted hand of free tiles, whose slot values are their tile
// codes: equal tiles stand side by side, so a tile is held twice where a
// slot equals the next one, and exactly four times where a slot equals the
// one three places on and the run it starts is neither longer nor begun
// before. The values are compared as bytes, fourteen of sixteen lanes; the
// tiles held are those the reading's scan found.
TileSets free_tile_sets(const int (&hand)[kHandSlots], __m128i bytes, std::uint64_t held) {
  constexpr unsigned kPairPlaces = (1u << (kHandSlots - 1)) - 1;  // a slot and the next: places 0 to 12
  constexpr unsigned kQuadPlaces = (1u << (kHandSlots - 3)) - 1;  // a slot and the one three on: 0 to 10
  const auto equal_ahead = [bytes](auto shifted) {
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, shifted)));
  };
  const unsigned next_equal = equal_ahead(_mm_srli_si128(bytes, 1)) & kPairPlaces;
  const unsigned third_equal = equal_ahead(_mm_srli_si128(bytes, 3)) & kQuadPlaces;
  const unsigned run_starts = next_equal & ~(next_equal << 1);
  const unsigned quads = third_equal & ~(next_equal << 1) & ~(next_equal >> 3);
  return {held, tiles_at(hand, run_starts), tiles_at(hand, quads)};
}

// By suit mask, the needs that count the suits held.
constexpr auto kSuitNeeds = [] {
  std::array<std::uint64_t, 8> needs{};
  for (unsigned m = 0; m < 8; ++m) {
    const int suits = std::popcount(m);
    if (suits == 2) needs[m] |= kTwoSuits;
    if (suits >= 2) needs[m] |= kMixedSuits;
    if (suits == 3) needs[m] |= kThreeSuits;
  }
  return needs;
}();

// The needs of the tile facts, the table and the switches; `marks`: those
// of the hand's tiles.
std::uint64_t reading_needs(const HandFacts& f, std::uint64_t marks) {
  const bool honour = (marks & kHonour) != 0;
  std::uint64_t held = (kEveryOnly & ~marks) | (marks & (kHonour | kTerminal)) | (honour ? std::uint64_t{0} : std::uint64_t{kNoHonour});
  held |= f.by_discard ? kDiscard : kSelfDrawn;
  held |= f.open ? kOpen : kClosed;
  if (!honour && (f.suit_mask & (f.suit_mask - 1)) == 0) held |= kOneSuit;
  if (f.wait_count == 1) held |= kOneWait;
  held |= kSuitNeeds[f.suit_mask];
  if (f.tiles_fourfold != 0) held |= kFourfold;
  if (f.ctx->robbing_kong) held |= kRobbing;
  if (f.ctx->kong_replacement) held |= kReplacement;
  if (f.ctx->wall_count == 0) held |= kWallEmpty;
#pragma GCC unroll 3
  for (int word : f.rules->local_yaku)
    if (word == 1) held |= kLocal;
  return held;
}


// Block codes run below this: a melded kong of the last dragon is the highest.
constexpr int kBlockCodes = kWinMeldedKong + kRed + 1;

constexpr int traits_of_block(int b) {
  if (b == 0) return 0;
  const int t = win_block_tile(b);
  const int r = rank_of(t);
  const bool chow = is_win_chow(b);
  int traits = 0;
  if (chow ? r == 1 || r == 7 : is_terminal_or_honour(t)) traits |= kOutsideBlock;
  if (is_suited(t) && (chow ? r >= 3 && r <= 5 : r == 5)) traits |= kFiveBlock;
  if (is_terminal(t)) traits |= kTerminalTileBlock;
  if (is_terminal_or_honour(t)) traits |= kTerminalOrHonourTileBlock;
  if (is_honour(t)) traits |= kHonourBlock;
  if (is_suited(t)) traits |= kCharactersBlock << suit_of(t);
  return traits;
}

// The counts of BlockCounts, one nibble each in a packed word: five blocks
// keep every count below 16, and a block adds its share in one addition.
enum PackedCount : int {
  kChowCount,
  kSetCount,
  kConcealedSetCount,
  kConcealedKongCount,
  kMeldedKongCount,
  kDragonSetCount,
  kWindSetCount,
};
constexpr std::uint32_t packed_one(PackedCount c) { return std::uint32_t{1} << 4 * c; }
constexpr int unpacked(std::uint32_t counts, PackedCount c) { return static_cast<int>(counts >> 4 * c & 0xF); }

// By the chow and set block counts (the low byte of the packed counts), the
// needs they hold.
constexpr int kChowAndSetBits = 8;
constexpr auto kCountNeeds = [] {
  std::array<std::uint64_t, 1 << kChowAndSetBits> needs{};
  for (std::uint32_t packed = 0; packed < needs.size(); ++packed) {
    const int chows = unpacked(packed, kChowCount), sets = unpacked(packed, kSetCount);
    std::uint64_t& held = needs[packed];
    if (chows >= 2) held |= kTwoChows;
    if (chows >= 3) held |= kThreeChows;
    if (chows == 4) held |= kFourChows;
    if (chows == 0) held |= kNoChows;
    if (chows > 0 && sets == 0) held |= kOnlyChows;
    if (sets >= 1) held |= kOneSet;
    if (sets >= 2) held |= kTwoSets;
    if (sets >= 3) held |= kThreeSets;
  }
  return needs;
}();
static_assert(kChowCount == 0 && kSetCount == 1, "the two counts in the low byte");

std::uint64_t block_needs(const BlockCounts& c, std::uint32_t counts) {
  constexpr std::uint32_t kKongs = 0xF * (packed_one(kConcealedKongCount) | packed_one(kMeldedKongCount));
  constexpr std::uint32_t kHonourSets = 0xF * (packed_one(kDragonSetCount) | packed_one(kWindSetCount));
  std::uint64_t held = kCountNeeds[counts & ((1 << kChowAndSetBits) - 1)];
  if ((counts & kKongs) != 0) held |= kKong;
  if ((counts & kHonourSets) != 0) held |= kHonourSet;
  if (c.chow_tiles[1] != 0) held |= kTwinChows | kTwinChowsOrNoBlocks;
  if ((c.chow_tiles[0] & c.chow_tiles[0] >> 6 & kRankOneTiles) != 0) held |= kTerminalChows;
  if ((c.every_block & kOutsideBlock) != 0) held |= kOutsideBlocks;
  return held;
}

constexpr std::uint32_t counts_of_block(int b) {
  const int t = win_block_tile(b);
  if (is_win_chow(b)) return packed_one(kChowCount);
  if (!is_win_pung_or_kong(b)) return 0;
  std::uint32_t counts = packed_one(kSetCount);
  if (is_concealed_set_block(b)) counts |= packed_one(kConcealedSetCount);
  if (win_block_kind(b) == kWinConcealedKong) counts |= packed_one(kConcealedKongCount);
  if (win_block_kind(b) == kWinMeldedKong) counts |= packed_one(kMeldedKongCount);
  if (is_dragon(t)) counts |= packed_one(kDragonSetCount);
  if (is_wind(t)) counts |= packed_one(kWindSetCount);
  return counts;
}

// What one block adds to the block facts, by block code: a table lookup
// where the code's tile and kind would take divisions, and masks already
// placed, so that a block adds its share without a branch on its kind.
struct BlockShare {
  // A chow block's tile as a bit, and the same bit 32 places up when the
  // chow is concealed: chows start below code 32.
  std::uint64_t chows;
  std::uint64_t sets;            // a pung or kong block's tile as a bit
  std::uint64_t concealed_sets;  // the same for blocks 300-399 and 500-599
  std::uint32_t counts;          // packed_one of each count it adds to
  std::uint8_t pair_tile;        // a pair block's tile, 0 for the others
  std::uint8_t traits;           // BlockTraits
};
constexpr int kConcealedChowShift = 32;
static_assert(make_tile(kBamboo, 7) < kConcealedChowShift);

constexpr BlockShare share_of_block(int b) {
  const int t = win_block_tile(b);
  const std::uint64_t bit = t <= kRed ? std::uint64_t{1} << t : 0;  // codes of no tile add nothing
  BlockShare share{0, 0, 0, counts_of_block(b), 0, static_cast<std::uint8_t>(traits_of_block(b))};
  if (is_pair_block(b)) share.pair_tile = static_cast<std::uint8_t>(t);
  if (is_win_chow(b)) share.chows = is_concealed_chow_block(b) ? bit | bit << kConcealedChowShift : bit;
  if (is_win_pung_or_kong(b)) share.sets = bit;
  if (is_concealed_set_block(b)) share.concealed_sets = bit;
  return share;
}

constexpr auto kBlockShares = [] {
  std::array<BlockShare, kBlockCodes> shares{};
  for (int b = 0; b < kBlockCodes; ++b) shares[b] = share_of_block(b);
  return shares;
}();
static_assert(kBlockShares[101].traits == (kOutsideBlock | kCharactersBlock | kTerminalTileBlock | kTerminalOrHonourTileBlock));
static_assert(kBlockShares[213].traits == (kDotsBlock | kFiveBlock) && kBlockShares[25].traits == (kBambooBlock | kFiveBlock));
static_assert(kBlockShares[435].traits == (kOutsideBlock | kTerminalOrHonourTileBlock | kHonourBlock));
static_assert(kBlockShares[536].counts ==
              (packed_one(kSetCount) | packed_one(kConcealedSetCount) | packed_one(kConcealedKongCount) |
               packed_one(kDragonSetCount)));
static_assert(kBlockShares[0].counts == 0 && kBlockShares[0].traits == 0 && kBlockShares[17].counts == 0);
static_assert(kBlockShares[0].chows == 0 && kBlockShares[0].sets == 0 && kBlockShares[0].pair_tile == 0);
static_assert(kBlockShares[112].chows == (std::uint64_t{1} << 12 | std::uint64_t{1} << 44) &&
              kBlockShares[212].chows == std::uint64_t{1} << 12);
static_assert(kBlockShares[412].sets == std::uint64_t{1} << 12 && kBlockShares[412].concealed_sets == 0 &&
              kBlockShares[512].concealed_sets == std::uint64_t{1} << 12 && kBlockShares[17].pair_tile == 17);

// A chow block at the tile of `bit`: the first level of chow_tiles without it takes it.
void add_chow(std::uint64_t (&chow_tiles)[4], std::uint64_t bit) {
  chow_tiles[3] |= chow_tiles[2] & bit;
  chow_tiles[2] |= chow_tiles[1] & bit;
  chow_tiles[1] |= chow_tiles[0] & bit;
  chow_tiles[0] |= bit;
}

// count_blocks stores every field: seven masks and ten counts.
static_assert(sizeof(BlockCounts) == 7 * sizeof(std::uint64_t) + 10 * sizeof(int));

// The block counts and needs of f for `blocks`, some of them not empty.
// Out of line, so that the registers it needs are saved only for readings
// with blocks.
[[gnu::noinline]] void count_blocks(HandFacts& f, const int (&blocks)[kWinBlocks]) {
  // Counted in locals, which the compiler keeps in registers, and stored once.
  std::uint32_t counts = 0;
  int every_block = 0xFF, some_block = 0, pair_tile = 0;
  std::uint64_t set_tiles = 0, concealed_set_tiles = 0;
  // chow_tiles with the concealed chows 32 places up (see BlockShare).
  std::uint64_t chows[4] = {};
#pragma GCC unroll 5
  for (int b : blocks) {
    assert(b >= 0 && b < kBlockCodes);
    const BlockShare& share = kBlockShares[b];
    counts += share.counts;
    every_block &= share.traits;
    some_block |= share.traits;
    assert(pair_tile == 0 || share.pair_tile == 0);  // one pair block at most
    pair_tile |= share.pair_tile;
    assert((set_tiles & share.sets) == 0);  // four copies of a tile make one set at most
    set_tiles |= share.sets;
    concealed_set_tiles |= share.concealed_sets;
    add_chow(chows, share.chows);
  }
  constexpr std::uint64_t kChowStarts = (std::uint64_t{1} << kConcealedChowShift) - 1;
  for (int k = 0; k < 4; ++k) f.chow_tiles[k] = chows[k] & kChowStarts;
  f.set_tiles = set_tiles;
  f.concealed_chow_tiles = chows[0] >> kConcealedChowShift;
  f.concealed_set_tiles = concealed_set_tiles;
  f.chow_blocks = unpacked(counts, kChowCount);
  f.set_blocks = unpacked(counts, kSetCount);
  f.concealed_sets = unpacked(counts, kConcealedSetCount);
  f.concealed_kongs = unpacked(counts, kConcealedKongCount);
  f.melded_kongs = unpacked(counts, kMeldedKongCount);
  f.dragon_sets = unpacked(counts, kDragonSetCount);
  f.wind_sets = unpacked(counts, kWindSetCount);
  f.pair_tile = pair_tile;
  f.every_block = every_block;
  f.some_block = some_block;
  f.needs = f.reading_needs | block_needs(f, counts);
}

}  // namespace

void gather_tile_facts(HandFacts& f, const WinReading& r, const WinContext& ctx, const RuleSwitches& rules) {
  f.ctx = &ctx;
  f.rules = &rules;
  f.form = r.form;
  f.seat = r.seat;
  f.win_tile = r.tile;
  f.by_discard = r.by_discard;
  f.open = r.open;
  f.seat_wind = kEast + r.seat_wind;
  f.round_wind = kEast + r.round_wind;
  f.wait_count = r.wait_count;
  // The slots as bytes, two zero lanes behind them, copied on the way.
  const auto* slots = reinterpret_cast<const __m128i*>(r.hand);
  auto* values = reinterpret_cast<__m128i*>(f.values);
  const __m128i a = _mm_loadu_si128(slots), b = _mm_loadu_si128(slots + 1), c = _mm_loadu_si128(slots + 2);
  const __m128i d = _mm_loadl_epi64(slots + 3);
  static_assert(kHandSlots == 14 && sizeof f.values == 56);
  _mm_storeu_si128(values, a);
  _mm_storeu_si128(values + 1, b);
  _mm_storeu_si128(values + 2, c);
  _mm_storel_epi64(values + 3, d);
  // Sorted, the last slot holds the largest value: a free tile, or all are.
  const bool all_free = r.hand[kHandSlots - 1] < kCountBytes;
  const TileSets tiles =
      all_free ? free_tile_sets(r.hand, _mm_packus_epi16(_mm_packs_epi32(a, b), _mm_packs_epi32(c, d)), r.free_tiles)
               : counted_tile_sets(r.hand);
  f.tiles_held = tiles.held;
  f.tiles_twice = tiles.twice;
  f.tiles_fourfold = tiles.fourfold;
  f.suit_mask = static_cast<int>(r.tile_marks >> kSuitMark & 7);
  f.reading_needs = reading_needs(f, r.tile_marks);
}

void gather_block_facts(HandFacts& f, const int (&blocks)[kWinBlocks], YakuTable& table) {
  copy_small(table, kFreshYakuTable);
  f.table = &table;
  f.found_rows[0] = f.found_rows[1] = 0;
  static_assert(kWinBlocks == 5);
  if ((blocks[0] | blocks[1] | blocks[2] | blocks[3] | blocks[4]) != 0) {
    count_blocks(f, blocks);
    return;
  }
  // The readings of seven pairs, thirteen orphans and honours and knitted
  // tiles hold no blocks.
  static_cast<BlockCounts&>(f) = BlockCounts{};
  f.needs = f.reading_needs | kNoChows | kTwinChowsOrNoBlocks;
}

void fully_concealed_becomes_self_drawn(const HandFacts& f) {
  if (!yaku_found(f, kYaku25FullyConcealed)) return;
  clear_yaku(f, kYaku25FullyConcealed);
  set_yaku(f, kYaku11SelfDrawn);
}

void recount_terminal_pungs_beside_winds(const HandFacts& f) {
  clear_yaku(f, kYaku3TerminalHonourPung);
  const int n = terminal_pung_count(f, rule_on(f, kRuleWindPungsTerminal));
  if (n > 0) set_yaku_points(f, kYaku3TerminalHonourPung, n);
}

bool win_tile_in_concealed_chow(const HandFacts& f) {
  // A concealed chow that starts two below the winning tile to at it.
  const std::uint64_t chows = f.concealed_chow_tiles;
  const int t = f.win_tile;
  return tile_classes::in(chows, t) || tile_classes::in(chows, t - 1) || tile_classes::in(chows, t - 2);
}

bool has_concealed_sets(const HandFacts& f, int n) {
  if (!f.by_discard) return f.concealed_sets == n;
  if (f.concealed_sets == n + 1) return true;
  if (f.concealed_sets != n) return false;
  return !tile_classes::in(f.concealed_set_tiles, f.win_tile) || win_tile_in_concealed_chow(f);
}

namespace {

// The six ways of giving three ranks to the three suits.
constexpr int kSuitOrders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};

// Rank masks: some r from 1 to last_start is held in one suit, r + shift in
// a second and r + 2 x shift in the third.
bool across_suits(std::uint64_t tiles, int shift, int last_start) {
  const int ranks[3] = {suit_ranks(tiles, kCharacters), suit_ranks(tiles, kDots), suit_ranks(tiles, kBamboo)};
  if (ranks[0] == 0 || ranks[1] == 0 || ranks[2] == 0) return false;
  const int starts = ((1 << (last_start + 1)) - 1) & ~1;
  for (const auto& s : kSuitOrders)
    if (ranks[s[0]] & ranks[s[1]] >> shift & ranks[s[2]] >> 2 * shift & starts) return true;
  return false;
}

}  // namespace

bool chows_across_suits(const HandFacts& f, int shift, int last_start) {
  return f.chow_blocks >= 3 && across_suits(f.chow_tiles[0], shift, last_start);
}
bool sets_across_suits(const HandFacts& f, int shift, int last_start) {
  return f.set_blocks >= 3 && across_suits(f.set_tiles, shift, last_start);
}
