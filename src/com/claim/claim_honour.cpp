#include <algorithm>
#include <array>

#include "base/table_state.h"
#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "com/turn/planner_decomposition.h"
#include "com/turn/planner_state.h"
#include "base/yaku_table.h"

// Claims of the big winds and dragons: pungs of honours, and once every
// declared meld is of the pattern's own honours, the chow or pung that
// completes the one ordinary set beside them.

namespace {

struct HonourPattern {
  int yaku;
  int first, last;        // the pattern's own honours
  bool needs_late_aim;    // the set beside them only for an aim past variants 0 and 1
};
constexpr HonourPattern kBigFourWinds{kYaku73BigFourWinds, kEast, kNorth, true};
constexpr HonourPattern kBigThreeDragons{kYaku74BigThreeDragons, kWhite, kRed, false};

bool of_pattern(const HonourPattern& p, int tile) { return tile >= p.first && tile <= p.last; }

// Every declared meld is of the pattern's honours, and there is one.
bool melds_only_of_pattern(int seat, const HonourPattern& p) {
  const int* melds = g_melds[seat];
  return melds[0] != 0 && std::all_of(melds, melds + kMeldSlots,
                                      [&](int code) { return code == 0 || of_pattern(p, meld_tile(code)); });
}

// The best reading of the concealed tiles holds no chow and no pung but a
// dragon's, so the ordinary set beside the honours is still to be made
// (a concealed wind pung counts as made for the winds too).
bool reading_lacks_ordinary_set() {
  const int* row = g_decomposition_row;
  return std::none_of(row, row + kDecompositionSteps, [](int code) {
    return (code >= kPlanChow && code < kPlanPung) || (code >= kPlanPung && code < kPlanPung + kWhite);
  });
}

using WorkCounts = KindCounts;

struct ChowChoice {
  int shape;  // ChiShape, 0 none
  int reason;
};

// The discard's chow from the concealed tiles: the two it needs held (three
// copies at most between them), the discard itself not held, and neither
// tile just outside the chow held, though a discarded 3 or 7 at the chow's
// end may have its other neighbour.
ChowChoice chow_choice(int t, const WorkCounts& k) {
  const int r = rank_of(t);
  const auto n = [&](int d) { return k[t + d]; };
  if (r >= 3) {
    const bool below = n(-3) == 0 && n(-2) >= 1 && n(-1) >= 1 && n(-2) + n(-1) <= 3 && n(0) == 0;
    if (below && n(1) == 0) return {kChiDiscardHighest, 10};
    if (below && r == 3) return {kChiDiscardHighest, 11};
  }
  if (r >= 2 && r <= 8 && n(-2) == 0 && n(-1) >= 1 && n(0) == 0 && n(1) >= 1 && n(2) == 0 && n(-1) + n(1) <= 3)
    return {kChiDiscardMiddle, 12};
  if (r <= 7) {
    const bool above = n(0) == 0 && n(1) >= 1 && n(2) >= 1 && n(1) + n(2) <= 3 && n(3) == 0;
    if (above && n(-1) == 0) return {kChiDiscardLowest, 13};
    if (above && r == 7) return {kChiDiscardLowest, 14};
  }
  return {};
}

// The set beside the honours, read from the concealed tiles' best reading.
// It overwrites the planner's work hand and reading, which every discard
// decision builds afresh.
void claim_ordinary_set(int seat, const HonourPattern& p, int t) {
  build_work_hand(seat);
  search_best_decomposition(seat);
  if (!reading_lacks_ordinary_set()) return;
  WorkCounts k{};
  for (int i = 0; i < kDrawSlot; ++i)
    if (is_playing_tile(g_ai_work_hand[i])) ++k[g_ai_work_hand[i]];
  const ChowChoice chow = may_chow(seat, t) ? chow_choice(t, k) : ChowChoice{};
  if (chow.shape != 0) {
    decide_claim(seat, kNakiChow, chow.shape, p.yaku, chow.reason);
    return;
  }
  WorkCounts all = k;
  if (is_playing_tile(g_ai_work_hand[kDrawSlot])) ++all[g_ai_work_hand[kDrawSlot]];
  const int pairs = static_cast<int>(std::count(all.begin(), all.end(), 2));
  if (all[t] == 2 && pairs >= 2) decide_claim(seat, kNakiPung, 0, p.yaku, 20);
}

void naki_honour_pattern(int seat, const HonourPattern& p) {
  if (!aims_at_any(seat, {p.yaku})) return;
  const int t = take_naki_tile();
  if (is_honour(t) && std::count(g_hand[seat], g_hand[seat] + kDrawSlot, t) == 2) {
    decide_claim(seat, kNakiPung, 0, p.yaku, of_pattern(p, t) ? 0 : 1);
    return;
  }
  const int v = g_ai_target_variant[seat];
  if (p.needs_late_aim && (v == 0 || v == 1)) return;
  if (melds_only_of_pattern(seat, p)) claim_ordinary_set(seat, p, t);
}

}  // namespace

void naki_big_four_winds(int seat) { naki_honour_pattern(seat, kBigFourWinds); }

void naki_big_three_dragons(int seat) { naki_honour_pattern(seat, kBigThreeDragons); }
