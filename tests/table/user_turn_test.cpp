// The user's own turn played with the mouse: discards, the pop-up's
// self-drawn win, kongs and flowers, and the kong choice.
#include <algorithm>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "base/table_state.h"
#include "platform/headless/headless.h"
#include "support/hand_builder.h"
#include "support/user_table.h"
#include "table/win_test.h"

namespace {

class UserTurn : public UserTableTest {
 protected:
  // Opens the pop-up at (300, 300): its rows 2, 3, 4 lie at y 264-292, 296-324, 328-356.
  void open_popup() { right_click_at(300, 300); }
  void click_popup_row(int k) { left_click_at(300, 248 + 32 * k - 34); }
  std::array<int, kHandSlots> hand() const {
    std::array<int, kHandSlots> out{};
    std::copy(std::begin(g_hand[0]), std::end(g_hand[0]), out.begin());
    return out;
  }
};

constexpr const char* kReadyOn1s4s = "123m 345p 789s 11z 23s";

TEST_F(UserTurn, ClickingTheDrawnTileDiscardsItAsDrawnAndDiscarded) {
  user_turn(kReadyOn1s4s, kWhite);
  frames(1);
  click_slot(kDrawSlot);
  EXPECT_EQ(g_scene, SCENE_SEAT0_DISCARDED);
  ASSERT_EQ(g_river_count[0], 1);
  EXPECT_EQ(g_river[0][0], kWhite);
  EXPECT_EQ(g_river_tsumogiri[0][0], 1);
  EXPECT_EQ(g_river_slide[0][0], 8);
  EXPECT_EQ(g_discard_history_count[0], 1);
  EXPECT_EQ(g_discard_history[0][0], kWhite);
  EXPECT_EQ(hand(), make_hand(kReadyOn1s4s));
  EXPECT_EQ(g_pick, 0);
  EXPECT_EQ(g_se_request[SE_CUT], 1);
  frames(1);
  EXPECT_EQ(headless::sound_log(), std::vector<std::string>{"wave/cut.wav"});
}

TEST_F(UserTurn, ClickingAHandTileKeepsTheDrawnOneSortedIn) {
  user_turn(kReadyOn1s4s, kGreen);
  click_slot(2);
  EXPECT_EQ(g_river[0][0], 3);
  EXPECT_EQ(g_river_tsumogiri[0][0], 0);
  EXPECT_EQ(hand(), make_hand("12m 345p 789s 11z 23s 6z")) << format_tiles(g_hand[0], kHandSlots);
  EXPECT_EQ(g_hand[0][kDrawSlot], 0) << "the gap ends in slot 13";
}

// After a pung the tile in slot 13 was not drawn: its discard is not marked.
TEST_F(UserTurn, TheTileAfterAClaimIsNotMarkedDrawnAndDiscarded) {
  user_turn("123m 345p 789s 2s", kWhite, {}, {{kMeldPung, kEast, 0}});
  g_seat_state[0].just_claimed = 1;
  g_discard_not_drawn = 1;
  g_after_naki_turn = 1;
  g_popup_lock_after_naki = 1;
  click_slot(kDrawSlot);
  EXPECT_EQ(g_river[0][0], kWhite);
  EXPECT_EQ(g_river_tsumogiri[0][0], 0);
  EXPECT_EQ(g_discard_not_drawn, 0);
  EXPECT_EQ(g_seat_state[0].just_claimed, 0);
  EXPECT_EQ(g_after_naki_turn + g_popup_lock_after_naki, 0);
}

TEST_F(UserTurn, AnEmptySlotCannotBePickedNorDiscarded) {
  user_turn("123m 345p 789s 11z 2s", kWhite);
  ASSERT_EQ(g_hand[0][12], 0);
  move(slot_centre_x(12), kSlotCentreY);
  EXPECT_EQ(g_pick, 0);
  click_slot(12);
  EXPECT_EQ(g_scene, SCENE_SEAT0_TURN);
  EXPECT_EQ(g_river_count[0], 0);
  move(slot_centre_x(11), kSlotCentreY);
  EXPECT_EQ(g_pick, 12);
}

TEST_F(UserTurn, SelfDrawnWinFromThePopup) {
  user_turn("123456789m 23s 11z", 24);
  frames(1);
  const int points = win_points_with(0, 24, 0);
  ASSERT_GE(points, 8);
  EXPECT_EQ(g_shown_points, points);
  open_popup();
  EXPECT_EQ(g_popup_open, 1);
  EXPECT_EQ(g_user_naki_options[1], 1);
  click_popup_row(2);
  EXPECT_EQ(g_scene, SCENE_WIN);
  EXPECT_EQ(g_winner, 0);
  EXPECT_EQ(g_score_changes[0], 3 * (8 + g_win_points));
  EXPECT_EQ(g_score_changes[2], -(8 + g_win_points));
  frames(1);
  EXPECT_EQ(headless::sound_log().front(), "voice/char1_fuu.wav");
}

TEST_F(UserTurn, AFalseSelfDrawnWinLeavesThePopupOpenAndBarsTheRow) {
  g_options[opt_false_win] = 1;
  user_turn("123m 345p 789s 22z 23s", 21);
  const int points = win_points_with(0, 21, 0);
  ASSERT_TRUE(points >= 0 && points < 8) << points;
  open_popup();
  ASSERT_EQ(g_user_naki_options[1], 1);
  click_popup_row(2);
  EXPECT_EQ(g_scene, SCENE_SEAT0_TURN);
  EXPECT_EQ(g_seat_state[0].false_win, 1);
  EXPECT_EQ(g_popup_open, 1);
  open_popup();  // closes
  open_popup();
  EXPECT_EQ(g_user_naki_options[1], 0);
  g_options[opt_false_win] = 0;
  g_seat_state[0].false_win = 0;
  open_popup();  // closes
  open_popup();
  EXPECT_EQ(g_user_naki_options[1], 0) << "under 8 points without false wins";
}

TEST_F(UserTurn, AddedKongFromThePopupIsOpenToRobbing) {
  user_turn("123m 789s 11z 2s 4p", 15, parse_tiles("9m"), {{kMeldPung, 15, 1}});
  set_hand(2, "46p 111s 222s 333s 99s");  // waits on 5p
  plant_wall(parse_tiles("9m"));
  open_popup();
  ASSERT_EQ(g_user_naki_options[2], 1);
  click_popup_row(3);
  EXPECT_EQ(g_scene, SCENE_KONG_DRAW0);
  EXPECT_EQ(g_melds[0][0], 1415);
  EXPECT_EQ(format_tiles(g_hand[0], kHandSlots), "123m 4p 2789s 11z 555p(4)");
  EXPECT_EQ(g_kong_tile, 15);
  EXPECT_EQ(g_kong_draw_flag, 1);
  EXPECT_EQ(g_popup_open, 0);
  EXPECT_EQ(g_robbing_flags[2], 1);
  EXPECT_EQ(g_seat_state[0].naki_count, 0) << "the user's kongs are not counted";
  EXPECT_EQ(g_voice_request[VOICE_KAN], 1);
  EXPECT_EQ(run_until_scene(SCENE_WIN, 12), 10) << "seat 2 robs the kong";
  EXPECT_EQ(g_winner, 2);
}

TEST_F(UserTurn, ConcealedKongFromThePopupDrawsItsReplacement) {
  user_turn("555p 123m 789s 11z 2s 4p", 15, parse_tiles("9m"));
  open_popup();
  click_popup_row(3);
  EXPECT_EQ(g_scene, SCENE_KONG_DRAW0);
  EXPECT_EQ(g_melds[0][0], 1315);
  EXPECT_EQ(format_tiles(g_hand[0], kHandSlots), "123m 4p 2789s 11z 555p(3)");
  EXPECT_EQ(g_hand[0][kDrawSlot], 0);
  EXPECT_EQ(std::count(g_robbing_flags, g_robbing_flags + kSeats, 1), 0);
  EXPECT_EQ(run_until_scene(SCENE_SEAT0_TURN, 40), 30);
  EXPECT_EQ(g_hand[0][kDrawSlot], 9);
}

TEST_F(UserTurn, TwoKongCandidatesWaitForTheChoice) {
  user_turn("6666m 4555p 789s 11z", 15, parse_tiles("9m"));
  const auto before = hand();
  open_popup();
  click_popup_row(3);
  ASSERT_EQ(g_scene, SCENE_USER_KONG_CHOICE);
  EXPECT_EQ(std::vector<int>(g_kan_candidates, g_kan_candidates + 3), (std::vector<int>{6, 15, 0}));
  EXPECT_EQ(hand(), before);
  EXPECT_EQ(g_melds[0][0], 0);
  move(slot_centre_x(kDrawSlot), kSlotCentreY);
  EXPECT_EQ(g_kan_choice, 2) << "the drawn 5p names the second candidate";
  move(slot_centre_x(9), kSlotCentreY);
  EXPECT_EQ(g_kan_choice, 0) << "8s is no candidate";
  // Leaving the choice renews the claim hint on the discard on the table.
  g_discarder = 3;
  g_river[3][0] = kWhite;
  g_river_count[3] = 1;
  g_naki_hint_tile = 0;
  right_click_at(slot_centre_x(9), kSlotCentreY);
  EXPECT_EQ(g_scene, SCENE_SEAT0_TURN);
  EXPECT_EQ(g_popup_open, 0);
  EXPECT_EQ(g_naki_hint_tile, kWhite);
  EXPECT_EQ(hand(), before);
  open_popup();
  click_popup_row(3);
  click_slot(2);
  EXPECT_EQ(g_scene, SCENE_KONG_DRAW0);
  EXPECT_EQ(g_melds[0][0], 1306);
  EXPECT_EQ(hand(), (std::array<int, kHandSlots>{14, 15, 15, 15, 15, 27, 28, 29, 31, 31, 306, 306, 306, 0}));
}

// A pung of 5p with its fourth in hand, four 6m and four 6s: the choice adds
// the kong to the pung when the pointer is on the free 5p.
TEST_F(UserTurn, ThreeKongCandidatesAndTheAddedOneChosen) {
  user_turn("6666m 45p 5s 666s", 26, parse_tiles("9m"), {{kMeldPung, 15, 2}});
  open_popup();
  click_popup_row(3);
  ASSERT_EQ(g_scene, SCENE_USER_KONG_CHOICE);
  EXPECT_EQ(std::vector<int>(g_kan_candidates, g_kan_candidates + 3), (std::vector<int>{6, 15, 26}));
  ASSERT_EQ(g_hand[0][5], 15);
  click_slot(5);
  EXPECT_EQ(g_scene, SCENE_KONG_DRAW0);
  EXPECT_EQ(g_melds[0][0], 2415);
  EXPECT_EQ(hand(), (std::array<int, kHandSlots>{6, 6, 6, 6, 14, 25, 26, 26, 26, 26, 415, 415, 415, 0}));
  EXPECT_EQ(g_kong_tile, 15);
}

TEST_F(UserTurn, NoKongRowWithAnEmptyWall) {
  user_turn("555p 123m 789s 11z 2s 4p", 15);
  g_wall_count = 0;
  open_popup();
  EXPECT_EQ(g_user_naki_options[2], 0);
  click_popup_row(3);
  EXPECT_EQ(g_scene, SCENE_SEAT0_TURN);
}

class UserFlowers : public UserTurn {
 protected:
  void SetUp() override {
    UserTurn::SetUp();
    g_options[opt_flowers] = 1;
  }
};

TEST_F(UserFlowers, ClickingAFlowerSetsItAside) {
  user_turn("123m 345p 789s 11z 2s 4p", 43, parse_tiles("9m"));
  click_slot(kDrawSlot);
  EXPECT_EQ(g_scene, SCENE_FLOWER);
  EXPECT_EQ(g_flower_tile, 43);
  EXPECT_EQ(g_flower_all, 0);
  EXPECT_EQ(run_until_scene(SCENE_SEAT0_TURN, 30), 20);
  EXPECT_EQ(g_hana[0].count, 1);
  EXPECT_EQ(g_hand[0][kDrawSlot], 9);
}

TEST_F(UserFlowers, TheFlowerRowIsWithdrawnWhenTheWallCannotReplaceThem) {
  user_turn("123m 345p 789s 1z 2s 4p 5f", 43, parse_tiles("9m 1p"));
  open_popup();
  EXPECT_EQ(g_user_naki_options[3], 1);
  right_click_at(300, 300);
  g_wall_count = 1;
  open_popup();
  EXPECT_EQ(g_user_naki_options[3], 0) << "two flowers, one tile left";
  click_popup_row(4);
  EXPECT_EQ(g_scene, SCENE_SEAT0_TURN);
}

TEST_F(UserFlowers, ThePopupsFlowerRowSetsAsideEveryFlower) {
  user_turn("123m 345p 789s 1z 2s 4p 5f", 43, parse_tiles("9m 1p"));
  open_popup();
  click_popup_row(4);
  EXPECT_EQ(g_scene, SCENE_FLOWER);
  EXPECT_EQ(g_flower_all, 1);
  EXPECT_EQ(g_popup_open, 0);
  EXPECT_EQ(run_until_scene(SCENE_SEAT0_TURN, 30), 20);
  EXPECT_EQ(g_hana[0].count, 2);
}

TEST_F(UserFlowers, AfterAClaimNoFlowerAndNoPopup) {
  user_turn("123m 345p 789s 2s", 43, {}, {{kMeldPung, kEast, 0}});
  g_after_naki_turn = 1;
  g_popup_lock_after_naki = 1;
  click_slot(kDrawSlot);
  EXPECT_EQ(g_scene, SCENE_SEAT0_TURN);
  EXPECT_EQ(g_hand[0][kDrawSlot], 43);
  open_popup();
  EXPECT_EQ(g_popup_open, 0);
}

}  // namespace
