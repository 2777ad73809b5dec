// Discard rules that do not read the hand's shape: the flower rule (700),
// the defence rules (900 dead tiles, which also decides whether the seat
// defends, and 910 safe tiles) and the thin-suit rule (800), the fallback
// of relaxation level 7. Each follows the planner's rule contract.
#pragma once

// Rule codes as the decision record keeps them.
constexpr int kReasonHana = 700;
constexpr int kReasonThinSuit = 800;
constexpr int kReasonDeadTile = 900;
constexpr int kReasonSafeTile = 910;

// The first flower of the pool, unless the turn follows the seat's own call.
void discard_rule_700_hana(int seat);

// Variant k 0..6 of level 7 (added to the sub-code); strict 1 takes only
// tiles whose discard keeps the distance to ready, 0 any tile.
void discard_rule_800_thin_suit(int seat, int variant, int strict);

// strict 1 runs only after a false win or with an empty wall. Sets the
// seat's defence flag (g_seat_state[seat].defend) and, defending against a
// dangerous table, throws a tile whose every copy is accounted for.
void discard_rule_900_dead_tile(int seat, int strict);

// While defending: a tile another seat has just thrown or that all three
// have thrown. strict as for rule 900.
void discard_rule_910_safe_tile(int seat, int strict);

// True when discarding one tile of this kind keeps the seat's distance to ready.
bool is_neutral_tile(int seat, int tile);
