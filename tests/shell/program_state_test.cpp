#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <vector>

#include "base/ai_record.h"
#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "com/target/target_script.h"
#include "com/turn/planner_state.h"
#include "draw/gdi.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "platform/platform_state.h"
#include "screens/screen_state.h"
#include "shell/app.h"
#include "shell/shell_state.h"
#include "support/test_workdir.h"

namespace {

// Leaves a mark in every floor, as a match and a test would.
void dirty_every_floor() {
  platform::rand_seed(77);
  platform::message_box("text", "caption");
  headless::set_time_seed(1234);
  headless::set_displays({{0, 0, 800, 600}, {800, 0, 1600, 600}});
  platform::g_clock_virtual = true;
  g_dealt_in_seat = 2;
  g_standings[1].character = 3;
  AI[2] = SeatAiRecord{};
  g_options[opt_flowers] = 0;
  g_scene = SCENE_MAIN_MENU;
  g_ai_work_hand[0] = 5;
  g_selector_table.fill(nullptr);
  start_draw_recording();
  g_help_page = 3;
  g_notice_frames = 5;
  set_fixed_seed(9);
}

TEST(ProgramState, OneResetReachesEveryFloor) {
  reset_program_state();
  platform::rand_seed(1);
  const int first_of_seed_1 = platform::rand15();
  dirty_every_floor();
  reset_program_state();
  EXPECT_EQ(platform::rand15(), first_of_seed_1) << "the generator starts from state 1";
  EXPECT_TRUE(headless::message_log().empty());
  const std::time_t before = std::time(nullptr);
  const std::uint32_t seed = platform::seed_from_time();
  EXPECT_GE(seed, static_cast<std::uint32_t>(before)) << "the seed is the time again";
  EXPECT_LE(seed, static_cast<std::uint32_t>(std::time(nullptr)));
  const auto steady = std::chrono::steady_clock::now().time_since_epoch();
  const auto steady_ms = static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(steady).count());
  EXPECT_LE(steady_ms - platform::clock_ms(), 1000u) << "the clock is the real one again";
  const std::vector<platform::Rect> displays = platform::display_rects();
  ASSERT_EQ(displays.size(), 1u) << "one display again";
  EXPECT_EQ(displays[0].right - displays[0].left, 1920);
  EXPECT_EQ(displays[0].bottom - displays[0].top, 1080);
  EXPECT_EQ(g_dealt_in_seat, 9) << "9: nobody paid";
  EXPECT_EQ(g_standings[1].character, -1) << "-1 until filled";
  // A fresh record is as far from ready as each form can be: 8 normal, 6
  // seven pairs, 13 thirteen orphans, 13 honours and knitted.
  EXPECT_EQ(AI[2].min_shanten, 8);
  EXPECT_EQ(AI[2].hai_syanten[kRed], 8);
  EXPECT_EQ(AI[2].syanten[0][kHandSlots - 1], 8);
  EXPECT_EQ(AI[2].syanten[1][0], 6);
  EXPECT_EQ(AI[2].syanten[2][0], 13);
  EXPECT_EQ(AI[2].syanten[3][0], 13);
  EXPECT_EQ(AI[2].min_shanten_knitted, 13);
  EXPECT_EQ(g_options[opt_flowers], kOptionDefaults[opt_flowers]);
  EXPECT_EQ(g_scene, SCENE_TITLE);
  EXPECT_EQ(g_ai_work_hand[0], 0);
  for (SelectorFn fn : g_selector_table) EXPECT_NE(fn, nullptr);
  EXPECT_FALSE(g_draw_recording);
  EXPECT_EQ(g_help_page, 0);
  EXPECT_EQ(g_notice_frames, 0);
  EXPECT_FALSE(g_fixed_seed.has_value());
  EXPECT_TRUE(g_back_surface.pixels.empty()) << "made with the window";
}

}  // namespace
