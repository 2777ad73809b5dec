// Page and selection state of the statistics and help screens.
#pragma once

extern int g_character_page;  // character shown on the statistics screen, 0..6
extern int g_data_page;       // data page of the statistics screen, 0..3
extern int g_help_page;       // help page (0..2 in 1010, 0..11 in 1030) or statistics sub-page 0..4
extern int g_help_selection;  // pattern selected on the pattern list
extern int g_stats_deleted;   // 1 once the statistics were deleted on the deletion screen

// Which data-file write last failed, so that the screen shown next can say
// so; cleared by the next title or menu click. A failed write never holds
// the player on a screen: every way out works as usual.
enum WriteFailure : int {
  kWriteOk = 0,
  kWriteFailedResume,     // the resume could not clear the stored match: not resumed (menu)
  kWriteFailedDecline,    // declining could not clear the stored match: asked again next start (menu)
  kWriteFailedStandings,  // the booked statistics could not be saved (menu)
  kWriteFailedSettings,   // a setting screen's file could not be saved: in effect until the program ends (menu)
  kWriteFailedDeletion,   // the cleared statistics could not be saved (deletion screen)
  kWriteFailedSuspend,    // the suspended match could not be stored (suspension notice)
};
extern int g_last_write_failed;  // a WriteFailure
extern int g_standings_booked;   // 1 once the standings on show were added to the statistics

void reset_screen_state();
