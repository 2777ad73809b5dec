// The windowed program's start without a bitmap sheet that a screen draws
// from: the fatal message names the file and how to make it.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "draw/art_manifest.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "shell/app.h"
#include "support/test_workdir.h"

namespace {

// The sheets that no screen draws from.
const std::set<int> kUnusedSheets{116, 119, 120, 121, 122, 123, 129, 130};

bool write_plain_sheet(int id) {
  const ArtSheet& sheet = art_sheet(id);
  return platform::save_png(platform::bitmap_path(id), platform::Surface(sheet.width, sheet.height),
                            platform::PngPacking::Stored);
}

TEST(WindowedStart, AMissingSheetEndsItWithTheMessageAndTheUnusedOnesAreNotNeeded) {
  TestWorkdir dir;
  for (int id = platform::kFirstBitmapId; id <= platform::kLastBitmapId; ++id) {
    if (id == 132 || kUnusedSheets.contains(id)) continue;
    ASSERT_TRUE(write_plain_sheet(id)) << id;
  }
  try {
    app_main();
    FAIL() << "the window started without the user's standing tiles";
  } catch (const headless::ExitRequested& exit) {
    EXPECT_EQ(exit.code, -1);
  }
  EXPECT_EQ(headless::message_log(),
            std::vector<std::string>{"エラーにより強制終了します: 画像ファイルが正しく読み込めませんでした\n"
                                     "art/132.png\nscript/play を実行すると作られます"});
  EXPECT_FALSE(headless::window_shown());

  ASSERT_TRUE(write_plain_sheet(132));
  headless::reset();
  EXPECT_EQ(app_main(), 0);
  EXPECT_TRUE(headless::window_shown());
  EXPECT_TRUE(headless::message_log().empty());
}

}  // namespace
