// The table drawn with the generated art: a few moments of a hand, each
// checked against the sheets and, with RUVELKA_SCREENSHOT_DIR set, written
// there as PNGs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "draw/gdi.h"
#include "platform/platform.h"
#include "shell/result_panels.h"
#include "shell/table_view.h"
#include "shell/tile_draw.h"
#include "shell/view_inputs.h"
#include "com/target/com_target.h"
#include "support/table_fixture.h"
#include "support/table_scenes.h"

namespace {

class Screenshot : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    if (!std::filesystem::exists("art/134.png")) {
      GTEST_SKIP() << "no generated art: run build/ruvelka-gen-art";
    }
    gdi_setup();
  }

  // One moment of a hand, drawn on a surface set up after it.
  static void build(void (*scene)()) {
    scene();
    gdi_setup();
  }

  void shoot(const std::string& name) {
    const char* dir = std::getenv("RUVELKA_SCREENSHOT_DIR");
    if (dir == nullptr) return;
    finish_drawing();
    EXPECT_TRUE(platform::save_png(std::string(dir) + "/" + name + ".png", g_back_surface));
  }

  // Whether the w x h block of the screen at (x, y) is the block of sheet id at (sx, sy).
  static bool shows(int x, int y, int w, int h, int id, int sx, int sy) {
    const platform::Surface& sheet = platform::bitmap(id);
    finish_drawing();
    for (int row = 0; row < h; ++row)
      for (int col = 0; col < w; ++col)
        if (g_back_surface.at(x + col, y + row) != sheet.at(sx + col, sy + row)) return false;
    return true;
  }
};

TEST_F(Screenshot, Deal) {
  const int characters[4] = {0, 2, 4, 6};
  std::copy(std::begin(characters), std::end(characters), g_seat_character);
  start_hand(1);
  run_frames(40 + 25);
  draw_table();
  shoot("deal");
  // The user's dealt tiles stand as backs; seat 2's lie face down.
  EXPECT_TRUE(shows(user_slot_x(0), 650, 37, 62, 132, 266, 496));
  EXPECT_TRUE(shows(559, 0, 31, 52, 131, 32, 0));
}

TEST_F(Screenshot, MidHandWithMeldsFlowersAndLongRivers) {
  build(build_mid_hand);
  g_options[opt_open_hands] = 0;
  draw_table();
  shoot("mid_hand");
  // The drawn 5s in the user's first look, its edge strip beside it.
  EXPECT_TRUE(shows(user_drawn_tile_x(), 650, 37, 62, 132, 38 * 4, 62 * 2));
  // Seat 0's 25th discard extends the fourth row: place 6 of row 3.
  EXPECT_TRUE(shows(266 + 31 * 6, 465 + 38 * 3, 31, 37, 134, 32 * 6, 52 * 3));
}

TEST_F(Screenshot, OpenHandsAndOpenWall) {
  build(build_mid_hand);
  g_options[opt_open_hands] = 1;
  g_options[opt_open_wall] = 1;
  for (int i = 0; i < g_wall_count; ++i) g_wall[i] = 1 + i % 9 + 10 * (i / 9 % 3);
  draw_table();
  shoot("open_wall");
  EXPECT_TRUE(shows(608, 511, 32, 39, 137, 0, 0)) << "wall entry 0 is the first stack's lower tile";
}

TEST_F(Screenshot, WinPanel) {
  build(build_win);
  draw_win_view();
  shoot("win");
  EXPECT_TRUE(shows(180, 245, 10, 10, 113, 0, 0));
  // The first found pattern (6) heads the left column.
  EXPECT_TRUE(shows(200, 263, 100, 20, 126, 0, 120));
}

TEST_F(Screenshot, HandResult) {
  build(build_win);
  g_scene = SCENE_HAND_RESULT;
  g_options[opt_suspend] = 1;
  draw_hand_result_view();
  shoot("hand_result");
  EXPECT_TRUE(shows(280, 475, 20, 16, 111, 0, 0));
  EXPECT_TRUE(shows(465, 470, 220, 60, 115, 0, 0));
}

TEST_F(Screenshot, ExhaustiveDraw) {
  build(build_exhaustive_draw);
  draw_table();
  shoot("exhaustive_draw");
  EXPECT_TRUE(shows(270, 325, 180, 70, 112, 0, 0));
}

// With the aim display on, the pattern the target script chose for the
// user's seat in a seeded hand shows as its button under the hand.
TEST_F(Screenshot, AimedPatternButton) {
  g_options[opt_ai_target_display] = 1;
  start_hand(0);
  ASSERT_GE(run_until_scene(SCENE_SEAT0_TURN), 0);
  run_frames(1);
  const int aim = g_ai_target_yaku[0];
  ASSERT_NE(aim, 0);
  draw_table();
  shoot("aim");
  EXPECT_TRUE(shows(100, 610, 80, 30, 127, 80 * (aim / 20), 30 * (aim % 20))) << "aim " << aim;
}

}  // namespace
