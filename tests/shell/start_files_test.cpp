// The windowed program's start: it does not begin without a bitmap sheet
// that a screen draws from, whole, nor without a face for its Japanese text;
// each failure is one fatal message that names what is missing and how to
// make or get it, and nothing else is said.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "draw/art_manifest.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "shell/app.h"
#include "support/font_files.h"
#include "support/test_workdir.h"

namespace {

// The sheets that no screen draws from.
const std::set<int> kUnusedSheets{116, 119, 120, 121, 122, 123, 129, 130};

std::string no_sheet_message(int id) {
  return "エラーにより強制終了します: 画像ファイルが正しく読み込めませんでした\n" + platform::bitmap_path(id) +
         "\nscript/play を実行すると作られます";
}
const std::string kNoFace = "エラーにより強制終了します: 日本語を表示できるフォントが見つかりませんでした\n"
                            "fonts-ipafont-gothic をインストールするか\n"
                            "RUVELKA_FONT に日本語のフォントファイルを指定してください";

bool write_plain_sheet(int id) {
  const ArtSheet& sheet = art_sheet(id);
  return platform::save_png(platform::bitmap_path(id), platform::Surface(sheet.width, sheet.height),
                            platform::PngPacking::Stored);
}

struct BrokenStart {
  const char* name;
  int sheet;  // the sheet spoiled and then mended; 0 when the face is what is missing
  std::function<void(const TestWorkdir&, std::optional<KnownFonts>&)> spoil;
};

class WindowedStart : public ::testing::TestWithParam<BrokenStart> {
 protected:
  void SetUp() override {
    for (int id = platform::kFirstBitmapId; id <= platform::kLastBitmapId; ++id) {
      if (kUnusedSheets.contains(id)) continue;
      ASSERT_TRUE(write_plain_sheet(id)) << id;
    }
  }
  TestWorkdir dir_;
};

TEST_P(WindowedStart, EndsWithTheOneMessageAndStartsOnceMended) {
  const BrokenStart& c = GetParam();
  if (!test_fonts_installed()) GTEST_SKIP() << "fonts missing";
  std::optional<KnownFonts> fonts;
  c.spoil(dir_, fonts);
  headless::reset();
  ::testing::internal::CaptureStderr();
  try {
    app_main();
    ADD_FAILURE() << "the window started";
  } catch (const headless::ExitRequested& exit) {
    EXPECT_EQ(exit.code, -1);
  }
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(headless::message_log(), std::vector<std::string>{c.sheet ? no_sheet_message(c.sheet) : kNoFace});
  EXPECT_FALSE(headless::window_shown());

  fonts.reset();
  ASSERT_TRUE(c.sheet == 0 || write_plain_sheet(c.sheet));
  headless::reset();
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(app_main(), 0);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_TRUE(headless::window_shown());
  EXPECT_TRUE(headless::message_log().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, WindowedStart,
    ::testing::Values(
        // Both ends of the range of sheets, so that a check that stops short of either is seen.
        BrokenStart{"FirstSheetMissing", 101, [](auto&, auto&) { std::filesystem::remove("art/101.png"); }},
        BrokenStart{"LastSheetMissing", 139, [](auto&, auto&) { std::filesystem::remove("art/139.png"); }},
        BrokenStart{"SheetCutShort", 132, [](auto&, auto&) { std::filesystem::resize_file("art/132.png", 20000); }},
        BrokenStart{"NoJapaneseFont", 0,
                    [](const TestWorkdir& dir, std::optional<KnownFonts>& fonts) {
                      fonts.emplace(dir.path(), std::vector<std::string>{kLatinOnlyFont});
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
