#include "screens/screens.h"

#include <algorithm>

#include "draw/gdi.h"
#include "platform/platform.h"

namespace {
constexpr int kCardEdgeWidth = 3;
constexpr std::uint32_t kCardFill = 0xFFFFFF;
constexpr std::uint32_t kCardShadow = 0x000000;
constexpr int kCardShadowAlpha = 70;
constexpr int kCardShadowOffset = 6;
}  // namespace

void draw_screen_background() { draw_background(kBackgroundScreens); }

std::uint32_t blend(std::uint32_t under, std::uint32_t over, int alpha) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int a = static_cast<int>(under >> shift & 0xFF);
    const int b = static_cast<int>(over >> shift & 0xFF);
    out |= static_cast<std::uint32_t>(a + (b - a) * alpha / 255) << shift;
  }
  return out;
}

void draw_card(int left, int top, int right, int bottom, bool shadow) {
  if (shadow) {
    const int x_end = std::min(right + kCardShadowOffset, kScreenWidth);
    const int y_end = std::min(bottom + kCardShadowOffset, kScreenHeight);
    for (int y = std::max(0, top + kCardShadowOffset); y < y_end; ++y)
      for (int x = std::max(0, left + kCardShadowOffset); x < x_end; ++x)
        g_back_surface.at(x, y) = blend(g_back_surface.at(x, y), kCardShadow, kCardShadowAlpha);
  }
  platform::fill_rect(g_back_surface, left, top, right - left, bottom - top, kCardEdgeColour);
  platform::fill_rect(g_back_surface, left + kCardEdgeWidth, top + kCardEdgeWidth, right - left - 2 * kCardEdgeWidth,
                      bottom - top - 2 * kCardEdgeWidth, kCardFill);
}
