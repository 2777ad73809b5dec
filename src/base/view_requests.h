// Requests from the table flow to the shell's views, like the sound
// requests: the flow raises a flag, the scene dispatcher serves it before and
// after each scene handler, so the flow never calls the shell.
#pragma once

struct ViewRequests {
  int refresh_hover = 0;     // 1: judge the pointer again over the scene just entered
  int reset_table_view = 0;  // 1: a new hand starts, the table view's own state back to fresh
};
extern ViewRequests g_view_requests;

inline void request_hover_refresh() { g_view_requests.refresh_hover = 1; }
inline void request_table_view_reset() { g_view_requests.reset_table_view = 1; }
