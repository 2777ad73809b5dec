// The COM claim rule chain: pung, chow and kong decisions by the seat's
// target, run after the win test while calls are possible.
#pragma once

// May set one of g_naki_flags[seat][kPungFlag], [kChowFlag] (with
// g_chi_variant[seat]) or [kKongFlag]; stops at the first rule that decides.
void run_claim_rules(int seat);
