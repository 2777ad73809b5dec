// The user's turn, claim and robbing panels and the kong and chow choices.
#pragma once

void user_turn_phase();
void naki_panel_phase();
void robbing_panel_phase();
void user_kan_choice_phase();
void user_chi_choice_phase();
