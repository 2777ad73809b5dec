// A start that ends on the fatal message: the headless driver passes the
// message on, and the message names what could not be read.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "headless_script.h"
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
                "\nline 2: the program ended with code -1\n");
  EXPECT_FALSE(std::filesystem::exists(dir.file("never.png")));
}

INSTANTIATE_TEST_SUITE_P(Sounds, FatalStart,
                         ::testing::Values(MissingSound{"wave", false, "wave/ok.wav"},
                                           MissingSound{"voice", false, "voice/char1_fuu.wav"},
                                           MissingSound{"voice/char8_kan.wav", false, "voice/char8_kan.wav"},
                                           MissingSound{"wave/hana.wav", true, "wave/hana.wav"}));

}  // namespace
