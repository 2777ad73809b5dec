// The headless driver's command language, and a start that ends on the
// fatal message: the driver passes the message on, and the message names
// what could not be read.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "headless_script.h"
#include "support/font_files.h"
#include "support/test_workdir.h"

namespace {

struct MissingSound {
  const char* remove;  // under the working directory
  bool as_folder;      // put a folder where the file was
  const char* named;   // what the message must name
};

class FatalStart : public ::testing::TestWithParam<MissingSound> {};

TEST_P(FatalStart, TheDriverPrintsTheMessageNamingTheFile) {
  const MissingSound& c = GetParam();
  TestWorkdir dir;
  reset_program_state();
  std::filesystem::remove_all(dir.file(c.remove));
  if (c.as_folder) std::filesystem::create_directory(dir.file(c.remove));
  std::istringstream script("seed 3\nframes 1\npng never.png\n");
  std::ostringstream out, err;
  EXPECT_EQ(run_headless_script(script, out, err), 1);
  EXPECT_EQ(err.str(),
            "エラーにより強制終了します: wavファイルが正しく読み込めませんでした\n" + std::string(c.named) +
                "\nscript/play を実行すると作られます\nline 2: the program ended with code -1\n");
  EXPECT_FALSE(std::filesystem::exists(dir.file("never.png")));
}

INSTANTIATE_TEST_SUITE_P(Sounds, FatalStart,
                         ::testing::Values(MissingSound{"wave", false, "wave/ok.wav"},
                                           MissingSound{"voice", false, "voice/char1_fuu.wav"},
                                           MissingSound{"voice/char8_kan.wav", false, "voice/char8_kan.wav"},
                                           MissingSound{"wave/hana.wav", true, "wave/hana.wav"}));

struct DriverCase {
  const char* name;
  const char* script;
  int code;
  const char* out;
  const char* err;
  bool japanese_font = true;  // false: fontconfig knows only a Latin font
};

class DriverScript : public ::testing::TestWithParam<DriverCase> {};

TEST_P(DriverScript, PrintsWhatTheCommandsAsk) {
  const DriverCase& c = GetParam();
  TestWorkdir dir;
  std::optional<KnownFonts> fonts;
  if (!c.japanese_font) {
    if (!test_fonts_installed()) GTEST_SKIP() << "fonts missing";
    fonts.emplace(dir.path(), std::vector<std::string>{kLatinOnlyFont});
  }
  reset_program_state();
  std::istringstream script(c.script);
  std::ostringstream out, err;
  EXPECT_EQ(run_headless_script(script, out, err), c.code);
  EXPECT_EQ(out.str(), c.out);
  EXPECT_EQ(err.str(), c.err);
}

// The title click opens the menu with the OK sound; Z steps the open-hands
// display with the select sound; Esc closes the window, which ends the script.
INSTANTIATE_TEST_SUITE_P(
    Commands, DriverScript,
    ::testing::Values(
        DriverCase{"SoundsAndKeys",
                   "seed 5\nframes 2\nclick 360 360\nframes 1\nsounds\nkey z\nframes 1\nsounds\nsounds\nscene\n"
                   "frames 0\nkey esc\nscene\n",
                   0, "sound wave/ok.wav\nsound wave/select.wav\nscene 90\n", ""},
        DriverCase{"Comments", "# a note\n  # indented\n\nscene\n", 0, "scene 10\n", ""},
        DriverCase{"NegativeFrames", "frames -1\nscene\n", 1, "", "line 1: frames needs a count\n"},
        DriverCase{"UnknownKey", "key home\n", 1, "", "line 1: stoi\n"},
        DriverCase{"WrongScene", "frames 1\nexpect-scene 90\n", 1, "", "line 2: scene is 10, expected 90\n"},
        // Unlike the windowed program, the driver draws on with its text blank.
        DriverCase{"NoJapaneseFont", "frames 2\nclick 360 360\nframes 1\npng menu.png\nscene\n", 0, "scene 90\n", "",
                   false}),
    [](const ::testing::TestParamInfo<DriverCase>& info) { return std::string(info.param.name); });

}  // namespace
