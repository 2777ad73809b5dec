#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "draw/gdi.h"
#include "platform/headless/headless.h"
#include "shell/app.h"
#include "shell/scene_table.h"
#include "shell/shell_state.h"
#include "support/test_workdir.h"

namespace {

// Every scene number the program dispatches, and the ones followed by the table view.
std::vector<int> all_scenes() {
  std::vector<int> scenes{10, 20, 30, 40, 50, 60, 70, 90, 110, 120, 130, 140, 150, 160,
                          560, 570, 590, 600, 620, 700, 710, 810, 820, 900, 910, 920, 930,
                          1000, 1010, 1020, 1030, 1050};
  for (int seat = 0; seat < 4; ++seat) {
    const int base = 200 + 90 * seat;
    scenes.insert(scenes.end(), {base, base + 10, base + 11});
    for (int step = 0; step < 7; ++step) scenes.push_back(base + 20 + 10 * step);
  }
  return scenes;
}

bool is_table_scene(int scene) {
  if (scene == 40 || scene == 50 || scene == 60 || scene == 600 || scene == 620) return true;
  if (scene >= 900 && scene <= 930) return true;
  if (scene < 200 || scene > 550) return false;
  const int offset = (scene - 200) % 90;
  return scene != 210 && (offset == 0 || offset == 10 || offset == 11 || (offset >= 20 && offset % 10 == 0));
}

TEST(SceneTable, EveryScenesHasAHandlerAndTheTableScenesAreExactlyTheFortyEight) {
  int table_scenes = 0;
  for (int scene : all_scenes()) {
    EXPECT_TRUE(scene_has_handler(scene)) << scene;
    EXPECT_EQ(scene_draws_table(scene), is_table_scene(scene)) << scene;
    table_scenes += scene_draws_table(scene);
  }
  EXPECT_EQ(table_scenes, 48);
  for (int scene : {0, 11, 80, 100, 209, 212, 555, 580, 1040, 1060, 5000}) EXPECT_FALSE(scene_has_handler(scene)) << scene;
}

class Frame : public ::testing::Test {
 protected:
  void SetUp() override { open_headless_program(); }
  TestWorkdir dir_;
};

TEST_F(Frame, FrontEndScenesDrawTheirScreen) {
  g_back_surface = platform::Surface(kScreenWidth, kScreenHeight, 0xFFFFFF);
  reset_gdi_state();  // the drawing knows nothing of the new surface
  g_scene = SCENE_MAIN_MENU;
  headless::step_frames(1);
  // The corner shows the background; the middle holds the menu's white card.
  EXPECT_NE(headless::screen().at(20, 20), 0xFFFFFFu);
}

TEST_F(Frame, AnUnknownSceneLeavesTheSurfaceUnchanged) {
  g_scene = SCENE_TITLE;
  headless::step_frames(1);
  finish_drawing();
  platform::fill_rect(g_back_surface, 100, 100, 50, 50, 0x123456);
  const std::vector<std::uint32_t> before = g_back_surface.pixels;
  g_scene = 999;
  headless::step_frames(3);
  EXPECT_EQ(g_scene, 999);
  EXPECT_EQ(headless::screen().pixels, before);
}

TEST_F(Frame, NoticeFramesCountDown) {
  g_notice_frames = 2;
  headless::step_frames(5);
  EXPECT_EQ(g_notice_frames, 0);
}

TEST_F(Frame, FrameRateReadsZeroInTheFirstSecond) {
  // A digit sheet whose digit d is a cell of colour d + 1.
  platform::Surface digits(100, 15, 0);
  for (int d = 0; d < 10; ++d) platform::fill_rect(digits, 10 * d, 0, 9, 15, static_cast<std::uint32_t>(d + 1));
  ASSERT_TRUE(platform::save_png("art/101.png", digits));
  platform::load_bitmaps();
  g_options[opt_frame_rate] = 1;
  g_scene = SCENE_TITLE;
  headless::step_frames(1);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(headless::screen().at(684 + 9 * i, 10), 1u) << "digit " << i;
    EXPECT_EQ(headless::screen().at(684 + 9 * i + 8, 24), 1u) << "digit " << i;
  }
  EXPECT_EQ(g_fps, 0);
}

TEST_F(Frame, FrameRateIsFramesPerElapsedSecond) {
  // Pretend the last sample was 2 s ago with 150 frames counted since.
  g_fps_frames = 1000;
  g_fps_sample_frames = 850;
  g_fps_sample_ms = platform::clock_ms() - 2000;
  const int fps = fps_tick();
  EXPECT_GE(fps, 74);
  EXPECT_LE(fps, 75);
  EXPECT_EQ(g_fps_sample_frames, 1001u);
}

// The count at its largest: the next frame wraps it to 0, and the rate
// still comes from the 150 frames of the last two seconds.
TEST_F(Frame, FrameRateHoldsWhenTheFrameCountWraps) {
  using Count = decltype(ShellState::fps_frames);
  g_fps_frames = std::numeric_limits<Count>::max();
  g_fps_sample_frames = g_fps_frames - 149;
  g_fps_sample_ms = platform::clock_ms() - 2000;
  EXPECT_EQ(fps_tick(), 75);
  EXPECT_EQ(g_fps_sample_frames, Count{0});
}

TEST_F(Frame, EscapeWritesTheWindowPositionAndQuits) {
  headless::key(platform::kVkEscape);
  EXPECT_TRUE(headless::quit_requested());
  std::array<std::int32_t, 2> words{-1, -1};
  EXPECT_EQ(platform::read_words("data/win_xy.dat", words), platform::FileStatus::Ok);
  const platform::Rect rect = platform::window_rect();
  EXPECT_EQ(words[0], rect.left);
  EXPECT_EQ(words[1], rect.top);
}

TEST(WindowPosition, NegativeStoredCoordinatesBecomeZero) {
  TestWorkdir dir;
  reset_program_state();
  const std::array<std::int32_t, 2> stored{-20, 35};
  ASSERT_TRUE(platform::write_words("data/win_xy.dat", stored));
  const platform::WindowConfig config = app_window_config();
  EXPECT_EQ(config.left, 0);
  EXPECT_EQ(config.top, 35);
}

TEST(WindowPosition, MissingFileOpensAtTheOrigin) {
  TestWorkdir dir;
  reset_program_state();
  const platform::WindowConfig config = app_window_config();
  EXPECT_EQ(config.left, 0);
  EXPECT_EQ(config.top, 0);
  EXPECT_EQ(config.client_width, 720);
  EXPECT_EQ(config.client_height, 720);
}

TEST(WindowPosition, AStoredPositionOffTheDesktopIsPulledBack) {
  TestWorkdir dir;
  reset_program_state();
  headless::set_displays({{0, 0, 1280, 800}});
  const std::array<std::int32_t, 2> stored{5000, 90000};
  ASSERT_TRUE(platform::write_words("data/win_xy.dat", stored));
  const platform::WindowConfig config = app_window_config();
  EXPECT_LT(config.left, 1280);
  EXPECT_LT(config.top, 800);
  EXPECT_GE(config.left, 0);
}

}  // namespace

namespace {

TEST_F(Frame, AClickIsJudgedWhereThePointerWasBeforeIt) {
  g_scene = SCENE_MAIN_MENU;
  headless::mouse_move(600, 600);
  window_proc(platform::kMsgLeftDown, 200, 250);  // the options item, but the pointer was elsewhere
  EXPECT_EQ(g_scene, SCENE_MAIN_MENU);
  EXPECT_EQ(g_mouse_x, 200);
  EXPECT_EQ(g_mouse_y, 250);

  window_proc(platform::kMsgLeftDown, 600, 600);  // judged at (200, 250): the options item
  EXPECT_EQ(g_scene, SCENE_OPTIONS);
}

}  // namespace
