// The program's 39 bitmap sheets, loaded from art/<id>.png.
#include "platform/platform_state.h"

namespace platform {

namespace {

bool valid_id(int id) { return id >= kFirstBitmapId && id <= kLastBitmapId; }

}  // namespace

void set_bitmap_fallback_size(int id, int width, int height) {
  if (!valid_id(id)) return;
  g_bitmap_fallback_width[id - kFirstBitmapId] = width > 0 ? width : 1;
  g_bitmap_fallback_height[id - kFirstBitmapId] = height > 0 ? height : 1;
}

int load_bitmaps() {
  int loaded = 0;
  for (int id = kFirstBitmapId; id <= kLastBitmapId; ++id) {
    const int index = id - kFirstBitmapId;
    Surface& sheet = g_bitmaps[index];
    if (load_png("art/" + std::to_string(id) + ".png", sheet)) {
      ++loaded;
    } else {
      sheet = Surface(g_bitmap_fallback_width[index], g_bitmap_fallback_height[index], kWhite);
    }
  }
  return loaded;
}

const Surface& bitmap(int id) {
  if (!valid_id(id)) return g_no_sheet;
  return g_bitmaps[id - kFirstBitmapId];
}

}  // namespace platform
