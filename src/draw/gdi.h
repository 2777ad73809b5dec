// The off-screen surface every drawing routine draws into, and block copies
// from the bitmap sheets.
//
// The routines below record their work and the pixels are drawn only when
// someone needs them (finish_drawing, which the presenting backend calls):
// a background that covers the whole surface drops the work recorded before
// it, so a frame that nobody looks at costs no pixel, and the pixels drawn
// are the same as if every routine had drawn at once.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/platform.h"

constexpr int kScreenWidth = 720;
constexpr int kScreenHeight = 720;

// 720 x 720 from gdi_setup on (empty before), shown whole at the end of each frame.
extern platform::Surface g_back_surface;

constexpr int kTextureSheet = 118;  // IDB_TEXTURES
enum BackgroundPattern : int { kBackgroundScreens = 0, kBackgroundTable = 1 };

// Creates the off-screen surface and loads the 39 bitmap sheets, their
// pixels as `load` says.
void gdi_setup(platform::BitmapLoad load = platform::BitmapLoad::Lazily);

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

// A w x h box at (x, y) in one colour.
void fill_box(int x, int y, int w, int h, std::uint32_t colour);

// Every pixel of the box mixed with `colour` by alpha (as blend).
void shade_box(int x, int y, int w, int h, std::uint32_t colour, int alpha);

// Text enlarged `scale` times with its top-left corner at (left, top): its
// glyphs' ink in `colour`, their grey edges blended over what is there; the
// paper around the glyphs leaves the surface as it is.
void draw_enlarged_text(int left, int top, const char* utf8, int scale, std::uint32_t colour);

// `under` mixed with `over` by alpha (0 keeps under, 255 gives over), per channel.
std::uint32_t blend(std::uint32_t under, std::uint32_t over, int alpha);

// Draws the recorded work into g_back_surface. Whoever reads or writes its
// pixels directly calls this first.
void finish_drawing();

// Finishes the drawing and gives the boxes of g_back_surface whose pixels
// may differ from what they were at the call before (none when the picture
// is the same): a window shows only those.
std::span<const platform::Rect> finish_drawing_changes();

// ------------------------------------------------------- draw-call recorder
// For tests: while recording, every blit_bitmap and draw_text is appended to
// g_draw_calls (text as sheet 0 with its drawn width and a 16-pixel height,
// and the text itself).
struct DrawCall {
  int id;
  int dx, dy, w, h;
  int sx, sy;
  platform::Rop rop;
  std::string text = {};
};
struct DrawRecorder {
  bool recording = false;            // set by tests only; off in the game
  std::vector<DrawCall> calls;       // the calls since recording started
};
extern DrawRecorder g_draw_recorder;

inline auto& g_draw_recording = g_draw_recorder.recording;
inline auto& g_draw_calls = g_draw_recorder.calls;

// Recording off, no call kept.
void reset_draw_recorder();

// Clears the list and starts recording.
void start_draw_recording();
void stop_draw_recording();

// Stops recording, forgets the calls, drops the drawing not yet finished and
// the backgrounds made from the sheets (the surface is left alone).
void reset_gdi_state();
