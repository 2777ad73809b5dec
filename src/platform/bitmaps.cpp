// The program's 39 bitmap sheets, loaded from art/<id>.png as they are first used.
#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/platform_state.h"

namespace platform {

namespace {

bool valid_id(int id) { return id >= kFirstBitmapId && id <= kLastBitmapId; }

// The sheet of `index` as a white one of its size.
void set_plain(int index) {
  g_bitmap_from_file[index] = false;
  g_bitmaps[index] = Surface(g_bitmap_fallback_width[index], g_bitmap_fallback_height[index], kWhite);
}

// Decodes the sheet's file if load_bitmaps found it and it has not been
// decoded since: most screens use a few sheets, and a lazy start decodes
// only those.
void decode_pending(int index, BitmapLoad load = BitmapLoad::Lazily) {
  if (!g_bitmap_pending[index]) return;
  g_bitmap_pending[index] = false;
  const int id = kFirstBitmapId + index;
  if (load_png(bitmap_path(id), g_bitmaps[index], g_bitmap_fallback_width[index], g_bitmap_fallback_height[index]))
    return;
  set_plain(index);
  if (load == BitmapLoad::Lazily) std::fprintf(stderr, "ruvelka: bitmap art/%d.png is corrupt, drawn plain\n", id);
}

}  // namespace

std::string bitmap_path(int id) { return "art/" + std::to_string(id) + ".png"; }

void set_bitmap_size(int id, int width, int height) {
  if (!valid_id(id)) return;
  g_bitmap_fallback_width[id - kFirstBitmapId] = width > 0 ? width : 1;
  g_bitmap_fallback_height[id - kFirstBitmapId] = height > 0 ? height : 1;
}

int load_bitmaps(BitmapLoad load) {
  int found = 0;
  std::string missing;
  for (int id = kFirstBitmapId; id <= kLastBitmapId; ++id) {
    const int index = id - kFirstBitmapId;
    const bool here = png_declares_size(bitmap_path(id), g_bitmap_fallback_width[index], g_bitmap_fallback_height[index]);
    g_bitmap_from_file[index] = here;
    g_bitmap_pending[index] = here;
    if (here) {
      g_bitmaps[index] = Surface();
      ++found;
    } else {
      set_plain(index);
      missing += (missing.empty() ? "" : ", ") + std::to_string(id);
    }
  }
  if (load == BitmapLoad::Now) {
    for (int index = 0; index < kBitmapCount; ++index) decode_pending(index, load);
    return static_cast<int>(std::count(g_bitmap_from_file.begin(), g_bitmap_from_file.end(), true));
  }
  // Said once, so that a player or a packager can tell why a screen is plain.
  if (found == 0) std::fprintf(stderr, "ruvelka: no bitmap under art/ could be read; every screen is drawn plain\n");
  else if (!missing.empty()) std::fprintf(stderr, "ruvelka: bitmaps missing or unreadable, drawn plain: art/{%s}.png\n", missing.c_str());
  return found;
}

const Surface& bitmap(int id) {
  if (!valid_id(id)) return g_no_sheet;
  decode_pending(id - kFirstBitmapId);
  return g_bitmaps[id - kFirstBitmapId];
}

bool bitmap_from_file(int id) {
  if (!valid_id(id)) return false;
  decode_pending(id - kFirstBitmapId);
  return g_bitmap_from_file[id - kFirstBitmapId];
}

bool bitmap_found(int id) { return valid_id(id) && g_bitmap_from_file[id - kFirstBitmapId]; }

}  // namespace platform
