// Page and selection state of the statistics and help screens.
#pragma once

extern int g_character_page;  // character shown on the statistics screen, 0..6
extern int g_data_page;       // data page of the statistics screen, 0..3
extern int g_help_page;       // help page (0..2 in 1010, 0..11 in 1030) or statistics sub-page 0..4
extern int g_help_selection;  // pattern selected on the pattern list
extern int g_stats_deleted;   // 1 once the statistics were deleted on the deletion screen

void reset_screen_state();
