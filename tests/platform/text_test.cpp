#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <fontconfig/fontconfig.h>

#include "platform/platform.h"
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
  EXPECT_GT(ink_in(s, 0, 8, 8, 8), 2) << "ink in the cell's lower half";
  EXPECT_EQ(ink_in(s, 0, 0, 8, 8), 0);
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
  Surface t(100, 20, kRed);
  EXPECT_EQ(platform::text_out(t, 0, 0, "\xC3(\xF0\x9F"), 16 + 8 + 16 + 16);
}

namespace {

// A bitmap font of the given depth (1, 2, 4 or 8 bits a pixel) with a
// 16 x 16 glyph for every character of Japanese (fontconfig's list) in
// which a pixel's level is its column modulo the depth's levels: column x
// draws (x mod levels) / (levels - 1) of full ink.
std::string bitmap_font_text(int bits) {
  const int levels = 1 << bits;
  // A row's pixels packed from the high bits, in hexadecimal digits (16
  // pixels fill whole bytes at every depth).
  std::string bits_of_row;
  for (int x = 0; x < 16; ++x)
    for (int b = bits - 1; b >= 0; --b) bits_of_row += ((x % levels) >> b & 1) ? '1' : '0';
  std::ostringstream hex;
  for (std::size_t at = 0; at < bits_of_row.size(); at += 4)
    hex << "0123456789ABCDEF"[std::stoi(bits_of_row.substr(at, 4), nullptr, 2)];

  std::vector<FcChar32> chars;
  const FcCharSet* japanese = FcLangGetCharSet(reinterpret_cast<const FcChar8*>("ja"));
  FcChar32 map[FC_CHARSET_MAP_SIZE];
  FcChar32 next = 0;
  for (FcChar32 base = FcCharSetFirstPage(japanese, map, &next); base != FC_CHARSET_DONE;
       base = FcCharSetNextPage(japanese, map, &next))
    for (int word = 0; word < FC_CHARSET_MAP_SIZE; ++word)
      for (int bit = 0; bit < 32; ++bit)
        if (map[word] >> bit & 1) chars.push_back(base + 32 * word + bit);

  std::ostringstream font;
  font << "STARTFONT 2.1\nFONT -test-levels-medium-r-normal--16-160-75-75-c-160-iso10646-1\n"
       << "SIZE 16 75 75 " << bits << "\nFONTBOUNDINGBOX 16 16 0 -2\nSTARTPROPERTIES 5\nPIXEL_SIZE 16\n"
       << "FONT_ASCENT 14\nFONT_DESCENT 2\nCHARSET_REGISTRY \"ISO10646\"\nCHARSET_ENCODING \"1\"\nENDPROPERTIES\n"
       << "CHARS " << chars.size() << "\n";
  for (const FcChar32 c : chars) {
    font << "STARTCHAR u" << c << "\nENCODING " << c << "\nSWIDTH 1000 0\nDWIDTH 16 0\nBBX 16 16 0 -2\nBITMAP\n";
    for (int y = 0; y < 16; ++y) font << hex.str() << "\n";
    font << "ENDCHAR\n";
  }
  font << "ENDFONT\n";
  return font.str();
}

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
