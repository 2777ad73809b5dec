// Which face the text is drawn in: the font file RUVELKA_FONT names, else
// fontconfig's choice; what is said of a font passed over, and when no font
// serves.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/font_files.h"
#include "temp_dir.h"

namespace {

class FontChoice : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    if (!test_fonts_installed()) GTEST_SKIP() << "fonts missing";
  }

  void TearDown() override {
    known_.reset();
    ::unsetenv("RUVELKA_FONT");
    TempDirTest::TearDown();
  }

  void let_fontconfig_know(const std::vector<std::string>& fonts, bool latin_first = false) {
    known_.reset();
    known_.emplace(dir_, fonts, latin_first);
  }

  // The pixels of a Latin and a Japanese character drawn with the font set
  // (none: unset), the face looked for afresh.
  std::vector<std::uint32_t> drawn_with(const std::string& font) {
    if (font.empty()) ::unsetenv("RUVELKA_FONT");
    else ::setenv("RUVELKA_FONT", font.c_str(), 1);
    platform::reset_platform_state();
    platform::Surface s(24, 16);
    platform::text_out(s, 0, 0, "Aあ");
    return s.pixels;
  }

  // The text is drawn as without the font, and one line names it and why.
  void expect_skipped(const std::string& font, const std::string& why) {
    const std::vector<std::uint32_t> usual = drawn_with("");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(drawn_with(font), usual) << font;
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "ruvelka: RUVELKA_FONT " + font + " " + why + "; skipped\n");
  }

  std::optional<KnownFonts> known_;
};

TEST_F(FontChoice, OneThatCannotServeIsNamedWithWhyOnOneLineAndSkipped) {
  std::ofstream("notes.ttf") << "not a font\n";
  ASSERT_EQ(::mkfifo("fifo.ttf", 0644), 0);  // opened for a blocking read, it would wait for a writer forever
  ASSERT_TRUE(write_damaged_font(kOtherJapaneseFont, "damaged.ttf"));
  std::ofstream("one_blank.bdf") << bitmap_font_text(1, U'麻');  // one kanji of the screens draws no ink
  const struct {
    std::string font;
    const char* why;
  } cases[] = {
      {"/nonexistent/font.ttf", "does not exist"},
      {(dir_ / "notes.ttf/font.ttf").string(), "does not exist"},
      {(dir_ / "fifo.ttf").string(), "is not a regular file"},
      {dir_.string(), "is not a regular file"},
      {(dir_ / "notes.ttf").string(), "cannot be read as a font"},
      {kLatinOnlyFont, "has no Japanese glyphs"},
      {(dir_ / "damaged.ttf").string(), "does not draw its Japanese glyphs (a damaged file?)"},
      {(dir_ / "one_blank.bdf").string(), "does not draw its Japanese glyphs (a damaged file?)"},
  };
  for (const auto& c : cases) expect_skipped(c.font, c.why);
}

TEST_F(FontChoice, OneWithJapaneseGlyphsIsTakenSilently) {
  const std::vector<std::uint32_t> usual = drawn_with("");
  ::testing::internal::CaptureStderr();
  EXPECT_NE(drawn_with(kOtherJapaneseFont), usual);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_TRUE(platform::text_face_found());
}

TEST_F(FontChoice, WithoutItFontconfigsFirstJapaneseFontIsTaken) {
  const std::vector<std::uint32_t> other = drawn_with(kOtherJapaneseFont);
  for (const bool latin_first : {false, true}) {
    let_fontconfig_know({kLatinOnlyFont, kOtherJapaneseFont}, latin_first);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(drawn_with(""), other) << latin_first;
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  }
}

TEST_F(FontChoice, ADamagedFontThatFontconfigListsIsNamedAndTheNextTaken) {
  const std::vector<std::uint32_t> other = drawn_with(kOtherJapaneseFont);
  ASSERT_TRUE(write_damaged_font("/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf", "ipag.ttf"));
  let_fontconfig_know({(dir_ / "ipag.ttf").string(), kOtherJapaneseFont});
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(drawn_with(""), other);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "ruvelka: font " + (dir_ / "fonts/ipag.ttf").string() +
                " does not draw its Japanese glyphs (a damaged file?); skipped\n");
}

TEST_F(FontChoice, WhenNoFontServesTheTextIsBlankAndTheMessageSaysWhatToInstallOrSet) {
  let_fontconfig_know({kLatinOnlyFont});
  ::testing::internal::CaptureStderr();
  const std::vector<std::uint32_t> drawn = drawn_with("");
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(drawn, platform::Surface(24, 16).pixels) << "blank cells";
  EXPECT_FALSE(platform::text_face_found());
  EXPECT_NE(said.find("fonts-ipafont-gothic"), std::string::npos) << said;
  EXPECT_NE(said.find("RUVELKA_FONT"), std::string::npos) << said;
  EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
}

}  // namespace
