#include "com/claim/com_claim.h"

#include <array>

#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "table/claim_actions.h"
#include "table/table_state.h"
#include "table/win_test.h"

namespace {

// The one decider behind every character: the win test, then the calls.
void decide_naki(int seat) {
  const int points = win_points_with(seat, latest_discard_tile(), 1);
  if (points != kNotAWait) {
    if (seat == 0) g_shown_points = points;
    if (points >= kMinimumWinPoints) {
      g_naki_flags[seat][0] = 1;
      return;
    }
  }
  if (g_wall_count < kMinWallForCalls || g_melds[seat][kMeldSlots - 1] != 0) return;
  g_naki_decided = 0;
  run_claim_rules(seat);
}

constexpr std::array<void (*)(int), 7> kDeciders{decide_naki_com1, decide_naki_com1, decide_naki_com2, decide_naki_com3,
                                                 decide_naki_com4, decide_naki_com5, decide_naki_com6};

}  // namespace

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
