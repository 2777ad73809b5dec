// Page and selection state of the statistics and help screens.
#pragma once

#include <string>
#include <vector>

// Which data-file write (or the resume's read) last failed, so that the
// screen shown next can say so; cleared by the next title or menu click. A
// failed write never holds the player on a screen: every way out works as
// usual.
enum WriteFailure : int {
  kWriteOk = 0,
  kWriteFailedResume,     // the resume could not clear the stored match: not resumed (menu)
  kReadFailedResume,      // the resume found no stored match it could read: not resumed (menu)
  kWriteFailedDecline,    // declining could not clear the stored match: asked again next start (menu)
  kWriteFailedStandings,  // the booked statistics could not be saved (menu)
  kWriteFailedSettings,   // a setting screen's file could not be saved: in effect until the program ends (menu)
  kWriteFailedDeletion,   // the cleared statistics could not be saved (deletion screen)
  kWriteFailedSuspend,    // the suspended match could not be stored (suspension notice)
};
struct ScreenState {
  int character_page = 0;   // character shown on the statistics screen, 0..6
  int data_page = 0;        // data page of the statistics screen, 0..3
  int help_page = 0;        // help page (0..2 in 1010, 0..11 in 1030) or statistics sub-page 0..4
  int help_selection = 0;   // pattern selected on the pattern list
  int stats_deleted = 0;    // 1 once the statistics were deleted on the deletion screen
  int last_write_failed = kWriteOk;  // a WriteFailure
  int standings_booked = 0;  // 1 once the standings on show were added to the statistics
  // 1 once a match resumed onto other statistics was booked without its
  // hands before the resume, so that the menu says so; cleared by the next
  // title or menu click.
  int partly_booked = 0;
  // Data files (paths on disk) that the last title click found there but
  // could not read, named on the resume question and the menu; cleared by
  // the next menu click and when a match starts.
  std::vector<std::string> unreadable_files;
};
extern ScreenState g_screen_state;

inline auto& g_character_page = g_screen_state.character_page;
inline auto& g_data_page = g_screen_state.data_page;
inline auto& g_help_page = g_screen_state.help_page;
inline auto& g_help_selection = g_screen_state.help_selection;
inline auto& g_stats_deleted = g_screen_state.stats_deleted;
inline auto& g_last_write_failed = g_screen_state.last_write_failed;
inline auto& g_standings_booked = g_screen_state.standings_booked;
inline auto& g_partly_booked = g_screen_state.partly_booked;
inline auto& g_unreadable_files = g_screen_state.unreadable_files;

// Every page back to the first, nothing deleted, failed, booked or unread.
void reset_screen_state();

// The screens floor's reset: every piece of its state (above) back to its fresh value.
void reset_screens_floor();
