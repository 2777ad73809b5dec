// Template leftover rules 540, 550 and 551: leftovers read as pairs beside
// sets, as two pair shapes, or as spaced singles.
#include <algorithm>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/aimed/aimed_rules.h"
#include "com/hand_terms.h"
#include "com/turn/cascade_places.h"
#include "com/turn/template_leftovers.h"
#include "base/yaku_table.h"

namespace {

using Counts = KindCounts;

constexpr int kA = kAnyCount;


template <class Pred>
int held_among(Pred&& pred) {
  int n = 0;
  for (int t : kPlayingTiles)
    if (pred(t)) n += held(t);
  return n;
}

template <class Pred>
bool any_meld(int seat, Pred&& pred) {
  return std::any_of(g_melds[seat], g_melds[seat] + kMeldSlots, [&](int m) { return m != 0 && pred(m); });
}

// ---------------------------------------------------------------- rule 540
// What the rest of the hand may still become, each with a pair of its own.
struct HandFlags {
  bool honours;    // A: two honours held, none declared
  bool outside;    // B: two terminals or honours held, none in a meld
  bool middles;    // M: little of ranks 2 to 8 held or declared
};

HandFlags hand_flags(int seat) {
  HandFlags f{};
  f.honours = !any_meld(seat, [](int m) { return is_honour(meld_tile(m)); }) && held_among(is_honour) == 2;
  f.outside = !any_meld(seat, [](int m) {
    return is_terminal_or_honour(meld_tile(m)) || (meld_kind(m) == kMeldChow && rank_of(meld_tile(m)) == 7);
  }) && held_among(is_terminal_or_honour) == 2;
  const bool middle_meld = any_meld(seat, [](int m) {
    const int t = meld_tile(m);
    return meld_kind(m) == kMeldChow ? rank_of(t) >= 2 && rank_of(t) <= 6 : is_middle_rank(t);
  });
  const bool middle_triple = std::any_of(kPlayingTiles.begin(), kPlayingTiles.end(), [](int t) { return is_middle_rank(t) && held(t) >= 3; });
  const bool middle_chow = std::any_of(kPlayingTiles.begin(), kPlayingTiles.end(), [](int t) {
    return is_suited(t) && rank_of(t) >= 3 && rank_of(t) <= 5 && held(t) >= 1 && held(t + 1) >= 1 && held(t + 2) >= 1;
  });
  const int centre = held_among([](int t) { return is_suited(t) && rank_of(t) >= 4 && rank_of(t) <= 6; });
  f.middles = !middle_meld && !middle_triple && !middle_chow && centre < 3;
  return f;
}

struct PassCodes {
  int middle, honour, outside, any;
};

// One pass of rule 540 over the counts left once a set is set aside.
bool take_surplus_pair(int seat, const Counts& d, const HandFlags& f, const PassCodes& codes) {
  const auto pair_of = [&](bool (*kind)(int), int subcode) {
    return each_pool_tile([&](int slot, int t) { return kind(t) && d[t] == 2 && take(seat, slot, 540, subcode); });
  };
  if (f.middles && pair_of(is_middle_rank, codes.middle)) return true;
  if (f.honours && pair_of(is_honour, codes.honour)) return true;
  if (f.outside && pair_of(is_terminal_or_honour, codes.outside)) return true;
  for (int k = 2; k <= 4; ++k) {
    for (int p = 0; p <= 4; ++p) {
      const bool taken = each_pool_tile([&](int slot, int t) {
        const bool in_pass = is_honour(t) || rank_of(t) == p + 1 || rank_of(t) == 9 - p;
        return in_pass && held(t) == k && (d[t] == 2 || d[t] == 4) && take(seat, slot, 540, codes.any);
      });
      if (taken) return true;
    }
  }
  return false;
}

// Sets aside the lowest chow (or the lowest triplet); true when there was
// one and it leaves exactly two kinds with a pair or more.
bool set_aside(Counts& d, bool chow) {
  if (!take_lowest(d, chow ? Group::kChow : Group::kTriplet)) return false;
  return std::count_if(d.begin(), d.end(), [](int n) { return n >= 2; }) == 2;
}

// ---------------------------------------------------------------- rule 550
constexpr int kWithPair = 2;

// Pair shapes: a pair and a single side by side, then a pair and a single
// one rank apart (each counted once).
int pair_shapes(Counts c) {
  int shapes = 0;
  for (int t : kPlayingTiles) {
    if (!is_suited(t)) continue;
    const int a = c[t], b = count_at(c.data(), t, 1);
    shapes += count_at(c.data(), t, -1) == 0 && a >= 1 && b >= 1 && a + b == 3 && count_at(c.data(), t, 2) == 0;
  }
  for (int t : kPlayingTiles) {
    if (!is_suited(t)) continue;
    const int a = c[t], b = count_at(c.data(), t, 2);
    if (side_run(c.data(), t, kTowardOne, -1, {0, kA, 0, kA, 0}) && a >= 1 && b >= 1 && a + b == 3) {
      ++shapes;
      c[t] = c[t + 2] = 0;
    }
  }
  return shapes;
}

// Rule 550's scans in order; the first pair of scans only for the mixed
// shifted chows, with the tiles beside the taken one live.
constexpr MirroredShape kTwoGapsTwoPairs{600, 601, 3, 5, {-3, 9, {0, 1, 0, 2, 0, 1, 0, 2, 0}}};
constexpr MirroredShape kSpacedPairs[] = {
    {610, 611, 1, 3, {-1, 9, {0, 1, 0, 2, 0, 1, 0, 2, 0}}},
    {0, 1, 1, 1, {0, 3, {1, 2, 0}}},
    {100, 101, 1, 1, {0, 4, {1, 0, 2, 0}}},
    {200, 201, 2, 2, {-1, 3, {2, 1, 0}}},
    {300, 301, 3, 3, {-2, 4, {2, 0, 1, 0}}},
};
constexpr MirroredShape kSpacedByPasses[] = {
    {400, 401, 1, 7, {-1, 5, {0, 1, 0, 2, 0}}},
    {500, 501, 1, 8, {-1, 4, {0, 1, 2, 0}}},
};

// ---------------------------------------------------------------- rule 551
constexpr MirroredShape kSpacedSingles[] = {
    {0, 9, 1, 7, {-1, 5, {0, 1, 0, 2, 0}}},
    {11, 19, 1, 8, {-1, 4, {0, 1, 2, 0}}},
};

bool three_spaced_singles(const Counts& c) {
  return std::any_of(kPlayingTiles.begin(), kPlayingTiles.end(), [&](int n) {
    return is_suited(n) && side_run(c.data(), n, kTowardOne, -2, {0, 0, 1, 0, 1, 0, 1, 0, 0});
  });
}

}  // namespace

void discard_rule_540_template_leftover(int seat) {
  Leftovers l{};
  if (!template_rule_gate(seat, true, {7}, l)) return;
  const HandFlags flags = hand_flags(seat);
  Counts d = l.c;
  if (set_aside(d, true) && take_surplus_pair(seat, d, flags, {920, 900, 910, 0})) return;
  d = l.c;
  if (set_aside(d, false)) take_surplus_pair(seat, d, flags, {820, 800, 810, 100});
}

void discard_rule_550_template_leftover(int seat) {
  Leftovers l{};
  if (!template_rule_gate(seat, true, {6}, l) || pair_shapes(l.c) != kWithPair) return;
  const int* c = l.c.data();
  const auto live_sides = [](int t) { return count_at(g_seen_counts, t, -1) < 4 && count_at(g_seen_counts, t, 1) < 4; };
  if (aims_at_any(seat, {kYaku27MixedShiftedChows}) && take_first_fit(seat, 550, c, kTwoGapsTwoPairs, live_sides)) return;
  for (const MirroredShape& shape : kSpacedPairs)
    if (take_first_fit(seat, 550, c, shape)) return;
  for (const MirroredShape& shape : kSpacedByPasses)
    if (take_first_fit_by_passes(seat, 550, c, shape)) return;
}

void discard_rule_551_template_leftover(int seat) {
  Leftovers l{};
  if (!template_rule_gate(seat, true, {6}, l) || !three_spaced_singles(l.c)) return;
  for (const MirroredShape& shape : kSpacedSingles)
    if (take_first_fit(seat, 551, l.c.data(), shape)) return;
}
