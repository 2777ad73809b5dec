// The scorer's pattern checks, one function per pattern, split by family
// over the pattern_checks_*.cpp files. Each reads the facts of the evaluated
// hand (its tile facts gathered once per reading, its block facts once per
// scoring), and writes the scoring's pattern table:
// it sets its own id when the hand holds the pattern and may clear or set
// ids checked before it, so the scorer runs them in its fixed order.
#pragma once

#include <bit>
#include <cstdint>

#include "core/bits.h"
#include "core/tiles.h"
#include "core/win_eval.h"
#include "core/yaku_table.h"

// What a check needs of the hand to find anything: a hand without it would
// leave the table as the check found it, so the scorer does not run the
// check. The first kinds follow from the blocks scored, the rest from the
// reading, the table and the switches alone.
enum CheckNeeds : std::uint64_t {
  kAny = 0,
  kTwoChows = std::uint64_t{1} << 0,    // two chow blocks
  kThreeChows = std::uint64_t{1} << 1,  // three of them
  kOneSet = std::uint64_t{1} << 2,      // a pung or kong block
  kTwoSets = std::uint64_t{1} << 3,     // two of them
  kThreeSets = std::uint64_t{1} << 4,   // three of them
  kKong = std::uint64_t{1} << 5,        // a kong block
  kHonourSet = std::uint64_t{1} << 6,   // a set block of an honour
  kHonour = std::uint64_t{1} << 7,      // an honour tile
  kNoHonour = std::uint64_t{1} << 8,    // no honour tile
  kOneSuit = std::uint64_t{1} << 9,     // every tile of one suit
  kTerminal = std::uint64_t{1} << 10,   // a suit tile of rank 1 or 9
  kOneWait = std::uint64_t{1} << 11,    // a single wait before the win
  kTwoSuits = std::uint64_t{1} << 12,   // tiles of exactly two suits
  kFourfold = std::uint64_t{1} << 13,   // a tile held four times
  kRobbing = std::uint64_t{1} << 14,    // a kong being robbed
  kReplacement = std::uint64_t{1} << 15,  // a kong replacement draw
  kWallEmpty = std::uint64_t{1} << 16,  // no tile left in the wall
  kLocal = std::uint64_t{1} << 17,      // a local pattern allowed
  // Every hand tile one of the tiles that a pattern over the whole hand allows:
  kOnlySimples = std::uint64_t{1} << 18,      // suit ranks 2 to 8
  kOnlyUpperFour = std::uint64_t{1} << 19,    // suit ranks 6 to 9
  kOnlyLowerFour = std::uint64_t{1} << 20,    // suit ranks 1 to 4
  kOnlyMiddle = std::uint64_t{1} << 21,       // suit ranks 4 to 6
  kOnlyEven = std::uint64_t{1} << 22,         // even suit ranks
  kOnlyTerminals = std::uint64_t{1} << 23,    // suit ranks 1 and 9
  kOnlyGreen = std::uint64_t{1} << 24,
  kOnlyReversible = std::uint64_t{1} << 25,
  kOnlyNearFive = std::uint64_t{1} << 26,     // suit ranks 3 to 7
  kMixedSuits = std::uint64_t{1} << 27,  // tiles of two suits or all three
  kThreeSuits = std::uint64_t{1} << 28,  // tiles of all three suits
  kDiscard = std::uint64_t{1} << 29,     // won on a discard or a robbed kong
  kSelfDrawn = std::uint64_t{1} << 30,   // won on a draw
  kClosed = std::uint64_t{1} << 31,      // no chow, pung or melded kong declared
  kOpen = std::uint64_t{1} << 32,        // one declared
  // More that follow from the blocks scored:
  kTwinChows = std::uint64_t{1} << 33,      // a tile that starts two chow blocks or more
  kTerminalChows = std::uint64_t{1} << 34,  // chow blocks of ranks 1 and 7 of one suit
  kOutsideBlocks = std::uint64_t{1} << 35,  // every block a kOutsideBlock
  kFourChows = std::uint64_t{1} << 36,      // four chow blocks
  kNoChows = std::uint64_t{1} << 37,        // no chow block, as in a reading without blocks
  // Two chow blocks at one tile, or a reading without blocks: what a hand of
  // seven pairs of one suit reads as (11 22 33 .. as 123 123 and 55 ..).
  kTwinChowsOrNoBlocks = std::uint64_t{1} << 38,
  kOnlyChows = std::uint64_t{1} << 39,  // a chow block and no set block
};
constexpr int kNeedKinds = std::bit_width(static_cast<std::uint64_t>(kOnlyChows));

// What the pattern checks read of one evaluated hand: the facts of its
// tiles, the same for every extraction order of a reading, and the facts of
// the blocks of the one being scored. The gather functions below write every
// field: a reset of the whole would cost more than a scoring's checks.
struct TileFacts {
  const WinContext* ctx;   // the table beside the hand
  const RuleSwitches* rules;
  int form;                // HandForm
  int seat;
  int win_tile;
  int by_discard;          // 1 on a discard or a robbed kong
  int open;                // 1 with a chow, pung or melded kong declared
  int seat_wind;           // the seat's wind tile 31..34
  int round_wind;          // the round's wind tile 31..34
  int wait_count;          // waits before the win
  int values[kHandSlots];  // WinReading::hand: slot values, sorted
  // Bit t: tile t is among the 14 hand tiles; among them at least twice;
  // exactly four times.
  std::uint64_t tiles_held;
  std::uint64_t tiles_twice;
  std::uint64_t tiles_fourfold;
  int suit_mask;           // bit s set when suit s (0..2) is among the hand tiles
  std::uint64_t reading_needs;  // the CheckNeeds that the reading, the table and the switches hold
};

// The tiles of the ranks in `ranks` (bit r for rank r) in all three suits.
constexpr std::uint64_t in_every_suit(int ranks) {
  const auto r = static_cast<std::uint64_t>(ranks);
  return r | r << 10 | r << 20;
}
constexpr std::uint64_t kRankOneTiles = in_every_suit(1 << 1);

// What a block is, as bits: a scoring ANDs them over its five blocks and
// ORs them, so that a check asks every block or some block in one test.
// An empty block (0) is none of them.
enum BlockTraits : std::uint8_t {
  kOutsideBlock = 1 << 0,       // a chow of rank 1 or 7, or a set or pair of a terminal or honour
  kFiveBlock = 1 << 1,          // holds a five: a chow of rank 3 to 5, a set or pair of rank 5
  kTerminalTileBlock = 1 << 2,  // its (lowest) tile is a terminal
  kTerminalOrHonourTileBlock = 1 << 3,
  kHonourBlock = 1 << 4,
  kCharactersBlock = 1 << 5,    // of suit kCharacters; the next two bits the other suits in order
  kDotsBlock = 1 << 6,
  kBambooBlock = 1 << 7,
};
constexpr int kSuitBlock = kCharactersBlock | kDotsBlock | kBambooBlock;

// The block counts and masks, small enough to be cleared as one value.
// Masks put tile t at bit t, as the tile facts do.
struct BlockCounts {
  // Bit t of word k: at least k + 1 chow blocks start at tile t (four
  // copies of a tile allow four at most).
  std::uint64_t chow_tiles[4];
  std::uint64_t set_tiles;  // bit t: a pung or kong block of tile t (one at most: four copies)
  std::uint64_t concealed_chow_tiles;  // bit t: a block 100 + t
  std::uint64_t concealed_set_tiles;   // bit t: a block 300 + t or 500 + t
  int chow_blocks;
  int set_blocks;
  int concealed_sets;   // blocks 300-399 and 500-599
  int concealed_kongs;  // blocks 500-599
  int melded_kongs;     // blocks 600-699
  int dragon_sets;
  int wind_sets;
  int pair_tile;        // tile of the pair block, 0 without one
  int every_block;      // BlockTraits of all five blocks
  int some_block;       // BlockTraits of at least one block
};

struct BlockFacts : BlockCounts {
  std::uint64_t needs;              // CheckNeeds held: the reading's and the blocks'
  YakuTable* table;                 // the pattern table the checks write
  // Bit id % 64 of word id / 64: row id of *table found. The table helpers
  // below keep it, so that the scorer totals and tests the found rows alone.
  mutable std::uint64_t found_rows[2];
};

struct HandFacts : TileFacts, BlockFacts {};

// Fills the tile facts of f from the reading, the table and the switches.
void gather_tile_facts(HandFacts& f, const WinReading& r, const WinContext& ctx, const RuleSwitches& rules);
// Replaces the block facts of f by those of `blocks` and makes `table`
// fresh for the checks to write.
void gather_block_facts(HandFacts& f, const int (&blocks)[kWinBlocks], YakuTable& table);

// ------------------------------------------------------- table helpers
// Every write to the table goes through these, which keep found_rows.
constexpr std::uint64_t yaku_bit(int id) { return std::uint64_t{1} << id % 64; }
inline bool yaku_found(const HandFacts& f, int id) { return (f.found_rows[id / 64] & yaku_bit(id)) != 0; }
inline int yaku_points(const HandFacts& f, int id) { return (*f.table)[id].points; }
inline void set_yaku_points(const HandFacts& f, int id, int points) {
  (*f.table)[id] = {1, points};
  f.found_rows[id / 64] |= yaku_bit(id);
}
inline void set_yaku(const HandFacts& f, int id) {
  (*f.table)[id].found = 1;
  f.found_rows[id / 64] |= yaku_bit(id);
}
// Not found, and no points.
inline void clear_yaku_row(const HandFacts& f, int id) {
  (*f.table)[id] = {0, 0};
  f.found_rows[id / 64] &= ~yaku_bit(id);
}
template <typename... Ids>
void clear_yaku(const HandFacts& f, Ids... ids) {
  ((((*f.table)[ids].found = 0), f.found_rows[ids / 64] &= ~yaku_bit(ids)), ...);
}
// No pattern found but `id`.
inline bool nothing_found_but(const HandFacts& f, int id) {
  std::uint64_t others[2] = {f.found_rows[0], f.found_rows[1]};
  others[id / 64] &= ~yaku_bit(id);
  return (others[0] | others[1]) == 0;
}
inline bool rule_on(const HandFacts& f, int word) { return f.rules->rule_on(word); }
// "A found 不求人 becomes 自摸": the switches that keep 不求人 off a pattern.
void fully_concealed_becomes_self_drawn(const HandFacts& f);

// --------------------------------------------------------- block helpers
constexpr bool is_pair_block(int b) { return b > 0 && b < 100; }
constexpr bool is_concealed_chow_block(int b) { return b >= 100 && b < 200; }
constexpr bool is_concealed_set_block(int b) { return (b >= 300 && b < 400) || (b >= 500 && b < 600); }
// Suit set blocks of rank 1 or 9, plus, when asked, the sets of the guest
// winds: those neither of the seat nor of the round.
inline int terminal_pung_count(const HandFacts& f, bool guest_winds) {
  std::uint64_t counted = tile_classes::kTerminal;
  if (guest_winds) counted |= tile_classes::kWind & ~(std::uint64_t{1} << f.seat_wind | std::uint64_t{1} << f.round_wind);
  int n = 0;
  for (std::uint64_t sets = f.set_tiles & counted; sets != 0; sets &= sets - 1) ++n;  // four at most, one by one
  return n;
}
// 幺九刻 again beside three or four wind sets: the suit terminal sets, and the
// guest wind sets only when compound switch 11 is on.
void recount_terminal_pungs_beside_winds(const HandFacts& f);
// A concealed chow holds the winning tile.
bool win_tile_in_concealed_chow(const HandFacts& f);
// n concealed sets once the win is made: on a discard, a concealed set that
// holds the winning tile was completed by the discard and counts as open,
// unless the tile can be read inside a concealed chow instead.
bool has_concealed_sets(const HandFacts& f, int n);
// Chows of one suit at tiles t, t + step, ... (count of them) for some t.
// Chows start at ranks 1 to 7, never at ranks 8, 9 or the next suit's code
// 0, so a step of 1 to 3 never joins two suits. Inline: the checks pass
// constants, which unroll the shifts.
inline bool chows_in_one_suit(const HandFacts& f, int step, int count) {
  std::uint64_t starts = f.chow_tiles[0];
  for (int k = 1; k < count; ++k) starts &= f.chow_tiles[0] >> (k * step);
  return starts != 0;
}
// The chow blocks that start at one of `tiles`. Chows start below code 32,
// so two levels of chow_tiles share one count.
inline int chows_at(const HandFacts& f, std::uint64_t tiles) {
  static_assert(make_tile(kBamboo, 7) < 32);
  return bit_count((f.chow_tiles[0] & tiles) | (f.chow_tiles[1] & tiles) << 32) +
         bit_count((f.chow_tiles[2] & tiles) | (f.chow_tiles[3] & tiles) << 32);
}
// The ranks of suit s among `tiles`: bit r for rank r.
constexpr int suit_ranks(std::uint64_t tiles, int s) { return static_cast<int>(tiles >> make_tile(s, 0) & 0x3FF); }
// The ranks of `tiles` held in exactly two of the three suits.
constexpr int ranks_in_two_suits(std::uint64_t tiles) {
  const int a = suit_ranks(tiles, kCharacters), b = suit_ranks(tiles, kDots), c = suit_ranks(tiles, kBamboo);
  return (a & b & ~c) | (a & c & ~b) | (b & c & ~a);
}
using tile_classes::tiles_where;
// Every hand tile is one of `tiles` (a mask from tiles_where).
inline bool every_tile(const HandFacts& f, std::uint64_t tiles) { return (f.tiles_held & ~tiles) == 0; }
// Some hand tile is one of `tiles`.
inline bool some_tile(const HandFacts& f, std::uint64_t tiles) { return (f.tiles_held & tiles) != 0; }

// The tiles that patterns over the whole hand allow, as masks.
namespace pattern_tiles {
constexpr bool suited_in(int tile, int low, int high) {
  return is_suited(tile) && rank_of(tile) >= low && rank_of(tile) <= high;
}
constexpr bool is_reversible(int tile) {
  switch (tile) {
    case 11: case 12: case 13: case 14: case 15: case 18: case 19:
    case 22: case 24: case 25: case 26: case 28: case 29: case kWhite:
      return true;
    default:
      return false;
  }
}
constexpr bool is_green(int tile) {
  return tile == 22 || tile == 23 || tile == 24 || tile == 26 || tile == 28 || tile == kGreen;
}
constexpr auto kReversible = tiles_where(is_reversible);
constexpr auto kGreenTiles = tiles_where(is_green);
constexpr auto kUpperFour = tiles_where([](int t) { return suited_in(t, 6, 9); });
constexpr auto kLowerFour = tiles_where([](int t) { return suited_in(t, 1, 4); });
constexpr auto kUpper = tiles_where([](int t) { return suited_in(t, 7, 9); });
constexpr auto kMiddle = tiles_where([](int t) { return suited_in(t, 4, 6); });
constexpr auto kLower = tiles_where([](int t) { return suited_in(t, 1, 3); });
constexpr auto kEven = tiles_where([](int t) { return is_suited(t) && rank_of(t) % 2 == 0; });
constexpr auto kSimple = tiles_where([](int t) { return suited_in(t, 2, 8); });
// The tiles of blocks that each hold a five: chows of rank 3 to 5, sets and pairs of 5.
constexpr auto kNearFive = tiles_where([](int t) { return suited_in(t, 3, 7); });
}  // namespace pattern_tiles
// Blocks in all three suits at ranks r, r + shift and r + 2 x shift, the
// suits in any order, for some r from 1 to last_start.
bool chows_across_suits(const HandFacts& f, int shift, int last_start);
bool sets_across_suits(const HandFacts& f, int shift, int last_start);

// ----------------------------------------------------------- the checks
// Chow families and small patterns.
void check_yaku_0_pure_double_chow(const HandFacts& f);
void check_yaku_1_mixed_double_chow(const HandFacts& f);
void check_yaku_2_two_terminal_chows(const HandFacts& f);
void check_yaku_3_terminal_honour_pung(const HandFacts& f);
void check_yaku_4_short_straight(const HandFacts& f);
void check_yaku_5_melded_kong(const HandFacts& f);
void check_yaku_6_one_voided_suit(const HandFacts& f);
void check_yaku_7_no_honours(const HandFacts& f);
void check_yaku_8_edge_wait(const HandFacts& f);
void check_yaku_9_closed_wait(const HandFacts& f);
void check_yaku_10_single_wait(const HandFacts& f);
void check_yaku_11_self_drawn(const HandFacts& f);
// Sets, honours and simple hands.
void check_yaku_12_dragon_pung(const HandFacts& f);
void check_yaku_13_prevalent_wind(const HandFacts& f);
void check_yaku_14_seat_wind(const HandFacts& f);
void check_yaku_15_double_pung(const HandFacts& f);
void check_yaku_16_two_concealed_pungs(const HandFacts& f);
void check_yaku_17_concealed_kong(const HandFacts& f);
void check_yaku_18_all_simples(const HandFacts& f);
void check_yaku_19_tile_hog(const HandFacts& f);
void check_yaku_20_all_chows(const HandFacts& f);
void check_yaku_21_concealed_hand(const HandFacts& f);
void check_yaku_22_two_melded_kongs(const HandFacts& f);
void check_yaku_23_outside_hand(const HandFacts& f);
void check_yaku_24_last_tile(const HandFacts& f);
void check_yaku_25_fully_concealed(const HandFacts& f);
void check_yaku_26_two_dragon_pungs(const HandFacts& f);
void check_yaku_27_mixed_shifted_chows(const HandFacts& f);
void check_yaku_28_all_pungs(const HandFacts& f);
void check_yaku_29_two_concealed_kongs(const HandFacts& f);
void check_yaku_30_all_types(const HandFacts& f);
void check_yaku_31_half_flush(const HandFacts& f);
void check_yaku_32_melded_hand(const HandFacts& f);
void check_yaku_33_mixed_triple_chow(const HandFacts& f);
void check_yaku_34_mixed_shifted_pungs(const HandFacts& f);
void check_yaku_35_mixed_straight(const HandFacts& f);
// Special wins, knitted hands, tile ranges, the chicken hand, flowers and local patterns.
void check_yaku_36_replacement_win(const HandFacts& f);
void check_yaku_37_robbing_kong(const HandFacts& f);
void check_yaku_38_last_draw(const HandFacts& f);
void check_yaku_39_last_claim(const HandFacts& f);
void check_yaku_40_chicken_hand(const HandFacts& f);
void check_yaku_41_reversible_tiles(const HandFacts& f);
void check_yaku_42_big_three_winds(const HandFacts& f);
void check_yaku_43_knitted_straight(const HandFacts& f);
void check_yaku_44_lesser_honours_knitted(const HandFacts& f);
void check_yaku_45_upper_four(const HandFacts& f);
void check_yaku_46_lower_four(const HandFacts& f);
void check_yaku_80_flowers(const HandFacts& f);
void check_yaku_81_heavenly_hand(const HandFacts& f);
void check_yaku_82_earthly_hand(const HandFacts& f);
void check_yaku_83_human_hand(const HandFacts& f);
// Larger patterns.
void check_yaku_47_pure_shifted_chows(const HandFacts& f);
void check_yaku_48_three_suited_terminal_chows(const HandFacts& f);
void check_yaku_49_pure_straight(const HandFacts& f);
void check_yaku_50_triple_pung(const HandFacts& f);
void check_yaku_51_three_concealed_pungs(const HandFacts& f);
void check_yaku_52_all_fives(const HandFacts& f);
void check_yaku_53_pure_triple_chow(const HandFacts& f);
void check_yaku_54_pure_shifted_pungs(const HandFacts& f);
void check_yaku_55_full_flush(const HandFacts& f);
void check_yaku_56_seven_pairs(const HandFacts& f);
void check_yaku_57_greater_honours_knitted(const HandFacts& f);
void check_yaku_58_all_even_pungs(const HandFacts& f);
void check_yaku_59_upper_tiles(const HandFacts& f);
void check_yaku_60_middle_tiles(const HandFacts& f);
void check_yaku_61_lower_tiles(const HandFacts& f);
// Highest patterns.
void check_yaku_62_four_shifted_chows(const HandFacts& f);
void check_yaku_63_terminals_honours(const HandFacts& f);
void check_yaku_64_three_kongs(const HandFacts& f);
void check_yaku_65_quadruple_chow(const HandFacts& f);
void check_yaku_66_four_shifted_pungs(const HandFacts& f);
void check_yaku_67_little_three_dragons(const HandFacts& f);
void check_yaku_68_pure_terminal_chows(const HandFacts& f);
void check_yaku_69_little_four_winds(const HandFacts& f);
void check_yaku_70_all_honours(const HandFacts& f);
void check_yaku_71_four_concealed_pungs(const HandFacts& f);
void check_yaku_72_all_terminals(const HandFacts& f);
void check_yaku_73_big_four_winds(const HandFacts& f);
void check_yaku_74_big_three_dragons(const HandFacts& f);
void check_yaku_75_seven_shifted_pairs(const HandFacts& f);
void check_yaku_76_four_kongs(const HandFacts& f);
void check_yaku_77_thirteen_orphans(const HandFacts& f);
void check_yaku_78_all_green(const HandFacts& f);
void check_yaku_79_nine_gates(const HandFacts& f);
