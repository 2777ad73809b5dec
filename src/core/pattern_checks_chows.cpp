// Chow families and small patterns: ids 0 to 11.
#include "core/pattern_checks.h"

#include <bit>
#include <cassert>

#include "core/bits.h"

namespace {

// Ids 0, 1, 2 and 4 score a count of points, but once one of them has
// scored 2, every later one found scores 1.
constexpr int kChowFamily[] = {kYaku0PureDoubleChow, kYaku1MixedDoubleChow, kYaku2TwoTerminalChows,
                               kYaku4ShortStraight};

constexpr std::uint64_t kChowFamilyRows = [] {
  std::uint64_t rows = 0;
  for (int id : kChowFamily) rows |= yaku_bit(id);
  return rows;
}();

void score_chow_family(const HandFacts& f, int id, int points) {
  if (points <= 0) return;
  bool limited = false;
  for (std::uint64_t earlier = f.found_rows[0] & kChowFamilyRows & (yaku_bit(id) - 1); earlier != 0;
       earlier &= earlier - 1)
    limited = limited || yaku_points(f, std::countr_zero(earlier)) >= 2;
  set_yaku_points(f, id, limited ? 1 : points);
}

}  // namespace

void check_yaku_0_pure_double_chow(const HandFacts& f) {
  // Each tile that starts exactly two chows is one.
  score_chow_family(f, kYaku0PureDoubleChow, bit_count(f.chow_tiles[1] & ~f.chow_tiles[2]));
}

void check_yaku_1_mixed_double_chow(const HandFacts& f) {
  const int two_suits = ranks_in_two_suits(f.chow_tiles[0]);
  if (two_suits == 0) return;
  // Chows whose rank is held as a chow in exactly two suits.
  score_chow_family(f, kYaku1MixedDoubleChow, chows_at(f, in_every_suit(two_suits)) / 2);
}

void check_yaku_2_two_terminal_chows(const HandFacts& f) {
  // At rank 1 of each suit: chows of ranks 1 and 7 of it, one of each or more, two of each or more.
  const std::uint64_t once = f.chow_tiles[0] & f.chow_tiles[0] >> 6 & kRankOneTiles;
  const std::uint64_t twice = f.chow_tiles[1] & f.chow_tiles[1] >> 6 & kRankOneTiles;
  score_chow_family(f, kYaku2TwoTerminalChows, twice != 0 ? 2 : bit_count(once));
}

void check_yaku_3_terminal_honour_pung(const HandFacts& f) {
  const int n = terminal_pung_count(f, true);
  if (n > 0) set_yaku_points(f, kYaku3TerminalHonourPung, n);
}

// Chows three ranks apart in one suit pair off, each chow in one pair at
// most: rank 2 with rank 5, 3 with 6, and 4 with 1 or 7. Taking the blocks
// in order makes as many pairs as can be made, as every chow on one side of
// a kind pairs with every chow on the other; and four chows make no kind
// pair more than twice.
void check_yaku_4_short_straight(const HandFacts& f) {
  assert(f.chow_blocks <= 4);
  constexpr std::uint64_t kRanksTwoThree = in_every_suit(1 << 2 | 1 << 3);
  constexpr std::uint64_t kRankFour = in_every_suit(1 << 4);
  const std::uint64_t one = f.chow_tiles[0];
  const std::uint64_t two = f.chow_tiles[1];
  // At the lower rank of each kind: a first pair, and a second.
  const std::uint64_t first = (one & one >> 3 & kRanksTwoThree) | (one & (one << 3 | one >> 3) & kRankFour);
  if (first == 0) return;
  const std::uint64_t sides_twice = two << 3 | two >> 3 | (one << 3 & one >> 3);
  const std::uint64_t second = (two & two >> 3 & kRanksTwoThree) | (two & sides_twice & kRankFour);
  // Both kinds of pair lie below bit 32: one count takes them side by side.
  score_chow_family(f, kYaku4ShortStraight, bit_count(first | second << 32));
}

void check_yaku_5_melded_kong(const HandFacts& f) {
  if (f.melded_kongs == 1) set_yaku(f, kYaku5MeldedKong);
}

void check_yaku_6_one_voided_suit(const HandFacts& f) {
  if (bit_count(static_cast<unsigned>(f.suit_mask)) == 2) set_yaku(f, kYaku6OneVoidedSuit);
}

void check_yaku_7_no_honours(const HandFacts& f) {
  if (!some_tile(f, tile_classes::kHonour)) set_yaku(f, kYaku7NoHonours);
}

void check_yaku_8_edge_wait(const HandFacts& f) {
  if (f.wait_count != 1) return;
  // A concealed chow of rank 1 won on its three, or of rank 7 on its seven.
  constexpr std::uint64_t kRankSevenTiles = in_every_suit(1 << 7);
  const std::uint64_t chows = f.concealed_chow_tiles;
  if (!tile_classes::in(chows & kRankOneTiles, f.win_tile - 2) && !tile_classes::in(chows & kRankSevenTiles, f.win_tile))
    return;
  set_yaku(f, kYaku8EdgeWait);
  clear_yaku(f, kYaku9ClosedWait, kYaku10SingleWait);
}

void check_yaku_9_closed_wait(const HandFacts& f) {
  if (f.wait_count != 1 || !tile_classes::in(f.concealed_chow_tiles, f.win_tile - 1)) return;
  set_yaku(f, kYaku9ClosedWait);
  clear_yaku(f, kYaku8EdgeWait, kYaku10SingleWait);
}

void check_yaku_10_single_wait(const HandFacts& f) {
  if (f.wait_count != 1 || f.pair_tile != f.win_tile) return;
  // A winning tile that also starts a concealed run beside the pair, or
  // lies three above one, is no single wait; the edge wait read from that
  // run (7 + 789 waiting on 7) stays.
  const std::uint64_t chows = f.concealed_chow_tiles;
  if (tile_classes::in(chows, f.win_tile) || tile_classes::in(chows, f.win_tile - 3)) return;
  set_yaku(f, kYaku10SingleWait);
  clear_yaku(f, kYaku8EdgeWait, kYaku9ClosedWait);
}

void check_yaku_11_self_drawn(const HandFacts& f) {
  if (f.open && !f.by_discard) set_yaku(f, kYaku11SelfDrawn);
}
