// The COM claim decision on the latest discard (the last river entry of
// g_discarder): its only effects are the seat's row of g_naki_flags and its
// g_chi_variant. The six characters' deciders behave identically.
#pragma once

// Seat 1..3: the decider of the seat's character.
void com_decide_naki(int seat);

void decide_naki_com1(int seat);
void decide_naki_com2(int seat);
void decide_naki_com3(int seat);
void decide_naki_com4(int seat);
void decide_naki_com5(int seat);
void decide_naki_com6(int seat);

// The decider of character 0..6 (0 and 1 both COM1's), as the advisor
// option and g_seat_character number them.
void decide_naki_of_character(int character, int seat);

// The chow-pattern rule run once per chow-pattern candidate of the seat
// (ids 27, 33, 35, 49 in that order, slots in order; 47 only while the
// target is 47), each with the candidate exchanged into the target and its
// variant, and exchanged back; stops at the first that decides.
using ClaimRule = void (*)(int seat);
void run_chow_candidates(int seat, ClaimRule rule);

// Calls are considered only while this many tiles are left in the wall.
constexpr int kMinWallForCalls = 4;
