// The front-end screens' clicks, one entry point per screen. Each reads the
// pointer position of the previous mouse message (g_mouse_x, g_mouse_y).
#pragma once

#include <array>

// Title: loads the statistics, options and switches and asks about a suspended match.
void click_title();
// Resume question: resume or discard the suspended match.
void click_resume_question();
// Main menu: opens a screen or starts a new match.
void click_main_menu();
// Standings: books the match into the statistics, saves them and returns to the menu.
void click_match_standings();

// Setting, statistics and help screens (left button).
void click_options();
void click_support();
void click_rule_yaku();
void click_local_yaku();
void click_character_data();
void click_data_delete();
void click_help_yaku_rules();
void click_help_yaku_list();
// Right button on a setting, data or help screen: back to the menu, saving
// the screen's file first; a failed save keeps the screen and says so.
void leave_to_menu();

// The three COM opponents of a new match, in the order chosen: the three
// least-played characters (ties to the lower number), or while all six have
// played equally often one of the 20 combinations at random.
std::array<int, 3> choose_opponents();
// A new match: opponents and seats, in-match statistics, round, dealer,
// scores, then the first hand.
void start_new_match();

// The suspension's file step: stores the match with flag 1; a failure is
// recorded for the suspension notice. Returns whether the file was written.
bool store_suspended_match();
