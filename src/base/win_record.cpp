#include "base/win_record.h"

WinRecord g_win_record;

void reset_win_record_state() { g_win_record = WinRecord{}; }
