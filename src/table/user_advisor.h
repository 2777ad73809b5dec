// What the user's turn and choices ask of the advisor and of the computer
// players' bookkeeping, each through one call.
#pragma once

// The suggested discard of the character chosen as the user's advisor
// (g_suggested_discard, 0 for none); the user's hand is left as it was.
void advise_user_turn();

// The advisor's claim hint on the latest discard of g_discarder
// (g_user_action, g_naki_hint_chi, g_naki_hint_tile); the user's claim
// flags are cleared afterwards.
void advise_user_claim_again();

// The safety marks after the user's discard.
void mark_safe_after_user_discard();
