#include "draw/gdi.h"

#include "draw/art_manifest.h"
#include "draw/pending_drawing.h"
#include "draw/pixel_work.h"

namespace {
constexpr int kTextureSize = 72;
constexpr int kTexturePitch = 80;  // pattern p at x = 80 p of the sheet
// Stand-ins for the textures: a felt green for the screens, a darker one for the table.
constexpr std::uint32_t kPlainBackground[kBackgroundPatterns] = {0x1E5A3C, 0x174A30};
constexpr int kTextCellHeight = 16;
// Work recorded beyond this without a background is drawn at once, so a
// scene that never draws one cannot grow the list without end.
constexpr std::size_t kMostPendingWork = 4096;

void record(const DrawCall& call) {
  if (g_draw_recording) g_draw_calls.push_back(call);
}

std::size_t keep_text(const char* utf8) {
  const std::size_t at = g_pending.texts.size();
  g_pending.texts.append(utf8).push_back('\0');
  return at;
}

// A new entry at the end of the recorded work, its fields to be set by the
// caller (written in place: a whole work item built elsewhere and copied in
// costs more than the rest of a block copy's recording).
PendingWork& add(PendingWork::Kind kind) {
  if (g_pending.work.size() >= kMostPendingWork) finish_drawing();
  PendingWork& work = g_pending.work.emplace_back();
  work.kind = kind;
  return work;
}

void add_box(PendingWork::Kind kind, int x, int y, int w, int h) {
  PendingWork& work = add(kind);
  work.x = x, work.y = y, work.w = w, work.h = h;
}

// Whether the texture sheet holds the whole 72 x 72 cell of the pattern, so
// that its copies cover every pixel.
bool texture_covers(int pattern) {
  const platform::Surface& sheet = platform::bitmap(kTextureSheet);
  return sheet.width >= kTexturePitch * pattern + kTextureSize && sheet.height >= kTextureSize;
}

// Calls `copy` with the arguments of blit_bitmap for each 72 x 72 cell of the background.
template <typename Copy>
void for_each_texture_cell(int pattern, Copy copy) {
  for (int row = 0; row < kScreenHeight / kTextureSize; ++row)
    for (int col = 0; col < kScreenWidth / kTextureSize; ++col)
      copy(kTextureSize * col, kTextureSize * row, kTextureSize, kTextureSize, kTextureSheet, kTexturePitch * pattern,
           0, platform::Rop::Copy);
}

const platform::Surface& background_surface(int pattern) {
  platform::Surface& whole = g_pending.backgrounds[pattern];
  if (!whole.pixels.empty()) return whole;
  if (bitmap_loaded(kTextureSheet))
    whole = tiled_texture(platform::bitmap(kTextureSheet), pattern, kScreenWidth, kScreenHeight);
  else
    whole = platform::Surface(kScreenWidth, kScreenHeight, kPlainBackground[pattern]);
  return whole;
}

void draw_background_now(int pattern) {
  platform::blit(g_back_surface, 0, 0, kScreenWidth, kScreenHeight, background_surface(pattern), 0, 0);
  g_pending.shown_background = pattern;
  g_pending.drawn.clear();
}

// The background of the frame before is still there but where that frame
// drew over it: put back there only.
void put_background_back(int pattern) {
  const platform::Surface& whole = background_surface(pattern);
  g_pending.drawn.take([&](int x, int y, int w, int h) { platform::blit(g_back_surface, x, y, w, h, whole, x, y); });
}

// Copies and fills set every pixel of their box; the masked copies, the
// shades and the enlarged text mix with what is under them.
void mark_covered(const PendingWork& w) {
  const bool opaque = (w.kind == PendingWork::kBlit && w.rop == platform::Rop::Copy) || w.kind == PendingWork::kFill;
  if (!opaque) return;
  // A copy from a sheet smaller than the box sets only what the sheet holds.
  if (w.kind == PendingWork::kBlit) {
    const platform::Surface& sheet = platform::bitmap(w.id);
    if (w.sx < 0 || w.sy < 0 || w.sx + w.w > sheet.width || w.sy + w.h > sheet.height) return;
  }
  g_pending.drawn.mark_covered(w.x, w.y, w.w, w.h);
}

void mark_drawn(const PendingWork& w) {
  switch (w.kind) {
    case PendingWork::kText:
      g_pending.drawn.mark(w.x, w.y, platform::text_width(g_pending.texts.c_str() + w.text), kTextCellHeight);
      break;
    case PendingWork::kEnlargedText:
      g_pending.drawn.mark(w.x, w.y, w.amount * platform::text_width(g_pending.texts.c_str() + w.text),
                           w.amount * kTextCellHeight);
      break;
    case PendingWork::kBackground: break;
    default: g_pending.drawn.mark(w.x, w.y, w.w, w.h); break;
  }
}

void draw_now(const PendingWork& w) {
  platform::Surface& s = g_back_surface;
  switch (w.kind) {
    case PendingWork::kBlit: platform::blit(s, w.x, w.y, w.w, w.h, platform::bitmap(w.id), w.sx, w.sy, w.rop); break;
    case PendingWork::kFill: platform::fill_rect(s, w.x, w.y, w.w, w.h, w.colour); break;
    case PendingWork::kShade: shade_pixels(s, w.x, w.y, w.w, w.h, w.colour, w.amount); break;
    case PendingWork::kText: platform::text_out(s, w.x, w.y, g_pending.texts.c_str() + w.text); break;
    case PendingWork::kEnlargedText:
      ink_enlarged_text(s, w.x, w.y, g_pending.texts.c_str() + w.text, w.amount, w.colour);
      break;
    case PendingWork::kBackground: draw_background_now(w.amount); break;
  }
}

}  // namespace

void gdi_setup() {
  g_back_surface = platform::Surface(kScreenWidth, kScreenHeight, 0xFFFFFF);
  reset_pending_drawing();
  // A sheet whose file is missing or refused still has its full size, so every copy from it stays in bounds.
  for (int id = platform::kFirstBitmapId; id <= platform::kLastBitmapId; ++id)
    platform::set_bitmap_size(id, art_sheet(id).width, art_sheet(id).height);
  platform::load_bitmaps();
}

bool bitmap_loaded(int id) { return platform::bitmap_from_file(id); }

void draw_background(int pattern) {
  pattern = pattern != 0 ? kBackgroundTable : kBackgroundScreens;
  const bool textured = bitmap_loaded(kTextureSheet);
  if (textured && !texture_covers(pattern)) {
    // A sheet too small to cover the surface: its copies as they fall.
    for_each_texture_cell(pattern, blit_bitmap);
    return;
  }
  // Every pixel is drawn again: what was recorded before can never show.
  g_pending.work.clear();
  g_pending.texts.clear();
  add(PendingWork::kBackground).amount = pattern;
  if (g_draw_recording && textured)
    for_each_texture_cell(pattern, [](int dx, int dy, int w, int h, int id, int sx, int sy, platform::Rop rop) {
      record({id, dx, dy, w, h, sx, sy, rop});
    });
}

void blit_bitmap(int dx, int dy, int w, int h, int id, int sx, int sy, platform::Rop rop) {
  record({id, dx, dy, w, h, sx, sy, rop});
  add_box(PendingWork::kBlit, dx, dy, w, h);
  PendingWork& work = g_pending.work.back();
  work.id = id, work.sx = sx, work.sy = sy, work.rop = rop;
}

void draw_text(int x, int y, const char* utf8) {
  record({0, x, y, platform::text_width(utf8), kTextCellHeight, 0, 0, platform::Rop::Copy});
  add_box(PendingWork::kText, x, y, 0, 0);
  g_pending.work.back().text = keep_text(utf8);
}

void fill_box(int x, int y, int w, int h, std::uint32_t colour) {
  add_box(PendingWork::kFill, x, y, w, h);
  g_pending.work.back().colour = colour;
}

void shade_box(int x, int y, int w, int h, std::uint32_t colour, int alpha) {
  add_box(PendingWork::kShade, x, y, w, h);
  g_pending.work.back().colour = colour;
  g_pending.work.back().amount = alpha;
}

void draw_enlarged_text(int left, int top, const char* utf8, int scale, std::uint32_t colour) {
  add_box(PendingWork::kEnlargedText, left, top, 0, 0);
  PendingWork& work = g_pending.work.back();
  work.colour = colour, work.amount = scale, work.text = keep_text(utf8);
}

void finish_drawing() {
  PendingDrawing& p = g_pending;
  if (p.shown_pixels != g_back_surface.pixels.data() || g_back_surface.width != kScreenWidth ||
      g_back_surface.height != kScreenHeight)
    p.shown_background = -1;
  const bool from_background = !p.work.empty() && p.work[0].kind == PendingWork::kBackground;
  if (from_background && p.shown_background >= 0 && p.work == p.shown_work && p.texts == p.shown_texts) {
    p.work.clear();
    p.texts.clear();
    return;
  }
  std::size_t first = 0;
  if (from_background && p.work[0].amount == p.shown_background) {
    for (const PendingWork& w : p.work) mark_covered(w);
    put_background_back(p.shown_background);
    first = 1;
  }
  for (std::size_t i = first; i < p.work.size(); ++i) {
    mark_drawn(p.work[i]);
    draw_now(p.work[i]);
  }
  p.shown_pixels = g_back_surface.pixels.data();
  std::swap(p.work, p.shown_work);
  std::swap(p.texts, p.shown_texts);
  p.work.clear();
  p.texts.clear();
}

void start_draw_recording() {
  g_draw_calls.clear();
  g_draw_recording = true;
}

void stop_draw_recording() { g_draw_recording = false; }

void reset_gdi_state() {
  reset_draw_recorder();
  reset_pending_drawing();
}
