#include "core/scorer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstdint>

#include "core/bits.h"
#include "core/clear.h"
#include "core/pattern_checks.h"

namespace {

// The hand forms a check runs in, one bit per HandForm.
constexpr int kNormal = 1 << kFormNormal;
constexpr int kPairs = 1 << kFormSevenPairs;
constexpr int kOrphans = 1 << kFormThirteenOrphans;
constexpr int kKnitted = 1 << kFormKnittedStraight;
constexpr int kHonoursKnitted = 1 << kFormHonoursKnitted;
constexpr int kAll = kNormal | kPairs | kOrphans | kKnitted | kHonoursKnitted;

struct PatternCheck {
  int id;
  int forms;
  void (*run)(const HandFacts&);
  std::uint64_t needs;  // CheckNeeds
};

// The pattern checks in the order the rules run them: a later check may clear
// or set what an earlier one decided.
constexpr PatternCheck kPatternChecks[kYakuCount] = {
    {kYaku0PureDoubleChow, kNormal, check_yaku_0_pure_double_chow, kTwinChows},
    {kYaku1MixedDoubleChow, kNormal, check_yaku_1_mixed_double_chow, kTwoChows | kMixedSuits},
    {kYaku2TwoTerminalChows, kNormal, check_yaku_2_two_terminal_chows, kTerminalChows},
    {kYaku3TerminalHonourPung, kNormal | kKnitted, check_yaku_3_terminal_honour_pung, kOneSet},
    {kYaku4ShortStraight, kNormal, check_yaku_4_short_straight, kTwoChows},
    {kYaku5MeldedKong, kAll, check_yaku_5_melded_kong, kKong},
    {kYaku6OneVoidedSuit, kAll, check_yaku_6_one_voided_suit, kTwoSuits},
    {kYaku7NoHonours, kAll, check_yaku_7_no_honours, kNoHonour},
    {kYaku8EdgeWait, kNormal | kKnitted, check_yaku_8_edge_wait, kOneWait},
    {kYaku9ClosedWait, kNormal | kKnitted, check_yaku_9_closed_wait, kOneWait},
    {kYaku10SingleWait, kNormal | kKnitted, check_yaku_10_single_wait, kOneWait},
    {kYaku11SelfDrawn, kAll, check_yaku_11_self_drawn, kOpen | kSelfDrawn},
    {kYaku12DragonPung, kNormal | kKnitted, check_yaku_12_dragon_pung, kHonourSet},
    {kYaku13PrevalentWind, kNormal | kKnitted, check_yaku_13_prevalent_wind, kHonourSet},
    {kYaku14SeatWind, kNormal | kKnitted, check_yaku_14_seat_wind, kHonourSet},
    {kYaku15DoublePung, kNormal, check_yaku_15_double_pung, kTwoSets | kMixedSuits},
    {kYaku16TwoConcealedPungs, kAll, check_yaku_16_two_concealed_pungs, kTwoSets},
    {kYaku17ConcealedKong, kNormal | kKnitted, check_yaku_17_concealed_kong, kKong},
    {kYaku18AllSimples, kAll, check_yaku_18_all_simples, kOnlySimples},
    {kYaku19TileHog, kAll, check_yaku_19_tile_hog, kFourfold},
    {kYaku20AllChows, kNormal | kKnitted, check_yaku_20_all_chows, kNoHonour | kOnlyChows},
    {kYaku21ConcealedHand, kAll, check_yaku_21_concealed_hand, kClosed | kDiscard},
    {kYaku22TwoMeldedKongs, kAll, check_yaku_22_two_melded_kongs, kTwoSets | kKong},
    {kYaku23OutsideHand, kNormal, check_yaku_23_outside_hand, kOutsideBlocks},
    {kYaku24LastTile, kAll, check_yaku_24_last_tile, kAny},
    {kYaku25FullyConcealed, kAll, check_yaku_25_fully_concealed, kClosed | kSelfDrawn},
    {kYaku26TwoDragonPungs, kAll, check_yaku_26_two_dragon_pungs, kTwoSets | kHonourSet},
    {kYaku27MixedShiftedChows, kNormal, check_yaku_27_mixed_shifted_chows, kThreeChows | kThreeSuits},
    {kYaku28AllPungs, kAll, check_yaku_28_all_pungs, kThreeSets},
    {kYaku29TwoConcealedKongs, kAll, check_yaku_29_two_concealed_kongs, kTwoSets | kKong},
    {kYaku30AllTypes, kNormal | kPairs | kKnitted, check_yaku_30_all_types, kHonour},
    {kYaku31HalfFlush, kNormal | kPairs, check_yaku_31_half_flush, kHonour},
    // Four declared melds, none a concealed kong: the hand is open.
    {kYaku32MeldedHand, kAll, check_yaku_32_melded_hand, kDiscard | kOpen},
    {kYaku33MixedTripleChow, kAll, check_yaku_33_mixed_triple_chow, kThreeChows | kThreeSuits},
    {kYaku34MixedShiftedPungs, kNormal, check_yaku_34_mixed_shifted_pungs, kThreeSets | kThreeSuits},
    {kYaku35MixedStraight, kNormal, check_yaku_35_mixed_straight, kThreeChows | kThreeSuits},
    {kYaku37RobbingKong, kAll, check_yaku_37_robbing_kong, kRobbing},
    {kYaku38LastDraw, kAll, check_yaku_38_last_draw, kWallEmpty | kSelfDrawn},
    {kYaku36ReplacementWin, kAll, check_yaku_36_replacement_win, kReplacement},
    {kYaku39LastClaim, kAll, check_yaku_39_last_claim, kWallEmpty | kDiscard},
    {kYaku41ReversibleTiles, kNormal | kPairs, check_yaku_41_reversible_tiles, kOnlyReversible},
    {kYaku42BigThreeWinds, kNormal, check_yaku_42_big_three_winds, kThreeSets | kHonourSet},
    {kYaku43KnittedStraight, kKnitted, check_yaku_43_knitted_straight, kAny},
    {kYaku44LesserHonoursKnitted, kHonoursKnitted, check_yaku_44_lesser_honours_knitted, kAny},
    {kYaku45UpperFour, kNormal | kPairs, check_yaku_45_upper_four, kOnlyUpperFour},
    {kYaku46LowerFour, kNormal | kPairs, check_yaku_46_lower_four, kOnlyLowerFour},
    {kYaku47PureShiftedChows, kNormal, check_yaku_47_pure_shifted_chows, kThreeChows},
    {kYaku48ThreeSuitedTerminalChows, kNormal, check_yaku_48_three_suited_terminal_chows, kThreeChows | kTerminalChows | kThreeSuits},
    {kYaku49PureStraight, kNormal, check_yaku_49_pure_straight, kThreeChows},
    {kYaku50TriplePung, kAll, check_yaku_50_triple_pung, kThreeSets | kThreeSuits},
    {kYaku51ThreeConcealedPungs, kAll, check_yaku_51_three_concealed_pungs, kThreeSets},
    {kYaku52AllFives, kNormal, check_yaku_52_all_fives, kOnlyNearFive},
    {kYaku53PureTripleChow, kAll, check_yaku_53_pure_triple_chow, kTwinChows},
    {kYaku54PureShiftedPungs, kAll, check_yaku_54_pure_shifted_pungs, kThreeSets},
    {kYaku55FullFlush, kAll, check_yaku_55_full_flush, kOneSuit},
    {kYaku57GreaterHonoursKnitted, kHonoursKnitted, check_yaku_57_greater_honours_knitted, kHonour},
    {kYaku58AllEvenPungs, kNormal, check_yaku_58_all_even_pungs, kOnlyEven},
    {kYaku59UpperTiles, kNormal | kPairs, check_yaku_59_upper_tiles, kOnlyUpperFour},
    {kYaku60MiddleTiles, kNormal | kPairs, check_yaku_60_middle_tiles, kOnlyMiddle},
    {kYaku61LowerTiles, kNormal | kPairs, check_yaku_61_lower_tiles, kOnlyLowerFour},
    {kYaku56SevenPairs, kPairs, check_yaku_56_seven_pairs, kAny},
    {kYaku62FourShiftedChows, kNormal, check_yaku_62_four_shifted_chows, kFourChows},
    {kYaku63TerminalsHonours, kNormal | kPairs, check_yaku_63_terminals_honours, kTerminal | kNoChows},
    {kYaku64ThreeKongs, kAll, check_yaku_64_three_kongs, kThreeSets | kKong},
    {kYaku65QuadrupleChow, kAll, check_yaku_65_quadruple_chow, kTwinChows},
    {kYaku66FourShiftedPungs, kAll, check_yaku_66_four_shifted_pungs, kThreeSets},
    {kYaku67LittleThreeDragons, kNormal, check_yaku_67_little_three_dragons, kTwoSets | kHonourSet},
    {kYaku68PureTerminalChows, kAll, check_yaku_68_pure_terminal_chows, kOneSuit | kTerminal | kTwinChowsOrNoBlocks},
    {kYaku69LittleFourWinds, kNormal, check_yaku_69_little_four_winds, kThreeSets | kHonourSet},
    {kYaku70AllHonours, kNormal | kPairs, check_yaku_70_all_honours, kHonour},
    {kYaku71FourConcealedPungs, kAll, check_yaku_71_four_concealed_pungs, kThreeSets},
    {kYaku72AllTerminals, kNormal | kPairs, check_yaku_72_all_terminals, kOnlyTerminals},
    {kYaku73BigFourWinds, kNormal, check_yaku_73_big_four_winds, kThreeSets | kHonourSet},
    {kYaku74BigThreeDragons, kNormal, check_yaku_74_big_three_dragons, kThreeSets | kHonourSet},
    {kYaku75SevenShiftedPairs, kPairs, check_yaku_75_seven_shifted_pairs, kOneSuit},
    {kYaku76FourKongs, kNormal, check_yaku_76_four_kongs, kThreeSets | kKong},
    {kYaku77ThirteenOrphans, kOrphans, check_yaku_77_thirteen_orphans, kAny},
    {kYaku78AllGreen, kNormal | kPairs, check_yaku_78_all_green, kOnlyGreen},
    {kYaku79NineGates, kAll, check_yaku_79_nine_gates, kOneSuit | kClosed},
    // Without honours 無字 is found, and a check that clears a found pattern
    // sets its own: a hand without honours is never a chicken hand.
    {kYaku40ChickenHand, kNormal, check_yaku_40_chicken_hand, kHonour},
    {kYaku80Flowers, kAll, check_yaku_80_flowers, kAny},
    {kYaku81HeavenlyHand, kAll, check_yaku_81_heavenly_hand, kLocal},
    {kYaku82EarthlyHand, kAll, check_yaku_82_earthly_hand, kLocal},
    {kYaku83HumanHand, kAll, check_yaku_83_human_hand, kLocal},
};

// Sets of checks as bits by place in the list above, two words of 64.
struct CheckSet {
  std::uint64_t words[2];
};
static_assert(kYakuCount <= 128);

template <typename Pred>
constexpr CheckSet checks_where(Pred pred) {
  CheckSet set{};
  for (int i = 0; i < kYakuCount; ++i)
    if (pred(kPatternChecks[i])) set.words[i / 64] |= std::uint64_t{1} << i % 64;
  return set;
}

// The checks each hand form runs.
constexpr auto kChecksOfForm = [] {
  std::array<CheckSet, kHandForms> out{};
  for (int form = 0; form < kHandForms; ++form)
    out[form] = checks_where([form](const PatternCheck& c) { return (c.forms & (1 << form)) != 0; });
  return out;
}();
// The checks that a hand lacking some needs skips, by the needs it holds,
// eight need kinds a table: those that need a kind not held.
constexpr int kNeedChunk = 8;
constexpr int kNeedChunks = (kNeedKinds + kNeedChunk - 1) / kNeedChunk;
constexpr auto kChecksSkipped = [] {
  std::array<std::array<CheckSet, 1 << kNeedChunk>, kNeedChunks> out{};
  for (int chunk = 0; chunk < kNeedChunks; ++chunk)
    for (int held = 0; held < 1 << kNeedChunk; ++held)
      out[chunk][held] = checks_where([chunk, held](const PatternCheck& c) {
        return (c.needs >> (chunk * kNeedChunk) & ((1 << kNeedChunk) - 1) & ~held) != 0;
      });
  return out;
}();

// The check functions alone, in list order: the loop indexes eight bytes a check.
constexpr auto kCheckRuns = [] {
  std::array<void (*)(const HandFacts&), kYakuCount> runs{};
  for (int i = 0; i < kYakuCount; ++i) runs[i] = kPatternChecks[i].run;
  return runs;
}();

// Runs the form's checks that the hand holds the needs of, in list order.
void run_checks(const HandFacts& f) {
  CheckSet run = kChecksOfForm[f.form];
  const std::uint64_t held = f.needs;
#pragma GCC unroll 5
  for (int chunk = 0; chunk < kNeedChunks; ++chunk) {
    const CheckSet& skipped = kChecksSkipped[chunk][held >> (chunk * kNeedChunk) & ((1 << kNeedChunk) - 1)];
    for (int w = 0; w < 2; ++w) run.words[w] &= ~skipped.words[w];
  }
  for (int w = 0; w < 2; ++w)
    for (std::uint64_t left = run.words[w]; left != 0; left &= left - 1)
      kCheckRuns[64 * w + static_cast<unsigned>(std::countr_zero(left))](f);
}

// Every id is tested exactly once.
static_assert([] {
  int seen[kYakuCount]{};
  for (const PatternCheck& t : kPatternChecks) ++seen[t.id];
  for (int n : seen)
    if (n != 1) return false;
  return true;
}());

// Beside 三色三同順, 花竜 or 清竜, only the first found of the four chow
// families stays.
void limit_chow_families(const HandFacts& f) {
  constexpr std::uint64_t kLimiting =
      yaku_bit(kYaku33MixedTripleChow) | yaku_bit(kYaku35MixedStraight) | yaku_bit(kYaku49PureStraight);
  constexpr std::uint64_t kFamilies = yaku_bit(kYaku0PureDoubleChow) | yaku_bit(kYaku1MixedDoubleChow) |
                                      yaku_bit(kYaku2TwoTerminalChows) | yaku_bit(kYaku4ShortStraight);
  static_assert(kYaku49PureStraight < 64, "all of them in the first word of found rows");
  if ((f.found_rows[0] & kLimiting) == 0) return;
  std::uint64_t found = f.found_rows[0] & kFamilies;
  // The lowest id found stays.
  for (found &= found - 1; found != 0; found &= found - 1) clear_yaku(f, std::countr_zero(found));
}

// yaku_points_without_flowers over the found rows alone.
int found_points_without_flowers(const HandFacts& f) {
  int sum = 0;
  for (int w = 0; w < 2; ++w)
    for (std::uint64_t left = f.found_rows[w]; left != 0; left &= left - 1)
      sum += yaku_points(f, 64 * w + std::countr_zero(left));
  return sum - (yaku_found(f, kYaku80Flowers) ? yaku_points(f, kYaku80Flowers) : 0);
}

void total_points(const HandFacts& f, Scoring& out) {
  constexpr int kCap = 88;
  const int without_flowers = found_points_without_flowers(f);
  const int flowers = yaku_found(f, kYaku80Flowers) ? yaku_points(f, kYaku80Flowers) : 0;
  out.total_uncapped = without_flowers + flowers;
  out.total = out.total_uncapped;
  if (f.rules->score_cap == 1 && without_flowers >= kCap) out.total = kCap + flowers;
}

}  // namespace

void score_hand(const WinReading& r, const WinContext& ctx, const RuleSwitches& rules, Scoring& out) {
  if (!r.valid) {
    out = Scoring{};
    return;
  }
  HandFacts f;
  gather_tile_facts(f, r, ctx, rules);
  score_blocks(f, r.blocks, out);
}

void score_blocks(HandFacts& f, const int (&blocks)[kWinBlocks], Scoring& out) {
  gather_block_facts(f, blocks, out.table);
  assert(f.form >= kFormNormal && f.form < kHandForms);
  run_checks(f);
  limit_chow_families(f);
  total_points(f, out);
}

int yaku_points_without_flowers(const YakuTable& table) {
  int sum = 0;
  for (int id = 0; id < kYakuCount; ++id) sum += table[id].found != 0 ? table[id].points : 0;
  return sum - (table[kYaku80Flowers].found != 0 ? table[kYaku80Flowers].points : 0);
}

void scoring_inputs_of(const WinReading& r, const WinContext& ctx, const RuleSwitches& rules, ScoringInputs& out) {
  out.valid = r.valid;
  out.form = r.form;
  out.seat = r.seat;
  out.tile = r.tile;
  out.by_discard = r.by_discard;
  out.open = r.open;
  out.seat_wind = r.seat_wind;
  out.round_wind = r.round_wind;
  out.wait_count = r.wait_count;
  std::copy(std::begin(r.hand), std::end(r.hand), out.hand.begin());
  std::copy(std::begin(r.blocks), std::end(r.blocks), out.blocks.begin());
  out.ctx = ctx;
  out.ctx.visible = nullptr;
  const bool count_read = ctx.visible != nullptr && !ctx.robbing_kong && r.tile >= 0 && r.tile < kTileCodes;
  out.win_tile_visible = count_read ? ctx.visible[r.tile] : 0;
  out.rules = rules;
}
