// Highest patterns: ids 62 to 79.
#include "core/pattern_checks.h"

#include <array>
#include <bit>

namespace {

// Exactly 1 1 2 2 3 3 5 5 7 7 8 8 9 9 of one suit, concealed or with chows
// declared: their slots keep their tiles.
constexpr int kTerminalChowRanks = 1 << 1 | 1 << 2 | 1 << 3 | 1 << 5 | 1 << 7 | 1 << 8 | 1 << 9;
constexpr auto kTerminalChowTiles = [] {
  std::array<std::uint64_t, 3> m{};
  for (int s = kCharacters; s <= kBamboo; ++s)
    m[s] = tiles_where([s](int t) { return is_suited(t) && suit_of(t) == s && (kTerminalChowRanks >> rank_of(t) & 1); });
  return m;
}();

// Seven tiles held, each at least twice, fill the 14 slots as seven pairs.
bool seven_pairs_of(const HandFacts& f, std::uint64_t tiles) {
  return f.tiles_held == tiles && f.tiles_twice == tiles;
}

bool terminal_chow_tiles(const HandFacts& f) {
  if (f.tiles_held != f.tiles_twice) return false;
  for (std::uint64_t tiles : kTerminalChowTiles)
    if (seven_pairs_of(f, tiles)) return true;
  return false;
}

bool seven_shifted_pairs(const HandFacts& f) {
  constexpr std::uint64_t kSevenRanks = 0x7F;
  for (int s = kCharacters; s <= kBamboo; ++s)
    for (int start = 1; start <= 3; ++start)
      if (seven_pairs_of(f, kSevenRanks << make_tile(s, start))) return true;
  return false;
}

int kong_blocks(const HandFacts& f) { return f.concealed_kongs + f.melded_kongs; }

}  // namespace

void check_yaku_62_four_shifted_chows(const HandFacts& f) {
  if (chows_in_one_suit(f, 1, 4)) {
    set_yaku(f, kYaku62FourShiftedChows);
    clear_yaku(f, kYaku4ShortStraight, kYaku47PureShiftedChows);
    return;
  }
  if (chows_in_one_suit(f, 2, 4)) {
    set_yaku(f, kYaku62FourShiftedChows);
    clear_yaku(f, kYaku2TwoTerminalChows, kYaku47PureShiftedChows);
  }
}

void check_yaku_63_terminals_honours(const HandFacts& f) {
  if (f.form == kFormSevenPairs) {
    if (!some_tile(f, tile_classes::kTerminal) || !every_tile(f, tile_classes::kTerminalOrHonour)) return;
    set_yaku(f, kYaku63TerminalsHonours);
    clear_yaku(f, kYaku23OutsideHand);
    return;
  }
  if (f.chow_blocks != 0 || (f.every_block & kTerminalOrHonourTileBlock) == 0 ||
      (f.some_block & kTerminalTileBlock) == 0)
    return;
  set_yaku(f, kYaku63TerminalsHonours);
  clear_yaku(f, kYaku3TerminalHonourPung, kYaku23OutsideHand, kYaku28AllPungs);
}

void check_yaku_64_three_kongs(const HandFacts& f) {
  if (kong_blocks(f) != 3) return;
  set_yaku(f, kYaku64ThreeKongs);
  clear_yaku(f, kYaku5MeldedKong, kYaku22TwoMeldedKongs);
}

void check_yaku_65_quadruple_chow(const HandFacts& f) {
  if (f.chow_tiles[3] == 0) return;
  set_yaku(f, kYaku65QuadrupleChow);
  clear_yaku(f, kYaku19TileHog);
}

void check_yaku_66_four_shifted_pungs(const HandFacts& f) {
  // The four lowest suit sets at t to t + 3.
  const std::uint64_t sets = f.set_tiles & tile_classes::kSuited;
  if (sets == 0 || (sets >> std::countr_zero(sets) & 0xF) != 0xF) return;
  set_yaku(f, kYaku66FourShiftedPungs);
  clear_yaku(f, kYaku28AllPungs, kYaku54PureShiftedPungs);
}

void check_yaku_67_little_three_dragons(const HandFacts& f) {
  if (f.dragon_sets != 2 || !is_dragon(f.pair_tile)) return;
  set_yaku(f, kYaku67LittleThreeDragons);
  clear_yaku(f, kYaku12DragonPung, kYaku26TwoDragonPungs);
}

void check_yaku_68_pure_terminal_chows(const HandFacts& f) {
  if (!terminal_chow_tiles(f)) return;
  set_yaku(f, kYaku68PureTerminalChows);
  clear_yaku(f, kYaku0PureDoubleChow, kYaku2TwoTerminalChows, kYaku7NoHonours, kYaku20AllChows, kYaku55FullFlush,
             kYaku56SevenPairs);
  const int r = rank_of(f.win_tile);
  if (r == 3 || r == 7) set_yaku(f, kYaku8EdgeWait);
  if (r == 2 || r == 8) set_yaku(f, kYaku9ClosedWait);
  if (r == 5) set_yaku(f, kYaku10SingleWait);
  if (!f.open && f.by_discard) set_yaku(f, kYaku21ConcealedHand);
  if (!f.open && !f.by_discard) {
    // No longer seven pairs: a self-drawn closed hand is fully concealed
    // whatever the seven-pairs switch turned it into.
    set_yaku(f, kYaku25FullyConcealed);
    clear_yaku(f, kYaku11SelfDrawn);
  }
}

void check_yaku_69_little_four_winds(const HandFacts& f) {
  if (!is_wind(f.pair_tile) || f.wind_sets != 3) return;
  set_yaku(f, kYaku69LittleFourWinds);
  clear_yaku(f, kYaku42BigThreeWinds);
  recount_terminal_pungs_beside_winds(f);
}

void check_yaku_70_all_honours(const HandFacts& f) {
  if (!every_tile(f, tile_classes::kHonour)) return;
  set_yaku(f, kYaku70AllHonours);
  clear_yaku(f, kYaku28AllPungs);
}

void check_yaku_71_four_concealed_pungs(const HandFacts& f) {
  if (f.concealed_sets != 4 || (f.by_discard && f.pair_tile != f.win_tile)) return;
  set_yaku(f, kYaku71FourConcealedPungs);
  clear_yaku(f, kYaku21ConcealedHand, kYaku28AllPungs, kYaku51ThreeConcealedPungs);
  if (!rule_on(f, kRuleFourConcealedFullyConcealed)) fully_concealed_becomes_self_drawn(f);
}

void check_yaku_72_all_terminals(const HandFacts& f) {
  if (!every_tile(f, tile_classes::kTerminal)) return;
  set_yaku(f, kYaku72AllTerminals);
  clear_yaku(f, kYaku3TerminalHonourPung, kYaku7NoHonours, kYaku23OutsideHand, kYaku28AllPungs,
             kYaku63TerminalsHonours);
  if (yaku_found(f, kYaku56SevenPairs)) clear_yaku(f, kYaku19TileHog);
}

void check_yaku_73_big_four_winds(const HandFacts& f) {
  if (f.wind_sets != 4) return;
  set_yaku(f, kYaku73BigFourWinds);
  clear_yaku(f, kYaku3TerminalHonourPung, kYaku13PrevalentWind, kYaku14SeatWind, kYaku28AllPungs,
             kYaku42BigThreeWinds);
}

void check_yaku_74_big_three_dragons(const HandFacts& f) {
  if (f.dragon_sets == 3) set_yaku(f, kYaku74BigThreeDragons);
}

void check_yaku_75_seven_shifted_pairs(const HandFacts& f) {
  if (!seven_shifted_pairs(f)) return;
  set_yaku(f, kYaku75SevenShiftedPairs);
  clear_yaku(f, kYaku10SingleWait, kYaku21ConcealedHand, kYaku55FullFlush, kYaku56SevenPairs);
  if (!rule_on(f, kRuleSevenPairsFullyConcealed)) fully_concealed_becomes_self_drawn(f);
}

void check_yaku_76_four_kongs(const HandFacts& f) {
  if (kong_blocks(f) != 4) return;
  set_yaku(f, kYaku76FourKongs);
  clear_yaku(f, kYaku5MeldedKong, kYaku10SingleWait, kYaku22TwoMeldedKongs, kYaku28AllPungs, kYaku64ThreeKongs);
}

void check_yaku_77_thirteen_orphans(const HandFacts& f) {
  set_yaku(f, kYaku77ThirteenOrphans);
  clear_yaku(f, kYaku10SingleWait, kYaku21ConcealedHand, kYaku30AllTypes);
  if (!rule_on(f, kRuleThirteenOrphansFullyConcealed)) fully_concealed_becomes_self_drawn(f);
}

void check_yaku_78_all_green(const HandFacts& f) {
  if (!every_tile(f, pattern_tiles::kGreenTiles)) return;
  set_yaku(f, kYaku78AllGreen);
  if (yaku_found(f, kYaku56SevenPairs)) clear_yaku(f, kYaku19TileHog);
}

void check_yaku_79_nine_gates(const HandFacts& f) {
  if (!yaku_found(f, kYaku55FullFlush) || f.wait_count != 9 || f.open) return;
  set_yaku(f, kYaku79NineGates);
  clear_yaku(f, kYaku3TerminalHonourPung, kYaku21ConcealedHand, kYaku55FullFlush);
  if (!rule_on(f, kRuleNineGatesFullyConcealed)) fully_concealed_becomes_self_drawn(f);
}
