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

// A seeded match in four shards, one wind round each from its own seed, so
// that ctest plays them side by side (each frame draws the whole table, so a
// match is long). The last round ends at the standings.
class ScriptedMatch : public testing::TestWithParam<int> {};

TEST_P(ScriptedMatch, PlaysAWholeMatchWithTheMouse) {
  TestWorkdir dir;
  const int round = GetParam();
  ScriptedUser user;
  user.only_round = round;
  int results = 0;
  user.on_hand_end = [&] { ++results; };
  const std::vector<std::string> problems = user.play_match(12 + round);
  EXPECT_TRUE(problems.empty()) << joined(problems);
  EXPECT_EQ(results, 4);
  EXPECT_EQ(std::accumulate(g_scores, g_scores + kSeats, 0), 0);
  if (round == 3) {
    std::vector<int> places;
    for (const StandingsEntry& entry : g_standings) places.push_back(entry.place);
    EXPECT_EQ(places, (std::vector<int>{0, 1, 2, 3}));
    for (int k = 1; k < kSeats; ++k) EXPECT_GE(g_standings[k - 1].score, g_standings[k].score);
  }
  // Whether the user wins a hand in one round depends on the seed; the wins
  // taken through the panel and the pop-up are the user-turn tests' to check.
  EXPECT_GT(user.tally.discards, 25);
  EXPECT_GT(user.tally.suggested_discards, user.tally.discards / 2) << "the advisor names a tile of the hand";
}

INSTANTIATE_TEST_SUITE_P(WindRounds, ScriptedMatch, testing::Range(0, 4));

}  // namespace
