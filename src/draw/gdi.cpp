#include "draw/gdi.h"

#include "draw/art_manifest.h"

platform::Surface g_back_surface;
bool g_draw_recording = false;
std::vector<DrawCall> g_draw_calls;

namespace {
constexpr int kTextureSize = 72;
constexpr int kTexturePitch = 80;  // pattern p at x = 80 p of the sheet
constexpr int kTextureRepeats = kScreenWidth / kTextureSize;
// Stand-ins for the textures: a felt green for the screens, a darker one for the table.
constexpr std::uint32_t kPlainBackground[2] = {0x1E5A3C, 0x174A30};
constexpr int kTextCellHeight = 16;

void record(const DrawCall& call) {
  if (g_draw_recording) g_draw_calls.push_back(call);
}
}  // namespace

void gdi_setup() {
  g_back_surface = platform::Surface(kScreenWidth, kScreenHeight, 0xFFFFFF);
  // A sheet whose file is missing or refused still has its full size, so every copy from it stays in bounds.
  for (int id = platform::kFirstBitmapId; id <= platform::kLastBitmapId; ++id)
    platform::set_bitmap_size(id, art_sheet(id).width, art_sheet(id).height);
  platform::load_bitmaps();
}

bool bitmap_loaded(int id) { return platform::bitmap_from_file(id); }

void draw_background(int pattern) {
  if (!bitmap_loaded(kTextureSheet)) {
    platform::fill_rect(g_back_surface, 0, 0, kScreenWidth, kScreenHeight, kPlainBackground[pattern != 0]);
    return;
  }
  for (int row = 0; row < kTextureRepeats; ++row)
    for (int col = 0; col < kTextureRepeats; ++col)
      blit_bitmap(kTextureSize * col, kTextureSize * row, kTextureSize, kTextureSize, kTextureSheet,
                  kTexturePitch * pattern, 0);
}

void blit_bitmap(int dx, int dy, int w, int h, int id, int sx, int sy, platform::Rop rop) {
  record({id, dx, dy, w, h, sx, sy, rop});
  platform::blit(g_back_surface, dx, dy, w, h, platform::bitmap(id), sx, sy, rop);
}

void draw_text(int x, int y, const char* utf8) {
  const int width = platform::text_out(g_back_surface, x, y, utf8);
  record({0, x, y, width, kTextCellHeight, 0, 0, platform::Rop::Copy});
}

void start_draw_recording() {
  g_draw_calls.clear();
  g_draw_recording = true;
}

void stop_draw_recording() { g_draw_recording = false; }

void reset_gdi_state() {
  g_draw_recording = false;
  g_draw_calls.clear();
}
