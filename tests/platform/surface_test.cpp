#include <gtest/gtest.h>

#include "platform/platform.h"

using platform::Rop;
using platform::Surface;

namespace {

// Pixel by pixel, the way the block copy is meant: every pair of source and
// destination pixels that both exist is combined, nothing else changes.
void reference_blit(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy, Rop rop) {
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      const int fx = sx + i, fy = sy + j, tx = dx + i, ty = dy + j;
      if (fx < 0 || fy < 0 || fx >= src.width || fy >= src.height) continue;
      if (tx < 0 || ty < 0 || tx >= dst.width || ty >= dst.height) continue;
      std::uint32_t& d = dst.at(tx, ty);
      const std::uint32_t s = src.at(fx, fy);
      d = rop == Rop::Copy ? s : rop == Rop::And ? (d & s) : (d | s);
    }
  }
}

Surface patterned(int w, int h, std::uint32_t salt) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.at(x, y) = (static_cast<std::uint32_t>(x * 40503 + y * 977) ^ salt) & 0xFFFFFF;
  return s;
}

}  // namespace

TEST(Blit, MatchesPixelReferenceOverSeededPlacements) {
  const Surface src = patterned(13, 9, 0x123456);
  std::uint32_t state = 7;
  auto next = [&](int lo, int hi) {
    state = state * 1664525u + 1013904223u;
    return lo + static_cast<int>((state >> 8) % static_cast<std::uint32_t>(hi - lo + 1));
  };
  for (int trial = 0; trial < 2000; ++trial) {
    Surface expected = patterned(17, 11, 0xA5A5A5);
    Surface actual = expected;
    const int dx = next(-20, 20), dy = next(-15, 15), w = next(-2, 25), h = next(-2, 20);
    const int sx = next(-16, 16), sy = next(-12, 12);
    const Rop rop = static_cast<Rop>(next(0, 2));
    reference_blit(expected, dx, dy, w, h, src, sx, sy, rop);
    platform::blit(actual, dx, dy, w, h, src, sx, sy, rop);
    ASSERT_EQ(actual.pixels, expected.pixels)
        << "dx=" << dx << " dy=" << dy << " w=" << w << " h=" << h << " sx=" << sx << " sy=" << sy;
  }
}

TEST(Blit, SourceRectanglePastItsSheetCopiesOnlyWhatIsThere) {
  const Surface sheet(4, 4, 0x0000FF);
  Surface dst(10, 10, 0xFFFFFF);
  platform::blit(dst, 1, 1, 8, 8, sheet, 2, 2);  // only a 2 x 2 corner exists
  int blue = 0;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) blue += dst.at(x, y) == 0x0000FF;
  EXPECT_EQ(blue, 4);
  EXPECT_EQ(dst.at(1, 1), 0x0000FFu);
  EXPECT_EQ(dst.at(2, 2), 0x0000FFu);
  EXPECT_EQ(dst.at(3, 3), 0xFFFFFFu);

  Surface left(10, 10, 0xFFFFFF);
  platform::blit(left, 5, 5, 4, 4, sheet, -2, -3);  // source starts above and left of the sheet
  EXPECT_EQ(left.at(6, 7), 0xFFFFFFu);
  EXPECT_EQ(left.at(7, 8), 0x0000FFu);
}

TEST(Blit, DestinationClipsAtEveryEdgeAndEmptySurfacesAreHarmless) {
  const Surface src = patterned(6, 6, 0);
  Surface dst(5, 5, 0);
  platform::blit(dst, -3, -2, 6, 6, src, 0, 0);
  EXPECT_EQ(dst.at(0, 0), src.at(3, 2));
  EXPECT_EQ(dst.at(2, 3), src.at(5, 5));
  EXPECT_EQ(dst.at(3, 3), 0u);
  Surface empty;
  platform::blit(empty, 0, 0, 10, 10, src, 0, 0);
  platform::blit(dst, 0, 0, 10, 10, empty, 0, 0);
  EXPECT_TRUE(empty.pixels.empty());
}

TEST(Blit, MaskWithAndThenImageWithOrDrawsOnlyTheShape) {
  // A 3 x 1 sprite: the middle pixel is the shape. Mask: black where the shape
  // is; image: the shape's colour there, black elsewhere.
  Surface mask(3, 1, 0xFFFFFF);
  mask.at(1, 0) = 0x000000;
  Surface image(3, 1, 0x000000);
  image.at(1, 0) = 0x12AB34;
  Surface table(3, 1, 0x336699);
  platform::blit(table, 0, 0, 3, 1, mask, 0, 0, Rop::And);
  platform::blit(table, 0, 0, 3, 1, image, 0, 0, Rop::Or);
  EXPECT_EQ(table.at(0, 0), 0x336699u);
  EXPECT_EQ(table.at(1, 0), 0x12AB34u);
  EXPECT_EQ(table.at(2, 0), 0x336699u);
}

TEST(FillRect, ClipsLikeABlitFromAnUnboundedSheet) {
  Surface dst(6, 4, 0);
  platform::fill_rect(dst, -2, 2, 4, 9, 0xFF00FF);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(dst.at(x, y), (x < 2 && y >= 2) ? 0xFF00FFu : 0u) << x << "," << y;
  platform::fill_rect(dst, 7, 0, 3, 3, 0x00FF00);
  platform::fill_rect(dst, 0, 0, -1, 3, 0x00FF00);
  EXPECT_EQ(dst.at(5, 0), 0u);
  EXPECT_EQ(Surface(-3, 4).pixels.size(), 0u);
}
