// Special wins, knitted hands, tile ranges, the chicken hand, the flowers
// and the local patterns: ids 36 to 46 and 80 to 83.
#include "base/options.h"
#include "base/table_state.h"
#include "core/yaku_tests.h"

namespace {

constexpr bool is_reversible(int tile) {
  switch (tile) {
    case 11: case 12: case 13: case 14: case 15: case 18: case 19:
    case 22: case 24: case 25: case 26: case 28: case 29: case kWhite:
      return true;
    default:
      return false;
  }
}

int distinct_honours(const HandFacts& f) {
  int n = 0;
  for (int t = kEast; t <= kRed; ++t)
    if (f.tile_count[t] > 0) ++n;
  return n;
}

bool no_declared_meld_anywhere() {
  for (const auto& melds : g_melds)
    for (int code : melds)
      if (code != 0) return false;
  return true;
}

// What the three local patterns share: no meld at the table and, for the
// winner, no discard yet.
bool first_turn_win(const HandFacts& f) { return no_declared_meld_anywhere() && g_river_count[f.seat] == 0; }

void clear_first_turn_overlaps() {
  clear_yaku(kYaku11SelfDrawn, kYaku21ConcealedHand, kYaku25FullyConcealed);
}

}  // namespace

void check_yaku_37_robbing_kong(const HandFacts&) {
  if (g_robbing_kong_flag) set_yaku(kYaku37RobbingKong);
}

void check_yaku_38_last_draw(const HandFacts& f) {
  if (f.by_discard || g_wall_count != 0) return;
  set_yaku(kYaku38LastDraw);
  clear_yaku(kYaku11SelfDrawn);
}

void check_yaku_36_replacement_win(const HandFacts&) {
  if (!g_kong_draw_flag) return;
  set_yaku(kYaku36ReplacementWin);
  clear_yaku(kYaku11SelfDrawn);
  if (!rule_yaku_on(kRuleReplacementLastDraw)) clear_yaku(kYaku38LastDraw);
}

void check_yaku_39_last_claim(const HandFacts& f) {
  if (f.by_discard && g_wall_count == 0) set_yaku(kYaku39LastClaim);
}

void check_yaku_41_reversible_tiles(const HandFacts& f) {
  if (!every_tile(f, is_reversible)) return;
  set_yaku(kYaku41ReversibleTiles);
  clear_yaku(kYaku6OneVoidedSuit);
}

void check_yaku_42_big_three_winds(const HandFacts& f) {
  if (f.wind_sets != 3) return;
  set_yaku(kYaku42BigThreeWinds);
  recount_terminal_pungs_beside_winds(f);
}

void check_yaku_43_knitted_straight(const HandFacts& f) {
  set_yaku(kYaku43KnittedStraight);
  if (rule_yaku_on(kRuleKnittedStraightWaits)) return;
  for (const auto& tiles : g_knitted_tiles) {
    bool all_held = true;
    bool win_is_knitted = false;
    for (int t : tiles) {
      all_held = all_held && f.tile_count[t] > 0;
      win_is_knitted = win_is_knitted || t == f.win_tile;
    }
    if (!all_held) continue;
    if (win_is_knitted) clear_yaku(kYaku8EdgeWait, kYaku9ClosedWait, kYaku10SingleWait);
    return;
  }
}

void check_yaku_44_lesser_honours_knitted(const HandFacts& f) {
  const int honours = distinct_honours(f);
  if (honours == 5) set_yaku(kYaku43KnittedStraight);
  if (honours < 7) set_yaku(kYaku44LesserHonoursKnitted);
  clear_yaku(kYaku21ConcealedHand, kYaku30AllTypes);
  if (!rule_yaku_on(kRuleHonoursKnittedFullyConcealed)) fully_concealed_becomes_self_drawn();
}

void check_yaku_45_upper_four(const HandFacts& f) {
  if (!every_tile(f, [](int t) { return is_suited(t) && rank_of(t) >= 6; })) return;
  set_yaku(kYaku45UpperFour);
  clear_yaku(kYaku7NoHonours);
}

void check_yaku_46_lower_four(const HandFacts& f) {
  if (!every_tile(f, [](int t) { return is_suited(t) && rank_of(t) <= 4; })) return;
  set_yaku(kYaku46LowerFour);
  clear_yaku(kYaku7NoHonours);
}

void check_yaku_40_chicken_hand(const HandFacts&) {
  for (int id = 0; id < kYakuCount; ++id)
    if (id != kYaku80Flowers && yaku_found(id)) return;
  set_yaku(kYaku40ChickenHand);
}

void check_yaku_80_flowers(const HandFacts& f) {
  g_yaku_table[kYaku80Flowers] = {0, 0};
  const int flowers = g_hana[f.seat].count;
  if (option(opt_flowers) > 0 && flowers >= 1) set_yaku_points(kYaku80Flowers, flowers);
}

void check_yaku_81_heavenly_hand(const HandFacts& f) {
  if (g_local_yaku[kLocalHeavenlyHand] != 1 || f.by_discard || !no_declared_meld_anywhere()) return;
  for (int count : g_river_count)
    if (count != 0) return;
  set_yaku(kYaku81HeavenlyHand);
  clear_first_turn_overlaps();
}

void check_yaku_82_earthly_hand(const HandFacts& f) {
  if (g_local_yaku[kLocalEarthlyHand] != 1 || yaku_found(kYaku81HeavenlyHand) || f.by_discard) return;
  if (!first_turn_win(f)) return;
  set_yaku(kYaku82EarthlyHand);
  clear_first_turn_overlaps();
}

void check_yaku_83_human_hand(const HandFacts& f) {
  if (g_local_yaku[kLocalHumanHand] != 1 || yaku_found(kYaku81HeavenlyHand) || yaku_found(kYaku82EarthlyHand)) return;
  if (!f.by_discard || !first_turn_win(f)) return;
  set_yaku(kYaku83HumanHand);
  clear_first_turn_overlaps();
}
