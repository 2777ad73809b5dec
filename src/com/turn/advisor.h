// The user's advisor: what the character chosen by opt_ai_tile_choice (0 and
// 1 COM1, 2..6 COM2..COM6) would do in the user's place.
#pragma once

// The suggested discard: the first candidate of that character's planner
// run on seat 0's hand, stored in g_suggested_discard and returned. Seat 0's
// hand is left as it was and no random number is drawn; seat 0's target and
// decision records are rewritten, as for any planner run.
int advise_user_discard();

// The claim hint on `discard` (another seat's latest discard): that
// character's claim decision for seat 0, kept in g_user_action (4 win,
// 2 pung, 1 chow, 3 kong, 0 none), g_naki_hint_chi and g_naki_hint_tile.
// Seat 0's claim flags are left as they were.
void advise_user_claim(int discard);
