// The in-play mouse geometry: the hand's hit boxes at their edges, the
// pop-ups' placement and their lit rows against the rows under the pointer,
// and the result screens' boxes.
#include <algorithm>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "base/table_state.h"
#include "draw/gdi.h"
#include "platform/headless/headless.h"
#include "shell/user_panels.h"
#include "support/draw_calls.h"
#include "support/hand_builder.h"
#include "support/user_table.h"
#include "support/word_files.h"

namespace {

using PlayMouse = UserTableTest;

constexpr int kButtonSheet = 104;
constexpr int kLitRow = 60;  // source y of an enabled, hovered button

TEST_F(PlayMouse, TheDrawnTileFollowsTheFreeTilesWithItsGap) {
  user_turn("123m 456p 789s 1z", kWhite, {}, {{kMeldPung, 6, 0}});
  move(478, 680);
  EXPECT_EQ(g_pick, 14);
  move(476, 680);
  EXPECT_EQ(g_pick, 0) << "between slot 9 and the drawn tile";
  move(464, 680);
  EXPECT_EQ(g_pick, 10);
  g_seat_state[0].just_claimed = 1;
  move(463, 680);
  EXPECT_EQ(g_pick, 14) << "without the gap the drawn tile wins over slot 9";
  move(478, 649);
  EXPECT_EQ(g_pick, 0);
  move(478, 712);
  EXPECT_EQ(g_pick, 14);
  move(478, 713);
  EXPECT_EQ(g_pick, 0);
}

TEST_F(PlayMouse, TheTurnAfterADrawJudgesThePointerWhereItRests) {
  user_turn("123m 456p 789s 1z", kWhite, {kGreen});
  g_hand[0][kDrawSlot] = 0;
  g_scene = SCENE_SEAT0_DRAW;
  g_scene_frame = 0;
  move(slot_centre_x(kDrawSlot), kSlotCentreY);
  g_pick = 0;
  for (int i = 0; i < 100 && g_scene != SCENE_SEAT0_TURN; ++i) frames(1);
  ASSERT_EQ(g_scene, SCENE_SEAT0_TURN);
  EXPECT_EQ(g_hand[0][kDrawSlot], kGreen);
  EXPECT_EQ(g_pick, 14) << "the drawn tile lit without a pointer move";
}

TEST_F(PlayMouse, NeighbouringTilesShareTwoColumnsWhereTheHigherWins) {
  user_turn("123m 456p 789s 11z 2s", kWhite);
  move(93, 650);
  EXPECT_EQ(g_pick, 1);
  move(92, 650);
  EXPECT_EQ(g_pick, 0);
  move(129, 650);
  EXPECT_EQ(g_pick, 1);
  move(130, 650);
  EXPECT_EQ(g_pick, 2);
  move(131, 700);
  EXPECT_EQ(g_pick, 2);
}

TEST_F(PlayMouse, PopupsStayInsideTheWindow) {
  user_turn("123m 456p 789s 11z 2s", kWhite);
  right_click_at(20, 700);
  EXPECT_EQ(g_popup_open, 1);
  EXPECT_EQ(g_popup_x, 0);
  EXPECT_EQ(g_popup_y, 596);
  right_click_at(20, 700);
  EXPECT_EQ(g_popup_open, 0);
  right_click_at(710, 10);
  EXPECT_EQ(g_popup_x, 630);
  EXPECT_EQ(g_popup_y, 0);

  g_scene = SCENE_USER_CLAIM;
  g_popup_open = 0;
  right_click_at(20, 700);
  EXPECT_EQ(g_popup_open, 1);
  EXPECT_EQ(g_popup_x, 0);
  EXPECT_EQ(g_popup_y, 564);
}

// The lit button and the pointer, for every pointer row across the pop-up:
// the lit button holds the pointer, and an enabled button under the pointer
// is lit (the rows' hit boxes start one pixel below a button's top edge).
void expect_lit_button_under_pointer(const std::function<void()>& draw, int x, int y) {
  const std::vector<DrawCall> buttons = from_sheet(record_calls(draw), kButtonSheet);
  ASSERT_GE(buttons.size(), 3u);
  for (const DrawCall& b : buttons) {
    const bool under = x >= b.dx && x < b.dx + b.w && y > b.dy && y < b.dy + b.h;
    if (b.sy == kLitRow) {
      EXPECT_TRUE(under || y == b.dy) << "lit " << describe(b) << " with the pointer at " << x << ", " << y;
    }
    if (b.sy != 0 && under) {
      EXPECT_EQ(b.sy, kLitRow) << describe(b) << " under the pointer at " << x << ", " << y;
    }
  }
}

TEST_F(PlayMouse, TheOwnTurnPopupLightsTheRowUnderThePointer) {
  user_turn("123m 456p 789s 11z 2s", kWhite);
  right_click_at(300, 300);
  std::fill(std::begin(g_user_naki_options), std::end(g_user_naki_options), 1);
  for (int y = g_popup_y; y < g_popup_y + 124; ++y) {
    move(300, y);
    expect_lit_button_under_pointer(draw_turn_popup, 300, y);
  }
}

TEST_F(PlayMouse, TheClaimPanelLightsTheRowUnderThePointer) {
  user_turn("123m 456p 789s 11z 2s", 0);
  std::fill(std::begin(g_user_naki_options), std::end(g_user_naki_options), 1);
  g_scene = SCENE_USER_CLAIM;
  right_click_at(300, 300);
  for (int y = g_popup_y; y < g_popup_y + 156; ++y) {
    move(300, y);
    expect_lit_button_under_pointer(draw_claim_panel, 300, y);
  }
}

// ------------------------------------------------------------ result screens

class ResultClicks : public UserTableTest {
 protected:
  void SetUp() override {
    UserTableTest::SetUp();
    for (int seat = 0; seat < kSeats; ++seat) g_seat_character[seat] = seat;
    g_dealer = 1;
    g_first_dealer = 0;
    g_round_wind = 1;
    g_hand_drawn = 1;
    g_options[opt_suspend] = 1;
    g_scene = SCENE_HAND_RESULT;
  }
  bool restart_written() { return std::filesystem::exists(dir_.file("data/restart.dat")); }
};

TEST_F(ResultClicks, TheNextHandBoxAtItsEdges) {
  for (auto [x, y] : {std::pair{489, 500}, {561, 500}, {520, 479}, {520, 521}, {575, 500}}) {
    left_click_at(x, y);
    EXPECT_EQ(g_scene, SCENE_HAND_RESULT) << x << ", " << y;
  }
  left_click_at(490, 480);
  EXPECT_EQ(g_scene, SCENE_DEAL);
  EXPECT_EQ(g_dealer, 2) << "the hand was finished";
  EXPECT_EQ(g_pick, 0);
  g_scene = SCENE_HAND_RESULT;
  left_click_at(560, 520);
  EXPECT_EQ(g_scene, SCENE_DEAL);
  EXPECT_FALSE(restart_written());
}

TEST_F(ResultClicks, TheSuspendBoxStoresTheFinishedHand) {
  for (auto [x, y] : {std::pair{589, 500}, {661, 500}, {620, 479}, {620, 521}}) {
    left_click_at(x, y);
    EXPECT_EQ(g_scene, SCENE_HAND_RESULT) << x << ", " << y;
  }
  g_score_changes[0] = 0;
  left_click_at(660, 520);
  EXPECT_EQ(g_scene, SCENE_SUSPENDED);
  EXPECT_EQ(g_se_request[SE_SELECT], 1);
  const std::vector<std::int32_t> words = read_le_words(dir_.file("data/restart.dat"));
  ASSERT_EQ(words.size(), 5208u / 4);
  EXPECT_EQ(words[0], 1);
  EXPECT_EQ(words[5160 / 4], 2) << "the dealer after the hand's bookkeeping";
}

TEST_F(ResultClicks, AHiddenPanelTakesNoClickUntilShownAgain) {
  right_click_at(520, 500);
  EXPECT_EQ(g_result_panel_hidden, 1);
  left_click_at(520, 500);
  EXPECT_EQ(g_scene, SCENE_HAND_RESULT);
  right_click_at(520, 500);
  EXPECT_EQ(g_result_panel_hidden, 0);
  left_click_at(520, 500);
  EXPECT_EQ(g_scene, SCENE_DEAL);
}

TEST_F(ResultClicks, WithoutSuspensionAnyClickGoesOn) {
  g_options[opt_suspend] = 0;
  left_click_at(5, 5);
  EXPECT_EQ(g_scene, SCENE_DEAL);
}

TEST_F(ResultClicks, TheLastHandEndsOnAnyClickWithoutStoringTheMatch) {
  g_round_wind = 3;
  g_dealer = 3;
  move(360, 240);
  EXPECT_EQ(g_pick, 0) << "no box to hover on the last hand";
  left_click_at(620, 500);
  EXPECT_EQ(g_scene, SCENE_MATCH_STANDINGS);
  EXPECT_FALSE(restart_written());
}

TEST_F(ResultClicks, TheScoreBoxIsHoveredOnOtherHands) {
  move(322, 220);
  EXPECT_EQ(g_pick, 200);
  move(403, 240);
  EXPECT_EQ(g_pick, 0);
}

TEST_F(ResultClicks, TheWinDisplayTakesClicksFromFrame50) {
  g_scene = SCENE_WIN;
  g_scene_frame = 49;
  left_click_at(5, 5);
  right_click_at(5, 5);
  EXPECT_EQ(g_scene, SCENE_WIN);
  EXPECT_EQ(g_result_panel_hidden, 0);
  g_scene_frame = 50;
  right_click_at(5, 5);
  EXPECT_EQ(g_result_panel_hidden, 1);
}

}  // namespace
