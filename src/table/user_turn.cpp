#include "table/user_turn.h"

// Filled by the subsystem that owns these scenes.
void user_turn_phase() {}
void naki_panel_phase() {}
void robbing_panel_phase() {}
void user_kan_choice_phase() {}
void user_chi_choice_phase() {}
