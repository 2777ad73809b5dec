// The window position kept in data\win_xy.dat between runs.
#pragma once

constexpr const char* kWinXyFile = "data\\win_xy.dat";

struct WindowPos {
  int left = 0;
  int top = 0;
};

// Reads the stored position; (0, 0) when the file is missing. A negative
// coordinate becomes 0; a position on any display is kept, and one off every
// display is pulled onto the nearest, so the window can always be reached.
WindowPos read_window_pos();

// Writes the window's outer left and top edges; false when the write failed.
bool write_window_pos(WindowPos pos);
