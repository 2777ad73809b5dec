#include "shell/gdi.h"

platform::Surface g_back_surface;

void gdi_setup() {
  g_back_surface = platform::Surface(kScreenWidth, kScreenHeight, 0xFFFFFF);
  platform::load_bitmaps();
}

void blit_bitmap(int dx, int dy, int w, int h, int id, int sx, int sy, platform::Rop rop) {
  platform::blit(g_back_surface, dx, dy, w, h, platform::bitmap(id), sx, sy, rop);
}

void draw_text(int x, int y, const char* utf8) { platform::text_out(g_back_surface, x, y, utf8); }
