// The COM claim rule chain: pung, chow and kong decisions by the seat's
// target, run after the win test while calls are possible.
#pragma once

// May set one of g_naki_flags[seat][1] (pung), [2] (chow, with
// g_chi_variant[seat]) or [3] (kong); stops at the first rule that decides.
void run_claim_rules(int seat);
