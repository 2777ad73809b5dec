// The platform layer's own state, shared by its files and both backends. The
// game never includes this header.
#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/platform.h"

namespace platform {

// A rendered glyph: 8-bit coverage, placed relative to its cell's top-left.
struct Glyph {
  int left = 0;    // pixels right of the cell's left edge
  int top = 0;     // pixels below the cell's top edge
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;  // width x height, 0 paper .. 255 ink
};

extern std::uint32_t g_rand_state;  // the generator's whole 32-bit state
extern std::int64_t g_fixed_time_seed;  // -1: seed_from_time reads the time; else the seed it uses
extern bool g_clock_virtual;            // clock_ms returns g_virtual_clock_ms (headless runs)
extern std::uint32_t g_virtual_clock_ms;  // advanced by the headless frame stepper

extern std::array<Surface, kBitmapCount> g_bitmaps;  // sheet of id 101 + index
extern std::array<int, kBitmapCount> g_bitmap_fallback_width;   // the sheet's size in pixels, >= 1
extern std::array<int, kBitmapCount> g_bitmap_fallback_height;  // pixels, >= 1
extern std::array<bool, kBitmapCount> g_bitmap_from_file;        // the sheet came from its file
extern const Surface g_no_sheet;  // what bitmap() gives for an id outside 101..139: empty

extern bool g_font_tried;      // the face was looked for (once, lazily)
extern FT_Library g_ft_library;  // null until the face is found
extern FT_Face g_ft_face;        // IPA Gothic at 16 px, or null when not found
extern std::unordered_map<std::uint32_t, Glyph> g_glyph_cache;  // by code point

// Releases the face and the library (the next text_out finds them again).
void release_font();

// Cell metrics of the program's text.
constexpr int kCellHeight = 16;
constexpr int kHalfWidth = 8;
constexpr int kFullWidth = 16;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

}  // namespace platform
