#include "screens/screens.h"

#include <algorithm>

#include "draw/gdi.h"

namespace {
constexpr int kCardEdgeWidth = 3;
constexpr std::uint32_t kCardFill = 0xFFFFFF;
constexpr std::uint32_t kCardShadow = 0x000000;
constexpr int kCardShadowAlpha = 70;
constexpr int kCardShadowOffset = 6;
}  // namespace

void draw_screen_background() { draw_background(kBackgroundScreens); }

void draw_card(int left, int top, int right, int bottom, bool shadow) {
  if (shadow) {
    // The card covers the shadow but for a strip at its right and one below it.
    const int shadow_left = left + kCardShadowOffset;
    const int shadow_top = top + kCardShadowOffset;
    const int strip_left = std::max(shadow_left, right);
    const int strip_top = std::max(shadow_top, bottom);
    shade_box(strip_left, shadow_top, right + kCardShadowOffset - strip_left, bottom + kCardShadowOffset - shadow_top,
              kCardShadow, kCardShadowAlpha);
    shade_box(shadow_left, strip_top, right - shadow_left, bottom + kCardShadowOffset - strip_top, kCardShadow,
              kCardShadowAlpha);
  }
  const int inner_width = right - left - 2 * kCardEdgeWidth;
  const int inner_height = bottom - top - 2 * kCardEdgeWidth;
  if (inner_width <= 0 || inner_height <= 0) {
    fill_box(left, top, right - left, bottom - top, kCardEdgeColour);
    return;
  }
  // The edge as four strips around the fill, so that no pixel is filled twice.
  fill_box(left, top, right - left, kCardEdgeWidth, kCardEdgeColour);
  fill_box(left, bottom - kCardEdgeWidth, right - left, kCardEdgeWidth, kCardEdgeColour);
  fill_box(left, top + kCardEdgeWidth, kCardEdgeWidth, inner_height, kCardEdgeColour);
  fill_box(right - kCardEdgeWidth, top + kCardEdgeWidth, kCardEdgeWidth, inner_height, kCardEdgeColour);
  fill_box(left + kCardEdgeWidth, top + kCardEdgeWidth, inner_width, inner_height, kCardFill);
}
