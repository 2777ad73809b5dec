#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "base/stats.h"
#include "base/yaku_table.h"
#include "platform/headless/headless.h"
#include "screens/screen_state.h"
#include "support/test_workdir.h"
#include "support/word_files.h"

namespace {

class SettingClicks : public ::testing::Test {
 protected:
  void SetUp() override {
    open_headless_program();
    headless::left_click_at(10, 10);
  }
  void open(int scene) {
    g_scene = scene;
    g_se_request[SE_SELECT] = g_se_request[SE_OK] = 0;
  }
  TestWorkdir dir_;
};

TEST_F(SettingClicks, OptionRowsStepThroughTheirValuesAndTheResetKeepsTheVoice) {
  open(SCENE_OPTIONS);
  for (int expected : {3, 4, 5, 0, 1, 2}) {
    headless::left_click_at(116, 166);
    EXPECT_EQ(g_options[opt_com_speed], expected);
  }
  EXPECT_EQ(g_se_request[SE_SELECT], 1);
  headless::left_click_at(117, 166);
  EXPECT_EQ(g_options[opt_com_speed], 2) << "x 117 is outside the mark box";
  headless::left_click_at(380, 520);
  EXPECT_EQ(g_options[opt_player_female], 1);
  headless::left_click_at(100, 310);
  EXPECT_EQ(g_options[opt_flowers], 0);
  g_options[opt_open_wall] = 1;
  g_options[opt_ai_tile_choice] = 4;
  headless::left_click_at(100, 580);
  EXPECT_EQ(g_options[opt_flowers], 2);
  EXPECT_EQ(g_options[opt_player_female], 1) << "the reset keeps the player's voice";
  EXPECT_EQ(g_options[opt_open_wall], 1);
  EXPECT_EQ(g_options[opt_ai_tile_choice], 4) << "support words belong to the other screen";

  open(SCENE_SUPPORT);
  headless::left_click_at(100, 230);
  EXPECT_EQ(g_options[opt_ai_tile_choice], 5);
  headless::left_click_at(100, 400);
  for (int w = opt_knitted_support; w <= opt_seat_change_display; ++w) EXPECT_EQ(g_options[w], kOptionDefaults[w]);
  EXPECT_EQ(g_options[opt_player_female], 1);
}

TEST_F(SettingClicks, PatternSwitchesToggleAndReset) {
  open(SCENE_RULE_YAKU);
  headless::left_click_at(340, 330);
  EXPECT_EQ(g_rule_yaku[9], 0);
  headless::left_click_at(110, 480);
  EXPECT_EQ(g_rule_yaku[11], 1);
  headless::left_click_at(100, 570);
  for (int i = 0; i < kRuleYakuWords; ++i) EXPECT_EQ(g_rule_yaku[i], i == 11 ? 0 : 1);

  open(SCENE_LOCAL_YAKU);
  headless::left_click_at(100, 196);
  headless::left_click_at(116, 210);
  EXPECT_EQ(g_local_yaku[1] + g_local_yaku[2], 2);
  headless::left_click_at(100, 286);
  EXPECT_EQ(g_local_yaku[1] + g_local_yaku[2], 0);
  headless::left_click_at(340, 180);
  EXPECT_EQ(g_se_request[SE_SELECT], 1);
}

TEST_F(SettingClicks, LeavingASettingScreenSavesItsFileAndLeavesEvenWhenItCannot) {
  struct Case {
    int scene;
    const char* file;
    std::size_t bytes;
  };
  for (const Case& c : std::vector<Case>{{SCENE_OPTIONS, "data/option.dat", 88},
                                         {SCENE_SUPPORT, "data/option.dat", 88},
                                         {SCENE_RULE_YAKU, "data/rule_yaku.dat", 52},
                                         {SCENE_LOCAL_YAKU, "data/local_yaku.dat", 12}}) {
    std::filesystem::remove(dir_.file(c.file));
    open(c.scene);
    {
      FailingWrites failing;
      headless::right_click_at(400, 400);
    }
    EXPECT_EQ(g_scene, SCENE_MAIN_MENU) << "a failed save does not hold the player";
    EXPECT_EQ(g_last_write_failed, kWriteFailedSettings);
    EXPECT_FALSE(std::filesystem::exists(dir_.file(c.file)));
    g_se_request[SE_OK] = 0;
    open(c.scene);
    headless::right_click();
    EXPECT_EQ(g_scene, SCENE_MAIN_MENU);
    EXPECT_EQ(g_last_write_failed, kWriteOk);
    EXPECT_EQ(g_se_request[SE_OK], 1);
    std::size_t bytes = 0;
    read_le_words(dir_.file(c.file), &bytes);
    EXPECT_EQ(bytes, c.bytes) << c.file;
  }
  for (int scene : {SCENE_CHARACTER_DATA, SCENE_DATA_DELETE, SCENE_HELP_DIFFERENCES, SCENE_HELP_YAKU_RULES,
                    SCENE_HELP_RULES, SCENE_HELP_YAKU_LIST, SCENE_HELP_ADVICE}) {
    open(scene);
    headless::right_click_at(5, 5);
    EXPECT_EQ(g_scene, SCENE_MAIN_MENU) << scene;
  }
  for (int scene : {SCENE_TITLE, SCENE_SUSPENDED, SCENE_RESUME_QUESTION, SCENE_MATCH_STANDINGS, SCENE_MAIN_MENU}) {
    open(scene);
    headless::right_click_at(5, 5);
    EXPECT_EQ(g_scene, scene) << "the right button does nothing here";
  }
}

TEST_F(SettingClicks, DeletionClearsAndSavesOnce) {
  g_stats_basic[3].words[kBasicMatches] = 8;
  g_stats_yaku[3].words[10] = 2;
  open(SCENE_DATA_DELETE);
  headless::left_click_at(321, 330);
  EXPECT_EQ(g_stats_basic[3].words[kBasicMatches], 8) << "outside the box";
  {
    FailingWrites failing;
    headless::left_click_at(320, 336);
  }
  EXPECT_EQ(g_stats_deleted, 0) << "not confirmed while the file is not written";
  EXPECT_EQ(g_last_write_failed, kWriteFailedDeletion);
  headless::left_click_at(230, 320);
  EXPECT_EQ(g_stats_deleted, 1);
  std::size_t bytes = 0;
  const std::vector<std::int32_t> file = read_le_words(dir_.file("data/save.dat"), &bytes);
  ASSERT_EQ(bytes, 5124u);
  for (int c = 0; c < kPlayerCharacters; ++c) EXPECT_EQ(file[9 * c], 1);
  EXPECT_EQ(file[9 * 3 + kBasicMatches], 0);
  EXPECT_EQ(file[693 + 3 * 84 + 10], 0);

  g_stats_basic[3].words[kBasicMatches] = 4;
  g_se_request[SE_SELECT] = 0;
  headless::left_click_at(250, 330);
  EXPECT_EQ(g_stats_basic[3].words[kBasicMatches], 4) << "a second click does nothing";
  EXPECT_EQ(g_se_request[SE_SELECT], 0);
}

TEST_F(SettingClicks, StatisticsAndHelpPagesFollowTheirArrows) {
  open(SCENE_CHARACTER_DATA);
  headless::left_click_at(20, 340);
  EXPECT_EQ(g_character_page, 6);
  headless::left_click_at(700, 360);
  EXPECT_EQ(g_character_page, 0);
  headless::left_click_at(360, 30);
  EXPECT_EQ(g_data_page, 2);
  headless::left_click_at(360, 690);
  headless::left_click_at(360, 690);
  EXPECT_EQ(g_data_page, 1);
  headless::left_click_at(360, 690);
  EXPECT_EQ(g_help_page, 1);

  open(SCENE_HELP_YAKU_RULES);
  g_help_page = 0;
  for (int expected : {1, 2, 0}) {
    headless::left_click_at(600, 100);
    EXPECT_EQ(g_help_page, expected);
  }
  open(SCENE_HELP_YAKU_LIST);
  g_help_selection = 5;
  headless::left_click_at(20, 350);
  EXPECT_EQ(g_help_page, 11);
  EXPECT_EQ(g_help_selection, 0);
  headless::left_click_at(700, 370);
  EXPECT_EQ(g_help_page, 0);
  headless::left_click_at(360, 360);
  EXPECT_EQ(g_help_page, 0);

  for (int scene : {SCENE_HELP_DIFFERENCES, SCENE_HELP_RULES, SCENE_HELP_ADVICE}) {
    open(scene);
    headless::left_click_at(360, 360);
    EXPECT_EQ(g_scene, scene);
    EXPECT_EQ(g_se_request[SE_SELECT] + g_se_request[SE_OK], 0);
  }
}

}  // namespace
