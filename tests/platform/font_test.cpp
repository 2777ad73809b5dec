// Which face the text is drawn in: the font file RUVELKA_FONT names, else
// fontconfig's choice, and what is said when no font serves.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "temp_dir.h"

namespace {

constexpr const char* kLatinOnly = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kOtherJapanese = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf";

class FontChoice : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    // Both come with fontconfig and script/bootstrap on Debian.
    if (!std::filesystem::exists(kLatinOnly) || !std::filesystem::exists(kOtherJapanese))
      GTEST_SKIP() << "fonts missing";
  }

  void TearDown() override {
    ::unsetenv("RUVELKA_FONT");
    ::unsetenv("FONTCONFIG_FILE");
    TempDirTest::TearDown();
  }

  // Has fontconfig know only the given font files (links to them in a folder
  // of the test's own), with the Latin-only one ranked first for IPA Gothic
  // when `latin_first`.
  void let_fontconfig_know(const std::vector<std::string>& fonts, bool latin_first = false) {
    std::filesystem::create_directories(dir_ / "fonts");
    for (const std::string& font : fonts)
      std::filesystem::create_symlink(font, dir_ / "fonts" / std::filesystem::path(font).filename());
    const char* ranking = "<alias binding=\"strong\"><family>IPAGothic</family>"
                          "<prefer><family>DejaVu Sans</family></prefer></alias>";
    std::ofstream(dir_ / "fonts.conf") << "<?xml version=\"1.0\"?>\n<fontconfig><dir>" << (dir_ / "fonts").string()
                                       << "</dir><cachedir>" << (dir_ / "cache").string() << "</cachedir>"
                                       << (latin_first ? ranking : "") << "</fontconfig>\n";
    ::setenv("FONTCONFIG_FILE", (dir_ / "fonts.conf").c_str(), 1);
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

  // The text is drawn as without the font, and one line names it.
  void expect_skipped(const std::string& font) {
    const std::vector<std::uint32_t> usual = drawn_with("");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(drawn_with(font), usual) << font;
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(font), std::string::npos) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
  }
};

TEST_F(FontChoice, OneLatinOnlyMissingOrNotAFontIsNamedOnOneLineAndSkipped) {
  std::ofstream("notes.ttf") << "not a font\n";
  for (const std::string& font :
       {std::string(kLatinOnly), std::string("/nonexistent/font.ttf"), (dir_ / "notes.ttf").string()})
    expect_skipped(font);
}

TEST_F(FontChoice, OneWithJapaneseGlyphsIsTakenSilently) {
  const std::vector<std::uint32_t> usual = drawn_with("");
  ::testing::internal::CaptureStderr();
  EXPECT_NE(drawn_with(kOtherJapanese), usual);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

TEST_F(FontChoice, WithoutItFontconfigsFirstJapaneseFontIsTaken) {
  const std::vector<std::uint32_t> other = drawn_with(kOtherJapanese);
  for (const bool latin_first : {false, true}) {
    std::filesystem::remove_all(dir_ / "fonts");
    let_fontconfig_know({kLatinOnly, kOtherJapanese}, latin_first);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(drawn_with(""), other) << latin_first;
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  }
}

TEST_F(FontChoice, WhenNoFontServesTheTextIsBlankAndTheMessageSaysWhatToInstallOrSet) {
  let_fontconfig_know({kLatinOnly});
  ::testing::internal::CaptureStderr();
  const std::vector<std::uint32_t> drawn = drawn_with("");
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(drawn, platform::Surface(24, 16).pixels) << "blank cells";
  EXPECT_NE(said.find("fonts-ipafont-gothic"), std::string::npos) << said;
  EXPECT_NE(said.find("RUVELKA_FONT"), std::string::npos) << said;
  EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
}

}  // namespace
