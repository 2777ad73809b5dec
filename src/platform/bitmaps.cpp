// The program's 39 bitmap sheets, loaded from art/<id>.png.
#include <cstdio>
#include <string>

#include "platform/platform_state.h"

namespace platform {

namespace {

bool valid_id(int id) { return id >= kFirstBitmapId && id <= kLastBitmapId; }

}  // namespace

void set_bitmap_size(int id, int width, int height) {
  if (!valid_id(id)) return;
  g_bitmap_fallback_width[id - kFirstBitmapId] = width > 0 ? width : 1;
  g_bitmap_fallback_height[id - kFirstBitmapId] = height > 0 ? height : 1;
}

int load_bitmaps() {
  int loaded = 0;
  std::string missing;
  for (int id = kFirstBitmapId; id <= kLastBitmapId; ++id) {
    const int index = id - kFirstBitmapId;
    Surface& sheet = g_bitmaps[index];
    const int width = g_bitmap_fallback_width[index];
    const int height = g_bitmap_fallback_height[index];
    g_bitmap_from_file[index] = load_png("art/" + std::to_string(id) + ".png", sheet, width, height);
    if (g_bitmap_from_file[index]) {
      ++loaded;
    } else {
      sheet = Surface(width, height, kWhite);
      missing += (missing.empty() ? "" : ", ") + std::to_string(id);
    }
  }
  // Said once, so that a player or a packager can tell why a screen is plain.
  if (loaded == 0) std::fprintf(stderr, "ruvelka: no bitmap under art/ could be read; every screen is drawn plain\n");
  else if (!missing.empty()) std::fprintf(stderr, "ruvelka: bitmaps missing or unreadable, drawn plain: art/{%s}.png\n", missing.c_str());
  return loaded;
}

const Surface& bitmap(int id) {
  if (!valid_id(id)) return g_no_sheet;
  return g_bitmaps[id - kFirstBitmapId];
}

bool bitmap_from_file(int id) { return valid_id(id) && g_bitmap_from_file[id - kFirstBitmapId]; }

}  // namespace platform
