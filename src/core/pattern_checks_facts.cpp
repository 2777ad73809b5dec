// The facts the pattern checks share, and the helpers over them.
#include "core/pattern_checks.h"

#include <algorithm>
#include <array>
#include <bit>

#include <emmintrin.h>

#include "core/clear.h"

namespace {

// Each kOnly need with the tiles it allows.
struct TileNeed {
  std::uint64_t need;
  std::uint64_t tiles;
};
constexpr TileNeed kTileNeeds[] = {
    {kOnlySimples, pattern_tiles::kSimple},     {kOnlyUpperFour, pattern_tiles::kUpperFour},
    {kOnlyLowerFour, pattern_tiles::kLowerFour}, {kOnlyMiddle, pattern_tiles::kMiddle},
    {kOnlyEven, pattern_tiles::kEven},          {kOnlyTerminals, tile_classes::kTerminal},
    {kOnlyGreen, pattern_tiles::kGreenTiles},   {kOnlyReversible, pattern_tiles::kReversible},
    {kOnlyNearFive, pattern_tiles::kNearFive},
};
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

// What a tile tells of a hand that holds it: the kOnly needs that it
// breaks, kHonour or kTerminal where it is one, and bit kSuitMark + s for
// its suit s. A hand's marks are those of its tiles together.
constexpr int kSuitMark = kNeedKinds;  // above every need
constexpr std::uint64_t kEveryOnly = [] {
  std::uint64_t every = 0;
  for (const TileNeed& n : kTileNeeds) every |= n.need;
  return every;
}();
constexpr auto kTileMarks = [] {
  std::array<std::uint64_t, kCountBytes> marks{};
  for (int t = 0; t < kCountBytes; ++t) {
    for (const TileNeed& n : kTileNeeds)
      if ((n.tiles >> t & 1) == 0) marks[t] |= n.need;
    if (tile_classes::kHonour >> t & 1) marks[t] |= kHonour;
    if (tile_classes::kTerminal >> t & 1) marks[t] |= kTerminal;
    for (int suit = 0; suit < 3; ++suit)
      if (tile_classes::kSuit[suit] >> t & 1) marks[t] |= std::uint64_t{1} << (kSuitMark + suit);
  }
  return marks;
}();
static_assert((kEveryOnly & (kHonour | kTerminal)) == 0 && kSuitMark + 3 <= 64);

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
  std::uint64_t marks;  // of the tiles held (kTileMarks)
};

TileSets counted_tile_sets(const int (&hand)[kHandSlots]) {
  const CopyCounts copies = count_copies(hand);
  const std::uint64_t held = codes_where(copies, Copies::kSome);
  std::uint64_t marks = 0;
  for (std::uint64_t left = held; left != 0; left &= left - 1) marks |= kTileMarks[std::countr_zero(left)];
  return {held, codes_where(copies, Copies::kTwoOrMore), codes_where(copies, Copies::kFour), marks};
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
// before. The values are compared as bytes, fourteen of sixteen lanes.
TileSets free_tile_sets(const int (&hand)[kHandSlots], __m128i bytes) {
  constexpr unsigned kPairPlaces = (1u << (kHandSlots - 1)) - 1;  // a slot and the next: places 0 to 12
  constexpr unsigned kQuadPlaces = (1u << (kHandSlots - 3)) - 1;  // a slot and the one three on: 0 to 10
  const auto equal_ahead = [bytes](auto shifted) {
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, shifted)));
  };
  const unsigned next_equal = equal_ahead(_mm_srli_si128(bytes, 1)) & kPairPlaces;
  const unsigned third_equal = equal_ahead(_mm_srli_si128(bytes, 3)) & kQuadPlaces;
  const unsigned run_starts = next_equal & ~(next_equal << 1);
  const unsigned quads = third_equal & ~(next_equal << 1) & ~(next_equal >> 3);
  std::uint64_t held = 0;
  std::uint64_t marks = 0;
#pragma GCC unroll 14
  for (int v : hand) {
    held |= std::uint64_t{1} << v;
    marks |= kTileMarks[v];
  }
  return {held, tiles_at(hand, run_starts), tiles_at(hand, quads), marks};
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

std::uint64_t block_needs(const BlockCounts& c) {
  std::uint64_t held = 0;
  if (c.chow_blocks >= 2) held |= kTwoChows;
  if (c.chow_blocks >= 3) held |= kThreeChows;
  if (c.set_blocks >= 1) held |= kOneSet;
  if (c.set_blocks >= 2) held |= kTwoSets;
  if (c.set_blocks >= 3) held |= kThreeSets;
  if (c.concealed_kongs + c.melded_kongs > 0) held |= kKong;
  if (c.dragon_sets + c.wind_sets > 0) held |= kHonourSet;
  return held;
}

void add_block(HandFacts& f, int b) {
  const int t = win_block_tile(b);
  if (is_pair_block(b)) {
    f.pair_tile = t;
    return;
  }
  if (is_win_chow(b)) {
    ++f.chow_blocks;
    ++f.chow_at[t];
    f.chow_ranks[suit_of(t)] |= 1 << rank_of(t);
    return;
  }
  ++f.set_blocks;
  ++f.set_at[t];
  if (is_suited(t)) f.set_ranks[suit_of(t)] |= 1 << rank_of(t);
  if (is_concealed_set_block(b)) ++f.concealed_sets;
  if (win_block_kind(b) == kWinConcealedKong) ++f.concealed_kongs;
  if (win_block_kind(b) == kWinMeldedKong) ++f.melded_kongs;
  if (is_dragon(t)) ++f.dragon_sets;
  if (is_wind(t)) ++f.wind_sets;
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
  const TileSets tiles = all_free ? free_tile_sets(r.hand, _mm_packus_epi16(_mm_packs_epi32(a, b), _mm_packs_epi32(c, d)))
                                  : counted_tile_sets(r.hand);
  f.tiles_held = tiles.held;
  f.tiles_twice = tiles.twice;
  f.tiles_fourfold = tiles.fourfold;
  f.suit_mask = static_cast<int>(tiles.marks >> kSuitMark & 7);
  f.reading_needs = reading_needs(f, tiles.marks);
}

void gather_block_facts(HandFacts& f, const int (&blocks)[kWinBlocks], YakuTable& table) {
  static_cast<BlockCounts&>(f) = BlockCounts{};
  copy_small(table, kFreshYakuTable);
  f.table = &table;
  f.found_rows[0] = f.found_rows[1] = 0;
  std::fill(std::begin(f.chow_at), std::end(f.chow_at), 0);
  std::fill(std::begin(f.set_at), std::end(f.set_at), 0);
#pragma GCC unroll 5
  for (int i = 0; i < kWinBlocks; ++i) {
    f.blocks[i] = blocks[i];
    if (blocks[i] != 0) add_block(f, blocks[i]);
  }
  f.needs = f.reading_needs | block_needs(f);
}

void fully_concealed_becomes_self_drawn(const HandFacts& f) {
  if (!yaku_found(f, kYaku25FullyConcealed)) return;
  clear_yaku(f, kYaku25FullyConcealed);
  set_yaku(f, kYaku11SelfDrawn);
}

bool is_guest_wind(const HandFacts& f, int tile) {
  return is_wind(tile) && tile != f.seat_wind && tile != f.round_wind;
}

int terminal_pung_count(const HandFacts& f, bool guest_winds) {
  int n = 0;
  for (int b : f.blocks) {
    if (!is_win_pung_or_kong(b)) continue;
    const int t = win_block_tile(b);
    if (is_terminal(t) || (guest_winds && is_guest_wind(f, t))) ++n;
  }
  return n;
}

void recount_terminal_pungs_beside_winds(const HandFacts& f) {
  clear_yaku(f, kYaku3TerminalHonourPung);
  const int n = terminal_pung_count(f, rule_on(f, kRuleWindPungsTerminal));
  if (n > 0) set_yaku_points(f, kYaku3TerminalHonourPung, n);
}

bool win_tile_in_concealed_chow(const HandFacts& f) {
  for (int b : f.blocks) {
    const int t = win_block_tile(b);
    if (is_concealed_chow_block(b) && f.win_tile >= t && f.win_tile <= t + 2) return true;
  }
  return false;
}

bool has_concealed_sets(const HandFacts& f, int n) {
  if (!f.by_discard) return f.concealed_sets == n;
  if (f.concealed_sets == n + 1) return true;
  if (f.concealed_sets != n) return false;
  int with_win = 0;
  for (int b : f.blocks)
    if (is_concealed_set_block(b) && win_block_tile(b) == f.win_tile) ++with_win;
  return with_win == 0 || win_tile_in_concealed_chow(f);
}

int suit_set_tiles(const HandFacts& f, int* out) {
  int n = 0;
  if (f.set_blocks < 3) return 0;  // too few for any shifted pungs
  for (int s = kCharacters; s <= kBamboo; ++s)
    for (unsigned left = f.set_ranks[s]; left != 0; left &= left - 1) out[n++] = make_tile(s, std::countr_zero(left));
  return n;
}

namespace {

// The six ways of giving three ranks to the three suits.
constexpr int kSuitOrders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};

// Rank masks: some r from 1 to last_start is held in one suit, r + shift in
// a second and r + 2 x shift in the third.
bool across_suits(const int (&ranks)[3], int shift, int last_start) {
  if (ranks[0] == 0 || ranks[1] == 0 || ranks[2] == 0) return false;
  const int starts = ((1 << (last_start + 1)) - 1) & ~1;
  for (const auto& s : kSuitOrders)
    if (ranks[s[0]] & ranks[s[1]] >> shift & ranks[s[2]] >> 2 * shift & starts) return true;
  return false;
}

}  // namespace

bool chows_across_suits(const HandFacts& f, int shift, int last_start) {
  return f.chow_blocks >= 3 && across_suits(f.chow_ranks, shift, last_start);
}
bool sets_across_suits(const HandFacts& f, int shift, int last_start) {
  return f.set_blocks >= 3 && across_suits(f.set_ranks, shift, last_start);
}
