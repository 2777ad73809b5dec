// Sets, honours and simple hands: ids 12 to 35.
#include "core/pattern_checks.h"

#include <algorithm>
#include <cassert>
#include <iterator>

#include "core/bits.h"
#include "core/visible.h"

namespace {

// Honour blocks but not five of them, and the suit blocks of one suit.
bool half_flush_by_blocks(const HandFacts& f) {
  const int suits = f.some_block & kSuitBlock;
  return (f.some_block & kHonourBlock) != 0 && (f.every_block & kHonourBlock) == 0 && (suits & (suits - 1)) == 0;
}

// Honour pairs, and the other pairs of the suit of the first: then not
// seven honour pairs. Each tile of seven pairs fills two sorted slots, so
// the tiles held are the pairs' tiles.
bool half_flush_by_pairs(const HandFacts& f) {
  const int first = tile_of(f.values[0]);
  if (!is_suited(first)) return false;
  return some_tile(f, tile_classes::kHonour) && every_tile(f, tile_classes::kSuit[suit_of(first)] | tile_classes::kHonour);
}

}  // namespace

void check_yaku_12_dragon_pung(const HandFacts& f) {
  if (f.dragon_sets == 1) set_yaku(f, kYaku12DragonPung);
}

void check_yaku_13_prevalent_wind(const HandFacts& f) {
  if (tile_classes::in(f.set_tiles, f.round_wind)) set_yaku(f, kYaku13PrevalentWind);
}

void check_yaku_14_seat_wind(const HandFacts& f) {
  if (tile_classes::in(f.set_tiles, f.seat_wind)) set_yaku(f, kYaku14SeatWind);
}

void check_yaku_15_double_pung(const HandFacts& f) {
  const int two_suits = ranks_in_two_suits(f.set_tiles);
  if (two_suits == 0) return;
  // Suit sets whose rank is held as a set in exactly two suits.
  const int m = bit_count(f.set_tiles & tile_classes::kSuited & in_every_suit(two_suits));
  if (m > 0) set_yaku_points(f, kYaku15DoublePung, m);
}

void check_yaku_16_two_concealed_pungs(const HandFacts& f) {
  if (has_concealed_sets(f, 2)) set_yaku(f, kYaku16TwoConcealedPungs);
}

void check_yaku_17_concealed_kong(const HandFacts& f) {
  if (f.concealed_kongs == 1) set_yaku(f, kYaku17ConcealedKong);
}

void check_yaku_18_all_simples(const HandFacts& f) {
  if (some_tile(f, tile_classes::kTerminalOrHonour)) return;
  set_yaku(f, kYaku18AllSimples);
  clear_yaku(f, kYaku7NoHonours);
}

void check_yaku_19_tile_hog(const HandFacts& f) {
  // Hand tiles outside kongs whose tile is held four times: the four slots
  // of each such tile, less its kong slots, which the sorted slots hold last.
  constexpr int kFirstKongSlot = make_slot(0, kConcealedKongSlot);
  assert(std::is_sorted(std::begin(f.values), std::end(f.values)));
  int m = 4 * bit_count(f.tiles_fourfold);
  for (int i = kHandSlots - 1; i >= 0 && f.values[i] >= kFirstKongSlot; --i)
    if (tile_classes::in(f.tiles_fourfold, tile_of(f.values[i]))) --m;
  if (m > 0) set_yaku_points(f, kYaku19TileHog, m / 2);
}

void check_yaku_20_all_chows(const HandFacts& f) {
  const int chows_needed = f.form == kFormNormal ? 4 : 1;
  if (f.chow_blocks != chows_needed || !is_suited(f.pair_tile)) return;
  set_yaku(f, kYaku20AllChows);
  clear_yaku(f, kYaku7NoHonours);
}

void check_yaku_21_concealed_hand(const HandFacts& f) {
  if (!f.open && f.by_discard) set_yaku(f, kYaku21ConcealedHand);
}

void check_yaku_22_two_melded_kongs(const HandFacts& f) {
  if ((f.concealed_kongs == 1 && f.melded_kongs == 1) || f.melded_kongs == 2) {
    set_yaku(f, kYaku22TwoMeldedKongs);
    clear_yaku(f, kYaku5MeldedKong);
  }
}

void check_yaku_23_outside_hand(const HandFacts& f) {
  if ((f.every_block & kOutsideBlock) != 0 && (f.some_block & kSuitBlock) != 0) set_yaku(f, kYaku23OutsideHand);
}

// The checks' only read of the visible counts: the scoring memo keeps just this one.
void check_yaku_24_last_tile(const HandFacts& f) {
  if (f.ctx->robbing_kong) return;
  if (f.ctx->visible[f.win_tile] == (f.by_discard ? 4 : 3)) set_yaku(f, kYaku24LastTile);
}

void check_yaku_25_fully_concealed(const HandFacts& f) {
  if (!f.open && !f.by_discard) set_yaku(f, kYaku25FullyConcealed);
}

void check_yaku_26_two_dragon_pungs(const HandFacts& f) {
  if (f.dragon_sets == 2) set_yaku(f, kYaku26TwoDragonPungs);
}

void check_yaku_27_mixed_shifted_chows(const HandFacts& f) {
  if (chows_across_suits(f, 1, 5)) set_yaku(f, kYaku27MixedShiftedChows);
}

void check_yaku_28_all_pungs(const HandFacts& f) {
  if (f.set_blocks == 4) set_yaku(f, kYaku28AllPungs);
}

void check_yaku_29_two_concealed_kongs(const HandFacts& f) {
  if (f.concealed_kongs != 2) return;
  set_yaku(f, kYaku29TwoConcealedKongs);
  clear_yaku(f, kYaku16TwoConcealedPungs);
}

void check_yaku_30_all_types(const HandFacts& f) {
  if (f.suit_mask == 0b111 && some_tile(f, tile_classes::kWind) && some_tile(f, tile_classes::kDragon))
    set_yaku(f, kYaku30AllTypes);
}

void check_yaku_31_half_flush(const HandFacts& f) {
  const bool holds = f.form == kFormSevenPairs ? half_flush_by_pairs(f) : half_flush_by_blocks(f);
  if (holds) set_yaku(f, kYaku31HalfFlush);
}

void check_yaku_32_melded_hand(const HandFacts& f) {
  if (!f.by_discard) return;
  for (int code : f.ctx->melds)
    if (code == 0 || meld_kind(code) == kMeldConcealedKong) return;
  set_yaku(f, kYaku32MeldedHand);
  clear_yaku(f, kYaku10SingleWait);
}

void check_yaku_33_mixed_triple_chow(const HandFacts& f) {
  if (!chows_across_suits(f, 0, 7)) return;
  set_yaku(f, kYaku33MixedTripleChow);
  clear_yaku(f, kYaku1MixedDoubleChow);
}

void check_yaku_34_mixed_shifted_pungs(const HandFacts& f) {
  if (sets_across_suits(f, 1, 7)) set_yaku(f, kYaku34MixedShiftedPungs);
}

void check_yaku_35_mixed_straight(const HandFacts& f) {
  if (chows_across_suits(f, 3, 1)) set_yaku(f, kYaku35MixedStraight);
}
