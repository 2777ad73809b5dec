#include "com/target/selectors.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>

#include "com/hand_terms.h"
#include "com/target/chow_fit.h"
#include "com/target/com_target.h"
#include "com/target/seat_facts.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "base/yaku_table.h"
#include "base/table_state.h"

// Chow-pattern selectors: the three-chow templates and the alternatives
// list. One search serves the five patterns; a row of traits says where
// they differ.

namespace {

struct ChowAimTraits {
  int yaku;
  bool counts_down;            // tries the templates by coverage, the best first, down to the level
  bool keeps_going;            // a template that sets the target does not end the call
  bool yields_to_middle_chow;  // stays away from a mixed triple chow aimed at starts 2 to 6
};

constexpr ChowAimTraits kPureStraightAim{kYaku49PureStraight, false, false, true};
constexpr ChowAimTraits kMixedStraightAim{kYaku35MixedStraight, true, false, false};
constexpr ChowAimTraits kMixedTripleChowAim{kYaku33MixedTripleChow, false, false, false};
// Mixed shifted chows tries each template once, at its own coverage: a
// template's judgement stands within a call, and the call never ends early.
constexpr ChowAimTraits kMixedShiftedChowsAim{kYaku27MixedShiftedChows, true, true, false};
constexpr ChowAimTraits kPureShiftedChowsAim{kYaku47PureShiftedChows, false, true, true};

// The shape requirement; 0 asks for none.
enum Shape : int { kShapeNear = 1, kShapeSome = 2, kNoDoubledTileRule = 3 };

// One selector call.
struct ChowCall {
  int seat;
  const ChowAimTraits& aim;
  int level;           // fewest template positions the hand must cover, 6..9
  bool candidate_mode;  // adds alternatives without the points test
  int shape;           // Shape
  bool spread;         // every part covered at least twice
  int discard;         // the latest discard when the seat could chow it, else 0
  ChowFitMemo& memo;   // the seat's fits
  bool near_seen = false;  // pure shifted chows: a layout of this call was near ready

  bool shifted() const { return aim.yaku == kYaku47PureShiftedChows; }
};

bool is_chow_aim(int yaku) {
  return yaku == kYaku27MixedShiftedChows || yaku == kYaku33MixedTripleChow || yaku == kYaku35MixedStraight ||
         yaku == kYaku47PureShiftedChows || yaku == kYaku49PureStraight;
}

// ------------------------------------------------------------------ entry

bool may_decide(int seat, const ChowAimTraits& aim) {
  if (keeps_current_target(seat, aim.yaku)) return false;
  const int variant = g_ai_target_variant[seat];
  if (aim.yields_to_middle_chow && g_ai_target_yaku[seat] == kYaku33MixedTripleChow && variant >= 2 && variant <= 6)
    return false;
  return g_ai_chow_near_ready[seat] == 0;
}

// A seat that has called beside another aim, without an honour set, keeps
// its honour pair rather than look for mixed shifted chows.
bool honour_pair_holds_back(int seat) {
  const int target = g_ai_target_yaku[seat];
  if (target == 0 || target == kYaku27MixedShiftedChows || g_seat_state[seat].naki_count <= 0) return false;
  for (int code : g_melds[seat])
    if (code != 0 && is_honour(meld_tile(code))) return false;
  bool pair = false;
  for (int tile = kEast; tile <= kRed; ++tile) {
    if (held(tile) >= 3) return false;
    pair = pair || held(tile) == 2;
  }
  return pair;
}

bool may_add_candidates(int seat, const ChowAimTraits& aim) {
  const int target = g_ai_target_yaku[seat];
  if (target != 0 && !is_chow_aim(target)) return false;
  return aim.yaku != kYaku27MixedShiftedChows || !honour_pair_holds_back(seat);
}

// ------------------------------------------------------- template tests

bool spread_enough(const ChowCall& call, const ChowLayout& t, const ChowFit& fit) {
  if (call.shifted()) {
    const bool step_one = t.tiles[3] - t.tiles[0] == 1;
    return call.level > 6 || !step_one || fit.covered_of(t, t.tiles[0] + 2) >= 2;
  }
  for (int part = 0; part < kChowParts; ++part) {
    if (call.level == 6 && fit.covered_in_part(part) < 1) return false;
    if (call.spread && fit.covered_in_part(part) < 2) return false;
  }
  return true;
}

bool meets_shape(int shape, int level, const RestShape& r) {
  if (shape == kShapeNear) {
    if (level < 7) return false;
    if (level == 7) return r.sets >= 1 && r.pairs >= 1;
    if (level == 8) return r.sets >= 1 || r.pairs >= 2 || (r.pairs >= 1 && r.partials >= 1);
    if (level == 9) return r.sets >= 1 || r.pairs >= 1 || r.partials >= 1;
  } else if (shape == kShapeSome) {
    if (level == 6) return (r.sets >= 1 && r.pairs >= 1) || (r.sets >= 2 && r.pungs >= 1);
    if (level == 7) return r.sets >= 1 || r.pairs >= 2 || (r.pairs == 1 && r.partials >= 1);
    if (level == 8) return r.sets >= 1 || r.pairs >= 1 || r.partials >= 1;
  }
  return true;
}

// Pure shifted chows share tiles between their chows: a shared tile the
// hand lacks while copies of it are already out makes the layout unlikely.
bool shifted_lacks_shared_tile(const ChowLayout& t, const ChowFit& fit) {
  const int a = t.tiles[0];
  const auto lacks_seen = [&](int tile) { return fit.covered_of(t, tile) == 0 && seen_by_all(tile) >= 1; };
  if (t.tiles[3] - a == 2) return lacks_seen(a + 2) || lacks_seen(a + 4);
  const int middle = fit.covered_of(t, a + 2);
  return lacks_seen(a + 1) || middle == 0 || (middle == 1 && seen_by_all(a + 2) >= 1) || lacks_seen(a + 3);
}

bool near_at_eight(const RestShape& r) { return r.sets >= 1 || r.pairs >= 2 || (r.pairs >= 1 && r.partials >= 1); }

// What a near template asks of the call and of its fit, the rest aside.
bool call_may_be_near(const ChowCall& call) {
  return (call.level == 7 || call.level == 8) && AI[call.seat].min_shanten < 3;
}

bool fit_may_be_near(const ChowCall& call, const ChowLayout& t, const ChowFit& fit) {
  if (fit.coverage != 7 && fit.coverage != 8) return false;
  for (int i = 0; i < kChowPositions; ++i)
    if (!fit.covered[i] && g_seen_counts[t.tiles[i]] >= 3) return false;
  for (int part = 0; part < kChowParts; ++part)
    if (!call.candidate_mode && fit.covered_in_part(part) < 2) return false;
  return true;
}

// A template that may be near (call_may_be_near and fit_may_be_near) is
// near when the rest beside it completes it.
bool chow_near(const ChowFit& fit, const RestShape& r) {
  if (fit.coverage == 7) return (r.sets == 1 && r.pairs >= 1) || (r.sets >= 2 && r.pungs >= 1);
  return near_at_eight(r);
}

// Once a layout of the call was near ready, every later one counts as near.
bool shifted_near(ChowCall& call, const ChowFit& fit, const RestShape& r) {
  if (fit.coverage == 7) call.near_seen = call.near_seen || (r.sets == 1 && r.pairs >= 1) || (r.sets >= 2 && r.pungs >= 2);
  if (fit.coverage == 8) call.near_seen = call.near_seen || near_at_eight(r);
  return call.near_seen;
}

constexpr int kBestQuality = 3;

int quality(const RestShape& r) {
  if ((r.sets >= 2 && r.pungs >= 1) || (r.sets >= 1 && r.pairs >= 1)) return kBestQuality;
  if (near_at_eight(r)) return 2;
  if (r.pairs == 1 || r.partials >= 1) return 1;
  return 0;
}

// A decision at level 9 close to ready (distance 0 or 1) wants quality 1,
// and each level lower or each step farther from ready one grade less: at
// level 6 nothing passes at distance 0 or 1.
int quality_needed(int level, int min_shanten) {
  return level < 6 || level > 9 ? 0 : 11 - level - std::max(min_shanten, 1);
}

bool quality_enough(int level, int min_shanten, const RestShape& r) {
  return quality(r) >= quality_needed(level, min_shanten);
}

// A call that no template passes, whatever the rest beside it: a near
// shape below level 7; a decision on a pattern other than pure shifted
// chows that asks more than the best quality, or a near template where
// none can be near.
bool no_template_passes(const ChowCall& call) {
  if (call.shape == kShapeNear && call.level < 7) return true;
  if (call.shifted() || call.candidate_mode) return false;
  if (quality_needed(call.level, AI[call.seat].min_shanten) > kBestQuality) return true;
  return call.shape == kShapeNear && !call_may_be_near(call);
}

// Whether template `index` of the pattern, covering enough, passes, and then whether it is near ready.
std::optional<bool> judge(ChowCall& call, std::size_t index) {
  const ChowLayout& t = chow_layouts(call.aim.yaku)[index];
  const ChowFit& fit = call.memo.fit(call.aim.yaku, index);
  const bool shifted = call.shifted();
  // Without a fully visible kind among the template's, no tile it needs is dead.
  const bool dead_kind = (seat_facts(call.seat).kinds.dead & t.kinds) != 0;
  if (shifted ? shifted_needs_dead_tile(t, fit) : dead_kind && needs_dead_tile(t, fit, call.discard)) return std::nullopt;
  if (fit.other_melds >= 2 || !spread_enough(call, t, fit)) return std::nullopt;
  if (shifted && call.shape != kNoDoubledTileRule && shifted_lacks_shared_tile(t, fit)) return std::nullopt;
  const bool deciding = shifted || !call.candidate_mode;
  bool may_be_near = false;
  if (!shifted) {
    // The rest is read last, and only when a test asks it: a template that
    // must be near and cannot be fails without it; one that cannot be near,
    // of a call with no shape and no quality to meet, passes without it.
    may_be_near = call_may_be_near(call) && fit_may_be_near(call, t, fit);
    if (deciding && call.shape == kShapeNear && !may_be_near) return std::nullopt;
    const bool shaped = call.shape == kShapeNear || call.shape == kShapeSome;
    if (!may_be_near && !shaped && (!deciding || quality_needed(call.level, AI[call.seat].min_shanten) <= 0))
      return false;
  }
  const RestShape& rest = call.memo.rest(call.aim.yaku, index);
  if (!meets_shape(call.shape, call.level, rest)) return std::nullopt;
  const bool near = shifted ? shifted_near(call, fit, rest) : may_be_near && chow_near(fit, rest);
  if (deciding && call.shape == kShapeNear && !near) return std::nullopt;
  if (!shifted && deciding && !quality_enough(call.level, AI[call.seat].min_shanten, rest)) return std::nullopt;
  return near;
}

// ---------------------------------------------------------------- outcome

int free_candidate_slot(int seat) {
  for (int i = 0; i < kChowCandidates; ++i)
    if (g_ai_chow_candidates[seat][i] == 0) return i;
  return -1;
}

void put_candidate(int seat, int yaku, int variant) {
  const int slot = free_candidate_slot(seat);
  if (slot < 0) return;  // a sixth alternative is dropped
  g_ai_chow_candidates[seat][slot] = yaku;
  g_ai_chow_candidate_variants[seat][slot] = variant;
}

bool aims_at(int seat, int yaku, int variant) {
  if (g_ai_target_yaku[seat] == yaku && g_ai_target_variant[seat] == variant) return true;
  for (int i = 0; i < kChowCandidates; ++i)
    if (g_ai_chow_candidates[seat][i] == yaku && g_ai_chow_candidate_variants[seat][i] == variant) return true;
  return false;
}

// Records a template that passed; true when the call ends with it.
bool take_template(const ChowCall& call, int variant, bool near) {
  const int seat = call.seat;
  const int yaku = call.aim.yaku;
  int& near_flag = g_ai_chow_near_ready[seat];
  bool ends = false;
  if (call.shifted()) {
    // Pure shifted chows outrank every target they meet here; a second
    // layout becomes an alternative even when it repeats one.
    if (g_ai_target_yaku[seat] != yaku) {
      write_target(seat, yaku, variant);
    } else if (near_flag == 0 || near) {
      put_candidate(seat, yaku, variant);
    }
  } else if (g_ai_target_yaku[seat] == 0) {
    write_target(seat, yaku, variant);
    std::fill(std::begin(g_ai_chow_candidates[seat]), std::end(g_ai_chow_candidates[seat]), 0);
    std::fill(std::begin(g_ai_chow_candidate_variants[seat]), std::end(g_ai_chow_candidate_variants[seat]), 0);
    ends = !call.aim.keeps_going;
  } else if (near_flag == 1 && !near) {
    return false;
  } else if (!aims_at(seat, yaku, variant)) {
    put_candidate(seat, yaku, variant);
  }
  if (near) near_flag = 1;
  return ends;
}

// --------------------------------------------------------------- search

// True when the call ends with template `index` of the pattern.
bool try_template(ChowCall& call, std::size_t index) {
  const std::optional<bool> near = judge(call, index);
  return near.has_value() && take_template(call, chow_layouts(call.aim.yaku)[index].variant, *near);
}

// Templates first to first + count of the pattern's list.
struct LayoutRange {
  std::size_t first;
  std::size_t count;
};

// The fewest positions a template of the call must cover to be tried.
int fewest_covered(const ChowAimTraits& aim, int level) {
  if (!aim.counts_down) return level;
  return level >= 1 && level <= 9 ? level : 9;
}

void search(ChowCall& call, LayoutRange range) {
  const auto coverages = call.memo.coverages(call.aim.yaku).subspan(range.first, range.count);
  const auto tries = [&](std::size_t i) { return try_template(call, range.first + i); };
  const int lowest = fewest_covered(call.aim, call.level);
  if (!call.aim.counts_down) {
    for (std::size_t i = 0; i < coverages.size(); ++i)
      if (coverages[i] >= lowest && tries(i)) return;
    return;
  }
  // No template covers more than the best of them: the counts above it find nothing.
  for (int k = call.memo.best_coverage(call.aim.yaku); k >= lowest; --k) {
    for (std::size_t i = 0; i < coverages.size(); ++i)
      if (coverages[i] == k && tries(i)) return;
  }
}

void run_chow_aim(const ChowAimTraits& aim, int seat, int level, int mode, int shape, int flag,
                  LayoutRange range = {0, std::dynamic_extent}) {
  // Most calls end here: no template of the pattern covers enough, as the
  // bound often tells before any template is fitted. Neither this test nor
  // the record's below writes anything, so the cheaper goes first.
  ChowFitMemo& memo = chow_fit_memo(seat);
  const int lowest = fewest_covered(aim, level);
  if (memo.coverage_bound(aim.yaku) < lowest) return;
  const bool candidate_mode = mode == 1;
  if (candidate_mode ? !may_add_candidates(seat, aim) : !may_decide(seat, aim)) return;
  if (memo.best_coverage(aim.yaku) < lowest) return;
  ChowCall call{seat, aim, level, candidate_mode, shape, flag == 1, latest_discard_for_chow(seat), memo};
  if (!no_template_passes(call)) search(call, range);
}

}  // namespace

void aim_pure_straight(int seat, int level, int mode, int shape, int flag) {
  run_chow_aim(kPureStraightAim, seat, level, mode, shape, flag);
}

void aim_mixed_triple_chow(int seat, int level, int mode, int shape, int flag, int middle_only) {
  // The templates by start number 1 to 7; the middle-only form leaves out 1 and 7.
  if (middle_only != 0 && middle_only != 1) return;
  const LayoutRange range = middle_only == 1 ? LayoutRange{1, 5} : LayoutRange{0, std::dynamic_extent};
  run_chow_aim(kMixedTripleChowAim, seat, level, mode, shape, flag, range);
}

void aim_mixed_straight(int seat, int level, int mode, int shape, int flag) {
  run_chow_aim(kMixedStraightAim, seat, level, mode, shape, flag);
}

void aim_mixed_shifted_chows(int seat, int level, int mode, int shape, int flag) {
  run_chow_aim(kMixedShiftedChowsAim, seat, level, mode, shape, flag);
}

void aim_pure_shifted_chows(int seat, int level, int shape) {
  run_chow_aim(kPureShiftedChowsAim, seat, level, 0, shape, 0);
}
