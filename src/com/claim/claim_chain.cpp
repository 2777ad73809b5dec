#include <array>

#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"

namespace {

// A seat with a target meets at most one pattern rule here; a seat without
// one meets the extra kong, the dragon pungs and the melded hand, in order.
constexpr std::array<void (*)(int), 31> kClaimChain{
    naki_chow_patterns,
    naki_extra_kong,
    naki_outside_hand,
    naki_two_dragon_pungs,
    naki_all_pungs,
    naki_all_types,
    naki_one_suit,
    naki_melded_hand,
    naki_mixed_shifted_pungs,
    naki_chicken_hand,
    naki_reversible_tiles,
    naki_knitted_straight,
    naki_three_suited_terminal_chows,
    naki_triple_pung,
    naki_all_fives,
    naki_pure_triple_chow,
    naki_pure_shifted_pungs,
    naki_all_even_pungs,
    naki_upper_tiles,
    naki_middle_tiles,
    naki_lower_tiles,
    naki_four_pure_shifted_chows,
    naki_all_terminals_and_honours,
    naki_quadruple_chow,
    naki_four_pure_shifted_pungs,
    naki_pure_terminal_chows,
    naki_all_honours,
    naki_all_terminals,
    naki_big_four_winds,
    naki_big_three_dragons,
    naki_all_green,
};

}  // namespace

void run_claim_rules(int seat) {
  for (auto rule : kClaimChain) {
    rule(seat);
    if (g_naki_decided == 1) return;
  }
}
