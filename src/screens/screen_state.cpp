#include "screens/screen_state.h"

int g_character_page = 0;
int g_data_page = 0;
int g_help_page = 0;
int g_help_selection = 0;
int g_stats_deleted = 0;
int g_last_write_failed = kWriteOk;
int g_standings_booked = 0;

void reset_screen_state() {
  g_character_page = 0;
  g_data_page = 0;
  g_help_page = 0;
  g_help_selection = 0;
  g_stats_deleted = 0;
  g_last_write_failed = kWriteOk;
  g_standings_booked = 0;
}
