// Definitions of the platform layer's state and its reset.
#include "platform/platform_state.h"

namespace platform {

std::uint32_t g_rand_state = 1;
std::int64_t g_fixed_time_seed = -1;
bool g_clock_virtual = false;
std::uint32_t g_virtual_clock_ms = 0;

std::array<Surface, kBitmapCount> g_bitmaps;
std::array<int, kBitmapCount> g_bitmap_fallback_width = [] {
  std::array<int, kBitmapCount> sizes{};
  sizes.fill(1);
  return sizes;
}();
std::array<int, kBitmapCount> g_bitmap_fallback_height = g_bitmap_fallback_width;
std::array<bool, kBitmapCount> g_bitmap_from_file{};
const Surface g_no_sheet;

bool g_font_tried = false;
FT_Library g_ft_library = nullptr;
FT_Face g_ft_face = nullptr;
std::unordered_map<std::uint32_t, Glyph> g_glyph_cache;

void reset_platform_state() {
  g_rand_state = 1;
  g_fixed_time_seed = -1;
  g_clock_virtual = false;
  g_virtual_clock_ms = 0;
  for (Surface& sheet : g_bitmaps) sheet = Surface();
  g_bitmap_fallback_width.fill(1);
  g_bitmap_fallback_height.fill(1);
  g_bitmap_from_file.fill(false);
  release_font();
}

}  // namespace platform
