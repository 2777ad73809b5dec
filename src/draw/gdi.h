// The off-screen surface every drawing routine draws into, and block copies
// from the bitmap sheets.
#pragma once

#include <vector>

#include "platform/platform.h"

constexpr int kScreenWidth = 720;
constexpr int kScreenHeight = 720;

extern platform::Surface g_back_surface;  // 720 x 720, shown whole at the end of each frame

constexpr int kTextureSheet = 118;  // IDB_TEXTURES
enum BackgroundPattern : int { kBackgroundScreens = 0, kBackgroundTable = 1 };

// Creates the off-screen surface and loads the 39 bitmap sheets.
void gdi_setup();

// Copies a w x h cell at (sx, sy) of bitmap `id` (101..139) to (dx, dy) of the off-screen surface.
void blit_bitmap(int dx, int dy, int w, int h, int id, int sx, int sy,
                 platform::Rop rop = platform::Rop::Copy);

// Draws text on the off-screen surface (black on a white cell).
void draw_text(int x, int y, const char* utf8);

// Whether sheet `id` (101..139) was loaded from its file; a missing sheet is blank.
bool bitmap_loaded(int id);

// Fills the off-screen surface with 10 x 10 copies of the 72 x 72 texture
// `pattern` of the texture sheet; a plain colour of the same use when the
// sheet is missing.
void draw_background(int pattern);

// ------------------------------------------------------- draw-call recorder
// For tests: while recording, every blit_bitmap and draw_text is appended to
// g_draw_calls (text as sheet 0 with its drawn width and a 16-pixel height).
struct DrawCall {
  int id;
  int dx, dy, w, h;
  int sx, sy;
  platform::Rop rop;
};
extern bool g_draw_recording;               // set by tests only; off in the game
extern std::vector<DrawCall> g_draw_calls;  // the calls since recording started

// Clears the list and starts recording.
void start_draw_recording();
void stop_draw_recording();

// Stops recording and forgets the calls (the surface is left alone).
void reset_gdi_state();
