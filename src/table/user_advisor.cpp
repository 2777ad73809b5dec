#include "table/user_advisor.h"

#include <algorithm>

#include "com/claim/com_claim.h"
#include "shell/options.h"
#include "table/claim_actions.h"
#include "table/table_state.h"

namespace {
// The hint the hand drawing shows for each claim flag: win, pung, chow, kong.
constexpr int kHintOfFlag[4] = {4, 2, 1, 3};
}  // namespace

// The discard planner arrives with the computer players' turn; until then
// the advisor suggests nothing.
void advise_user_turn() { g_suggested_discard = 0; }

void advise_user_claim_again() {
  g_user_action = 0;
  decide_naki_of_character(option(opt_ai_tile_choice), 0);
  for (int flag = 0; flag < 4; ++flag)
    if (g_naki_flags[0][flag] == 1) g_user_action = kHintOfFlag[flag];
  g_naki_hint_chi = g_chi_variant[0];
  g_naki_hint_tile = latest_discard_tile();
  std::fill(std::begin(g_naki_flags[0]), std::end(g_naki_flags[0]), 0);
}

// The safety marks arrive with the computer players' final pick.
void mark_safe_after_user_discard() {}
