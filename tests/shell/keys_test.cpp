#include <gtest/gtest.h>

#include <utility>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "platform/platform.h"
#include "screens/screen_state.h"
#include "shell/keys.h"
#include "shell/shell_state.h"
#include "support/test_workdir.h"

namespace {

class Keys : public ::testing::Test {
 protected:
  void SetUp() override { reset_program_state(); }
  int select_requests() const { return g_se_request[SE_SELECT]; }
};

TEST_F(Keys, EnterReturnsToTheTitleFromAnyScene) {
  for (int scene : {int{SCENE_MAIN_MENU}, int{SCENE_SEAT0_TURN}, int{SCENE_WIN}, int{SCENE_HELP_ADVICE}, 999}) {
    g_scene = scene;
    g_scene_frame = 37;
    on_key_down(platform::kVkReturn);
    EXPECT_EQ(g_scene, SCENE_TITLE);
    EXPECT_EQ(g_scene_frame, 0);
  }
  EXPECT_EQ(select_requests(), 0) << "Enter makes no sound";
}

TEST_F(Keys, DisplayTogglesFlipTheirOptionsAndShowNotices) {
  on_key_down('C');
  EXPECT_EQ(g_options[opt_tsumogiri_grey], 1);
  EXPECT_EQ(g_notice_kind, 3);
  EXPECT_EQ(g_notice_frames, 120);
  on_key_down('C');
  EXPECT_EQ(g_options[opt_tsumogiri_grey], 0);

  g_notice_frames = 0;
  for (int expected : {1, 2, 0}) {
    on_key_down('V');
    EXPECT_EQ(g_options[opt_knitted_support], expected);
    EXPECT_EQ(g_notice_kind, 4);
  }

  g_notice_frames = 0;
  on_key_down('X');
  on_key_down('Z');
  EXPECT_EQ(g_options[opt_open_wall], 1);
  EXPECT_EQ(g_options[opt_open_hands], 1);
  EXPECT_EQ(g_notice_frames, 0) << "X and Z show no notice";
  EXPECT_EQ(select_requests(), 1);
}

// A word read out of range from the option file counts on from its stored
// value: V gives (value + 1) mod 3, never a value outside 0..2.
TEST_F(Keys, ToggleCountsOnFromAnOutOfRangeOptionWord) {
  for (const auto& [stored, next] : {std::pair{77, 0}, {76, 2}, {-5, 2}}) {
    g_options[opt_knitted_support] = stored;
    on_key_down('V');
    EXPECT_EQ(g_options[opt_knitted_support], next) << "from " << stored;
  }
  g_options[opt_open_wall] = 5;
  on_key_down('X');
  EXPECT_EQ(g_options[opt_open_wall], 0);
}

TEST_F(Keys, SidewaysPagingOnlyOnStatisticsAndPatternList) {
  g_scene = SCENE_CHARACTER_DATA;
  on_key_down(platform::kVkLeft);
  EXPECT_EQ(g_character_page, 6);
  on_key_down(platform::kVkRight);
  on_key_down(platform::kVkRight);
  EXPECT_EQ(g_character_page, 1);

  g_scene = SCENE_HELP_YAKU_LIST;
  g_help_selection = 5;
  on_key_down(platform::kVkLeft);
  EXPECT_EQ(g_help_page, 11);
  EXPECT_EQ(g_help_selection, 0);
  on_key_down(platform::kVkRight);
  EXPECT_EQ(g_help_page, 0);

  g_scene = SCENE_MAIN_MENU;
  g_se_request[SE_SELECT] = 0;
  on_key_down(platform::kVkLeft);
  EXPECT_EQ(g_character_page, 1);
  EXPECT_EQ(g_help_page, 0);
  EXPECT_EQ(select_requests(), 1) << "Left on the menu only plays the select sound";
}

TEST_F(Keys, UpAndDownWalkTheStatisticsPages) {
  g_scene = SCENE_CHARACTER_DATA;
  g_data_page = 1;
  for (int i = 0; i < 5; ++i) on_key_down(platform::kVkDown);
  EXPECT_EQ(g_data_page, 1);
  EXPECT_EQ(g_help_page, 4) << "Down stops at sub-page 4";

  g_help_page = 0;
  on_key_down(platform::kVkUp);
  EXPECT_EQ(g_data_page, 0) << "Up from sub-page 0 returns to page 0";

  on_key_down(platform::kVkUp);
  EXPECT_EQ(g_data_page, 2);
  on_key_down(platform::kVkUp);
  EXPECT_EQ(g_data_page, 3);
  g_se_request[SE_SELECT] = 0;
  on_key_down(platform::kVkUp);
  EXPECT_EQ(g_data_page, 3);
  EXPECT_EQ(select_requests(), 0) << "no sound when nothing changes";
  on_key_down(platform::kVkDown);
  EXPECT_EQ(g_data_page, 2);
  on_key_down(platform::kVkDown);
  EXPECT_EQ(g_data_page, 0);
}

TEST_F(Keys, UpAndDownDoNothingElsewhere) {
  g_scene = SCENE_HELP_YAKU_LIST;
  on_key_down(platform::kVkUp);
  on_key_down(platform::kVkDown);
  EXPECT_EQ(g_data_page, 0);
  EXPECT_EQ(g_help_page, 0);
  EXPECT_EQ(select_requests(), 0);
}

TEST_F(Keys, CodesOutsideTheTableAreIgnored) {
  g_scene = SCENE_MAIN_MENU;
  on_key_down(91);
  on_key_down(12);
  on_key_down('c');  // 99: lower-case codes are never sent for letters
  EXPECT_EQ(g_scene, SCENE_MAIN_MENU);
  EXPECT_EQ(g_options, kOptionDefaults);
}

}  // namespace
