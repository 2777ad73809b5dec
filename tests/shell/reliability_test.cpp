// The reliability runs at the suite's small sizes; script/soak runs them
// large through the same environment variables.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "base/scenes.h"
#include "platform/headless/headless.h"
#include "screens/front_end_layout.h"
#include "support/data_fuzz.h"
#include "support/monkey.h"
#include "support/state_ranges.h"
#include "support/table_invariants.h"
#include "support/test_workdir.h"

namespace {

class DataFileFuzz : public ::testing::TestWithParam<std::string> {};

TEST_P(DataFileFuzz, EveryDamagedFormStartsResumesAndStaysInRange) {
  TestWorkdir dir;
  FuzzTally tally;
  fuzz_data_file(GetParam(), 20260707, size_from_env("RUVELKA_FUZZ_ROUNDS", 1),
                 size_from_env("RUVELKA_FUZZ_FRAMES", 10), tally);
  EXPECT_TRUE(tally.problems.empty()) << join_lines(tally.problems);
  EXPECT_GE(tally.files, 23);
}

INSTANTIATE_TEST_SUITE_P(Files, DataFileFuzz, ::testing::ValuesIn(fuzzed_files()),
                         [](const auto& info) { return std::filesystem::path(info.param).stem().string(); });

// In four shards, each a quarter of the forms.
class SoundFileFuzz : public ::testing::TestWithParam<int> {};

TEST_P(SoundFileFuzz, EveryDamagedWavePlaysOrIsIgnoredOrStopsStartUpBeforeTheWindow) {
  TestWorkdir dir;
  FuzzTally tally;
  fuzz_sound_files(20260707, size_from_env("RUVELKA_FUZZ_ROUNDS", 1), GetParam(), 4, tally);
  EXPECT_TRUE(tally.problems.empty()) << join_lines(tally.problems);
  EXPECT_GE(tally.files, 700);
}

INSTANTIATE_TEST_SUITE_P(Shards, SoundFileFuzz, ::testing::Range(0, 4));

// Every screen of the menu, a run each.
TEST(Monkey, EveryScreenTakesSeededClicksAndKeys) {
  TestWorkdir dir;
  const int frames = size_from_env("RUVELKA_MONKEY_FRAMES", 25);
  for (int entry = 0; entry < kMenuLeftItems + kMenuRightItems; ++entry) {
    Monkey monkey(static_cast<std::uint32_t>(entry + 1));
    monkey.enter(entry);
    monkey.run(frames);
    EXPECT_TRUE(monkey.problems.empty()) << join_lines(monkey.problems);
  }
}

// New matches played by the monkey far enough for turns and claims.
TEST(Monkey, HandsInPlayKeepTheTableInvariants) {
  TestWorkdir dir;
  const int runs = size_from_env("RUVELKA_MONKEY_RUNS", 1);
  const int frames = size_from_env("RUVELKA_MONKEY_HAND_FRAMES", 500);
  std::set<int> scenes;
  int hands = 0;
  for (int run = 0; run < runs; ++run) {
    Monkey monkey(static_cast<std::uint32_t>(run + 100));
    monkey.enter(0);
    monkey.run(frames);
    EXPECT_TRUE(monkey.problems.empty()) << join_lines(monkey.problems);
    scenes.insert(monkey.scenes.begin(), monkey.scenes.end());
    hands += monkey.hands;
  }
  EXPECT_GE(hands, runs);
  for (int scene : {SCENE_SEAT0_TURN, SCENE_SEAT1_TURN, SCENE_SEAT2_TURN, SCENE_SEAT3_TURN})
    EXPECT_TRUE(scenes.count(scene)) << "the monkey never saw scene " << scene;
}

}  // namespace
