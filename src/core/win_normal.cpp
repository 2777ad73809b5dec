// The normal reading: four sets and a pair, searched once over the sorted
// hand for every way of reading it, then each extraction order takes the
// way its own search would find first. The tiles still to take are counts
// of the hand's distinct slot values, four bits each, so a step is one
// subtraction.
#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstdint>

#include "core/clear.h"
#include "core/pattern_checks.h"
#include "core/scorer.h"
#include "core/win_blocks.h"

namespace {

enum BlockStep : int { kStepPung, kStepChow, kStepPair };
constexpr int kSteps = 3;

// The block kind that each extraction order tries at steps 0, 1 and 2.
constexpr BlockStep kOrderSteps[kExtractionOrders][kSteps] = {
    {kStepPung, kStepPair, kStepChow}, {kStepPung, kStepChow, kStepPair}, {kStepChow, kStepPung, kStepPair},
    {kStepChow, kStepPair, kStepPung}, {kStepPair, kStepPung, kStepChow}, {kStepPair, kStepChow, kStepPung},
};

// Nibble k: copies of the hand's k-th distinct value still to take.
using Counts = std::uint64_t;
constexpr int kNibble = 4;
static_assert(kHandSlots * kNibble <= 64);

int count_at(Counts c, int k) { return static_cast<int>(c >> (kNibble * k) & 0xF); }
int front_run(Counts c) { return std::countr_zero(c) / kNibble; }

// The steps that can take a block starting at a slot value, bit s for
// BlockStep s; a chow also needs the next two values in the hand.
constexpr auto kValueSteps = [] {
  std::array<std::uint8_t, kSlotValues> steps{};
  for (int v = 0; v < kSlotValues; ++v)
    steps[v] = static_cast<std::uint8_t>((set_block_of(v) != 0 ? 1 << kStepPung : 0) |
                                         (chow_block_of(v) != 0 ? 1 << kStepChow : 0) |
                                         (pair_block_of(v) != 0 ? 1 << kStepPair : 0));
  return steps;
}();

// The block each step takes at each value it is open at, 0 where it is not.
constexpr auto kBlockAt = [] {
  std::array<std::array<std::int16_t, kSteps>, kSlotValues> block{};
  for (int v = 0; v < kSlotValues; ++v) {
    block[v][kStepPung] = static_cast<std::int16_t>(set_block_of(v));
    block[v][kStepChow] = static_cast<std::int16_t>(chow_block_of(v));
    block[v][kStepPair] = static_cast<std::int16_t>(pair_block_of(v));
  }
  return block;
}();

int block_of(int value, int step) {
  assert(kValueSteps[value] >> step & 1);
  return kBlockAt[value][step];
}

// The distinct values of the sorted hand, their copies, and the runs that
// the next two runs follow one by one: values carry the marker, so only
// there can a chow start.
struct Runs {
  Counts whole;
  Counts chow_runs;  // nibble k is 1 when runs k + 1 and k + 2 hold values one and two above run k's
  int value[kHandSlots];
};

Runs runs_of(const int (&values)[kHandSlots]) {
  Runs h;
  Counts next_above = 0;  // nibble k is 1 when run k + 1 holds the value one above run k's
  Counts one = 1;         // 1 in the nibble of the run of position i
  int n = 0;              // that run
  h.value[0] = values[0];
  h.whole = 1;
#pragma GCC unroll 13
  for (int i = 1; i < kHandSlots; ++i) {
    const int rise = values[i] - values[i - 1];
    assert(rise >= 0 && values[i] < kSlotValues);
    next_above |= rise == 1 ? one : 0;
    one = rise != 0 ? one << kNibble : one;
    n += rise != 0 ? 1 : 0;
    h.value[n] = values[i];
    h.whole += one;
  }
  h.chow_runs = next_above & next_above >> kNibble;
  return h;
}

// What a step takes at run k: a pung three copies, a chow one of each of
// three runs, a pair two copies.
constexpr Counts kTaken[kSteps] = {3, 0x111, 2};

// The pung and pair steps that copies of a value can take, by whether the
// pair is taken already.
constexpr auto kCopiesSteps = [] {
  std::array<std::array<int, 1 << kNibble>, 2> steps{};
  for (int taken = 0; taken < 2; ++taken)
    for (int copies = 0; copies < (1 << kNibble); ++copies)
      steps[taken][copies] = (copies >= 3 ? 1 << kStepPung : 0) | (copies >= 2 && taken == 0 ? 1 << kStepPair : 0);
  return steps;
}();

// The steps that can be taken at the front run k of `left`, bit s for
// BlockStep s.
[[gnu::always_inline]] inline int open_steps(const Runs& h, Counts left, int k, bool pair_taken) {
  const Counts next_two = left >> (kNibble * (k + 1));
  const int chow = ((next_two & 0xF) != 0) & ((next_two & 0xF0) != 0) & count_at(h.chow_runs, k);
  return kValueSteps[h.value[k]] & (kCopiesSteps[pair_taken][count_at(left, k)] | chow << kStepChow);
}

// A path's blocks as a multiset, one number: the chows taken at each run
// (three bits, at most four), a bit for the pung at each run, and the
// pair's run + 1. A block is one step at one run (runs hold distinct
// values, and each step's blocks lie in their own hundreds), so two paths
// read the same blocks, in whatever order, exactly when their keys are equal.
using BlockKey = std::uint64_t;
constexpr auto kKeyOf = [] {
  constexpr int kPungShift = 3 * kHandSlots;
  constexpr int kPairShift = kPungShift + kHandSlots;
  static_assert(kPairShift + 4 <= 64 && kHandSlots < 16);
  std::array<std::array<BlockKey, kSteps>, kHandSlots> key{};
  for (int k = 0; k < kHandSlots; ++k) {
    key[k][kStepChow] = BlockKey{1} << (3 * k);
    key[k][kStepPung] = BlockKey{1} << (kPungShift + k);
    key[k][kStepPair] = BlockKey(k + 1) << kPairShift;
  }
  return key;
}();

// Every way of taking five blocks that take every tile: the step taken at
// each level and its block. Each step at a node takes the one block it
// finds, so a path is known by its steps, and an extraction order's
// depth-first search finds the first path when the paths are ranked by
// that order's steps. Five blocks cover fourteen tiles only as four sets and
// one pair, so a second pair is never tried: no path is lost.
struct Path {
  int steps;  // the step at each level as a base-3 digit, the first level most significant
  int blocks[kWinBlocks];
  BlockKey key;
};
constexpr int kStepCodes = kSteps * kSteps * kSteps * kSteps * kSteps;  // one digit a level
static_assert(kWinBlocks == 5);
// A pair at one of five levels and a pung or a chow at each other level.
constexpr int kMaxPaths = kWinBlocks * (1 << (kWinBlocks - 1));

struct Paths {
  Path list[kMaxPaths];
  int count = 0;
};

// The search's way down: the front run and the step taken at each level.
struct Trail {
  int front[kWinBlocks];
  int step[kWinBlocks];
};

// The step that takes exactly `left` from its lowest run on, -1 for none.
int last_step(Counts left) {
  for (int step = 0; step < kSteps; ++step)
    if (left == kTaken[step]) return step;
  return -1;
}

void add_path(const Runs& h, const Trail& t, int steps, Paths& out) {
  Path& p = out.list[out.count++];
  p.steps = steps;
  p.key = 0;
  for (int l = 0; l < kWinBlocks; ++l) {
    p.blocks[l] = block_of(h.value[t.front[l]], static_cast<BlockStep>(t.step[l]));
    p.key += kKeyOf[t.front[l]][t.step[l]];
  }
}

// Depth first from `level`, the steps of a node in the order pung, chow,
// pair; `steps` are those taken above it as a base-3 code. A level a
// template, so the search unrolls.
template <int level>
void collect_paths(const Runs& h, Counts left, int steps, bool pair_taken, Trail& t, Paths& out) {
  assert(left != 0);  // four blocks leave at least two tiles of fourteen
  const int k = front_run(left);
  t.front[level] = k;
  if constexpr (level == kWinBlocks - 1) {
    // The last block takes every tile left, so only one step can end a path.
    const int step = last_step(left >> (kNibble * k));
    if (step < 0 || (open_steps(h, left, k, pair_taken) >> step & 1) == 0) return;
    t.step[level] = step;
    add_path(h, t, steps * kSteps + step, out);
  } else {
    for (int open = open_steps(h, left, k, pair_taken); open != 0; open &= open - 1) {
      const auto step = static_cast<BlockStep>(std::countr_zero(static_cast<unsigned>(open)));
      t.step[level] = step;
      collect_paths<level + 1>(h, left - (kTaken[step] << (kNibble * k)), steps * kSteps + step,
                               pair_taken || step == kStepPair, t, out);
    }
  }
}

void collect_paths(const Runs& h, Paths& out) {
  Trail t;
  collect_paths<0>(h, h.whole, 0, false, t, out);
}

// Each order's rank of each path's steps: the steps as ranks in the
// order's list of steps, the first level most significant.
constexpr auto kPathKey = [] {
  std::array<std::array<std::uint8_t, kStepCodes>, kExtractionOrders> key{};
  for (int order = 0; order < kExtractionOrders; ++order)
    for (int code = 0; code < kStepCodes; ++code) {
      int rank[kSteps];
      for (int i = 0; i < kSteps; ++i) rank[kOrderSteps[order][i]] = i;
      int k = 0;
      for (int digits = code, place = 1; place < kStepCodes; digits /= kSteps, place *= kSteps)
        k += rank[digits % kSteps] * place;
      key[order][code] = static_cast<std::uint8_t>(k);
    }
  return key;
}();
static_assert(kPathKey[1][42] == 42, "order 1 ranks pung, chow, pair as the search tries them");
static_assert(kPathKey[0][1] == 2 && kPathKey[0][2] == 1, "order 0 tries the pair before the chow");

// The path the order's search finds first (there is at least one).
int first_path(const Paths& paths, int order) {
  int first = 0;
  int first_key = kPathKey[order][paths.list[0].steps];
  for (int i = 1; i < paths.count; ++i) {
    const int key = kPathKey[order][paths.list[i].steps];
    if (key < first_key) {
      first = i;
      first_key = key;
    }
  }
  return first;
}

// The orders' first paths, and for each order the earlier order that read
// the same blocks in any order (-1 for none): such an order scored the same
// total, as no pattern depends on the order the blocks were taken in.
struct OrderPaths {
  int path_of[kExtractionOrders];
  int same_as[kExtractionOrders];
};

OrderPaths order_paths(const Paths& paths) {
  assert(paths.count > 1);
  OrderPaths o;
  for (int order = 0; order < kExtractionOrders; ++order) {
    o.path_of[order] = first_path(paths, order);
    const BlockKey key = paths.list[o.path_of[order]].key;
    int same = 0;
    while (paths.list[o.path_of[same]].key != key) ++same;
    o.same_as[order] = same < order ? same : -1;
  }
  return o;
}

// Each order's first path into its record, scored where no earlier order
// read the same blocks; the first order with the best total.
int score_orders(const Paths& paths, HandFacts& facts, WinReading& r, Scoring& work) {
  const OrderPaths o = order_paths(paths);
  int best = 0;
  for (int order = 0; order < kExtractionOrders; ++order) {
    EvalOrderRecord& rec = r.orders[order];
    copy_small(rec.blocks, paths.list[o.path_of[order]].blocks);
    if (o.same_as[order] >= 0) {
      rec.points = r.orders[o.same_as[order]].points;
    } else {
      score_blocks(facts, rec.blocks, work);
      ++r.scorings;
      r.work_order = order;
      rec.points = work.total;
    }
    rec.found = 1;
    if (rec.points > r.orders[best].points) best = order;
  }
  return best;
}

}  // namespace

bool read_normal_form(WinReading& r, const WinContext& ctx, const RuleSwitches& rules, Scoring& work) {
  const Runs h = runs_of(r.hand);
  Paths paths;
  collect_paths(h, paths);
  if (paths.count == 0) {
    clear_small(r.orders);
    return false;
  }
  HandFacts facts;  // of the tiles, for every scoring: order 0 always scores
  gather_tile_facts(facts, r, ctx, rules);
  int best = 0;  // every order reads the hand once one does
  if (paths.count == 1) {
    // Every order takes the one path, which order 0 scores.
    const Path& p = paths.list[0];
    score_blocks(facts, p.blocks, work);
    r.scorings = 1;
    r.work_order = 0;
    for (EvalOrderRecord& rec : r.orders) {
      copy_small(rec.blocks, p.blocks);
      rec.points = work.total;
      rec.found = 1;
    }
  } else {
    best = score_orders(paths, facts, r, work);
  }
  copy_small(r.blocks, r.orders[best].blocks);
  r.block_count = kWinBlocks;
  return true;
}
