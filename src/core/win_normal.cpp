// The normal reading: four sets and a pair, searched once per extraction
// order over the sorted hand. The tiles still to take are a mask of hand
// positions, so a step neither copies nor compacts the hand.
#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstdint>

#include "core/pattern_checks.h"
#include "core/scorer.h"
#include "core/win_blocks.h"

namespace {

enum BlockStep : int { kStepPung, kStepChow, kStepPair };

// The block kind that each extraction order tries at steps 0, 1 and 2.
constexpr BlockStep kOrderSteps[kExtractionOrders][3] = {
    {kStepPung, kStepPair, kStepChow}, {kStepPung, kStepChow, kStepPair}, {kStepChow, kStepPung, kStepPair},
    {kStepChow, kStepPair, kStepPung}, {kStepPair, kStepPung, kStepChow}, {kStepPair, kStepChow, kStepPung},
};

using Positions = std::uint32_t;  // bit i: position i of the sorted hand is still to take
constexpr Positions kWholeHand = (Positions{1} << kHandSlots) - 1;

int front(Positions p) { return std::countr_zero(p); }
Positions without_front(Positions p) { return p & (p - 1); }
Positions front_bit(Positions p) { return p & (~p + 1); }

// The sorted hand and, for each position, the positions of the values one
// and two above its own (a chow's other tiles; values carry the marker, so
// they share the first tile's).
struct SortedHand {
  const int* values;
  Positions one_up[kHandSlots];
  Positions two_up[kHandSlots];
};

void find_values_above(const int* v, SortedHand& h) {
  h.values = v;
  int run_value[kHandSlots];
  Positions runs[kHandSlots]{};  // positions of each run of equal values
  int runs_count = 0;
  for (int i = 0; i < kHandSlots; ++i) {
    if (i == 0 || v[i] != v[i - 1]) run_value[runs_count++] = v[i];
    runs[runs_count - 1] |= Positions{1} << i;
  }
  for (int k = 0; k < runs_count; ++k) {
    Positions one_up = 0;
    Positions two_up = 0;
    for (int j = k + 1; j < runs_count && j <= k + 2; ++j) {
      const int above = run_value[j] - run_value[k];
      if (above == 1) one_up = runs[j];
      if (above == 2) two_up = runs[j];
    }
    for (Positions p = runs[k]; p != 0; p = without_front(p)) {
      h.one_up[front(p)] = one_up;
      h.two_up[front(p)] = two_up;
    }
  }
}

// One step on the front of the positions left: the block taken (0 when the
// step finds none) and what is left after it.
struct Taken {
  int block;
  Positions left;
};

Taken take_pung(const SortedHand& h, Positions left) {
  const Positions second = without_front(left);
  const Positions third = without_front(second);
  const int v = h.values[front(left)];
  const int block = set_block_of(v);
  if (block == 0 || third == 0 || h.values[front(second)] != v || h.values[front(third)] != v) return {};
  return {block, without_front(third)};
}

Taken take_chow(const SortedHand& h, Positions left) {
  const int at = front(left);
  const int block = chow_block_of(h.values[at]);
  const Positions second = left & h.one_up[at];
  const Positions third = left & h.two_up[at];
  if (block == 0 || second == 0 || third == 0) return {};
  return {block, without_front(left) & ~front_bit(second) & ~front_bit(third)};
}

Taken take_pair(const SortedHand& h, Positions left) {
  const Positions second = without_front(left);
  const int v = h.values[front(left)];
  const int block = pair_block_of(v);
  if (block == 0 || h.values[front(second)] != v) return {};
  return {block, without_front(second)};
}

Taken take_step(const SortedHand& h, BlockStep step, Positions left) {
  assert(without_front(left) != 0);  // four blocks leave at least two tiles of fourteen
  switch (step) {
    case kStepPung: return take_pung(h, left);
    case kStepChow: return take_chow(h, left);
    default: return take_pair(h, left);
  }
}

// Every way of taking five blocks that take every position: the step taken
// at each level and its block. Each step at a node takes the one block it
// finds, so a path is known by its steps, and an extraction order's
// depth-first search finds the first path when the paths are ranked by
// that order's steps. Five blocks cover fourteen tiles only as four sets and
// one pair, so a second pair is never tried: no path is lost.
struct Path {
  BlockStep steps[kWinBlocks];
  int blocks[kWinBlocks];
};
// A pair at one of five levels and a pung or a chow at each other level.
constexpr int kMaxPaths = kWinBlocks * (1 << (kWinBlocks - 1));

struct Paths {
  Path list[kMaxPaths];
  int count = 0;
};

void collect_paths(const SortedHand& h, int level, Positions left, bool pair_taken, Path& at, Paths& out) {
  for (BlockStep step : {kStepPung, kStepChow, kStepPair}) {
    if (step == kStepPair && pair_taken) continue;
    const Taken t = take_step(h, step, left);
    if (t.block == 0) continue;
    at.steps[level] = step;
    at.blocks[level] = t.block;
    if (level < kWinBlocks - 1)
      collect_paths(h, level + 1, t.left, pair_taken || step == kStepPair, at, out);
    else if (t.left == 0)
      out.list[out.count++] = at;
  }
}

// The place of each step in each order's list of steps.
constexpr auto kStepRank = [] {
  std::array<std::array<int, 3>, kExtractionOrders> rank{};
  for (int order = 0; order < kExtractionOrders; ++order)
    for (int i = 0; i < 3; ++i) rank[order][kOrderSteps[order][i]] = i;
  return rank;
}();

// The path's steps as ranks in the order, the first level most significant.
int path_key(const Path& p, int order) {
  int key = 0;
  for (BlockStep step : p.steps) key = key * 3 + kStepRank[order][step];
  return key;
}

// The path the order's search finds first, -1 when there is none.
int first_path(const Paths& paths, int order) {
  int first = -1;
  int first_key = 0;
  for (int i = 0; i < paths.count; ++i) {
    const int key = path_key(paths.list[i], order);
    if (first < 0 || key < first_key) {
      first = i;
      first_key = key;
    }
  }
  return first;
}

using BlockSet = std::array<int, kWinBlocks>;  // a reading's blocks, ascending

BlockSet block_set_of(const int* blocks) {
  BlockSet s;
  std::copy(blocks, blocks + kWinBlocks, s.begin());
  std::sort(s.begin(), s.end());
  return s;
}

// An earlier order that read the same blocks, in any order, scored the same
// total: no pattern depends on the order the blocks were taken in.
int earlier_same_reading(const Paths& paths, const int (&path_of)[kExtractionOrders], int order) {
  for (int k = 0; k < order; ++k)
    if (path_of[k] == path_of[order]) return k;
  const BlockSet set = block_set_of(paths.list[path_of[order]].blocks);
  for (int k = 0; k < order; ++k)
    if (path_of[k] >= 0 && block_set_of(paths.list[path_of[k]].blocks) == set) return k;
  return -1;
}

void clear_blocks(WinReading& r) {
  std::fill(std::begin(r.blocks), std::end(r.blocks), 0);
  r.block_count = 0;
}

}  // namespace

bool read_normal_form(WinReading& r, const WinContext& ctx, const RuleSwitches& rules, Scoring& work) {
  HandFacts facts;  // of the tiles, gathered for the first scoring
  SortedHand h;
  find_values_above(r.hand, h);
  Paths paths;
  Path at;
  collect_paths(h, 0, kWholeHand, false, at, paths);
  int path_of[kExtractionOrders];
  int best = -1;
  for (int order = 0; order < kExtractionOrders; ++order) {
    EvalOrderRecord& rec = r.orders[order];
    rec = {};
    path_of[order] = first_path(paths, order);
    if (path_of[order] < 0) continue;
    const Path& p = paths.list[path_of[order]];
    std::copy(std::begin(p.blocks), std::end(p.blocks), rec.blocks);
    const int same = earlier_same_reading(paths, path_of, order);
    if (same >= 0) {
      rec.points = r.orders[same].points;
    } else {
      if (r.scorings == 0) gather_tile_facts(facts, r, ctx, rules);
      score_blocks(facts, rec.blocks, work);
      ++r.scorings;
      r.work_order = order;
      rec.points = work.total;
    }
    rec.found = 1;
    if (best < 0 || rec.points > r.orders[best].points) best = order;
  }
  clear_blocks(r);
  if (best < 0) return false;
  std::copy(std::begin(r.orders[best].blocks), std::end(r.orders[best].blocks), r.blocks);
  r.block_count = kWinBlocks;
  return true;
}
