// Claims on a discard carried out through the sequencer's scenes: who gets
// the tile, what meld and slot marks it leaves, and when the hand ends.
#include <algorithm>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "com/turn/com_turn.h"
#include "flow/claim_offers.h"
#include "support/hand_builder.h"
#include "support/table_fixture.h"
#include "table/claim_actions.h"
#include "table/river.h"
#include "table/win_test.h"

namespace {

class Claims : public PlayTableTest {
 protected:
  void hands(const char* h0, const char* h1, const char* h2, const char* h3) {
    set_hand(0, h0);
    set_hand(1, h1);
    set_hand(2, h2);
    set_hand(3, h3);
  }
  // The COM seat throws `tile` as its discard and the discarded scene runs,
  // which leaves the first claim check (or the user's panel).
  void com_discards(int seat, const char* tile, const std::vector<int>& draws = {}, int live = -1) {
    g_hand[seat][kDrawSlot] = parse_tiles(tile)[0];
    plant_wall(draws, live);
    com_discard(seat, kDrawSlot);
    run_frames(1);
  }
  int melds_of(int seat) { return static_cast<int>(std::count_if(g_melds[seat], g_melds[seat] + 4, [](int m) { return m != 0; })); }
};

TEST_F(Claims, TwoSeatsWinOnOneDiscardTheFirstInTurnOrderTakesIt) {
  hands("17m 258p 369s 1234z 5z", "19m 19p 19s 567z 22p 33s", "123m 444m 678m 999m 5m", "34m 111z 222z 333z 77z");
  ASSERT_GE(win_points_with(2, 5, 1), 8);
  ASSERT_GE(win_points_with(3, 5, 1), 8);
  com_discards(1, "5m");
  EXPECT_EQ(g_naki_flags[2][0], 1);
  EXPECT_EQ(g_naki_flags[3][0], 1);
  EXPECT_GE(run_until_scene(SCENE_WIN, 3), 1);
  EXPECT_EQ(g_winner, 2);
  EXPECT_EQ(g_dealt_in_seat, 1);
  EXPECT_EQ(g_seat_state[3].won, 0);
  EXPECT_EQ(g_hand[2][kDrawSlot], 5);
  EXPECT_EQ(g_river_count[1], 1) << "a discard won on keeps its place, blank";
  EXPECT_EQ(g_river[1][0], 0);
  const int p = g_win_points;
  EXPECT_EQ(g_score_changes[2], p + 24);
  EXPECT_EQ(g_score_changes[1], -8 - p);
  EXPECT_EQ(g_score_changes[0], -8);
  EXPECT_EQ(g_score_changes[3], -8);
}

TEST_F(Claims, AWinUnderEightPointsLetsAPungBeatTheChow) {
  hands("17m 289p 369s 1234z 5z", "19m 19p 19s 567z 22p 33s", "46p 123m 789m 345s 77s", "55p 111z 222z 333z 67z");
  com_discards(1, "5p");
  ASSERT_GE(win_points_with(2, 15, 1), 0);
  ASSERT_LT(win_points_with(2, 15, 1), 8);
  EXPECT_EQ(g_naki_flags[2][0], 0) << "the COM win test wants 8 points";
  g_naki_flags[2][0] = 1;
  g_naki_flags[2][2] = 1;
  g_chi_variant[2] = 2;
  g_naki_flags[3][1] = 1;
  EXPECT_EQ(run_until_scene(SCENE_SEAT3_TURN, 10), 5) << "three win checks, seat 2's pung check, seat 3's";
  EXPECT_EQ(g_melds[3][0], make_meld(claim_source(1, 3), kMeldPung, 15));
  EXPECT_EQ(g_melds[3][0], 1215);
  EXPECT_EQ(melds_of(2), 0);
  EXPECT_EQ(g_seat_state[2].won, 0);
  EXPECT_EQ(g_river_count[1], 0);
  EXPECT_EQ(g_after_naki_turn, 1);
}

TEST_F(Claims, PungAndKongFlagsOnOneSeatMakeOneClaim) {
  hands("17m 289p 369s 1234z 5z", "19m 19p 19s 567z 22p 33s", "46p 123m 789m 345s 77s", "555p 111z 222z 33z 67z");
  com_discards(1, "5p");
  g_naki_flags[3][1] = 1;
  g_naki_flags[3][3] = 1;
  EXPECT_EQ(run_until_scene(SCENE_SEAT3_TURN, 10), 5);
  EXPECT_EQ(melds_of(3), 1);
  EXPECT_EQ(meld_kind(g_melds[3][0]), kMeldPung);
}

TEST_F(Claims, TheLastTileCanBeWonButNotCalled) {
  hands("17m 289p 369s 1234z 5z", "19m 19p 19s 567z 22p 33s", "46p 123m 789m 345s 79s", "55p 111z 222z 333z 67z");
  com_discards(1, "5p", {}, 0);
  const int river = g_river_count[1];
  g_naki_flags[3][1] = 1;
  g_naki_flags[2][2] = 1;
  g_chi_variant[2] = 2;
  EXPECT_EQ(run_until_scene(SCENE_EXHAUSTIVE_DRAW, 10), 3) << "the third win check ends the hand";
  EXPECT_EQ(melds_of(2) + melds_of(3), 0);
  EXPECT_EQ(g_river_count[1], river);
}

TEST_F(Claims, TheLastTileIsWonOn) {
  hands("17m 258p 369s 1234z 5z", "19m 19p 19s 567z 22p 33s", "123m 444m 678m 999m 5m", "34m 111z 222z 333z 77z");
  com_discards(1, "5m", {}, 0);
  EXPECT_GE(run_until_scene(SCENE_WIN, 3), 1);
  EXPECT_EQ(g_winner, 2);
}

// With voice balloons on, the user's false win at the third check pauses
// for its shout and then the claims go on: a later pung is carried out.
TEST_F(Claims, TheUsersFalseWinShoutsAndTheClaimsGoOn) {
  g_options[opt_voice_balloons] = 1;
  g_options[opt_false_win] = 1;
  hands("46p 123m 789m 345s 77s", "19m 19p 19s 567z 22p 33s", "17m 258s 369s 1234z 5z", "55p 111z 222z 333z 67z");
  com_discards(1, "5p");
  ASSERT_LT(win_points_with(0, 15, 1), 8);
  ASSERT_EQ(g_scene, SCENE_USER_CLAIM);
  EXPECT_EQ(g_river[1][0], 215) << "the offered discard is marked";
  EXPECT_EQ(g_user_naki_options[0], 1);
  g_naki_flags[0][0] = 1;
  g_naki_flags[3][1] = 1;
  g_scene = g_return_scene;
  EXPECT_EQ(run_until_scene(SCENE_SHOUT, 5), 3);
  EXPECT_EQ(g_seat_state[0].false_win, 1);
  EXPECT_EQ(g_seat_state[0].false_win_timer, 399) << "set to 400, then counted by the table view of the same frame";
  EXPECT_EQ(g_balloon[0], 1);
  EXPECT_EQ(g_river[1][0], 15) << "a false win drops the offer mark";
  EXPECT_EQ(g_shout_return_scene, 340);
  EXPECT_EQ(run_until_scene(340, 40), 30);
  EXPECT_EQ(run_until_scene(SCENE_SHOUT, 5), 2);
  EXPECT_EQ(g_balloon[3], 3);
  EXPECT_EQ(g_shout_return_scene, SCENE_SEAT3_TURN);
  EXPECT_EQ(melds_of(3), 1);
}

TEST_F(Claims, ADrawFromAnEmptyWallEndsTheHandInstead) {
  hands("17m 289p 369s 1234z 5z", "19m 19p 19s 567z 22p 33s", "46p 123m 789m 345s 77s", "55p 111z 222z 333z 67z");
  plant_wall({}, 0);
  g_scene = SCENE_SEAT2_DRAW;
  EXPECT_EQ(run_until_scene(SCENE_EXHAUSTIVE_DRAW, 10), 2);
  EXPECT_EQ(g_wall_count, 0);
  EXPECT_EQ(g_hand[2][kDrawSlot], 0);
}

TEST_F(Claims, RecheckDropsFlagsTheFreeTilesCannotMake) {
  hands("17m 289p 369s 1234z 5z", "19m 19p 19s 567z 22p 33s", "5p 13m 234m 789s 66z 99m", "5p 111z 222z 333z");
  add_meld(3, kMeldChow, 14);
  g_discarder = 1;
  g_river[1][0] = 15;
  g_river_count[1] = 1;
  g_naki_flags[3][1] = 1;  // one 5p free, the other in the chow
  g_naki_flags[2][2] = 1;
  g_chi_variant[2] = 1;    // 3p 4p not held
  g_naki_flags[2][1] = 1;  // a single 5p
  g_naki_flags[0][3] = 1;
  recheck_naki_flags();
  EXPECT_EQ(g_naki_flags[3][1], 0);
  EXPECT_EQ(g_naki_flags[2][2], 0);
  EXPECT_EQ(g_naki_flags[2][1], 0);
  EXPECT_EQ(g_naki_flags[0][3], 0);
  set_hand(2, "34p 13m 234m 789s 66z 9m");
  g_naki_flags[2][2] = 1;
  recheck_naki_flags();
  EXPECT_EQ(g_naki_flags[2][2], 1);
  for (int variant : {0, 2, 3, 4}) {
    g_chi_variant[2] = variant;
    g_naki_flags[2][2] = 1;
    recheck_naki_flags();
    EXPECT_EQ(g_naki_flags[2][2], 0) << "variant " << variant;
  }
}

TEST_F(Claims, TheUsersChowWaitsForTheShapeWhenTwoArePossible) {
  hands("346m 258p 369s 147z 6z", "19m 19p 19s 567z 22p 33s", "46p 123m 234m 789s 22z", "19m 19p 28s 111z 333z 6z");
  com_discards(3, "5m");
  ASSERT_EQ(g_scene, SCENE_USER_CLAIM);
  EXPECT_EQ(g_user_naki_options[2], 1);
  EXPECT_EQ(g_chi_shapes[0] + g_chi_shapes[1] + g_chi_shapes[2], 2);
  g_naki_flags[0][2] = 1;
  g_scene = g_return_scene;
  EXPECT_EQ(run_until_scene(SCENE_USER_CHOW_CHOICE, 10), 7);
  EXPECT_EQ(melds_of(0), 0);
}

TEST_F(Claims, TheUsersOnlyChowShapeIsTakenAtOnce) {
  hands("34m 258p 369s 1247z 5z", "19m 19p 19s 567z 22p 33s", "46p 123m 234m 789s 22z", "19m 19p 28s 111z 333z 6z");
  com_discards(3, "5m");
  ASSERT_EQ(g_scene, SCENE_USER_CLAIM);
  g_naki_flags[0][2] = 1;
  g_scene = g_return_scene;
  EXPECT_EQ(run_until_scene(SCENE_SEAT0_TURN, 10), 7);
  EXPECT_EQ(g_melds[0][0], make_meld(2, kMeldChow, 3));
}

TEST_F(Claims, NoOfferWhenASeatAheadTakesTheDiscard) {
  hands("55p 147m 258s 369s 12z", "19m 19p 19s 567z 22p 33s", "28m 28p 28s 1234z 66z 3m", "123p 444p 678p 999p 5p");
  ASSERT_GE(win_points_with(3, 15, 1), 8);
  com_discards(1, "5p");
  EXPECT_EQ(g_scene, 310) << "seat 3 wins first; the user's pung is not offered";
}

// ---------------------------------------------------- codes and slot marks

class ClaimCodes : public Claims {
 protected:
  // The discarder's river holds `tile` as its latest discard.
  void offer(int discarder, int tile) {
    g_discarder = discarder;
    g_river[discarder][0] = tile;
    g_river_count[discarder] = 1;
  }
};

TEST_F(ClaimCodes, PungSourceDigitNamesTheDiscarder) {
  for (int claimer = 0; claimer < kSeats; ++claimer) {
    for (int place = 0; place < 3; ++place) {
      SetUp();
      const int discarder = (claimer + 1 + place) % kSeats;
      set_hand(claimer, "11z 55p 19m 19s 234z 67z");
      offer(discarder, 15);
      do_pon(claimer);
      EXPECT_EQ(g_melds[claimer][0], 1000 * place + 215) << "discarder " << discarder << ", claimer " << claimer;
      EXPECT_EQ(g_meld_slide[claimer][0], 14);
      EXPECT_EQ(g_scene, seat_turn_scene(claimer));
      EXPECT_EQ(g_river_count[discarder], 0);
    }
  }
}

// After a pung the free tiles stand first and sorted, the last of them in
// slot 13 as the tile to play, the marked slots between.
TEST_F(ClaimCodes, PungSwapsTheLastFreeTileIntoSlot13) {
  set_hand(2, "55p 19m 9s 234z");
  add_meld(2, kMeldChow, 21);
  offer(0, 15);
  do_pon(2);
  EXPECT_EQ(format_tiles(g_hand[2], kHandSlots), "19m 9s 23z 5p(2) 123s(1) 55p(2) 4z");
  EXPECT_EQ(g_hand[2][kDrawSlot], 34);
  EXPECT_EQ(g_seat_state[2].naki_count, 1);
  EXPECT_EQ(g_seat_state[2].just_claimed, 1);
  EXPECT_EQ(g_discard_not_drawn, 1);
}

TEST_F(ClaimCodes, ChowShapesGiveTheirCodesAndMarks) {
  struct Case {
    int variant;
    const char* hand;
    int meld;
    const char* after;
  };
  for (const Case& c : {Case{1, "34m 19p 19s 1234567z", 2103, "19p 19s 123456z 534m(1) 7z"},
                        Case{2, "46m 19p 19s 1234567z", 1104, "19p 19s 123456z 645m(1) 7z"},
                        Case{3, "67m 19p 19s 1234567z", 105, "19p 19s 123456z 756m(1) 7z"}}) {
    SetUp();
    set_hand(0, c.hand);
    offer(3, 5);
    do_chi(0, c.variant);
    EXPECT_EQ(g_melds[0][0], c.meld) << "variant " << c.variant;
    EXPECT_EQ(format_tiles(g_hand[0], kHandSlots), c.after) << "variant " << c.variant;
  }
}

TEST_F(ClaimCodes, MeldedKongOfADiscardWaitsForItsReplacement) {
  set_hand(1, "555p 19m 19s 12345z");
  offer(3, 15);
  g_robbing_flags[2] = 1;
  do_kan_on_discard(1);
  EXPECT_EQ(g_melds[1][0], make_meld(claim_source(3, 1), kMeldMeldedKong, 15));
  EXPECT_EQ(g_melds[1][0], 1415) << "seat 3 sits opposite seat 1";
  EXPECT_EQ(format_tiles(g_hand[1], kHandSlots), "19m 19s 12345z 555p(4)");
  EXPECT_EQ(g_hand[1][kDrawSlot], 0);
  EXPECT_EQ(g_scene, SCENE_KONG_DRAW1);
  EXPECT_EQ(g_kong_draw_flag, 1);
  EXPECT_EQ(g_robbing_flags[2], 0);
  EXPECT_EQ(g_seat_state[1].open_naki_count, 1);
}

TEST_F(Claims, RiverAndHistoryWritesStopAtTheirCapacity) {
  g_river_count[2] = kRiverCapacity;
  g_discard_history_count[2] = kRiverCapacity;
  record_discard(2, 5, 1);
  EXPECT_EQ(g_river_count[2], kRiverCapacity);
  EXPECT_EQ(g_discard_history_count[2], kRiverCapacity);
  g_river_count[2] = kRiverCapacity - 1;
  record_discard(2, 7, 1);
  EXPECT_EQ(g_river[2][kRiverCapacity - 1], 7);
  EXPECT_EQ(g_river_tsumogiri[2][kRiverCapacity - 1], 1);
  EXPECT_EQ(g_river_count[2], kRiverCapacity);
}

}  // namespace
