#include "draw/gdi.h"

#include <algorithm>
#include <cstring>

#include "draw/art_manifest.h"
#include "draw/pending_drawing.h"
#include "draw/pixel_work.h"

namespace {
constexpr int kTextureSize = 72;
constexpr int kTexturePitch = 80;  // pattern p at x = 80 p of the sheet
// Stand-ins for the textures: a felt green for the screens, a darker one for the table.
constexpr std::uint32_t kPlainBackground[kBackgroundPatterns] = {0x1E5A3C, 0x174A30};
constexpr int kTextCellHeight = 16;
// PendingWork recorded beyond this without a background is drawn at once, so a
// scene that never draws one cannot grow the list without end.
constexpr std::size_t kMostPendingWork = 4096;
// Past this many 16-pixel blocks of changes (of 2025), a frame is drawn whole.
constexpr int kMostBlocksRedrawn = 1300;
// How far on in either list a piece of work's match is looked for.
constexpr std::size_t kMatchLookAhead = 8;


void record(const DrawCall& call) { g_draw_calls.push_back(call); }

std::size_t keep_text(const char* utf8) {
  const std::size_t at = g_pending.texts.size();
  g_pending.texts.append(utf8).push_back('\0');
  return at;
}

// A new entry at the end of the recorded work, its fields in declaration
// order from the kind on (built in place: a whole PendingWork built
// elsewhere and copied in costs more than the rest of a block copy's
// recording).
template <typename... Fields>
PendingWork& add(Fields... fields) {
  if (g_pending.work.size() >= kMostPendingWork) finish_drawing();
  return g_pending.work.emplace_back(fields...);
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
  g_pending.changed.mark(0, 0, kScreenWidth, kScreenHeight);
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

// The box a piece of work draws in (before the surface clips it).
platform::Rect box_of(const PendingWork& w, const std::string& texts) {
  switch (w.kind) {
    case PendingWork::kText:
      return {w.x, w.y, w.x + platform::text_width(texts.c_str() + w.text), w.y + kTextCellHeight};
    case PendingWork::kEnlargedText:
      return {w.x, w.y, w.x + w.amount * platform::text_width(texts.c_str() + w.text),
              w.y + w.amount * kTextCellHeight};
    case PendingWork::kBackground: return {0, 0, kScreenWidth, kScreenHeight};
    default: return {w.x, w.y, w.x + w.w, w.y + w.h};
  }
}

void mark_box(DirtyBlocks& blocks, const platform::Rect& r) { blocks.mark(r.left, r.top, r.right - r.left, r.bottom - r.top); }

void mark_drawn(const PendingWork& w, const platform::Rect& box) {
  if (w.kind != PendingWork::kBackground) mark_box(g_pending.drawn, box);
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

// Adds the box, joined to a box that ends where it starts and spans the same
// columns when one is among the latest (fewer boxes, the same pixels).
void add_changed_box(std::vector<platform::Rect>& boxes, platform::Rect box) {
  for (auto it = boxes.rbegin(); it != boxes.rend() && it->bottom >= box.top; ++it)
    if (it->bottom == box.top && it->left == box.left && it->right == box.right) {
      it->bottom = box.bottom;
      return;
    }
  boxes.push_back(box);
}

// The work just drawn becomes the shown work; the record starts empty.
void keep_as_shown() {
  PendingDrawing& p = g_pending;
  p.shown_pixels = g_back_surface.pixels.data();
  std::swap(p.work, p.shown_work);
  std::swap(p.texts, p.shown_texts);
  p.work.clear();
  p.texts.clear();
}

// Whether two pieces of work draw the same, each with its own texts.
bool same_work(const PendingWork& a, const std::string& a_texts, const PendingWork& b, const std::string& b_texts) {
  if (a.kind != PendingWork::kText && a.kind != PendingWork::kEnlargedText) return a == b;
  PendingWork b_as_a = b;
  b_as_a.text = a.text;
  return a == b_as_a && std::strcmp(a_texts.c_str() + a.text, b_texts.c_str() + b.text) == 0;
}

platform::Rect intersection(const platform::Rect& a, const platform::Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// Draws the part of the work (drawn whole in `box`) inside `clip`: each kind sets a pixel from
// that pixel alone, so a part is the same as the whole seen there. Text is
// made whole off the surface first (its cells are opaque).
void draw_clipped(const PendingWork& w, const platform::Rect& box, const platform::Rect& clip) {
  const platform::Rect in = intersection(box, clip);
  const int iw = in.right - in.left, ih = in.bottom - in.top;
  if (iw <= 0 || ih <= 0) return;
  platform::Surface& s = g_back_surface;
  switch (w.kind) {
    case PendingWork::kBlit:
      platform::blit(s, in.left, in.top, iw, ih, platform::bitmap(w.id), w.sx + in.left - w.x, w.sy + in.top - w.y,
                     w.rop);
      break;
    case PendingWork::kFill: platform::fill_rect(s, in.left, in.top, iw, ih, w.colour); break;
    case PendingWork::kShade: shade_pixels(s, in.left, in.top, iw, ih, w.colour, w.amount); break;
    case PendingWork::kText: {
      platform::Surface cells(box.right - box.left, kTextCellHeight);
      platform::text_out(cells, 0, 0, g_pending.texts.c_str() + w.text);
      platform::blit(s, in.left, in.top, iw, ih, cells, in.left - w.x, in.top - w.y);
      break;
    }
    default: draw_now(w); break;  // whole: the region was grown to hold it
  }
}

// The blocks where the shown work and the work differ, or an empty set when
// it is cheaper to draw everything. The two lists are matched in order, a
// piece skipped on either side when its match lies a few pieces on: as the
// matched pieces come in the same order in both, a pixel outside the boxes
// of the unmatched ones is drawn by the same pieces and stays as it is.
DirtyBlocks differing_blocks() {
  const PendingDrawing& p = g_pending;
  const std::vector<PendingWork>& old_work = p.shown_work;
  const std::vector<PendingWork>& new_work = p.work;
  const auto same = [&](std::size_t i, std::size_t j) {
    return same_work(old_work[i], p.shown_texts, new_work[j], p.texts);
  };
  DirtyBlocks region;
  const auto drop_old = [&](std::size_t i) { mark_box(region, box_of(old_work[i], p.shown_texts)); };
  const auto drop_new = [&](std::size_t j) { mark_box(region, box_of(new_work[j], p.texts)); };
  std::size_t i = 0, j = 0;
  while (i < old_work.size() && j < new_work.size()) {
    if (same(i, j)) {
      ++i, ++j;
      continue;
    }
    std::size_t skip = 1;
    while (skip <= kMatchLookAhead && !(i + skip < old_work.size() && same(i + skip, j)) &&
           !(j + skip < new_work.size() && same(i, j + skip)))
      ++skip;
    if (skip > kMatchLookAhead) {  // no match near: both replaced
      drop_old(i++);
      drop_new(j++);
    } else if (i + skip < old_work.size() && same(i + skip, j)) {
      for (std::size_t k = 0; k < skip; ++k) drop_old(i++);
    } else {
      for (std::size_t k = 0; k < skip; ++k) drop_new(j++);
    }
  }
  for (; i < old_work.size(); ++i) drop_old(i);
  for (; j < new_work.size(); ++j) drop_new(j);
  // Enlarged text is drawn only whole: where it meets the region, the region takes all of it.
  for (bool grown = true; grown;) {
    grown = false;
    for (const PendingWork& w : p.work) {
      if (w.kind != PendingWork::kEnlargedText) continue;
      const platform::Rect box = box_of(w, p.texts);
      DirtyBlocks alone;
      mark_box(alone, box);
      const int before = region.count();
      if (!region.touches(box.left, box.top, box.right - box.left, box.bottom - box.top)) continue;
      region.merge(alone);
      grown = grown || region.count() != before;
    }
  }
  if (region.count() > kMostBlocksRedrawn) region.clear();
  return region;
}

// The surface shows the background with the shown work over it: puts the
// background back where the work differs and draws the work there only.
bool redraw_differences() {
  PendingDrawing& p = g_pending;
  const DirtyBlocks region = differing_blocks();
  if (region.count() == 0) return false;
  p.changed.merge(region);
  std::vector<platform::Rect>& boxes = p.redrawn_boxes;
  boxes.clear();
  DirtyBlocks(region).take([&](int x, int y, int w, int h) { add_changed_box(boxes, {x, y, x + w, y + h}); });
  const platform::Surface& whole = background_surface(p.shown_background);
  for (const platform::Rect& b : boxes)
    platform::blit(g_back_surface, b.left, b.top, b.right - b.left, b.bottom - b.top, whole, b.left, b.top);
  for (std::size_t i = 1; i < p.work.size(); ++i) {
    const PendingWork& w = p.work[i];
    const platform::Rect box = box_of(w, p.texts);
    mark_drawn(w, box);
    // Work that meets none of the boxes leaves their pixels alone.
    if (!region.touches(box.left, box.top, box.right - box.left, box.bottom - box.top)) continue;
    if (w.kind == PendingWork::kEnlargedText) {
      draw_now(w);
      continue;
    }
    for (const platform::Rect& b : boxes) draw_clipped(w, box, b);
  }
  return true;
}

}  // namespace

void gdi_setup(platform::BitmapLoad load) {
  g_back_surface = platform::Surface(kScreenWidth, kScreenHeight, 0xFFFFFF);
  reset_pending_drawing();
  // A sheet whose file is missing or refused still has its full size, so every copy from it stays in bounds.
  for (int id = platform::kFirstBitmapId; id <= platform::kLastBitmapId; ++id)
    platform::set_bitmap_size(id, art_sheet(id).width, art_sheet(id).height);
  platform::load_bitmaps(load);
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
  if (g_draw_recording) record({id, dx, dy, w, h, sx, sy, rop});
  add(PendingWork::kBlit, dx, dy, w, h, id, sx, sy, rop);
}

void draw_text(int x, int y, const char* utf8) {
  // Only a recording pays for the copy of the text.
  if (g_draw_recording) record({0, x, y, platform::text_width(utf8), kTextCellHeight, 0, 0, platform::Rop::Copy, utf8});
  add(PendingWork::kText, x, y).text = keep_text(utf8);
}

void fill_box(int x, int y, int w, int h, std::uint32_t colour) {
  add(PendingWork::kFill, x, y, w, h).colour = colour;
}

void shade_box(int x, int y, int w, int h, std::uint32_t colour, int alpha) {
  PendingWork& work = add(PendingWork::kShade, x, y, w, h);
  work.colour = colour;
  work.amount = alpha;
}

void draw_enlarged_text(int left, int top, const char* utf8, int scale, std::uint32_t colour) {
  PendingWork& work = add(PendingWork::kEnlargedText, left, top);
  work.colour = colour, work.amount = scale, work.text = keep_text(utf8);
}

void finish_drawing() {
  PendingDrawing& p = g_pending;
  if (p.shown_pixels != g_back_surface.pixels.data() || g_back_surface.width != kScreenWidth ||
      g_back_surface.height != kScreenHeight) {
    p.shown_background = -1;
    p.changed.mark(0, 0, kScreenWidth, kScreenHeight);
  }
  // Nothing drawn since the last finish (a frame whose scene draws nothing):
  // the surface still shows the shown work, which the next frame is drawn over.
  if (p.work.empty()) return;
  const bool from_background = p.work[0].kind == PendingWork::kBackground;
  if (from_background && p.shown_background >= 0 && p.work == p.shown_work && p.texts == p.shown_texts) {
    p.work.clear();
    p.texts.clear();
    return;
  }
  const bool same_background = from_background && p.work[0].amount == p.shown_background;
  // The frame before drew all of its work over this background: only the difference need be drawn.
  if (same_background && !p.shown_work.empty() && p.shown_work[0] == p.work[0] && redraw_differences()) {
    keep_as_shown();
    return;
  }
  std::size_t first = 0;
  if (same_background) {
    for (const PendingWork& w : p.work) mark_covered(w);
    p.changed.merge(p.drawn);
    put_background_back(p.shown_background);
    first = 1;
  }
  for (std::size_t i = first; i < p.work.size(); ++i) {
    mark_drawn(p.work[i], box_of(p.work[i], p.texts));
    draw_now(p.work[i]);
  }
  p.changed.merge(p.drawn);
  keep_as_shown();
}


std::span<const platform::Rect> finish_drawing_changes() {
  finish_drawing();
  std::vector<platform::Rect>& boxes = g_pending.changed_boxes;
  boxes.clear();
  g_pending.changed.take([&](int x, int y, int w, int h) { add_changed_box(boxes, {x, y, x + w, y + h}); });
  return boxes;
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
