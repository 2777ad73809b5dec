#include "core/win_eval.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include <emmintrin.h>

#include "core/bits.h"
#include "core/clear.h"
#include "core/tile_marks.h"
#include "core/win_blocks.h"

namespace {

// A chow, pung or melded kong among the seat's melds; most hands declare none.
bool has_open_meld(const int (&melds)[kMeldSlots]) {
  if (!has_melds(melds)) return false;
  for (int code : melds)
    if (is_open_meld(code)) return true;
  return false;
}

// ------------------------------------------------------------ other forms
bool pairs_up(const int* v) {
  for (int i = 0; i < kHandSlots; i += 2)
    if (v[i] != v[i + 1]) return false;
  return true;
}

// Three quads with the pair before or after them read better as four sets.
bool three_quads_beside_pair(const int* v) {
  const bool pair_last = v[0] == v[3] && v[4] == v[7] && v[8] == v[11];
  const bool pair_first = v[2] == v[5] && v[6] == v[9] && v[10] == v[13];
  return pair_last || pair_first;
}

// With compound switch 7 off, a closed hand of one rank block (1-3, 4-6 or
// 7-9) that holds at least two full runs' worth of pairs is read as sets.
bool one_rank_block_refused(const WinContext& ctx, const RuleSwitches& rules, const int* v) {
  if (rules.rule_on(kRuleSevenPairsTileRange) || ctx.open_claims != 0) return false;
  const int block = (rank_of(tile_of(v[0])) - 1) / 3;
  int counts[kTileCodes]{};
  for (int i = 0; i < kHandSlots; ++i) {
    const int t = tile_of(v[i]);
    if (!is_suited(t) || (rank_of(t) - 1) / 3 != block) return false;
    ++counts[t];
  }
  int tally = 0;
  for (int s = kCharacters; s <= kBamboo; ++s) {
    bool twice = true;
    bool four_times = true;
    for (int k = 1; k <= 3; ++k) {
      const int c = counts[make_tile(s, 3 * block + k)];
      twice = twice && c >= 2;
      four_times = four_times && c == 4;
    }
    tally += (twice ? 1 : 0) + (four_times ? 1 : 0);
  }
  return tally >= 2;
}

void take_seven_pairs(WinReading& r, int tile) {
  r.form = kFormSevenPairs;
  std::fill(std::begin(r.waits), std::end(r.waits), 0);
  r.waits[0] = tile;
  r.wait_count = 1;
}

// One pass over the hand: whether it holds playing tiles only (an empty
// slot or a flower is no hand), its free tiles and the marks of its tiles.
struct HandScan {
  bool well_formed = true;
  bool all_free = true;
  std::uint64_t free_tiles = 0;  // bit t: a free slot holds tile t
  std::uint64_t marks = 0;       // tile_marks::marks_of every tile held
};

// What one slot adds to a scan, by slot value: bit t for a free playing tile
// t, bit 62 for a marked one, the top bit for a value that holds no playing
// tile (bits above every tile code); and its tile's marks.
constexpr std::uint64_t kNoPlayingTile = std::uint64_t{1} << 63;
constexpr std::uint64_t kMarkedTile = std::uint64_t{1} << 62;
static_assert(kTileCodes < 62);
struct alignas(16) SlotScan {
  std::uint64_t bits;
  std::uint64_t marks;
};
constexpr auto kSlotScans = [] {
  std::array<SlotScan, kSlotValues> scans{};
  for (int v = 0; v < kSlotValues; ++v) {
    if (!is_playing_tile(tile_of(v)))
      scans[v].bits = kNoPlayingTile;
    else
      scans[v] = {marker_of(v) == kFree ? std::uint64_t{1} << v : kMarkedTile, tile_marks::marks_of(tile_of(v))};
  }
  return scans;
}();

// Slots 0-12 and the winning tile in any order, every value a slot value
// (the sorted copy's ends say so). Read from where they stand, not from the
// sorted copy just written: a load from stores still on their way waits for
// them.
HandScan scan_hand(const int (&hand)[kHandSlots], int tile) {
  // Both words of each slot's scan at once, in one register.
  const auto scan_of = [](int v) { return _mm_load_si128(reinterpret_cast<const __m128i*>(&kSlotScans[v])); };
  __m128i both = scan_of(tile);
#pragma GCC unroll 13
  for (int i = 0; i < kDrawSlot; ++i) both = _mm_or_si128(both, scan_of(hand[i]));
  const auto bits = static_cast<std::uint64_t>(_mm_cvtsi128_si64(both));
  return {.well_formed = (bits & kNoPlayingTile) == 0,
          .all_free = (bits & kMarkedTile) == 0,
          .free_tiles = bits & ~(kNoPlayingTile | kMarkedTile),
          .marks = static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(both, both)))};
}

// The scan of slots 0-12 and the tile whose sorted values are `sorted`,
// noted in the reading.
HandScan scan_into(WinReading& r, const int (&sorted)[kHandSlots], const int (&hand)[kHandSlots], int tile) {
  // The sorted copy's ends are the smallest and the largest value.
  const bool slot_values = sorted[0] >= 0 && sorted[kDrawSlot] < kSlotValues;
  const HandScan scan = slot_values ? scan_hand(hand, tile) : HandScan{.well_formed = false};
  r.free_tiles = scan.free_tiles;
  r.tile_marks = scan.marks;
  return scan;
}

// Fourteen free terminals and honours of all thirteen kinds.
bool reads_as_thirteen_orphans(const HandScan& scan) {
  return scan.all_free && scan.free_tiles == tile_classes::kTerminalOrHonour;
}

// Fourteen different free tiles, all of one arrangement's sixteen.
bool reads_as_honours_and_knitted(const HandScan& scan) {
  if (!scan.all_free || bit_count(scan.free_tiles) != kHandSlots) return false;
  for (std::uint64_t tiles : g_knitted_honour_masks)
    if ((scan.free_tiles & ~tiles) == 0) return true;
  return false;
}

// The five values left beside the knitted tiles, ascending, as a pair and a
// set; the later shape wins where two would match.
bool read_pair_and_set(WinReading& reading, const int* r) {
  const int a = r[0], b = r[1], c = r[2], d = r[3], e = r[4];
  int pair = 0;
  int set = 0;
  auto take = [&](int pair_value, int set_block) {
    if (pair_block_of(pair_value) != 0 && set_block != 0) {
      pair = pair_block_of(pair_value);
      set = set_block;
    }
  };
  if (a == b && d == c + 1 && e == c + 2) take(a, chow_block_of(c));
  if (b == c && c == d && b == a + 1 && e == a + 2) take(b, chow_block_of(a));
  if (b == a + 1 && c == a + 2 && d == e) take(d, chow_block_of(a));
  if (a == b && b == c && d == e) take(d, set_block_of(a));
  if (a == b && c == d && d == e) take(a, set_block_of(c));
  if (pair == 0) return false;
  reading.blocks[0] = pair;
  reading.blocks[1] = set;
  reading.block_count = 2;
  return true;
}

// The values left once one copy of each arrangement tile is taken, in
// order. Arrangement tiles are free, so a marked value is never one.
void take_arrangement(std::uint64_t tiles, const int* v, int* rest) {
  int n = 0;
  for (int i = 0; i < kHandSlots; ++i) {
    const std::uint64_t bit = v[i] < kTileCodes ? std::uint64_t{1} << v[i] : 0;
    if (tiles & bit)
      tiles &= ~bit;
    else
      rest[n++] = v[i];
  }
}

bool read_knitted_straight(WinReading& r, const int* v, std::uint64_t free_tiles) {
  for (std::uint64_t tiles : g_knitted_masks) {
    if ((free_tiles & tiles) != tiles) continue;
    int rest[kHandSlots];
    take_arrangement(tiles, v, rest);
    return read_pair_and_set(r, rest);
  }
  return false;
}

// Whether slots 0-12 ascend: slots 0-11 against the next ones, four pairs
// a compare.
bool ascending(const int (&hand)[kHandSlots]) {
  static_assert(kDrawSlot == 13);
  const auto at = [&hand](int i) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(hand + i)); };
  const __m128i down = _mm_or_si128(_mm_or_si128(_mm_cmpgt_epi32(at(0), at(1)), _mm_cmpgt_epi32(at(4), at(5))),
                                    _mm_cmpgt_epi32(at(8), at(9)));
  return _mm_movemask_epi8(down) == 0;
}

// Slots 0-12 and the winning tile, ascending. The table keeps its hands
// sorted, so this is as a rule one insertion, made without a branch: each
// place takes the middle one of its two neighbours in the sorted slots and
// the tile. The slots are read where they stand unless they need sorting (a
// copy read back at once would wait for its own stores).
void sort_hand(const int (&hand)[kHandSlots], int tile, int (&out)[kHandSlots]) {
  int sorted[kDrawSlot];
  const int* in = hand;
  if (!ascending(hand)) {
    std::copy(hand, hand + kDrawSlot, sorted);
    std::sort(sorted, sorted + kDrawSlot);
    in = sorted;
  }
  out[0] = in[0] < tile ? in[0] : tile;
  for (int i = 1; i < kDrawSlot; ++i) {
    const int upper = in[i] < tile ? in[i] : tile;
    out[i] = in[i - 1] > upper ? in[i - 1] : upper;
  }
  out[kDrawSlot] = in[kDrawSlot - 1] > tile ? in[kDrawSlot - 1] : tile;
}

bool read_hand_form(WinReading& r, const HandScan& scan, const WinContext& ctx, const RuleSwitches& rules,
                    Scoring& work) {
  switch (r.form) {
    case kFormNormal: return read_normal_form(r, ctx, rules, work);
    case kFormSevenPairs: return !r.open && pairs_up(r.hand);
    case kFormThirteenOrphans: return reads_as_thirteen_orphans(scan);
    case kFormKnittedStraight: return read_knitted_straight(r, r.hand, scan.free_tiles);
    case kFormHonoursKnitted: return reads_as_honours_and_knitted(scan);
    default: return false;
  }
}

}  // namespace

void read_win(const int (&hand)[kHandSlots], int tile, int by_discard, const WaitSet& waits, const WinContext& ctx,
              const RuleSwitches& rules, Scoring& work, WinReading& r) {
  r.seat = ctx.seat;
  r.tile = tile;
  r.by_discard = by_discard;
  std::memcpy(r.waits, waits.tiles, sizeof r.waits);
  r.wait_count = waits.count;
  r.form = waits.form;
  sort_hand(hand, tile, r.hand);
  r.seat_wind = ctx.seat_wind;
  r.round_wind = ctx.round_wind;
  r.open = has_open_meld(ctx.melds) ? 1 : 0;
  std::fill(std::begin(r.blocks), std::end(r.blocks), 0);
  r.block_count = 0;
  r.valid = 0;
  r.scorings = 0;
  r.work_order = -1;
  const HandScan scan = scan_into(r, r.hand, hand, tile);
  if (!scan.well_formed) {
    clear_small(r.orders);
    return;
  }

  // Seven pairs beats the normal reading unless it is refused; a refused
  // reading comes back when no extraction order reads the hand either.
  const bool seven_pairs = r.form == kFormNormal && !r.open && pairs_up(r.hand);
  if (seven_pairs && !three_quads_beside_pair(r.hand) && !one_rank_block_refused(ctx, rules, r.hand))
    take_seven_pairs(r, tile);
  // The normal reading writes every order record; the others leave them empty.
  if (r.form != kFormNormal) clear_small(r.orders);

  r.valid = 1;  // lets the normal reading score its orders
  bool valid = read_hand_form(r, scan, ctx, rules, work);
  if (!valid && seven_pairs && r.form == kFormNormal) {
    take_seven_pairs(r, tile);
    valid = true;
  }
  r.valid = valid ? 1 : 0;
}

void scan_reading(WinReading& r) { scan_into(r, r.hand, r.hand, r.hand[kDrawSlot]); }
