// Larger patterns: ids 47 to 61, seven pairs last among them.
#include "core/pattern_checks.h"

#include <array>
#include <bit>

void check_yaku_47_pure_shifted_chows(const HandFacts& f) {
  if (chows_in_one_suit(f, 1, 3) || chows_in_one_suit(f, 2, 3)) set_yaku(f, kYaku47PureShiftedChows);
}

constexpr int kTerminalChowRanks = 1 << 1 | 1 << 7;

void check_yaku_48_three_suited_terminal_chows(const HandFacts& f) {
  for (int five_suit = kCharacters; five_suit <= kBamboo; ++five_suit) {
    if (f.pair_tile != make_tile(five_suit, 5)) continue;
    for (int s = kCharacters; s <= kBamboo; ++s)
      if (s != five_suit && (suit_ranks(f.chow_tiles[0], s) & kTerminalChowRanks) != kTerminalChowRanks) return;
    set_yaku(f, kYaku48ThreeSuitedTerminalChows);
    clear_yaku(f, kYaku1MixedDoubleChow, kYaku2TwoTerminalChows, kYaku20AllChows);
    return;
  }
}

void check_yaku_49_pure_straight(const HandFacts& f) {
  const std::uint64_t one = f.chow_tiles[0];
  // At rank 1 of a suit: chows of ranks 1, 4 and 7 of it (four chows hold one such suit at most).
  const std::uint64_t straight = one & one >> 3 & one >> 6 & kRankOneTiles;
  if (straight == 0) return;
  set_yaku(f, kYaku49PureStraight);
  clear_yaku(f, kYaku2TwoTerminalChows, kYaku4ShortStraight);
  // One of its three chows doubled.
  constexpr std::uint64_t kStraight = 1 | 1 << 3 | 1 << 6;
  if ((f.chow_tiles[1] & kStraight << std::countr_zero(straight)) != 0) set_yaku(f, kYaku4ShortStraight);
}

void check_yaku_50_triple_pung(const HandFacts& f) {
  if (sets_across_suits(f, 0, 9)) set_yaku(f, kYaku50TriplePung);
}

void check_yaku_51_three_concealed_pungs(const HandFacts& f) {
  if (!has_concealed_sets(f, 3)) return;
  set_yaku(f, kYaku51ThreeConcealedPungs);
  clear_yaku(f, kYaku16TwoConcealedPungs);
}

void check_yaku_52_all_fives(const HandFacts& f) {
  if ((f.every_block & kFiveBlock) == 0) return;
  set_yaku(f, kYaku52AllFives);
  clear_yaku(f, kYaku18AllSimples);
}

void check_yaku_53_pure_triple_chow(const HandFacts& f) {
  if ((f.chow_tiles[2] & ~f.chow_tiles[3]) == 0) return;  // no tile starts exactly three chows
  set_yaku(f, kYaku53PureTripleChow);
  clear_yaku(f, kYaku0PureDoubleChow);
  if (yaku_found(f, kYaku1MixedDoubleChow)) set_yaku_points(f, kYaku1MixedDoubleChow, 1);
}

void check_yaku_54_pure_shifted_pungs(const HandFacts& f) {
  // Suit sets at t, t + 1 and t + 2: no suit's rank 9 is next to the next suit's 1.
  const std::uint64_t sets = f.set_tiles & tile_classes::kSuited;
  if ((sets & sets >> 1 & sets >> 2) != 0) set_yaku(f, kYaku54PureShiftedPungs);
}

void check_yaku_55_full_flush(const HandFacts& f) {
  if (f.suit_mask == 0 || !every_tile(f, tile_classes::kSuit[std::countr_zero(static_cast<unsigned>(f.suit_mask))])) return;
  set_yaku(f, kYaku55FullFlush);
  clear_yaku(f, kYaku7NoHonours);
}

void check_yaku_57_greater_honours_knitted(const HandFacts& f) {
  if ((f.tiles_held & tile_classes::kHonour) != tile_classes::kHonour) return;
  set_yaku(f, kYaku57GreaterHonoursKnitted);
  clear_yaku(f, kYaku21ConcealedHand, kYaku30AllTypes, kYaku44LesserHonoursKnitted);
  if (!rule_on(f, kRuleHonoursKnittedFullyConcealed)) fully_concealed_becomes_self_drawn(f);
}

void check_yaku_58_all_even_pungs(const HandFacts& f) {
  if (!every_tile(f, pattern_tiles::kEven)) return;
  set_yaku(f, kYaku58AllEvenPungs);
  clear_yaku(f, kYaku18AllSimples, kYaku28AllPungs);
}

void check_yaku_59_upper_tiles(const HandFacts& f) {
  if (!every_tile(f, pattern_tiles::kUpper)) return;
  set_yaku(f, kYaku59UpperTiles);
  clear_yaku(f, kYaku7NoHonours, kYaku45UpperFour);
}

void check_yaku_60_middle_tiles(const HandFacts& f) {
  if (!every_tile(f, pattern_tiles::kMiddle)) return;
  set_yaku(f, kYaku60MiddleTiles);
  clear_yaku(f, kYaku7NoHonours, kYaku18AllSimples);
}

void check_yaku_61_lower_tiles(const HandFacts& f) {
  if (!every_tile(f, pattern_tiles::kLower)) return;
  set_yaku(f, kYaku61LowerTiles);
  clear_yaku(f, kYaku7NoHonours, kYaku46LowerFour);
}

void check_yaku_56_seven_pairs(const HandFacts& f) {
  set_yaku(f, kYaku56SevenPairs);
  clear_yaku(f, kYaku10SingleWait, kYaku21ConcealedHand);
  if (!rule_on(f, kRuleSevenPairsAllTypes)) clear_yaku(f, kYaku30AllTypes);
  if (!rule_on(f, kRuleSevenPairsReversible) && yaku_found(f, kYaku41ReversibleTiles)) {
    clear_yaku(f, kYaku41ReversibleTiles);
    // Only the one-voided-suit that reversible tiles replaced comes back:
    // a one-suit hand never had it.
    check_yaku_6_one_voided_suit(f);
  }
  if (!rule_on(f, kRuleSevenPairsTileRange))
    clear_yaku(f, kYaku45UpperFour, kYaku46LowerFour, kYaku59UpperTiles, kYaku60MiddleTiles, kYaku61LowerTiles);
  if (!rule_on(f, kRuleSevenPairsNoHonours)) clear_yaku(f, kYaku7NoHonours);
  if (!rule_on(f, kRuleSevenPairsOneVoidedSuit)) clear_yaku(f, kYaku6OneVoidedSuit);
  if (!rule_on(f, kRuleSevenPairsFullyConcealed)) fully_concealed_becomes_self_drawn(f);
}
