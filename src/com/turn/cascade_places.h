// Steps of the discard cascade whose rules come with their own work: the
// ready-hand evaluator, the template leftover rules and the opponent-danger
// filters. The planner calls them at their fixed places; each follows the
// planner's rule contract (planner_state.h).
#pragma once

// ---- The ready-hand evaluator: when a discard leaves the hand ready, it
// scores every ready discard (records in g_seat_state[seat].eval, read by
// the concealed-kong decision) and may commit to one, or release every tile
// kind as neutral (hai_syanten = min_shanten).
void ai_pick_ready_discard(int seat);

// The seat's ready-discard records as "not evaluated" (all zero): the
// planner invalidates them before every decision, so a decision that never
// reaches the evaluator leaves no records of an older hand or turn behind.
void invalidate_ready_records(int seat);

// ---- Template leftover rules, for a seat aiming at a template pattern
// (27, 33, 34, 35, 43, 47, 49; rules 520 and 521 not for 34), in the
// planner's order: 500, 520, 521, 540, 530, 550, 551, 560.
void discard_rule_500_template_leftover(int seat);
void discard_rule_520_template_leftover(int seat);
void discard_rule_521_template_leftover(int seat);
void discard_rule_540_template_leftover(int seat);
void discard_rule_530_template_leftover(int seat);
void discard_rule_550_template_leftover(int seat);
void discard_rule_551_template_leftover(int seat);
void discard_rule_560_only_neutral_kind(int seat);

// ---- Opponent-danger filters: hold back the tiles another seat's declared
// melds show it needs for a high pattern. Keepers: they zero pool slots and
// restore the pool when no tile would be left.
void guard_one_suit(int seat);
void guard_terminals_and_honours(int seat);
void guard_shifted_pungs(int seat);
void guard_all_honours(int seat);
void guard_all_terminals(int seat);
void guard_four_winds(int seat);
void guard_big_three_dragons(int seat);
void guard_all_green(int seat);
