// Special wins, knitted hands, tile ranges, the chicken hand, the flowers
// and the local patterns: ids 36 to 46 and 80 to 83.
#include "core/pattern_checks.h"

#include "core/bits.h"

namespace {

int distinct_honours(const HandFacts& f) { return bit_count(f.tiles_held & tile_classes::kHonour); }

bool no_declared_meld_anywhere(const HandFacts& f) { return f.ctx->melds_anywhere == 0; }

// What the three local patterns share: no meld at the table and, for the
// winner, no discard yet.
bool first_turn_win(const HandFacts& f) { return no_declared_meld_anywhere(f) && f.ctx->own_discards == 0; }

void clear_first_turn_overlaps(const HandFacts& f) {
  clear_yaku(f, kYaku11SelfDrawn, kYaku21ConcealedHand, kYaku25FullyConcealed);
}

}  // namespace

void check_yaku_37_robbing_kong(const HandFacts& f) {
  if (f.ctx->robbing_kong) set_yaku(f, kYaku37RobbingKong);
}

void check_yaku_38_last_draw(const HandFacts& f) {
  if (f.by_discard || f.ctx->wall_count != 0) return;
  set_yaku(f, kYaku38LastDraw);
  clear_yaku(f, kYaku11SelfDrawn);
}

void check_yaku_36_replacement_win(const HandFacts& f) {
  if (!f.ctx->kong_replacement) return;
  set_yaku(f, kYaku36ReplacementWin);
  clear_yaku(f, kYaku11SelfDrawn);
  if (!rule_on(f, kRuleReplacementLastDraw)) clear_yaku(f, kYaku38LastDraw);
}

void check_yaku_39_last_claim(const HandFacts& f) {
  if (f.by_discard && f.ctx->wall_count == 0) set_yaku(f, kYaku39LastClaim);
}

void check_yaku_41_reversible_tiles(const HandFacts& f) {
  if (!every_tile(f, pattern_tiles::kReversible)) return;
  set_yaku(f, kYaku41ReversibleTiles);
  clear_yaku(f, kYaku6OneVoidedSuit);
}

void check_yaku_42_big_three_winds(const HandFacts& f) {
  if (f.wind_sets != 3) return;
  set_yaku(f, kYaku42BigThreeWinds);
  recount_terminal_pungs_beside_winds(f);
}

void check_yaku_43_knitted_straight(const HandFacts& f) {
  set_yaku(f, kYaku43KnittedStraight);
  if (rule_on(f, kRuleKnittedStraightWaits)) return;
  for (std::uint64_t tiles : g_knitted_masks) {
    if ((f.tiles_held & tiles) != tiles) continue;
    if (tile_classes::in(tiles, f.win_tile)) clear_yaku(f, kYaku8EdgeWait, kYaku9ClosedWait, kYaku10SingleWait);
    return;
  }
}

void check_yaku_44_lesser_honours_knitted(const HandFacts& f) {
  const int honours = distinct_honours(f);
  if (honours == 5) set_yaku(f, kYaku43KnittedStraight);
  if (honours < 7) set_yaku(f, kYaku44LesserHonoursKnitted);
  clear_yaku(f, kYaku21ConcealedHand, kYaku30AllTypes);
  if (!rule_on(f, kRuleHonoursKnittedFullyConcealed)) fully_concealed_becomes_self_drawn(f);
}

void check_yaku_45_upper_four(const HandFacts& f) {
  if (!every_tile(f, pattern_tiles::kUpperFour)) return;
  set_yaku(f, kYaku45UpperFour);
  clear_yaku(f, kYaku7NoHonours);
}

void check_yaku_46_lower_four(const HandFacts& f) {
  if (!every_tile(f, pattern_tiles::kLowerFour)) return;
  set_yaku(f, kYaku46LowerFour);
  clear_yaku(f, kYaku7NoHonours);
}

void check_yaku_40_chicken_hand(const HandFacts& f) {
  if (nothing_found_but(f, kYaku80Flowers)) set_yaku(f, kYaku40ChickenHand);
}

void check_yaku_80_flowers(const HandFacts& f) {
  clear_yaku_row(f, kYaku80Flowers);
  const int flowers = f.ctx->flowers;
  if (f.rules->flowers && flowers >= 1) set_yaku_points(f, kYaku80Flowers, flowers);
}

void check_yaku_81_heavenly_hand(const HandFacts& f) {
  if (f.rules->local_yaku[kLocalHeavenlyHand] != 1 || f.by_discard || !no_declared_meld_anywhere(f)) return;
  if (f.ctx->discards_anywhere != 0) return;
  set_yaku(f, kYaku81HeavenlyHand);
  clear_first_turn_overlaps(f);
}

void check_yaku_82_earthly_hand(const HandFacts& f) {
  if (f.rules->local_yaku[kLocalEarthlyHand] != 1 || yaku_found(f, kYaku81HeavenlyHand) || f.by_discard) return;
  if (!first_turn_win(f)) return;
  set_yaku(f, kYaku82EarthlyHand);
  clear_first_turn_overlaps(f);
}

void check_yaku_83_human_hand(const HandFacts& f) {
  if (f.rules->local_yaku[kLocalHumanHand] != 1 || yaku_found(f, kYaku81HeavenlyHand) || yaku_found(f, kYaku82EarthlyHand)) return;
  if (!f.by_discard || !first_turn_win(f)) return;
  set_yaku(f, kYaku83HumanHand);
  clear_first_turn_overlaps(f);
}
