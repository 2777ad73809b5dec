// The computer players' calls in play: seeded hands in which they pung, chow
// and kong with the table's rules kept at every frame, and a kong that a
// computer seat punged and then added, robbed by the user from the panel.
#include <string>

#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "support/hai_table_once.h"
#include "support/hand_builder.h"
#include "support/random_match.h"
#include "support/table_fixture.h"
#include "support/user_table.h"

namespace {

class ComCalls : public TableTest {
 protected:
  static void SetUpTestSuite() { fill_hai_table_once(); }
};

// Kongs on a discard are rarer than one in a few hundred hands once most
// seats aim at a pattern; the robbed added kong below comes through the
// computers' own decisions instead.
TEST_F(ComCalls, SeededHandsShowPungsAndChows) {
  int hands = 0;
  MatchTally seen;
  for (unsigned seed = 1; hands < 300; ++seed) {
    RandomMatch match(seed);
    match.driven = {false, false, false, false};
    match.user_follows_advisor = true;
    for (int hand = 0; hand < 20; ++hand, ++hands) match.play_hand();
    EXPECT_EQ(match.problems().size(), 0u) << "seed " << seed << ": " << join_lines(match.problems());
    seen.pungs += match.tally().pungs;
    seen.chows += match.tally().chows;
    if (seen.pungs > 0 && seen.chows > 0) break;
  }
  EXPECT_GT(seen.pungs, 0);
  EXPECT_GT(seen.chows, 0) << "in " << hands << " hands";
}

class ComKongRobbed : public UserTableTest {
 protected:
  static void SetUpTestSuite() { fill_hai_table_once(); }
};

// The user throws 5p; seat 1, a pung of it short of a pure straight, calls;
// seats 2 and 3 throw what nobody can use; seat 1 draws the last 5p and adds
// it to its pung, and the user waiting on 5p is offered the robbing win.
TEST_F(ComKongRobbed, ThroughTheComputersOwnDecisions) {
  std::fill(g_seat_character + 1, g_seat_character + kSeats, 1);
  set_hand(1, "123m 456m 789m 55p 7z 1z");
  set_hand(2, "2m 5m 8m 7p 8p 9p 5s 6s 8s 2z 3z 4z 6z");
  set_hand(3, "1m 4m 7m 1p 9p 5s 8s 2z 3z 4z 55z 6z");  // no two tiles that chow together
  set_hand_with_melds(0, "46p 111s 222s 333s 99s", {}, 15);
  plant_wall(parse_tiles("4z 2z 6z 5p"));
  g_scene = SCENE_SEAT0_TURN;
  move(5, 5);
  click_slot(kDrawSlot);
  ASSERT_GT(run_until_scene(SCENE_SEAT0_TURN, 3000), 0);
  EXPECT_EQ(g_melds[1][0] % 1000, 215) << "seat 1 punged the 5p";
  click_slot(kDrawSlot);
  ASSERT_GT(run_until_scene(SCENE_USER_ROB_KONG, 3000), 0);
  EXPECT_EQ(g_melds[1][0] % 1000, 415) << "the pung became a kong";
  EXPECT_EQ(g_user_naki_options[0], 1);
}

}  // namespace
