#include "com/target/selectors.h"

#include <array>
#include <optional>

#include "com/hand_terms.h"
#include "com/target/aim_tools.h"
#include "com/target/com_target.h"
#include "com/target/seat_facts.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "base/yaku_table.h"

// Special-form selectors: seven pairs, greater honours and knitted tiles,
// and the knitted straight.

namespace {

constexpr int kSevenPairsEntries = 7;
constexpr int kVariantEntries = 6;   // the pairs the variant looks at
constexpr int kFallbackThreshold = 99;
constexpr int kFallbackPairs = 4;

// The pair kinds in ascending order, a kind held four times twice.
struct PairList {
  std::array<int, kSevenPairsEntries> tiles{};
  int count = 0;
};

PairList list_pairs() {
  PairList list;
  for (int t : kPlayingTiles) {
    for (int need = 2; need <= 4 && list.count < kSevenPairsEntries; need += 2)
      if (held(t) >= need) list.tiles[list.count++] = t;
  }
  return list;
}

// One row of the variant table: every listed pair must pass `fits`.
struct PairRow {
  int variant;
  bool (*fits)(int tile);
};

bool in_ranks(int tile, int low, int high) { return is_suited(tile) && rank_of(tile) >= low && rank_of(tile) <= high; }

// The rows in the order they are tried; the number-range rows only while
// seven pairs combines with the tile-range patterns.
constexpr std::array<PairRow, 4> kSuitRows{{
    {2, [](int t) { return !is_suited(t) || is_terminal(t); }},
    {11, [](int t) { return is_suited(t) && suit_of(t) == kCharacters; }},
    {12, [](int t) { return is_suited(t) && suit_of(t) == kDots; }},
    {13, [](int t) { return is_suited(t) && suit_of(t) == kBamboo; }},
}};
constexpr std::array<PairRow, 5> kRangeRows{{
    {5, [](int t) { return in_ranks(t, 1, 3); }},
    {6, [](int t) { return in_ranks(t, 4, 6); }},
    {7, [](int t) { return in_ranks(t, 7, 9); }},
    {3, [](int t) { return in_ranks(t, 1, 4); }},
    {4, [](int t) { return in_ranks(t, 6, 9); }},
}};
constexpr std::array<PairRow, 4> kHonourSuitRows{{
    {8, [](int t) { return is_honour(t) || suit_of(t) == kCharacters; }},
    {9, [](int t) { return is_honour(t) || suit_of(t) == kDots; }},
    {10, [](int t) { return is_honour(t) || suit_of(t) == kBamboo; }},
    {1, [](int t) { return is_suited(t) && !is_terminal(t); }},
}};

// The variant of the first row that all the first six pairs fit, else 0.
template <std::size_t N>
int first_row_variant(const std::array<PairRow, N>& rows, const PairList& list) {
  const int looked_at = list.count < kVariantEntries ? list.count : kVariantEntries;
  for (const PairRow& row : rows) {
    bool all = true;
    for (int i = 0; i < looked_at; ++i) all = all && row.fits(list.tiles[i]);
    if (all) return row.variant;
  }
  return 0;
}

int seven_pairs_variant(const PairList& list) {
  if (const int v = first_row_variant(kSuitRows, list)) return v;
  if (rule_yaku_on(kRuleSevenPairsTileRange))
    if (const int v = first_row_variant(kRangeRows, list)) return v;
  return first_row_variant(kHonourSuitRows, list);
}

// The threshold that the distance tests of 0 and 99 leave; none when they
// stop the selector.
std::optional<int> honours_knitted_threshold(int seat, int threshold) {
  const SeatAiRecord& ai = AI[seat];
  const bool target_set = g_ai_target_yaku[seat] != 0;
  if (threshold == 0) {
    if ((target_set && ai.min_shanten_knitted > ai.min_shanten) || ai.min_shanten_knitted > ai.min_shanten_chiitoi ||
        ai.min_shanten_knitted >= ai.min_shanten_kokushi)
      return std::nullopt;
    return 10;
  }
  if (threshold == kFallbackThreshold) {
    if (ai.min_shanten_knitted >= 6 || (target_set && ai.min_shanten_knitted >= ai.min_shanten)) return std::nullopt;
    return 9;
  }
  return threshold;
}

}  // namespace

void aim_seven_pairs(int seat, int threshold) {
  // A seat aiming at greater honours and knitted may still turn to pairs.
  if (g_ai_target_yaku[seat] != kYaku57GreaterHonoursKnitted && keeps_current_target(seat, kYaku56SevenPairs)) return;
  if (tally_melds(seat).melds > 0) return;
  const PairList list = list_pairs();
  if (threshold == kFallbackThreshold) {
    if (g_ai_target_yaku[seat] != 0) return;
    threshold = kFallbackPairs;
  }
  if (list.count < threshold) return;
  write_target(seat, kYaku56SevenPairs, seven_pairs_variant(list));
}

void aim_greater_honours_knitted(int seat, int threshold) {
  // The dragons' limit hand gives way to the knitted form when it fits.
  if (g_ai_target_yaku[seat] != kYaku74BigThreeDragons && keeps_current_target(seat, kYaku57GreaterHonoursKnitted))
    return;
  // Three fully visible honours need no test of their own: every
  // arrangement holds the seven honours, so each then scores 0.
  if (tally_melds(seat).melds > 0) return;
  const std::optional<int> need = honours_knitted_threshold(seat, threshold);
  if (!need) return;
  const KnittedBest& best = seat_facts(seat).knitted.with_honours;
  if (best.score >= *need) write_target(seat, kYaku57GreaterHonoursKnitted, best.arrangement);
}

void aim_knitted_straight(int seat, int threshold) {
  if (keeps_current_target(seat, kYaku43KnittedStraight)) return;
  if (tally_melds(seat).melds >= 2) return;
  if (AI[seat].min_shanten_knitted < AI[seat].min_shanten) return;
  const KnittedBest& best = seat_facts(seat).knitted.straight;
  if (best.score >= threshold) write_target(seat, kYaku43KnittedStraight, best.arrangement);
}
