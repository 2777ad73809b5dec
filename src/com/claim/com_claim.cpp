#include "com/claim/com_claim.h"

#include <algorithm>
#include <array>
#include <utility>

#include "base/table_state.h"
#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/target/com_target.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "base/waits.h"
#include "table/claim_actions.h"
#include "table/win_test.h"

namespace {

// Sets the win flag when the discard completes the hand with 8 points.
// Seat 0's value of the completed hand is shown whatever it is.
bool wins_on_discard(int seat) {
  const int tile = latest_discard_tile();
  const WaitSet waits = seat_ready_waits(seat);
  if (std::find(waits.tiles, waits.tiles + waits.count, tile) == waits.tiles + waits.count) return false;
  const int points = score_win_with(seat, tile, waits);
  if (seat == 0) g_shown_points = points;
  if (points < kMinimumWinPoints) return false;
  g_naki_flags[seat][kWinFlag] = 1;
  return true;
}

// A ready hand worth enough as it stands waits instead of calling; the bar
// is lower for a hand that is still concealed.
bool ready_hand_vetoes(int seat) {
  const int best = best_live_ready_value(seat);
  const int calls = g_seat_state[seat].naki_count;
  return best >= kMinimumWinPoints || (best >= 6 && calls == 0) || (best >= 7 && calls >= 1);
}

// Flowers still in hand leave no room for another meld's tiles.
bool flowers_veto(int seat) {
  const int flowers = flowers_in_hand(seat);
  const int open_calls = g_seat_state[seat].open_naki_count;
  return (flowers >= 5 && open_calls == 2) || (flowers >= 2 && open_calls == 3);
}

// The chow-pattern rule for the candidate in `slot`, the candidate and its
// variant standing in for the target meanwhile.
void run_for_candidate(int seat, int slot, ClaimRule rule) {
  std::swap(g_ai_target_yaku[seat], g_ai_chow_candidates[seat][slot]);
  std::swap(g_ai_target_variant[seat], g_ai_chow_candidate_variants[seat][slot]);
  rule(seat);
  std::swap(g_ai_target_yaku[seat], g_ai_chow_candidates[seat][slot]);
  std::swap(g_ai_target_variant[seat], g_ai_chow_candidate_variants[seat][slot]);
}

bool run_candidates_of(int seat, int id, ClaimRule rule) {
  for (int slot = 0; slot < kChowCandidates; ++slot) {
    if (g_ai_chow_candidates[seat][slot] != id) continue;
    run_for_candidate(seat, slot, rule);
    if (g_naki_decided == 1) return true;
  }
  return false;
}

// The one decider behind every character.
void decide_naki(int seat) {
  if (wins_on_discard(seat)) return;
  if (g_wall_count < kMinWallForCalls || g_melds[seat][kMeldSlots - 1] != 0) return;
  g_naki_decided = 0;
  count_visible_tiles(seat);
  count_hand_tiles(seat);
  naki_to_get_ready(seat, kMinimumWinPoints);
  if (g_naki_decided == 1) return;
  naki_for_better_ready_hand(seat);
  if (g_naki_decided == 1) return;
  if (ready_hand_vetoes(seat) || flowers_veto(seat) || g_seat_state[seat].defend == 1) return;
  run_claim_rules(seat);
  if (g_naki_decided == 1) return;
  run_chow_candidates(seat, naki_chow_patterns);
  if (g_naki_decided == 1) return;
  naki_fallback(seat);
}

constexpr std::array<void (*)(int), 7> kDeciders{decide_naki_com1, decide_naki_com1, decide_naki_com2, decide_naki_com3,
                                                 decide_naki_com4, decide_naki_com5, decide_naki_com6};

}  // namespace

void run_chow_candidates(int seat, ClaimRule rule) {
  for (int id : {27, 33, 35, 49})
    if (run_candidates_of(seat, id, rule)) return;
  // Slots of 47 hold further layouts of the target itself.
  if (g_ai_target_yaku[seat] == 47) run_candidates_of(seat, 47, rule);
}

void decide_naki_com1(int seat) { decide_naki(seat); }
void decide_naki_com2(int seat) { decide_naki(seat); }
void decide_naki_com3(int seat) { decide_naki(seat); }
void decide_naki_com4(int seat) { decide_naki(seat); }
void decide_naki_com5(int seat) { decide_naki(seat); }
void decide_naki_com6(int seat) { decide_naki(seat); }

void decide_naki_of_character(int character, int seat) {
  if (character < 0 || character >= static_cast<int>(kDeciders.size())) return;
  kDeciders[character](seat);
}

void com_decide_naki(int seat) { decide_naki_of_character(g_seat_character[seat], seat); }
