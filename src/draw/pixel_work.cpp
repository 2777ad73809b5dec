#include "draw/pixel_work.h"

#include <algorithm>
#include <array>

#include "draw/gdi.h"

namespace {
constexpr int kTextureSize = 72;
constexpr int kTexturePitch = 80;  // pattern p at x = 80 p of the sheet
constexpr int kChannels = 3;
constexpr int kLookUpFrom = 1024;  // pixels of a box worth a table of 768 mixes

// One channel of blend: a + (b - a) * alpha / 255, the division truncated
// towards zero as the mix was defined.
constexpr int mix_channel(int a, int b, int alpha) { return a + (b - a) * alpha / 255; }
}  // namespace

std::uint32_t blend(std::uint32_t under, std::uint32_t over, int alpha) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int a = static_cast<int>(under >> shift & 0xFF);
    const int b = static_cast<int>(over >> shift & 0xFF);
    out |= static_cast<std::uint32_t>(mix_channel(a, b, alpha)) << shift;
  }
  return out;
}

// The mix of one colour and alpha has 256 results a channel, so the box is
// looked up instead of divided (a card's shadow mixes thousands of pixels).
void shade_pixels(platform::Surface& dst, int x, int y, int w, int h, std::uint32_t colour, int alpha) {
  const int x0 = std::max(x, 0), x1 = std::min(x + w, dst.width);
  const int y0 = std::max(y, 0), y1 = std::min(y + h, dst.height);
  if (x0 >= x1 || y0 >= y1) return;
  if ((x1 - x0) * (y1 - y0) < kLookUpFrom) {
    for (int row = y0; row < y1; ++row)
      for (int col = x0; col < x1; ++col) dst.at(col, row) = blend(dst.at(col, row), colour, alpha);
    return;
  }
  std::array<std::array<std::uint32_t, 256>, kChannels> mixed;
  for (int c = 0; c < kChannels; ++c)
    for (int a = 0; a < 256; ++a)
      mixed[c][a] = static_cast<std::uint32_t>(mix_channel(a, static_cast<int>(colour >> 8 * c & 0xFF), alpha)) << 8 * c;
  for (int row = y0; row < y1; ++row) {
    std::uint32_t* p = &dst.at(x0, row);
    for (int i = 0; i < x1 - x0; ++i)
      p[i] = mixed[0][p[i] & 0xFF] | mixed[1][p[i] >> 8 & 0xFF] | mixed[2][p[i] >> 16 & 0xFF];
  }
}

void ink_enlarged_text(platform::Surface& dst, int left, int top, const char* utf8, int scale, std::uint32_t colour) {
  platform::Surface glyphs(platform::text_width(utf8), 16, 0xFFFFFF);
  platform::text_out(glyphs, 0, 0, utf8);
  for (int y = 0; y < glyphs.height; ++y)
    for (int x = 0; x < glyphs.width; ++x) {
      const int ink = 255 - static_cast<int>(glyphs.at(x, y) & 0xFF);
      if (ink != 0) shade_pixels(dst, left + x * scale, top + y * scale, scale, scale, colour, ink);
    }
}

platform::Surface tiled_texture(const platform::Surface& sheet, int pattern, int w, int h) {
  platform::Surface out(w, h);
  for (int y = 0; y < h; y += kTextureSize)
    for (int x = 0; x < w; x += kTextureSize)
      platform::blit(out, x, y, kTextureSize, kTextureSize, sheet, kTexturePitch * pattern, 0);
  return out;
}
