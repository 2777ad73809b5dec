// Surfaces and block copies.
#include <algorithm>

#include "platform/platform.h"

namespace platform {

Surface::Surface(int w, int h, std::uint32_t fill)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      pixels(static_cast<std::size_t>(width) * height, fill & 0xFFFFFF) {}

namespace {

// Shrinks a span [pos, pos + len) to [0, limit), moving `other` (the matching
// coordinate on the other surface) by as much as the start moved.
void clip_span(int& pos, int& other, int& len, int limit) {
  if (pos < 0) {
    len += pos;
    other -= pos;
    pos = 0;
  }
  len = std::min(len, limit - pos);
}

}  // namespace

void blit(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy, Rop rop) {
  clip_span(sx, dx, w, src.width);
  clip_span(sy, dy, h, src.height);
  clip_span(dx, sx, w, dst.width);
  clip_span(dy, sy, h, dst.height);
  if (w <= 0 || h <= 0) return;
  for (int row = 0; row < h; ++row) {
    const std::uint32_t* from = src.pixels.data() + static_cast<std::size_t>(sy + row) * src.width + sx;
    std::uint32_t* to = &dst.at(dx, dy + row);
    switch (rop) {
      case Rop::Copy: std::copy(from, from + w, to); break;
      case Rop::And: for (int i = 0; i < w; ++i) to[i] &= from[i]; break;
      case Rop::Or: for (int i = 0; i < w; ++i) to[i] |= from[i]; break;
    }
  }
}

void fill_rect(Surface& dst, int x, int y, int w, int h, std::uint32_t colour) {
  int unused_x = 0;
  int unused_y = 0;
  clip_span(x, unused_x, w, dst.width);
  clip_span(y, unused_y, h, dst.height);
  if (w <= 0 || h <= 0) return;
  for (int row = 0; row < h; ++row) {
    std::uint32_t* to = &dst.at(x, y + row);
    std::fill(to, to + w, colour & 0xFFFFFF);
  }
}

}  // namespace platform
