#include <algorithm>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "flow/deal.h"
#include "support/hand_builder.h"
#include "support/table_fixture.h"

namespace {

// A hand in play: seat 0 deals, the seat to move holds 14 tiles and is
// served by the flower scene.
class FlowerScene : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    set_hand(0, "789m 789p 123s 44z 77z");
    set_hand(1, "123m 456p 789s 22z 55z");
    set_hand(2, "456m 123p 456s 33z 66z");
    set_hand(3, "111m 999p 111s 444s 1z");
    g_scene = SCENE_FLOWER;
    g_scene_frame = 0;
  }
  void serve(int seat, const char* hand) {
    set_hand(seat, hand);
    g_turn_seat = seat;
  }
};

TEST_F(FlowerScene, ComSetsAsideEveryFlowerAndReplacesEach) {
  serve(2, "456m 123p 456s 33z 6z 1f 2f");
  plant_wall(parse_tiles("3m 4m"));
  g_flower_all = 1;
  g_kong_draw_flag = 1;
  g_pick = 5;
  run_frames(kFlowerSetAside);
  EXPECT_EQ(g_hana[2].pending, 2);
  EXPECT_EQ(g_se_request[SE_HANA], 1);
  run_frames(kFlowerReplace - kFlowerSetAside);
  EXPECT_EQ(g_kong_draw_flag, 0) << "a flower replacement is no kong replacement";
  EXPECT_EQ(g_pick, 0);
  EXPECT_EQ(g_hana[2].pending, 0);
  EXPECT_EQ(run_until_scene(SCENE_SEAT2_TURN), kFlowerEndCom - kFlowerReplace);
  EXPECT_EQ(g_scene_frame, 0);
  EXPECT_EQ(format_tiles(g_hana[2].tiles, g_hana[2].count), "12f");
  EXPECT_EQ(format_tiles(g_hand[2], kHandSlots), "456m 123p 456s 336z 34m");
}

TEST_F(FlowerScene, OneDeclaredFlowerOnly) {
  serve(1, "123m 456p 789s 22z 5z 1f 2f");
  plant_wall(parse_tiles("3m"));
  g_flower_all = 0;
  g_flower_tile = 42;
  EXPECT_EQ(run_until_scene(SCENE_SEAT1_TURN), kFlowerEndCom);
  EXPECT_EQ(format_tiles(g_hana[1].tiles, g_hana[1].count), "2f");
  EXPECT_EQ(format_tiles(g_hand[1], kHandSlots), "123m 456p 789s 225z 1f 3m");
}

TEST_F(FlowerScene, UsersReplacementFlowerRestartsTheSceneThroughTheShout) {
  g_options[opt_flowers] = 2;
  g_options[opt_voice_balloons] = 1;
  serve(0, "789m 789p 123s 44z 77z 1f");
  plant_wall(parse_tiles("2f 3m"));
  g_flower_all = 1;
  EXPECT_EQ(run_until_scene(SCENE_SHOUT), kFlowerReplace);
  EXPECT_EQ(g_flower_tile, 42);
  EXPECT_EQ(g_flower_all, 1);
  EXPECT_EQ(g_return_scene, SCENE_SEAT0_TURN);
  EXPECT_EQ(g_shout_return_scene, SCENE_FLOWER);
  EXPECT_EQ(g_balloon[0], 5);
  // The shout pause hands back to the flower scene.
  g_scene = SCENE_FLOWER;
  g_scene_frame = 0;
  g_balloon[0] = 0;
  EXPECT_EQ(run_until_scene(SCENE_SEAT0_TURN), kFlowerEndUser);
  EXPECT_EQ(format_tiles(g_hana[0].tiles, g_hana[0].count), "12f");
  EXPECT_EQ(format_tiles(g_hand[0], kHandSlots), "789m 789p 123s 4477z 3m");
}

TEST_F(FlowerScene, UsersReplacementFlowerWithoutBalloonsOrAutomaticFlowers) {
  g_options[opt_voice_balloons] = 0;
  for (int flowers : {2, 1}) {
    SCOPED_TRACE(testing::Message() << "opt_flowers " << flowers);
    SetUp();
    g_options[opt_voice_balloons] = 0;
    g_options[opt_flowers] = flowers;
    serve(0, "789m 789p 123s 44z 77z 1f");
    plant_wall(parse_tiles("2f 3m"));
    g_flower_all = 1;
    // Automatic: the scene starts over for 2f and replaces it with 3m; by
    // choice: 2f stays for the user to declare.
    EXPECT_EQ(run_until_scene(SCENE_SEAT0_TURN), flowers == 2 ? kFlowerReplace + kFlowerEndUser : kFlowerEndUser);
    EXPECT_EQ(g_balloon[0], 0);
    EXPECT_EQ(format_tiles(g_hand[0], kHandSlots), flowers == 2 ? "789m 789p 123s 4477z 3m" : "789m 789p 123s 4477z 2f");
  }
}

TEST_F(FlowerScene, EmptyWallEndsTheHandAtTheWallTest) {
  serve(3, "111m 999p 111s 444s 1z 1f");
  g_hana[1] = HanaRecord{{42, 43, 44, 45, 46, 47, 48}, 7, 0};
  plant_wall({}, 0);
  g_flower_all = 1;
  EXPECT_EQ(run_until_scene(SCENE_EXHAUSTIVE_DRAW), kFlowerWallTest);
  EXPECT_EQ(format_tiles(g_hana[3].tiles, g_hana[3].count), "1f");
  EXPECT_EQ(g_scene_frame, 0);
}

TEST_F(FlowerScene, WallRunningOutAmongReplacementsEndsTheHand) {
  serve(1, "123m 456p 789s 22z 1f 2f 3f");
  g_hana[0] = HanaRecord{{44, 45, 46, 47, 48}, 5, 0};
  plant_wall(parse_tiles("5z"), 1);
  g_flower_all = 1;
  g_result_panel_hidden = 1;
  EXPECT_EQ(run_until_scene(SCENE_EXHAUSTIVE_DRAW), kFlowerReplace);
  EXPECT_EQ(g_wall_count, 0);
  EXPECT_EQ(g_result_panel_hidden, 0);
  EXPECT_EQ(format_tiles(g_hand[1], kHandSlots), "123m 456p 789s 225z") << "one replacement, then the wall was empty";
}

}  // namespace
