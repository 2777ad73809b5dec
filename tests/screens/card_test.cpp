// A card drawn with its shadow against the obvious drawing: the whole shadow
// mixed under the card's box, then the card filled over it.
#include <gtest/gtest.h>

#include <cstdint>

#include "draw/gdi.h"
#include "screens/screens.h"

namespace {

TEST(Card, ShadowShowsBelowAndRightOfTheCardOnly) {
  struct Case {
    int left, top, right, bottom;
  };
  const Case cases[] = {{150, 170, 610, 515}, {100, 545, 610, 590}, {690, 700, 716, 719}, {0, 0, 4, 3}};
  for (const Case& c : cases) {
    g_back_surface = platform::Surface(kScreenWidth, kScreenHeight);
    reset_gdi_state();
    for (std::size_t i = 0; i < g_back_surface.pixels.size(); ++i)
      g_back_surface.pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
    platform::Surface expected = g_back_surface;
    for (int y = std::max(0, c.top + 6); y < std::min(c.bottom + 6, kScreenHeight); ++y)
      for (int x = std::max(0, c.left + 6); x < std::min(c.right + 6, kScreenWidth); ++x)
        expected.at(x, y) = blend(expected.at(x, y), 0x000000, 70);
    platform::fill_rect(expected, c.left, c.top, c.right - c.left, c.bottom - c.top, kCardEdgeColour);
    platform::fill_rect(expected, c.left + 3, c.top + 3, c.right - c.left - 6, c.bottom - c.top - 6, 0xFFFFFF);
    draw_card(c.left, c.top, c.right, c.bottom);
    finish_drawing();
    EXPECT_EQ(g_back_surface.pixels, expected.pixels) << c.left << " " << c.top;
  }
}

}  // namespace
