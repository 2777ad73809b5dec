// Rule 20: break one pair of a hand holding more pairs than a winning hand
// can use. The modes run ever longer stretches of one list of tests; the
// sub-code is mode x 1000 + the test's code.
#include "base/ai_record.h"
#include "base/visible.h"
#include "com/hand_terms.h"
#include "com/turn/generic_rules.h"
#include "com/turn/rule_shapes.h"
#include "com/turn/rule_target.h"

namespace {

constexpr int kRule20 = 20;
constexpr int kMixedShiftedChows = 27;

// What the tests of modes 0 to 3 share.
struct PairHand {
  int seat;
  int base;              // mode x 1000
  int pool[kTileCodes];  // the pool's counts; a pair is a count of exactly 2
  int pairs;             // kinds held exactly twice in the pool
  bool free;             // no aim, or a hand of six or more blocks
  bool lone_honour_pair;

  bool pair(int tile) const { return pool[tile] == 2; }
  bool neutral_pair(int tile) const { return pair(tile) && is_neutral(seat, tile); }
  bool take(int slot, int code) const { return ::take(seat, slot, kRule20, base + code); }
};


// A pool honour pair for a seat after the mixed shifted chows whose
// concealed honours are pairs only, while a suited pair keeps the distance.
void take_honour_pair_for_shifted_chows(int seat, const int* pool) {
  const SeatAiRecord& ai = AI[seat];
  if (ai.best_blocks < 6 || ai.best_pairs < 2 || !aims_at_or_keeps(seat, kMixedShiftedChows)) return;
  bool honour_single = false;
  bool honour_pair = false;
  for (int tile = kEast; tile <= kRed; ++tile) {
    honour_single |= held(tile) == 1;
    honour_pair |= held(tile) == 2;
  }
  if (honour_single || !honour_pair || has_honour_meld(seat)) return;
  bool suited_pair = false;
  for (int tile = 1; tile < kEast; ++tile) suited_pair |= is_suited(tile) && pool[tile] >= 2 && is_neutral(seat, tile);
  if (!suited_pair) return;
  each_pool_tile([&](int slot, int tile) { return is_honour(tile) && pool[tile] >= 2 && take(seat, slot, kRule20, 4100); });
}

// Pairs standing each beside one single (t t t+1 or t t+2 t+2, say) with
// two empty ranks around the shape.
int isolated_pair_and_neighbour_shapes(const int* pool) {
  const auto three_of_two_kinds = [](int a, int b) { return a >= 1 && a <= 2 && b >= 1 && b <= 2 && a + b == 3; };
  int shapes = 0;
  for (int suit = kCharacters; suit <= kBamboo; ++suit)
    for (int rank = 1; rank <= 8; ++rank) {
      const int t = make_tile(suit, rank);
      if (side_run(pool, t, kTowardOne, -2, {0, 0, kAnyCount, kAnyCount, 0, 0}) && three_of_two_kinds(pool[t], pool[t + 1]))
        ++shapes;
      if (rank <= 7 && side_run(pool, t, kTowardOne, -2, {0, 0, kAnyCount, 0, kAnyCount, 0, 0}) &&
          three_of_two_kinds(pool[t], pool[t + 2]))
        ++shapes;
    }
  return shapes;
}

// Tests 100 to 131 and the terminal-pair test of a free hand, run by modes 0 to 3.
bool take_by_common_tests(const PairHand& h) {
  const bool two_or_three = h.pairs == 2 || h.pairs == 3;
  if (two_or_three && !has_honour_meld(h.seat) && h.lone_honour_pair &&
      each_count_down(2, [&](int n) {
        return each_pool_tile([&](int slot, int t) {
          return is_honour(t) && seen_by_all(t) == n && (h.free || is_neutral(h.seat, t)) && h.take(slot, 100);
        });
      }))
    return true;
  if (two_or_three && terminal_honour_slots(h.seat) == 2 &&
      each_count_down(2, [&](int n) {
        return each_pool_tile([&](int slot, int t) {
          return is_terminal_or_honour(t) && held(t) == 2 && seen_by_all(t) == n && h.take(slot, 110);
        });
      }))
    return true;
  if (h.pairs != 3) return false;
  // Three evenly spaced pairs: the middle one.
  if (each_pool_tile([&](int slot, int t) {
        return is_suited(t) && rank_of(t) >= 3 && rank_of(t) <= 7 &&
               side_run(h.pool, t, kTowardOne, -4, {0, 0, 2, 0, 2, 0, 2, 0, 0}) && h.take(slot, 120);
      }))
    return true;
  // Two pairs a rank apart: the one nearer the end of the suit.
  if (each_by_distance(0, 4, [&](int slot, int t) {
        return each_side([&](int side) {
          return side_rank(t, side) <= 7 && side_run(h.pool, t, side, -2, {0, 0, 2, 0, 2, 0}) &&
                 h.take(slot, side_code(side, 130, 131));
        });
      }))
    return true;
  return h.free && each_count_down(2, [&](int n) {
           return each_pool_tile([&](int slot, int t) {
             if (!is_terminal_or_honour(t) || seen_by_all(t) != n || !h.pair(t)) return false;
             const bool bare = is_honour(t) || side_run(h.pool, t, rank_of(t) == 1 ? kTowardOne : kTowardNine, 1, {0, 0});
             return bare && h.take(slot, 110);
           });
         });
}

// Mode 2's last tests: an honour or a bare terminal with two copies visible.
void take_half_dead_honour_or_terminal(const PairHand& h) {
  if (!h.free || (h.pairs != 2 && h.pairs != 3)) return;
  if (each_pool_tile([&](int slot, int t) {
        return is_honour(t) && is_neutral(h.seat, t) && seen_by_all(t) == 2 && h.take(slot, 40);
      }))
    return;
  each_neutral_suited(h.seat, [&](int slot, int t) {
    return seen_by_all(t) == 2 && each_side([&](int side) {
             return side_rank(t, side) == 1 && side_run(h.pool, t, side, 1, {0, 0}) && h.take(slot, side_code(side, 41, 42));
           });
  });
}

// The lone honour pair of a free hand, least valuable first.
bool take_lone_honour_pair(const PairHand& h) {
  if (!h.free || !h.lone_honour_pair) return false;
  const auto scan = [&](int code, auto&& test) {
    return each_pool_tile([&](int slot, int t) { return is_honour(t) && is_neutral(h.seat, t) && test(t) && h.take(slot, code); });
  };
  return scan(0, [&](int t) { return !is_value_honour(h.seat, t); }) ||
         scan(1, [&](int t) { return seen_by_all(t) == 2; }) ||
         scan(2, [&](int t) { return t != seat_wind(h.seat) && t != round_wind(); });
}

// Neutral pool pairs in three widening groups: terminals, then 1, 2, 8 and
// 9, then any tile (honours only in the last). seen < 0 drops the seen-count
// test; `groups` cuts the list short.
bool take_pair_by_rank_group(const PairHand& h, int seen, int code, int groups) {
  const auto near_end = [](int t, int reach) {
    return is_suited(t) && (rank_of(t) <= reach || rank_of(t) >= 10 - reach);
  };
  for (int group = 0; group < groups; ++group) {
    const bool took = each_pool_tile([&](int slot, int t) {
      const bool in_group = group == 2 || near_end(t, group + 1);
      return in_group && h.neutral_pair(t) && (seen < 0 || g_seen_counts[t] == seen) && h.take(slot, code + group);
    });
    if (took) return true;
  }
  return false;
}

// A concealed 1 _ 3 3 4 _ or 1 _ 3 4 4 _ in some suit: a hand of six blocks
// that holds one keeps its pairs.
bool holds_gapped_pair_run() {
  for (int suit = kCharacters; suit <= kBamboo; ++suit)
    for (int rank = 1; rank <= 6; ++rank) {
      const int t = make_tile(suit, rank);
      if (side_run(g_hand_counts, t, kTowardOne, -1, {0, 1, 0, 2, 1, 0}) ||
          side_run(g_hand_counts, t, kTowardOne, -1, {0, 1, 0, 1, 2, 0}))
        return true;
    }
  return false;
}

// Mode 0's tests after the lone honour pair.
void take_by_last_tests(const PairHand& h) {
  if (h.free && g_ai_pung_meld_count == 0 &&
      each_pool_tile([&](int slot, int t) {
        return is_honour(t) && h.neutral_pair(t) && seen_by_all(t) == 2 && h.take(slot, 40);
      }))
    return;
  if (take_pair_by_rank_group(h, 4, 10, 3)) return;
  if (g_ai_pung_meld_count != 0 && each_count_down(2, [&](int n) {
        return each_pool_tile([&](int slot, int t) {
          return h.neutral_pair(t) && !is_value_honour(h.seat, t) && g_seen_counts[t] == n && h.take(slot, 1);
        });
      }))
    return;
  if (take_pair_by_rank_group(h, 3, 20, 3)) return;
  if (AI[h.seat].best_blocks >= 6 && holds_gapped_pair_run()) return;
  if (take_pair_by_rank_group(h, -1, 30, 2)) return;
  for (int d = 0; d <= 4; ++d) {
    const bool took = each_pool_tile([&](int slot, int t) {
      const bool at_d = is_honour(t) || rank_of(t) == d + 1 || rank_of(t) == 9 - d;
      return at_d && h.neutral_pair(t) && h.take(slot, 32);
    });
    if (took) return;
  }
}

}  // namespace

void discard_rule_20_surplus_pairs(int seat, int mode) {
  PairHand h{};
  h.seat = seat;
  h.base = 1000 * mode;
  count_pool(h.pool);
  if (mode == 4) {
    take_honour_pair_for_shifted_chows(seat, h.pool);
    return;
  }
  const RuleTarget target = rule_target(seat);
  if (mode == 1 && target.yaku != 0 && !aims_at_or_keeps(seat, kMixedShiftedChows)) return;
  if ((mode == 2 || mode == 3) && AI[seat].best_pairs < 3) return;

  for (int t = 1; t <= kRed; ++t) h.pairs += h.pair(t) ? 1 : 0;
  if (h.pairs < 2) return;
  if (h.pairs == 2 && isolated_pair_and_neighbour_shapes(h.pool) == 2) return;
  h.free = target.yaku == 0 || AI[seat].best_blocks >= 6;
  h.lone_honour_pair = lone_honour_pair() != 0;

  if (take_by_common_tests(h) || mode == 3) return;
  if (mode == 2) {
    take_half_dead_honour_or_terminal(h);
    return;
  }
  if (take_lone_honour_pair(h) || mode == 1) return;
  take_by_last_tests(h);
}
