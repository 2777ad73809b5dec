// The platform layer's own state, shared by its files and both backends. The
// game never includes this header.
#pragma once

#include <sys/stat.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
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

// The font file a face reads from, through a stream of FreeType's that reads
// it by offset. Its address is handed to FreeType: it lives on the heap, and
// outlives its face.
struct FontFile {
  int fd = -1;
  FT_StreamRec stream{};
  FontFile() = default;
  FontFile(const FontFile&) = delete;
  FontFile& operator=(const FontFile&) = delete;
  ~FontFile();
};

constexpr std::array<int, kBitmapCount> kNoBitmapSizes = [] {
  std::array<int, kBitmapCount> sizes{};
  sizes.fill(1);
  return sizes;
}();

struct PlatformState {
  std::uint32_t rand_state = 1;       // the generator's whole 32-bit state
  std::int64_t fixed_time_seed = -1;  // -1: seed_from_time reads the time; else the seed it uses
  bool clock_virtual = false;         // clock_ms returns g_virtual_clock_ms (headless runs)
  std::uint32_t virtual_clock_ms = 0;  // advanced by the headless frame stepper

  std::array<Surface, kBitmapCount> bitmaps;  // sheet of id 101 + index
  std::array<int, kBitmapCount> bitmap_fallback_width = kNoBitmapSizes;   // the sheet's size in pixels, >= 1
  std::array<int, kBitmapCount> bitmap_fallback_height = kNoBitmapSizes;  // pixels, >= 1
  std::array<bool, kBitmapCount> bitmap_from_file{};                      // the sheet came (or comes) from its file
  std::array<bool, kBitmapCount> bitmap_pending{};  // its file was found, its pixels not yet decoded

  bool font_tried = false;          // the face was looked for (once, lazily)
  FT_Library ft_library = nullptr;  // null until the face is found; released by release_font
  FT_Face ft_face = nullptr;        // a face with Japanese glyphs at 16 px, or null when none serves
  std::unique_ptr<FontFile> font_file;  // what ft_face reads from; null with it
  std::unordered_map<std::uint32_t, Glyph> glyph_cache;  // by code point

  std::vector<std::string> unreadable_paths;  // native paths a read found there but could not read; never written
};
extern PlatformState g_platform_state;

inline auto& g_rand_state = g_platform_state.rand_state;
inline auto& g_fixed_time_seed = g_platform_state.fixed_time_seed;
inline auto& g_clock_virtual = g_platform_state.clock_virtual;
inline auto& g_virtual_clock_ms = g_platform_state.virtual_clock_ms;
inline auto& g_bitmaps = g_platform_state.bitmaps;
inline auto& g_bitmap_fallback_width = g_platform_state.bitmap_fallback_width;
inline auto& g_bitmap_fallback_height = g_platform_state.bitmap_fallback_height;
inline auto& g_bitmap_from_file = g_platform_state.bitmap_from_file;
inline auto& g_bitmap_pending = g_platform_state.bitmap_pending;
inline auto& g_font_tried = g_platform_state.font_tried;
inline auto& g_ft_library = g_platform_state.ft_library;
inline auto& g_ft_face = g_platform_state.ft_face;
inline auto& g_font_file = g_platform_state.font_file;
inline auto& g_glyph_cache = g_platform_state.glyph_cache;
inline auto& g_unreadable_paths = g_platform_state.unreadable_paths;

extern const Surface g_no_sheet;  // what bitmap() gives for an id outside 101..139: empty

// Looks for the face once (font.cpp says where): sets g_font_tried, and
// g_ft_library, g_ft_face and g_font_file when a face serves. A font the
// user names or fontconfig lists for Japanese that does not serve is named
// on standard error; that none serves is left to the caller to say.
void find_face();

// The glyph of `cp` in `face` as text_out draws it: no ink when the face
// has none for it or cannot draw it.
Glyph render_glyph(FT_Face face, std::uint32_t cp);

// Opens a regular file at `path` (taken as it stands) for blocking reads;
// the open itself never waits, so a FIFO or a device is refused unread.
// -1 otherwise, with errno ENOENT for a missing file and EINVAL for one that
// is not a regular file.
int open_regular_file(const char* path, struct stat& info);

// Whether a failed open's errno says no file is there: ENOENT, or ENOTDIR
// for a path whose folder part is a file. Anything else is a file that is
// there but cannot be read.
bool no_such_file(int error);

// Releases the face and the library (the next text_out finds them again).
void release_font();

// Cell metrics of the program's text.
constexpr int kCellHeight = 16;
constexpr int kHalfWidth = 8;
constexpr int kFullWidth = 16;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

}  // namespace platform
