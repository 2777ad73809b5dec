// The user's claims with the mouse: the claim panel, its suppression behind
// the computer seats' claims, the chow choice and the rob-the-kong panel.
#include <algorithm>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "flow/claim_offers.h"
#include "support/hand_builder.h"
#include "support/user_table.h"
#include "table/kong_actions.h"
#include "table/river.h"
#include "table/win_test.h"

namespace {

class UserClaims : public UserTableTest {
 protected:
  // Seat `discarder` has just thrown `tile` (its hand one tile short of the
  // turn); the discarded scene runs: the claim decisions and the offer.
  void discard_by(int discarder, const char* tile, const std::vector<int>& draws = {}) {
    g_discarder = discarder;
    record_discard(discarder, parse_tiles(tile)[0], 0);
    plant_wall(draws);
    g_scene = seat_discarded_scene(discarder);
    g_scene_frame = 0;
    run_frames(1);
  }
  void hands(const char* h0) {
    set_hand(1, "19m 19p 19s 1234z 258m");
    set_hand(2, "28m 28p 28s 567z 369p 7s");
    set_hand(3, "37m 37p 37s 66z 47m 44s 9p");
    set_hand(0, h0);
  }
  // The panel opened by a right click at (300, 300): rows 1..4 at y 251 + 32 (k - 1).
  void open_panel() { right_click_at(300, 300); }
  void click_panel_row(int k) { left_click_at(300, 235 + 32 * k + 12); }
  void seat2_adds_a_kong_of_5p_the_user_waits_on() {
    set_hand(0, "46p 111s 222s 333s 99s");
    set_hand(1, "19m 19p 19s 1234z 258m");
    set_hand(3, "37m 37p 37s 66z 47m 44s 9p");
    set_hand_with_melds(2, "123m 456m 789m 1z", {{kMeldPung, 15, 1}}, 15);
    plant_wall(parse_tiles("9m"));
    g_scene = SCENE_SEAT2_TURN;
    ASSERT_TRUE(try_added_kan(2));
    ASSERT_EQ(g_scene, SCENE_USER_ROB_KONG);
  }
};

TEST_F(UserClaims, PungThroughThePanel) {
  hands("55p 147m 258s 369s 12z");
  discard_by(1, "5p", parse_tiles("9m"));
  ASSERT_EQ(g_scene, SCENE_USER_CLAIM);
  EXPECT_EQ(g_river[1][0], 15 + 200) << "the discard on offer is marked";
  EXPECT_EQ(g_popup_open, 0);
  open_panel();
  EXPECT_EQ(g_popup_open, 1);
  EXPECT_EQ(g_popup_x, 255);
  EXPECT_EQ(g_popup_y, 235);
  click_panel_row(3);
  EXPECT_EQ(g_scene, SCENE_USER_CLAIM) << "the chow row is disabled";
  click_panel_row(2);
  EXPECT_EQ(g_naki_flags[0][1], 1);
  EXPECT_EQ(g_popup_open, 0);
  EXPECT_EQ(g_scene, seat_check_scene(1, 0));
  EXPECT_EQ(run_until_scene(SCENE_SEAT0_TURN, 10), 6) << "the pung check for the user is the third";
  EXPECT_EQ(g_melds[0][0], make_meld(claim_source(1, 0), kMeldPung, 15));
  EXPECT_EQ(g_river_count[1], 0);
}

// Three 5p in hand and seat 1's 5p on offer: both the pung and the kong row
// are enabled, and the row clicked is the meld taken.
struct CallRowCase {
  int row;
  int meld_kind;
  int slot_marker;   // on three slots
  int free_left;     // 5p still free
  bool replacement;  // the kong's replacement 9m is drawn into slot 13
};

void PrintTo(const CallRowCase& c, std::ostream* os) { *os << "row " << c.row; }

class UserCallRows : public UserClaims, public ::testing::WithParamInterface<CallRowCase> {};

TEST_P(UserCallRows, TheClickedRowIsTheMeldTaken) {
  const CallRowCase c = GetParam();
  hands("555p 147m 258s 369s 1z");
  discard_by(1, "5p", parse_tiles("9m"));
  ASSERT_EQ(g_scene, SCENE_USER_CLAIM);
  ASSERT_EQ(std::vector<int>(g_user_naki_options, g_user_naki_options + 4), (std::vector<int>{0, 1, 0, 1}));
  open_panel();
  click_panel_row(c.row);
  EXPECT_EQ(g_naki_flags[0][c.row - 1], 1);
  EXPECT_EQ(g_popup_open, 0);
  ASSERT_GT(run_until_scene(SCENE_SEAT0_TURN, 60), 0);
  EXPECT_EQ(g_melds[0][0], make_meld(claim_source(1, 0), c.meld_kind, 15));
  EXPECT_EQ(g_melds[0][1], 0);
  EXPECT_EQ(std::count(g_hand[0], g_hand[0] + kHandSlots, make_slot(15, c.slot_marker)), 3);
  EXPECT_EQ(std::count(g_hand[0], g_hand[0] + kHandSlots, 15), c.free_left);
  EXPECT_EQ(g_hand[0][kDrawSlot] == 9, c.replacement);
  EXPECT_EQ(g_river_count[1], 0);
}

INSTANTIATE_TEST_SUITE_P(PungAndKong, UserCallRows,
                         ::testing::Values(CallRowCase{2, kMeldPung, kPungSlot, 1, false},
                                           CallRowCase{4, kMeldMeldedKong, kMeldedKongSlot, 0, true}));

TEST_F(UserClaims, ALeftClickWithThePanelClosedDeclines) {
  hands("55p 147m 258s 369s 12z");
  discard_by(2, "5p", parse_tiles("9m"));
  ASSERT_EQ(g_scene, SCENE_USER_CLAIM);
  g_user_action = 2;
  g_shown_points = 5;
  left_click_at(400, 400);
  EXPECT_EQ(g_scene, seat_check_scene(2, 0));
  EXPECT_EQ(g_river[2][0], 15);
  EXPECT_EQ(g_user_action + g_shown_points, 0);
  EXPECT_EQ(run_until_scene(SCENE_SEAT3_DRAW, 10), 7);
  EXPECT_EQ(g_melds[0][0], 0);
}

TEST_F(UserClaims, WinOnADiscardThroughThePanel) {
  hands("123456789m 23s 11z");
  discard_by(2, "4s");
  ASSERT_EQ(g_scene, SCENE_USER_CLAIM);
  EXPECT_EQ(g_user_naki_options[0], 1);
  open_panel();
  click_panel_row(1);
  EXPECT_EQ(run_until_scene(SCENE_WIN, 5), 2);
  EXPECT_EQ(g_winner, 0);
  EXPECT_EQ(g_dealt_in_seat, 2);
}

// The discard 5m of seat 3 against 3m 4m 6m 7m: the pointer picks the shape.
struct ChowCase {
  int pointed_tile;
  int variant;
  int meld;
};

class UserChow : public UserClaims, public ::testing::WithParamInterface<ChowCase> {
 protected:
  void to_the_chow_choice(const char* hand = "3467m 258p 369s 147z") {
    hands(hand);
    discard_by(3, "5m", parse_tiles("9m"));
    ASSERT_EQ(g_scene, SCENE_USER_CLAIM);
    ASSERT_EQ(std::vector<int>(g_chi_shapes, g_chi_shapes + 3), (std::vector<int>{1, 1, 1}));
    open_panel();
    click_panel_row(3);
    ASSERT_EQ(run_until_scene(SCENE_USER_CHOW_CHOICE, 10), 7);
  }
  int slot_of(int tile) { return static_cast<int>(std::find(g_hand[0], g_hand[0] + kHandSlots, tile) - g_hand[0]); }
};

TEST_P(UserChow, ThePointedTileChoosesTheShape) {
  to_the_chow_choice();
  const ChowCase c = GetParam();
  move(slot_centre_x(slot_of(c.pointed_tile)), kSlotCentreY);
  EXPECT_EQ(g_chi_variant[0], c.variant);
  click_slot(slot_of(c.pointed_tile));
  EXPECT_EQ(g_scene, SCENE_SEAT0_TURN);
  EXPECT_EQ(g_melds[0][0], c.meld);
  const int lowest = meld_tile(c.meld);
  for (int tile = lowest; tile < lowest + 3; ++tile)
    EXPECT_EQ(std::count(g_hand[0], g_hand[0] + kHandSlots, make_slot(tile, kChowSlot)), 1) << tile;
}

INSTANTIATE_TEST_SUITE_P(Shapes, UserChow,
                         ::testing::Values(ChowCase{3, 1, make_meld(2, kMeldChow, 3)},
                                           ChowCase{4, 1, make_meld(2, kMeldChow, 3)},
                                           ChowCase{6, 2, make_meld(1, kMeldChow, 4)},
                                           ChowCase{7, 3, make_meld(0, kMeldChow, 5)}));

// Two 4m: the pointer on the right half of the second (short of the next
// tile's box) chooses its shape and marks that copy, not the first.
TEST_F(UserChow, TheCopyUnderThePointerIsTheOneMarked) {
  to_the_chow_choice("34467m 258p 369s 14z");
  ASSERT_EQ(g_hand[0][1], 4);
  ASSERT_EQ(g_hand[0][2], 4);
  move(slot_centre_x(2) + 17, kSlotCentreY);
  EXPECT_EQ(g_chi_variant[0], 1);
  EXPECT_EQ(std::vector<int>(g_chi_positions, g_chi_positions + 2), (std::vector<int>{0, 2}));
  move(slot_centre_x(3) + 17, kSlotCentreY);
  EXPECT_EQ(g_chi_variant[0], 2) << "6m: the 4m-6m shape";
  EXPECT_EQ(std::vector<int>(g_chi_positions, g_chi_positions + 2), (std::vector<int>{1, 3}));
  move(slot_centre_x(12) + 17, kSlotCentreY);
  EXPECT_EQ(g_chi_variant[0], 0) << "no shape's tile";
}

TEST_F(UserChow, TheRightClickGoesBackToTheClosedPanel) {
  to_the_chow_choice();
  move(slot_centre_x(slot_of(7)), kSlotCentreY);
  right_click_at(5, 5);
  EXPECT_EQ(g_scene, SCENE_USER_CLAIM);
  EXPECT_EQ(g_return_scene, seat_check_scene(3, 0));
  EXPECT_EQ(g_popup_open, 0);
  EXPECT_EQ(g_naki_flags[0][2], 0);
  EXPECT_EQ(g_melds[0][0], 0);
  EXPECT_EQ(g_naki_hint_tile, 5);
  left_click_at(400, 400);
  EXPECT_EQ(g_river[3][0], 5) << "declined";
  EXPECT_EQ(run_until_scene(SCENE_SEAT0_DRAW, 10), 7);
  EXPECT_EQ(g_melds[0][0], 0);
}

TEST_F(UserClaims, RobbingAnAddedKongThroughItsPanel) {
  seat2_adds_a_kong_of_5p_the_user_waits_on();
  open_panel();
  click_panel_row(2);
  EXPECT_EQ(g_scene, SCENE_USER_ROB_KONG) << "only the win row is enabled";
  click_panel_row(1);
  EXPECT_EQ(g_scene, SCENE_KONG_DRAW2);
  EXPECT_EQ(g_robbing_flags[0], 1);
  EXPECT_EQ(run_until_scene(SCENE_WIN, 12), 10);
  EXPECT_EQ(g_winner, 0);
}

TEST_F(UserClaims, DecliningTheRobbingWin) {
  seat2_adds_a_kong_of_5p_the_user_waits_on();
  left_click_at(400, 400);
  EXPECT_EQ(g_scene, SCENE_KONG_DRAW2);
  EXPECT_EQ(g_robbing_flags[0], 0);
  EXPECT_EQ(run_until_scene(SCENE_SEAT2_TURN, 40), 30);
}

// ------------------------------------------------------- offers withheld

class Offers : public UserClaims {
 protected:
  // The user's rows and whether the panel opened, after `flags` of COM seats.
  bool offered(int discarder, int tile, std::initializer_list<std::pair<int, int>> com_flags) {
    for (auto& row : g_naki_flags) std::fill(std::begin(row), std::end(row), 0);
    for (auto [seat, flag] : com_flags) g_naki_flags[seat][flag] = 1;
    g_river_count[discarder] = 0;
    g_discarder = discarder;
    record_discard(discarder, tile, 0);
    g_scene = seat_check_scene(discarder, 0);
    find_user_naki_options(0, discarder);
    return g_scene == SCENE_USER_CLAIM;
  }
  void SetUp() override {
    UserClaims::SetUp();
    g_wall_count = 50;
  }
};

constexpr int kWin = 0, kPung = 1, kChow = 2, kKong = 3;

TEST_F(Offers, AWinIsWithheldOnlyFromSeatsAheadInTurnOrder) {
  set_hand(0, "123456789m 23s 11z");
  EXPECT_FALSE(offered(1, 24, {{2, kWin}}));
  EXPECT_FALSE(offered(1, 24, {{3, kWin}}));
  EXPECT_TRUE(offered(1, 24, {{2, kPung}, {3, kKong}}));
  EXPECT_FALSE(offered(2, 24, {{3, kWin}}));
  EXPECT_TRUE(offered(2, 24, {{1, kWin}}));
  EXPECT_TRUE(offered(3, 24, {{1, kWin}, {2, kWin}})) << "after seat 3 the user comes first";
}

TEST_F(Offers, CallsGiveWayToAnyWinAndChowsToAnyPungOrKong) {
  set_hand(0, "55p 346m 258s 369s 1z");
  EXPECT_TRUE(offered(1, 15, {{2, kChow}}));
  EXPECT_FALSE(offered(1, 15, {{3, kWin}}));
  EXPECT_FALSE(offered(2, 15, {{1, kWin}})) << "any seat's win takes the discard from a call";
  EXPECT_TRUE(offered(3, 5, {}));
  EXPECT_EQ(g_user_naki_options[kChow], 1);
  EXPECT_FALSE(offered(3, 5, {{1, kPung}}));
  EXPECT_FALSE(offered(3, 5, {{2, kKong}}));
  EXPECT_FALSE(offered(3, 5, {{1, kWin}}));
}

// Flowers in hand leave no room for the tiles of one more meld.
TEST_F(Offers, FlowersInHandWithdrawTheCallRows) {
  g_options[opt_flowers] = 1;
  set_hand_with_melds(0, "55p 1f", {{kMeldPung, 31, 0}, {kMeldPung, 32, 0}, {kMeldPung, 33, 0}}, 0);
  EXPECT_FALSE(offered(1, 15, {})) << "three melds and one flower";
  set_hand_with_melds(0, "55p 1234f", {{kMeldPung, 31, 0}, {kMeldPung, 32, 0}}, 0);
  EXPECT_FALSE(offered(1, 15, {})) << "two melds and four flowers";
  set_hand_with_melds(0, "55p 1m 123f", {{kMeldPung, 31, 0}, {kMeldPung, 32, 0}}, 0);
  EXPECT_TRUE(offered(1, 15, {})) << "two melds and three flowers";
  set_hand_with_melds(0, "55p 1m 1234567f", {{kMeldPung, 31, 0}}, 0);
  EXPECT_FALSE(offered(1, 15, {})) << "one meld and seven flowers";
  set_hand_with_melds(0, "55p 1m 2m 123456f", {{kMeldPung, 31, 0}}, 0);
  EXPECT_TRUE(offered(1, 15, {})) << "one meld and six flowers";
}

}  // namespace
