// Keepers of the patterns whose tiles the variant alone fixes: sets of
// pungs, sets of chows, the knitted straight, the terminal chows with their
// pair of fives, the winds and the dragons. Each works out what the pattern
// still needs (declared melds lowered), takes that out of the pool, and
// puts the pool back when nothing discardable would be left.
#include <algorithm>
#include <array>
#include <iterator>
#include <numeric>
#include <optional>

#include "base/ai_record.h"
#include "com/aimed/aimed_protocol.h"
#include "com/aimed/aimed_rules.h"
#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "base/yaku_table.h"

namespace {

constexpr int kPungCopies = 3;
constexpr int kEveryCopy = kHandSlots;  // keep_copies stops at the pool's end

// The mixed shifted pungs, the mixed shifted and mixed straight chows all
// walk the three suits in one of these six orders (row 0 to 5).
constexpr const auto& kSuitOrders = kKnittedSuits;

// Mixed shifted pungs: row p's three pung tiles before the offset is added,
// rank 1, 2, 3 in the row's suit order.
constexpr std::array<std::array<int, 3>, kKnittedArrangements> kShiftedPungRows = [] {
  std::array<std::array<int, 3>, kKnittedArrangements> rows{};
  for (int p = 0; p < kKnittedArrangements; ++p)
    for (int k = 0; k < 3; ++k) rows[p][k] = make_tile(kSuitOrders[p][k], k + 1);
  return rows;
}();
static_assert(kShiftedPungRows[1] == std::array<int, 3>{1, 22, 13} && kShiftedPungRows[5] == std::array<int, 3>{21, 12, 3});
constexpr int kMaxPungOffset = 6;

// Three-suited terminal chows: row r pairs the fives of suit 2 - r; the
// other two suits hold the 1-2-3 and 7-8-9 chows.
constexpr int kTerminalChowRows = 3;
struct TerminalChowRow {
  std::array<int, 4> chows;  // lowest tiles
  int five;
};
constexpr TerminalChowRow terminal_chow_row(int row) {
  TerminalChowRow r{};
  const int pair_suit = kBamboo - row;
  int n = 0;
  for (int suit = kCharacters; suit <= kBamboo; ++suit) {
    if (suit == pair_suit) continue;
    r.chows[n++] = make_tile(suit, 1);
    r.chows[n++] = make_tile(suit, 7);
  }
  r.five = make_tile(pair_suit, 5);
  return r;
}
static_assert(terminal_chow_row(1).chows == std::array<int, 4>{1, 7, 21, 27} && terminal_chow_row(1).five == 15);

// Four pure shifted chows: layouts 0 to 3 start one rank apart from rank
// layout + 1, layout 4 two ranks apart from rank 1.
constexpr int kShiftedChowLayouts = 5;
constexpr int kWideLayout = 4;
constexpr int shifted_chow_start(int layout, int chow) {
  return layout == kWideLayout ? 1 + 2 * chow : layout + 1 + chow;
}
static_assert(shifted_chow_start(3, 3) == 7 && shifted_chow_start(kWideLayout, 3) == 7);

using Need = std::optional<TileNeed>;

bool is_chow_start(int tile) { return is_suited(tile) && rank_of(tile) <= 7; }

// Adds one copy of each tile of the chow starting at `lowest` unless the
// seat declared that chow.
void need_open_chow(int seat, int lowest, TileNeed& need) {
  if (declared_chows_at(seat, lowest) > 0) return;
  for (int k = 0; k < 3; ++k) ++need[lowest + k];
}

// Three copies of each tile whose pung the seat has not declared.
template <std::size_t N>
TileNeed pungs_need(int seat, const std::array<int, N>& tiles) {
  TileNeed need{};
  for (int tile : tiles) need[tile] = declared_pungs_of(seat, tile) > 0 ? 0 : kPungCopies;
  return need;
}

// `copies` - m of each tile of the chow at v, m its declared chows; none
// once m reaches `copies` (the pattern stands declared).
Need repeated_chow_need(int seat, int v, int copies) {
  if (!is_chow_start(v)) return std::nullopt;
  const int left = copies - declared_chows_at(seat, v);
  if (left <= 0) return std::nullopt;
  TileNeed need{};
  for (int k = 0; k < 3; ++k) need[v + k] = left;
  return need;
}

// The common procedure: keep the need, put the pool back when it would hold
// no tile 1..37, else record the pattern when the member records.
void keep_fixed(int seat, int yaku, const Need& need, bool records) {
  if (!need) return;
  const PoolCopy entry;
  keep_need(*need);
  if (entry.give_back_if_emptied() || !records) return;
  AI[seat].discard_yaku = yaku;
  AI[seat].discard_subcode = 0;
}

// The honour keepers act only while the pool holds a tile outside their
// honours, so that tile always stays and no entry copy is needed. A kind
// held four times stays discardable, a declared pung needs nothing.
void keep_honours(int seat, int yaku, int first, int last) {
  const bool other = std::any_of(std::begin(g_ai_work_hand), std::end(g_ai_work_hand),
                                 [&](int tile) { return is_playing_tile(tile) && (tile < first || tile > last); });
  if (!other) return;
  TileNeed need{};
  for (int tile = first; tile <= last; ++tile)
    if (declared_pungs_of(seat, tile) == 0 && held(tile) != 4) need[tile] = kEveryCopy;
  keep_fixed(seat, yaku, need, true);
}

int variant_of(int seat) { return g_ai_target_variant[seat]; }

Need mixed_shifted_pungs_need(int seat) {
  const int v = variant_of(seat), row = v / 10, offset = v % 10;
  if (v < 0 || row >= kKnittedArrangements || offset > kMaxPungOffset) return std::nullopt;
  std::array<int, 3> tiles = kShiftedPungRows[row];
  for (int& tile : tiles) tile += offset;
  return pungs_need(seat, tiles);
}

Need knitted_straight_need(int seat) {
  const int row = variant_of(seat);
  if (row < 0 || row >= kKnittedArrangements) return std::nullopt;
  TileNeed need{};
  for (int tile : g_knitted_tiles[row]) need[tile] = 1;
  return need;
}

Need triple_pung_need(int seat) {
  const int rank = variant_of(seat);
  // Ranks 1..9 are exactly the codes of the characters.
  if (!is_suited(rank) || suit_of(rank) != kCharacters) return std::nullopt;
  return pungs_need(seat, std::array{rank, make_tile(kDots, rank), make_tile(kBamboo, rank)});
}

Need concealed_pungs_need() {
  TileNeed need{};
  for (int tile : kPlayingTiles)
    if (held(tile) == 3) need[tile] = kEveryCopy;
  return need;
}

// Shifted pungs of `count` tiles from v upward in one suit.
template <int Count>
Need shifted_pungs_need(int seat) {
  const int v = variant_of(seat);
  if (!is_suited(v) || rank_of(v) + Count - 1 > 9) return std::nullopt;
  std::array<int, Count> tiles{};
  std::iota(tiles.begin(), tiles.end(), v);
  return pungs_need(seat, tiles);
}

Need terminal_chows_need(int seat) {
  const int row = variant_of(seat);
  if (row < 0 || row >= kTerminalChowRows) return std::nullopt;
  const TerminalChowRow chows = terminal_chow_row(row);
  TileNeed need{};
  for (int lowest : chows.chows) need_open_chow(seat, lowest, need);
  need[chows.five] = 2;
  return need;
}

Need four_shifted_chows_need(int seat) {
  const int v = variant_of(seat), suit = v / 10, layout = v % 10;
  if (v < 0 || suit > kBamboo || layout >= kShiftedChowLayouts) return std::nullopt;
  TileNeed need{};
  for (int chow = 0; chow < 4; ++chow) need_open_chow(seat, make_tile(suit, shifted_chow_start(layout, chow)), need);
  return need;
}

}  // namespace

void keep_mixed_shifted_pungs_tiles(int seat) {
  if (!aims_at_any(seat, {kYaku34MixedShiftedPungs})) return;
  keep_fixed(seat, kYaku34MixedShiftedPungs, mixed_shifted_pungs_need(seat), true);
}

void keep_knitted_straight_tiles(int seat) {
  if (!aims_at_any(seat, {kYaku43KnittedStraight})) return;
  keep_fixed(seat, kYaku43KnittedStraight, knitted_straight_need(seat), false);
}

void keep_triple_pung_tiles(int seat) {
  if (!aims_at_any(seat, {kYaku50TriplePung})) return;
  keep_fixed(seat, kYaku50TriplePung, triple_pung_need(seat), false);
}

void keep_concealed_pung_tiles(int seat) {
  if (!aims_at_any(seat, {kYaku51ThreeConcealedPungs})) return;
  keep_fixed(seat, kYaku51ThreeConcealedPungs, concealed_pungs_need(), false);
}

void keep_pure_triple_chow_tiles(int seat) {
  if (!aims_at_any(seat, {kYaku53PureTripleChow})) return;
  keep_fixed(seat, kYaku53PureTripleChow, repeated_chow_need(seat, variant_of(seat), 3), true);
}

void keep_pure_shifted_pungs_tiles(int seat) {
  if (!aims_at_any(seat, {kYaku54PureShiftedPungs})) return;
  keep_fixed(seat, kYaku54PureShiftedPungs, shifted_pungs_need<3>(seat), true);
}

void keep_three_suited_terminal_chows_tiles(int seat) {
  if (!aims_at_any(seat, {kYaku48ThreeSuitedTerminalChows})) return;
  keep_fixed(seat, kYaku48ThreeSuitedTerminalChows, terminal_chows_need(seat), false);
}

void keep_four_pure_shifted_chows_tiles(int seat) {
  if (!aims_at_any(seat, {kYaku62FourShiftedChows})) return;
  keep_fixed(seat, kYaku62FourShiftedChows, four_shifted_chows_need(seat), true);
}

void keep_quadruple_chow_tiles(int seat) {
  if (!aims_at_any(seat, {kYaku65QuadrupleChow})) return;
  keep_fixed(seat, kYaku65QuadrupleChow, repeated_chow_need(seat, variant_of(seat), 4), false);
}

void keep_four_pure_shifted_pungs_tiles(int seat) {
  if (!aims_at_any(seat, {kYaku66FourShiftedPungs})) return;
  keep_fixed(seat, kYaku66FourShiftedPungs, shifted_pungs_need<4>(seat), false);
}

void keep_big_four_winds_tiles(int seat) {
  if (!aims_at_any(seat, {kYaku73BigFourWinds})) return;
  keep_honours(seat, kYaku73BigFourWinds, kEast, kNorth);
}

void keep_big_three_dragons_tiles(int seat) {
  if (!aims_at_any(seat, {kYaku74BigThreeDragons})) return;
  keep_honours(seat, kYaku74BigThreeDragons, kWhite, kRed);
}
