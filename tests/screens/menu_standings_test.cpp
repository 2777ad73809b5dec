#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <sstream>
#include <vector>

#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "base/stats.h"
#include "base/table_state.h"
#include "platform/headless/headless.h"
#include "screens/front_end_layout.h"
#include "screens/screen_state.h"
#include "screens/screens.h"
#include "shell/data_files.h"
#include "headless_script.h"
#include "shell/input_front_end.h"
#include "shell/shell_state.h"
#include "support/draw_calls.h"
#include "support/test_workdir.h"
#include "support/word_files.h"

namespace {

class MenuAndStandings : public ::testing::Test {
 protected:
  void SetUp() override {
    open_headless_program();
    headless::left_click_at(10, 10);  // past the title, no files
  }
  void set_played(const std::array<int, 6>& counts) {
    for (int c = 1; c <= 6; ++c) g_stats_basic[c].words[kBasicMatches] = counts[c - 1];
  }
  TestWorkdir dir_;
};

// The three least-played characters, ties to the lower number, found by
// trying every combination: an independent reference for unequal counts.
std::array<int, 3> least_played(const std::array<int, 6>& counts) {
  std::array<int, 3> best{};
  long long best_key = -1;
  for (int a = 1; a <= 6; ++a)
    for (int b = a + 1; b <= 6; ++b)
      for (int c = b + 1; c <= 6; ++c) {
        // Lower totals first; among equal totals the set holding lower numbers.
        std::array<long long, 6> order{};
        for (int i = 0; i < 6; ++i) order[i] = counts[i] * 10LL + i;
        std::sort(order.begin(), order.end());
        const std::set<int> want{static_cast<int>(order[0] % 10) + 1, static_cast<int>(order[1] % 10) + 1,
                                 static_cast<int>(order[2] % 10) + 1};
        if (want == std::set<int>{a, b, c}) best = {a, b, c}, best_key = 0;
      }
  EXPECT_EQ(best_key, 0);
  return best;
}

std::set<int> as_set(const std::array<int, 3>& a) { return {a.begin(), a.end()}; }

TEST_F(MenuAndStandings, OpponentsAreTheLeastPlayedCharacters) {
  set_played({2, 0, 1, 0, 5, 0});
  EXPECT_EQ(as_set(choose_opponents()), (std::set<int>{2, 4, 6}));
  set_played({5, 3, 3, 7, 2, 2});
  EXPECT_EQ(choose_opponents(), (std::array<int, 3>{5, 6, 2}));
  set_played({1, 1, 1, 0, 0, 0});
  EXPECT_EQ(choose_opponents(), (std::array<int, 3>{4, 5, 6}));

  platform::rand_seed(7);
  for (int trial = 0; trial < 300; ++trial) {
    std::array<int, 6> counts{};
    for (int& c : counts) c = platform::rand15() % 4;
    if (std::all_of(counts.begin(), counts.end(), [&](int c) { return c == counts[0]; })) continue;
    set_played(counts);
    EXPECT_EQ(as_set(choose_opponents()), as_set(least_played(counts)));
  }
}

TEST_F(MenuAndStandings, EveryCombinationAndSeatOrderIsReachableWhileCountsAreLevel) {
  set_played({3, 3, 3, 3, 3, 3});
  std::set<std::set<int>> combinations;
  std::set<std::array<int, 3>> seatings;
  for (unsigned seed = 1; seed <= 3000; ++seed) {
    platform::rand_seed(seed);
    combinations.insert(as_set(choose_opponents()));
    platform::rand_seed(seed);
    start_new_match();
    seatings.insert({g_seat_character[1], g_seat_character[2], g_seat_character[3]});
  }
  EXPECT_EQ(combinations.size(), 20u);
  EXPECT_EQ(seatings.size(), 120u) << "20 combinations times 6 seat orders";
}

TEST_F(MenuAndStandings, NewMatchFromTheMenuSeatsTheOpponentsAndStartsTheFirstHand) {
  set_played({2, 0, 1, 0, 5, 0});
  g_stats_ai[4].words[kAiWins] = 9;
  g_scores[1] = 50;
  headless::left_click_at(295, 216);
  EXPECT_EQ(g_scene, SCENE_DEAL);
  EXPECT_EQ(g_scene_frame, 0);
  EXPECT_EQ(g_seat_character[0], 0);
  EXPECT_EQ((std::set<int>{g_seat_character[1], g_seat_character[2], g_seat_character[3]}), (std::set<int>{2, 4, 6}));
  EXPECT_EQ(g_match_stats.ai[4].words[kAiWins], 9) << "the in-match copy starts from the saved one";
  EXPECT_EQ(g_round_wind, 0);
  EXPECT_GE(g_dealer, 0);
  EXPECT_LE(g_dealer, 3);
  EXPECT_EQ(g_first_dealer, g_dealer);
  EXPECT_EQ(g_scores[1], 0);
  EXPECT_EQ(g_se_request[SE_OK], 1);
}

TEST_F(MenuAndStandings, MenuItemsOpenTheirScreensAndResetTheirPages) {
  struct Case {
    int x, y, item, scene;
  };
  const std::vector<Case> cases{
      {180, 245, 2, SCENE_OPTIONS},          {295, 306, 3, SCENE_SUPPORT},         {200, 335, 4, SCENE_RULE_YAKU},
      {200, 380, 5, SCENE_LOCAL_YAKU},       {200, 425, 6, SCENE_CHARACTER_DATA}, {200, 486, 7, SCENE_DATA_DELETE},
      {400, 200, 11, SCENE_HELP_RULES},      {540, 261, 12, SCENE_HELP_YAKU_LIST}, {450, 290, 13, SCENE_HELP_YAKU_RULES},
      {450, 335, 14, SCENE_HELP_DIFFERENCES}, {450, 396, 15, SCENE_HELP_ADVICE},
  };
  for (const Case& c : cases) {
    g_scene = SCENE_MAIN_MENU;
    g_help_page = g_data_page = g_character_page = g_help_selection = g_stats_deleted = 3;
    g_se_request[SE_OK] = 0;
    headless::left_click_at(c.x, c.y);
    EXPECT_EQ(g_pick, c.item);
    EXPECT_EQ(g_scene, c.scene) << c.item;
    EXPECT_EQ(g_se_request[SE_OK], 1);
    if (c.item == 6) {
      EXPECT_EQ(g_character_page + g_data_page + g_help_page, 0);
    } else if (c.item == 7) {
      EXPECT_EQ(g_stats_deleted, 0);
    } else if (c.item == 12) {
      EXPECT_EQ(g_help_page + g_help_selection, 0);
    } else if (c.item == 13) {
      EXPECT_EQ(g_help_page, 0);
    } else {
      EXPECT_EQ(g_help_page, 3) << "left alone by item " << c.item;
    }
  }
  for (auto [x, y] : std::vector<std::pair<int, int>>{{296, 200}, {179, 200}, {200, 217}, {541, 200}, {400, 425}}) {
    g_scene = SCENE_MAIN_MENU;
    g_se_request[SE_OK] = 0;
    headless::left_click_at(x, y);
    EXPECT_EQ(g_scene, SCENE_MAIN_MENU) << x << "," << y;
    EXPECT_EQ(g_pick, 0);
    EXPECT_EQ(g_se_request[SE_OK], 0);
  }
}

class Standings : public MenuAndStandings {
 protected:
  void SetUp() override {
    MenuAndStandings::SetUp();
    platform::rand_seed(3);
    start_new_match();
    // As the match end leaves them: places by score, the match counted in word 3.
    const int chars[4] = {g_seat_character[2], 0, g_seat_character[1], g_seat_character[3]};
    const int scores[4] = {120, 30, -25, -125};
    for (int p = 0; p < 4; ++p) {
      g_standings[p] = {p, 0, chars[p], scores[p], scores[p], p};
      g_match_stats.basic[chars[p]].words[kBasicMatches] += 1;
    }
    first_ = chars[0];
    g_scene = SCENE_MATCH_STANDINGS;
  }
  int first_ = 0;
};

TEST_F(Standings, TheClickBooksTheMatchAndSavesTheStatistics) {
  headless::step_frames(1);
  headless::left_click_at(700, 700);
  EXPECT_EQ(g_scene, SCENE_MAIN_MENU);
  EXPECT_EQ(g_pick, 0);
  EXPECT_EQ(g_se_request[SE_OK], 1);
  EXPECT_EQ(g_stats_basic[first_].words[kBasicMatches], 1);
  EXPECT_EQ(g_stats_basic[first_].words[kBasicScoreSum], 120);
  EXPECT_EQ(g_stats_basic[first_].words[kBasicFirstPlaces], 1);
  EXPECT_EQ(g_stats_basic[0].words[kBasicScoreSum], 30);
  EXPECT_EQ(g_stats_basic[0].words[kBasicFirstPlaces + 1], 1);
  EXPECT_EQ(g_stats_basic[g_seat_character[3]].words[kBasicFirstPlaces + 3], 1);

  std::size_t bytes = 0;
  const std::vector<std::int32_t> file = read_le_words(dir_.file("data/save.dat"), &bytes);
  ASSERT_EQ(bytes, 5124u);
  for (int c = 0; c < kPlayerCharacters; ++c)
    for (int w = 0; w < kStatsBasicWords; ++w) EXPECT_EQ(file[9 * c + w], g_stats_basic[c].words[w]);
}

TEST_F(Standings, AFailedSaveStillLeavesForTheMenuWithTheMatchBookedOnce) {
  {
    FailingWrites failing;
    headless::left_click_at(300, 300);
  }
  EXPECT_EQ(g_scene, SCENE_MAIN_MENU);
  EXPECT_EQ(g_last_write_failed, kWriteFailedStandings);
  EXPECT_FALSE(std::filesystem::exists(dir_.file("data/save.dat")));
  EXPECT_EQ(g_stats_basic[first_].words[kBasicScoreSum], 120);
  EXPECT_EQ(g_stats_basic[first_].words[kBasicFirstPlaces], 1);
}

// What the menu says after the failed save: the match counts in the
// statistics shown now, and the title's click reads the file back without it.
TEST_F(Standings, AMatchWhoseSaveFailedCountsUntilTheTitleReadsTheFileAgain) {
  g_stats_basic[first_].words[kBasicMatches] = 4;
  ASSERT_TRUE(save_save_file());
  {
    FailingWrites failing;
    headless::left_click_at(300, 300);
  }
  ASSERT_EQ(g_last_write_failed, kWriteFailedStandings);
  EXPECT_EQ(g_stats_basic[first_].words[kBasicFirstPlaces], 1) << "booked in memory";
  headless::left_click_at(200, 425);
  EXPECT_EQ(g_scene, SCENE_CHARACTER_DATA);
  EXPECT_EQ(g_stats_basic[first_].words[kBasicFirstPlaces], 1) << "the statistics screen shows it";
  headless::key(platform::kVkReturn);
  headless::left_click_at(10, 10);
  EXPECT_EQ(g_scene, SCENE_MAIN_MENU);
  EXPECT_EQ(g_stats_basic[first_].words[kBasicFirstPlaces], 0) << "back at the title the match is gone";
  EXPECT_EQ(g_stats_basic[first_].words[kBasicMatches], 4);
  EXPECT_EQ(g_last_write_failed, kWriteOk);
}

TEST_F(MenuAndStandings, TheMenuSaysWhichWriteFailedOnTheWayToIt) {
  g_last_write_failed = kWriteOk;
  const std::vector<DrawCall> plain = record_calls(scene_main_menu);
  for (int failure : {kWriteFailedResume, kReadFailedResume, kWriteFailedDecline, kWriteFailedStandings,
                      kWriteFailedSettings}) {
    g_last_write_failed = failure;
    const std::vector<DrawCall> noticed = record_calls(scene_main_menu);
    ASSERT_GT(noticed.size(), plain.size()) << failure;
    const DrawCall& line = noticed.back();
    EXPECT_GT(line.dy, 515) << "below the menu card";
    EXPECT_LE(line.dx + line.w, kScreenWidth);
  }
  for (int failure : {kWriteFailedDeletion, kWriteFailedSuspend}) {
    g_last_write_failed = failure;
    EXPECT_EQ(record_calls(scene_main_menu).size(), plain.size()) << "said on its own screen";
  }
}

// A match resumed onto other statistics than it was stored with leaves out
// its hands before the resume; the menu says so until the next title or
// menu click.
TEST_F(Standings, TheNoteOfHandsLeftOutLastsUntilTheNextTitleOrMenuClick) {
  constexpr const char* kNote = "中断前の局の成績（和了・放銃・役など）は記録していません";
  const auto noted = [&] { return draws_text(scene_main_menu, kNote); };
  for (const bool by_title : {true, false}) {
    g_hands_left_out = 1;
    g_standings_booked = 0;
    g_scene = SCENE_MATCH_STANDINGS;
    headless::left_click_at(300, 300);
    ASSERT_EQ(g_scene, SCENE_MAIN_MENU);
    EXPECT_TRUE(noted());
    headless::left_click_at(600, 650);  // not an item
    EXPECT_TRUE(noted());
    if (by_title) {
      headless::key(platform::kVkReturn);
      headless::left_click_at(10, 10);
    } else {
      headless::left_click_at(kMenuRightX, menu_row_y(0));
      headless::right_click_at(300, 300);
    }
    ASSERT_EQ(g_scene, SCENE_MAIN_MENU);
    EXPECT_FALSE(noted()) << by_title;
  }
}

TEST_F(Standings, BookingStopsAtTheLimitsTheStatisticsFileTakesBack) {
  const int last = g_standings[3].character;
  int* first = g_match_stats.basic[first_].words;
  int* fourth = g_match_stats.basic[last].words;
  first[kBasicScoreSum] = kStatSumMax - 50;  // + 120
  first[kBasicFirstPlaces] = kStatCountMax;
  fourth[kBasicScoreSum] = -kStatSumMax + 100;  // - 125
  fourth[kBasicFirstPlaces + 3] = kStatCountMax - 1;
  headless::left_click_at(300, 300);
  ASSERT_EQ(g_scene, SCENE_MAIN_MENU);
  EXPECT_EQ(g_stats_basic[first_].words[kBasicScoreSum], kStatSumMax);
  EXPECT_EQ(g_stats_basic[first_].words[kBasicFirstPlaces], kStatCountMax);
  EXPECT_EQ(g_stats_basic[last].words[kBasicScoreSum], -kStatSumMax);
  EXPECT_EQ(g_stats_basic[last].words[kBasicFirstPlaces + 3], kStatCountMax);

  const StatsBlocks booked = saved_stats();
  load_save_file();
  for (int c = 0; c < kPlayerCharacters; ++c)
    for (int w = 0; w < kStatsBasicWords; ++w)
      EXPECT_EQ(g_stats_basic[c].words[w], booked.basic[c].words[w]) << "the file gives back what was booked";
}

TEST(StandingsLayout, ScoreDigitsFollowTheirFixedPositions) {
  const ScoreGlyphs five = standings_score_glyphs(5);
  EXPECT_EQ(five.count, 1);
  EXPECT_EQ(five.x[0], 140);
  EXPECT_EQ(five.minus_x, -1);
  const ScoreGlyphs minus_five = standings_score_glyphs(-5);
  EXPECT_EQ(minus_five.minus_x, 130);
  EXPECT_EQ(minus_five.x[0], 146);
  const ScoreGlyphs big = standings_score_glyphs(1234);
  EXPECT_EQ(big.count, 4);
  EXPECT_EQ((std::vector<int>(big.x, big.x + 4)), (std::vector<int>{116, 132, 148, 164}));
  EXPECT_EQ((std::vector<int>(big.digit, big.digit + 4)), (std::vector<int>{1, 2, 3, 4}));
  const ScoreGlyphs minus_120 = standings_score_glyphs(-120);
  EXPECT_EQ(minus_120.x[0], -2 + 116 + 16);
  EXPECT_EQ(minus_120.minus_x, -2 + 100 + 16);
  EXPECT_EQ(minus_120.count, 3);
  EXPECT_EQ(standings_score_glyphs(0).count, 1);
  EXPECT_EQ(standings_score_glyphs(40).x[0], 132 - 16 + 16);
}

TEST(HeadlessScript, ClicksThroughTheFrontEnd) {
  TestWorkdir dir;
  reset_program_state();
  std::istringstream script(
      "seed 5\n"
      "frames 2\n"
      "click 360 360\n"
      "expect-scene 90\n"
      "move 200 245\n"
      "frames 1\n"
      "click\n"
      "expect-scene 110\n"
      "click 110 160\n"
      "rclick\n"
      "expect-scene 90\n"
      "click 200 216\n"
      "expect-scene 40\n");
  std::ostringstream out, err;
  EXPECT_EQ(run_headless_script(script, out, err), 0) << err.str();
  EXPECT_EQ(read_le_words(dir.file("data/option.dat"))[0], 3) << "the speed row was stepped and saved";
}

}  // namespace
