// The ready-hand evaluator's choice among the ready discards recorded in
// g_seat_state[seat].eval: numbered criteria, each replacing the choice.
#pragma once

#include "base/table_state.h"

struct ReadyChoice {
  int slot;     // the chosen hand slot
  int subcode;  // number of the criterion that last replaced the choice
  int commit;   // 1 when the choice is to be discarded whatever it is worth
};

// The words of the seat's record for hand slot `slot`.
inline const int* ready_record(int seat, int slot) { return g_seat_state[seat].eval[slot].words; }

inline void replace_choice(ReadyChoice& c, int slot, int subcode) {
  c.slot = slot;
  c.subcode = subcode;
}

// Runs every criterion in order over the seat's records; may exchange the
// seat's target with one of its chow candidates (criterion 72).
void choose_ready_discard(int seat, ReadyChoice& choice);

// The chow-template criteria 70 to 72 (ready_eval_template.cpp).
void template_criteria(int seat, ReadyChoice& choice);

// The shape criteria 902 to 908, the open-hand criterion 970 and the
// four-tiles-left criterion 980 (ready_eval_late.cpp).
void late_criteria(int seat, ReadyChoice& choice);
