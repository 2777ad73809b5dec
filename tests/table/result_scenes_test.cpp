// The scenes that close a hand, frame by frame, and what their clicks run.
#include <gtest/gtest.h>

#include <array>

#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "base/table_state.h"
#include "flow/match_stats.h"
#include "flow/result.h"
#include "support/table_fixture.h"
#include "support/win_case.h"
#include "table/claim_actions.h"
#include "table/win_record.h"

namespace {

class ResultScenes : public PlayTableTest {
 protected:
  void SetUp() override {
    PlayTableTest::SetUp();
    for (int seat = 1; seat < kSeats; ++seat) g_seat_character[seat] = seat + 2;
    g_wall_count = 40;
  }
};

TEST_F(ResultScenes, TheExhaustiveDrawShowsItsBannerRevealsTheHandsAndPaysNothing) {
  g_scene = SCENE_EXHAUSTIVE_DRAW;
  g_scene_frame = 0;
  g_score_changes[1] = 7;  // whatever was left over is not paid
  for (int frame = 1; frame < kDrawResultFrame; ++frame) {
    ASSERT_TRUE(run_frame());
    ASSERT_EQ(g_scene, SCENE_EXHAUSTIVE_DRAW);
    EXPECT_EQ(g_draw_banner, frame <= 80 ? 1 : 0) << frame;
    EXPECT_EQ(g_hands_revealed, frame >= 20 ? 1 : 0) << frame;
  }
  ASSERT_TRUE(run_frame());
  EXPECT_EQ(g_scene, SCENE_HAND_RESULT);
  EXPECT_EQ(g_scene_frame, 0);
  EXPECT_EQ(g_hand_drawn, 1);
  EXPECT_EQ((std::array<int, 4>{g_score_changes[0], g_score_changes[1], g_score_changes[2], g_score_changes[3]}),
            (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(g_dealt_in_seat, kNoPayer);
}

TEST_F(ResultScenes, TheWinSceneRevealsTheWinnerAtFrameTenAndTakesClicksFromFifty) {
  place_win_hand(2, parse_win_hand("3 4 5 5 5 5 12 13 14 23 + 23 / [15 15 15 15]"));
  ASSERT_TRUE(try_tsumo(2));
  ASSERT_EQ(g_scene, SCENE_WIN);
  for (int frame = 1; frame <= 60; ++frame) {
    g_se_request[SE_OPEN] = 0;
    ASSERT_TRUE(run_frame());
    EXPECT_EQ(g_scene_frame, std::min(frame, kWinPanelFrame));
    EXPECT_EQ(g_se_request[SE_OPEN], frame == 10 ? 1 : 0) << frame;
    EXPECT_EQ(g_seat_state[2].hand_revealed, frame >= 10 ? 1 : 0) << frame;
    EXPECT_EQ(g_hands_revealed, frame >= 10 ? 1 : 0) << frame;
    EXPECT_EQ(win_scene_takes_clicks(), frame >= 50) << frame;
  }
  EXPECT_EQ(g_scene, SCENE_WIN) << "the win waits for the user";
  toggle_result_panel();
  EXPECT_EQ(g_result_panel_hidden, 1);
  record_win_statistics();
  EXPECT_EQ(g_scene, SCENE_HAND_RESULT);
  EXPECT_EQ(g_scene_frame, 0);
  EXPECT_EQ(g_result_panel_hidden, 0);
  for (int i = 0; i < 500; ++i) ASSERT_TRUE(run_frame());
  EXPECT_EQ(g_scene, SCENE_HAND_RESULT) << "the hand result waits for the user";
  toggle_result_panel();
  toggle_result_panel();
  EXPECT_EQ(g_result_panel_hidden, 0);
}

}  // namespace
