#include "shell/gdi.h"

#include "shell/art_manifest.h"

platform::Surface g_back_surface;

void gdi_setup() {
  g_back_surface = platform::Surface(kScreenWidth, kScreenHeight, 0xFFFFFF);
  // A sheet whose file is missing still has its full size, so every copy from it stays in bounds.
  for (int id = platform::kFirstBitmapId; id <= platform::kLastBitmapId; ++id)
    platform::set_bitmap_fallback_size(id, art_sheet(id).width, art_sheet(id).height);
  platform::load_bitmaps();
}

void blit_bitmap(int dx, int dy, int w, int h, int id, int sx, int sy, platform::Rop rop) {
  platform::blit(g_back_surface, dx, dy, w, h, platform::bitmap(id), sx, sy, rop);
}

void draw_text(int x, int y, const char* utf8) { platform::text_out(g_back_surface, x, y, utf8); }
