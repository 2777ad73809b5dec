#include "com/turn/advisor.h"

#include <array>

#include "base/options.h"
#include "base/table_state.h"
#include "com/claim/com_claim.h"
#include "com/turn/planner.h"
#include "com/turn/planner_state.h"

namespace {
// The hint the hand drawing shows for each claim flag: win, pung, chow, kong.
constexpr int kHintOfFlag[4] = {4, 2, 1, 3};
}  // namespace

int advise_user_discard() {
  std::array<int, kHandSlots> saved{};
  std::copy(std::begin(g_hand[0]), std::end(g_hand[0]), saved.begin());
  plan_discard_of_character(option(opt_ai_tile_choice), 0);
  g_suggested_discard = g_ai_discard_count > 0 ? g_ai_discard_candidates[0] : 0;
  std::copy(saved.begin(), saved.end(), g_hand[0]);
  return g_suggested_discard;
}

void advise_user_claim(int discard) {
  std::array<int, 4> saved{};
  std::copy(std::begin(g_naki_flags[0]), std::end(g_naki_flags[0]), saved.begin());
  std::fill(std::begin(g_naki_flags[0]), std::end(g_naki_flags[0]), 0);
  g_user_action = 0;
  decide_naki_of_character(option(opt_ai_tile_choice), 0);
  for (int flag = 0; flag < 4; ++flag)
    if (g_naki_flags[0][flag] == 1) g_user_action = kHintOfFlag[flag];
  g_naki_hint_chi = g_chi_variant[0];
  g_naki_hint_tile = discard;
  std::copy(saved.begin(), saved.end(), g_naki_flags[0]);
}
