#include "com/turn/basic_rules.h"

#include <algorithm>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "com/turn/planner_state.h"

namespace {

constexpr int kSevenPairsAim = 56;
constexpr int kHonoursKnittedAim = 57;
constexpr int kThirteenOrphansAim = 77;
constexpr int kDefendWallBelow = 4;   // fewer tiles left than this: every seat defends
constexpr int kWallPerStep = 4;       // tiles a seat may still draw per step it lacks

// The first pool slot whose tile passes, -1 when none.
template <typename Test>
int first_pool_slot(Test test) {
  for (int i = 0; i < kHandSlots; ++i)
    if (g_ai_work_hand[i] != 0 && test(g_ai_work_hand[i])) return i;
  return -1;
}

template <typename Test>
bool propose_first(int seat, int reason, int subcode, Test test) {
  const int slot = first_pool_slot(test);
  if (slot < 0) return false;
  propose_discard(seat, slot, reason, subcode);
  return true;
}

// Copies of a kind the seat can account for: its own and the visible ones.
int accounted(int tile) { return held(tile) + seen_by_all(tile); }

// The hand count of the tile `d` ranks away in the same suit; 0 outside it.
int held_beside(int tile, int d) {
  const int rank = rank_of(tile) + d;
  return rank >= 1 && rank <= 9 ? held(tile + d) : 0;
}

bool defence_gate_closed(int seat, int strict) {
  return strict == 1 && g_seat_state[seat].false_win == 0 && g_wall_count >= 1;
}

bool should_defend(int seat) {
  const SeatAiRecord& ai = AI[seat];
  if (g_seat_state[seat].false_win == 1 || g_wall_count < kDefendWallBelow) return true;
  switch (g_ai_target_yaku[seat]) {
    case kSevenPairsAim: return g_wall_count < kWallPerStep * ai.min_shanten_chiitoi + kWallPerStep;
    case kHonoursKnittedAim: return g_wall_count < kWallPerStep * ai.min_shanten_knitted + kWallPerStep;
    case kThirteenOrphansAim: return g_wall_count < kWallPerStep * ai.min_shanten_kokushi + kWallPerStep;
    default: return ai.min_shanten >= 1 && g_wall_count <= kWallPerStep * ai.min_shanten;
  }
}

// Every other seat has called, or enough honours are gone that the
// remaining ones are what the others wait on.
bool table_is_dangerous(int seat) {
  bool all_melded = true;
  for (int p = 0; p < kSeats; ++p)
    if (p != seat && g_melds[p][0] == 0) all_melded = false;
  int dead_visible = 0, dead_seen = 0;
  for (int t = kEast; t <= kRed; ++t) {
    dead_visible += seen_by_all(t) == 4;
    dead_seen += g_seen_counts[t] == 4;
  }
  return all_melded || dead_visible >= 3 || dead_seen >= 4;
}

// A suited tile all of whose copies are accounted for, and whose runs are
// blocked by the neighbours `below` and `above` ranks away. A neighbour is
// tested only on the ranks given; an untested neighbour counts as dead.
bool dead_suited(int t, int below, int below_from, int above, int above_to) {
  if (!is_suited(t) || accounted(t) != 4) return false;
  const int rank = rank_of(t);
  if (rank >= below_from && accounted(t - below) != 4) return false;
  if (rank <= above_to && accounted(t + above) != 4) return false;
  return true;
}

int latest_river_tile(int p) {
  const int n = g_river_count[p];
  return n > 0 && n <= kRiverCapacity ? g_river[p][n - 1] % 100 : 0;
}

bool in_history(int p, int tile) {
  const int n = std::clamp(g_discard_history_count[p], 0, kRiverCapacity);
  return std::find(g_discard_history[p], g_discard_history[p] + n, tile) != g_discard_history[p] + n;
}

}  // namespace

bool is_neutral_tile(int seat, int tile) {
  return tile >= 0 && tile < kHaiSyantenEntries && AI[seat].hai_syanten[tile] == AI[seat].min_shanten;
}

void discard_rule_700_hana(int seat) {
  if (g_after_naki_turn == 1) return;
  propose_first(seat, kReasonHana, 0, [](int t) { return is_flower(t); });
}

void discard_rule_900_dead_tile(int seat, int strict) {
  if (defence_gate_closed(seat, strict)) return;
  g_seat_state[seat].defend = should_defend(seat) ? 1 : 0;
  if (g_seat_state[seat].defend == 0 || !table_is_dangerous(seat)) return;
  if (propose_first(seat, kReasonDeadTile, 0, [](int t) { return is_honour(t) && held(t) >= 1 && accounted(t) == 4; }))
    return;
  if (propose_first(seat, kReasonDeadTile, 10, [](int t) { return dead_suited(t, 1, 3, 1, 7); })) return;
  if (propose_first(seat, kReasonDeadTile, 11, [](int t) { return dead_suited(t, 2, 3, 1, 8); })) return;
  propose_first(seat, kReasonDeadTile, 12, [](int t) { return dead_suited(t, 1, 2, 2, 7); });
}

void discard_rule_910_safe_tile(int seat, int strict) {
  if (defence_gate_closed(seat, strict) || g_seat_state[seat].defend != 1) return;
  // The seat before, opposite, after: s+3, s+2, s+1.
  const int order[3] = {(seat + 3) % kSeats, (seat + 2) % kSeats, (seat + 1) % kSeats};
  for (int k = 0; k < 3; ++k) {
    const int last = latest_river_tile(order[k]);
    if (last == 0) continue;
    if (propose_first(seat, kReasonSafeTile, 2 * k, [last](int t) { return t == last && seen_by_all(t) < 3; })) return;
    if (propose_first(seat, kReasonSafeTile, 2 * k + 1, [last](int t) { return t == last && is_honour(t); })) return;
  }
  if (propose_first(seat, kReasonSafeTile, 10, [seat](int t) {
        if (!is_playing_tile(t)) return false;
        for (int p = 0; p < kSeats; ++p)
          if (p != seat && !in_history(p, t)) return false;
        return true;
      }))
    return;
  for (int k = 0; k < 3; ++k) {
    const int last = latest_river_tile(order[k]);
    if (last != 0 && propose_first(seat, kReasonSafeTile, 20 + k, [last](int t) { return t == last; })) return;
  }
}

void discard_rule_800_thin_suit(int seat, int variant, int strict) {
  const auto ok = [seat, strict](int t) { return is_playing_tile(t) && (strict == 0 || is_neutral_tile(seat, t)); };
  int per_suit[3] = {0, 0, 0};
  for (int slot : g_hand[seat])
    if (is_suited(slot)) ++per_suit[suit_of(slot)];
  for (int s = 0; s < 3; ++s) {
    const bool thin = per_suit[s] == 1 || per_suit[s] == 2;
    const bool other_void = per_suit[(s + 1) % 3] == 0 || per_suit[(s + 2) % 3] == 0;
    if (thin && other_void &&
        propose_first(seat, kReasonThinSuit, variant, [&](int t) { return ok(t) && is_suited(t) && suit_of(t) == s; }))
      return;
  }
  for (int n = 1; n <= 4; ++n)
    if (propose_first(seat, kReasonThinSuit, variant + 100, [&](int t) { return ok(t) && is_honour(t) && held(t) == n; }))
      return;
  const auto lone = [&](int t, int most_beside) {
    if (!ok(t) || !is_suited(t) || held(t) != 1 || held_beside(t, -1) || held_beside(t, 1)) return false;
    return (held_beside(t, -2) > 0) + (held_beside(t, 2) > 0) <= most_beside;
  };
  if (propose_first(seat, kReasonThinSuit, variant + 200, [&](int t) { return lone(t, 0); })) return;
  if (propose_first(seat, kReasonThinSuit, variant + 300, [&](int t) { return lone(t, 1); })) return;
  for (int n = 1; n <= 4; ++n)
    if (propose_first(seat, kReasonThinSuit, variant + 400, [&](int t) { return ok(t) && is_suited(t) && held(t) == n; }))
      return;
}
