// A whole match played by the scripted user through the program's window.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "core/tiles.h"
#include "platform/headless/headless.h"
#include "screens/front_end_layout.h"
#include "shell/tile_draw.h"
#include "support/scripted_user.h"
#include "support/test_workdir.h"

namespace {

std::string joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

// One seeded match (each frame draws the whole table, so a match is long).
TEST(ScriptedUser, PlaysAWholeMatchWithTheMouse) {
  TestWorkdir dir;
  UserTally total;
  for (unsigned seed : {12u}) {
    ScriptedUser user;
    const std::vector<std::string> problems = user.play_match(seed);
    EXPECT_TRUE(problems.empty()) << "seed " << seed << ":\n" << joined(problems);
    EXPECT_EQ(user.tally.hands, 16) << "seed " << seed;
    EXPECT_EQ(std::accumulate(g_scores, g_scores + kSeats, 0), 0) << "seed " << seed;
    std::vector<int> places;
    for (const StandingsEntry& entry : g_standings) places.push_back(entry.place);
    EXPECT_EQ(places, (std::vector<int>{0, 1, 2, 3}));
    for (int k = 1; k < kSeats; ++k) EXPECT_GE(g_standings[k - 1].score, g_standings[k].score);
    total.discards += user.tally.discards;
    total.suggested_discards += user.tally.suggested_discards;
    total.self_drawn_wins += user.tally.self_drawn_wins;
    total.discard_wins += user.tally.discard_wins;
  }
  EXPECT_GT(total.discards, 100);
  EXPECT_GT(total.suggested_discards, total.discards / 2) << "the advisor names a tile of the hand";
  EXPECT_GT(total.self_drawn_wins + total.discard_wins, 0) << "the user won no hand in the match";
}

}  // namespace
