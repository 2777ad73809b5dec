#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "platform/platform.h"
#include "support/font_files.h"
#include "temp_dir.h"

using platform::Surface;

namespace {

constexpr std::uint32_t kRed = 0xFF0000;

// Ink pixels (anything but white) inside the rectangle.
int ink_in(const Surface& s, int x, int y, int w, int h) {
  int ink = 0;
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) ink += s.at(i, j) != 0xFFFFFF;
  return ink;
}

bool is_grey(std::uint32_t p) { return (p & 0xFF) == ((p >> 8) & 0xFF) && (p & 0xFF) == (p >> 16); }

}  // namespace

TEST(TextWidth, HalfWidthIsEightAndFullWidthSixteen) {
  EXPECT_EQ(platform::text_width(""), 0);
  EXPECT_EQ(platform::text_width("ab1"), 24);
  EXPECT_EQ(platform::text_width("東南"), 32);
  EXPECT_EQ(platform::text_width("ｱｲ"), 16);  // half-width katakana
  EXPECT_EQ(platform::text_width("\uFF61\uFF9F"), 16) << "the ends of the half-width katakana";
  EXPECT_EQ(platform::text_width("\uFF60\uFFA0"), 32) << "just outside them";
  EXPECT_EQ(platform::text_width("\u007F\u0080"), 8 + 16) << "the end of ASCII";
  EXPECT_EQ(platform::text_width("8点 x2"), 8 + 16 + 8 + 8 + 8);
  EXPECT_EQ(platform::text_width("●〇"), 32);
  Surface s(200, 40, kRed);
  EXPECT_EQ(platform::text_out(s, 3, 4, "8点 x2"), 48);
}

TEST(TextOut, CellIsOpaqueWhiteWithGreyInkAndNothingOutside) {
  Surface s(64, 40, kRed);
  const int width = platform::text_out(s, 5, 7, "Aあ");
  ASSERT_EQ(width, 24);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 64; ++x) {
      const bool in_cell = x >= 5 && x < 29 && y >= 7 && y < 23;
      if (in_cell) EXPECT_TRUE(is_grey(s.at(x, y))) << x << "," << y;
      else EXPECT_EQ(s.at(x, y), kRed) << x << "," << y;
    }
  }
  EXPECT_GT(ink_in(s, 5, 7, 8, 16), 10);
  EXPECT_GT(ink_in(s, 13, 7, 16, 16), 20);
}

// File names are drawn: the low line of a name like rule_yaku.dat shows in its cell.
TEST(TextOut, TheLowLineShowsInItsCell) {
  Surface s(16, 16, kRed);
  ASSERT_EQ(platform::text_out(s, 0, 0, "_"), 8);
  EXPECT_GT(ink_in(s, 0, 15, 8, 1), 2) << "ink on the cell's last row";
  EXPECT_EQ(ink_in(s, 0, 0, 8, 15), 0);
}

TEST(TextOut, FilledCircleOverRingLeavesNoTraceOfTheRing) {
  Surface fresh(40, 30, kRed);
  platform::text_out(fresh, 10, 6, "●");
  Surface over(40, 30, kRed);
  platform::text_out(over, 10, 6, "〇");
  EXPECT_GT(ink_in(over, 10, 6, 16, 16), 20);
  platform::text_out(over, 10, 6, "●");
  EXPECT_EQ(over.pixels, fresh.pixels);
  // The filled circle is really ink, black at its centre.
  EXPECT_EQ(fresh.at(18, 14) & 0xFF, 0u);
}

TEST(TextOut, StringIsItsCharactersSideBySide) {
  Surface whole(80, 20, 0);
  platform::text_out(whole, 2, 2, "A東b");
  Surface pieces(80, 20, 0);
  platform::text_out(pieces, 2, 2, "A");
  platform::text_out(pieces, 10, 2, "東");
  platform::text_out(pieces, 26, 2, "b");
  EXPECT_EQ(whole.pixels, pieces.pixels);
}

TEST(TextOut, ClipsAtTheSurfaceAndSurvivesMalformedBytes) {
  Surface s(20, 20, kRed);
  EXPECT_EQ(platform::text_out(s, -6, -9, "麻雀"), 32);
  EXPECT_EQ(platform::text_out(s, 12, 12, "W"), 8);
  EXPECT_TRUE(is_grey(s.at(0, 0)));
  EXPECT_TRUE(is_grey(s.at(19, 19)));
  // Each malformed byte takes one full cell of its own; the rest still reads.
  EXPECT_EQ(platform::text_width("\xFF" "a" "\xE3\x81"), 16 + 8 + 16 + 16);
  // C0 and C1 could lead only overlong forms of ASCII: neither takes the byte after it along.
  EXPECT_EQ(platform::text_width("\xC0\x80" "\xC1\xBF"), 4 * 16);
  EXPECT_EQ(platform::text_width("\xC2\x80" "\xDF\xBF"), 2 * 16) << "the first and last two-byte leads";
  Surface t(100, 20, kRed);
  EXPECT_EQ(platform::text_out(t, 0, 0, "\xC3(\xF0\x9F"), 16 + 8 + 16 + 16);
}

namespace {

class BitmapFont : public TempDirTest {
 protected:
  void TearDown() override {
    ::unsetenv("RUVELKA_FONT");
    TempDirTest::TearDown();
  }
};

TEST_F(BitmapFont, EveryDepthDrawsItsLevelsAsGreys) {
  for (const int bits : {1, 2, 4, 8}) {
    const std::string file = (dir_ / ("levels" + std::to_string(bits) + ".bdf")).string();
    std::ofstream(file) << bitmap_font_text(bits);
    ::setenv("RUVELKA_FONT", file.c_str(), 1);
    platform::reset_platform_state();
    ::testing::internal::CaptureStderr();
    Surface s(16, 16, kRed);
    platform::text_out(s, 0, 0, "あ");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << bits << " bits: taken";
    const int levels = 1 << bits;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        const std::uint32_t paper = 255 - 255 * (x % levels) / (levels - 1);
        EXPECT_EQ(s.at(x, y), paper * 0x010101u) << bits << " bits, at " << x << "," << y;
      }
    }
  }
}

}  // namespace
