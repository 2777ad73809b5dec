#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/stats.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "screens/screen_state.h"
#include "screens/screens.h"
#include "support/draw_calls.h"
#include "support/test_workdir.h"

namespace {

constexpr int kGlyphs = 126;
constexpr int kLabels = 124;
constexpr int kWords = 125;

// The small glyphs drawn on row y between x0 and x1, read left to right as
// digits, '.' and '-'.
std::string glyphs_on_row(const std::vector<DrawCall>& calls, int y, int x0, int x1) {
  std::vector<DrawCall> row;
  for (const DrawCall& c : from_sheet(calls, kGlyphs))
    if (c.dy == y && c.dx >= x0 && c.dx <= x1 && c.sy == 400 && c.w <= 10) row.push_back(c);
  std::sort(row.begin(), row.end(), [](const DrawCall& a, const DrawCall& b) { return a.dx < b.dx; });
  std::string out;
  for (const DrawCall& c : row) {
    if (c.sx == 325) out += '.';
    else if (c.sx == 220) out += '-';
    else if (c.sx >= 100 && c.sx < 200) out += static_cast<char>('0' + (c.sx - 100) / 10);
    else out += '?';
  }
  return out;
}

std::string left_figure(const std::vector<DrawCall>& calls, int y) { return glyphs_on_row(calls, y, 200, 300); }
std::string right_figure(const std::vector<DrawCall>& calls, int y) { return glyphs_on_row(calls, y, 450, 550); }

class StatisticsScreens : public ::testing::Test {
 protected:
  void SetUp() override {
    open_headless_program();
    headless::left_click_at(10, 10);  // past the title: statistics cleared, no files
    headless::left_click_at(190, 430);  // menu: character and statistics
  }
  std::vector<DrawCall> draw() { return record_calls(scene_character_data); }
  TestWorkdir dir_;
};

TEST_F(StatisticsScreens, SummaryFiguresComeFromTheBasicAndAiWords) {
  ASSERT_EQ(g_scene, SCENE_CHARACTER_DATA);
  int* b = g_stats_basic[0].words;
  b[kBasicMatches] = 12;
  b[kBasicScoreSum] = -42;
  b[kBasicFirstPlaces + 0] = 4, b[kBasicFirstPlaces + 1] = 3, b[kBasicFirstPlaces + 2] = 3, b[kBasicFirstPlaces + 3] = 2;
  int* a = g_stats_ai[0].words;
  a[kAiHands] = 9'999'999;  // x 1000 leaves 32 bits
  a[kAiHandsWon] = 7'999'999;
  a[kAiWins] = 9'999'999;
  a[kAiTurnsToWin] = 99'999'999;  // the divisor A2 x 100 leaves 32 bits too
  a[kAiPointsWon] = -25'000'000;
  a[kAiLowestScore] = -75;
  a[kAiFalseWins] = 1;
  const auto calls = draw();
  EXPECT_EQ(glyphs_on_row(calls, 180, 200, 300), "12");
  EXPECT_EQ(left_figure(calls, 220), "33.3");
  EXPECT_EQ(left_figure(calls, 295), "16.6");
  EXPECT_EQ(left_figure(calls, 335), "2.2") << "(4 + 6 + 9 + 8) x 10 / 12";
  EXPECT_EQ(left_figure(calls, 375), "-3.5");
  EXPECT_NE(call_at(calls, kGlyphs, 249, 375), nullptr) << "the dash 13 px left of the 3";
  EXPECT_EQ(left_figure(calls, 425), "-75.0");
  EXPECT_EQ(right_figure(calls, 180), "100.0");
  EXPECT_EQ(right_figure(calls, 255), "10.0");
  EXPECT_EQ(right_figure(calls, 280), "-2.5") << "-250,000,000 tenths show their low five digits";
  EXPECT_EQ(right_figure(calls, 550), "20.0");
  EXPECT_EQ(right_figure(calls, 370), "0.0") << "no hands with a call: no success rate";
  EXPECT_EQ(right_figure(calls, 420), "0.0");
  EXPECT_EQ(right_figure(calls, 590), "0.0") << "1 false win in 10,000,000 is below 0.1%";
}

TEST_F(StatisticsScreens, ACharacterWithNoHandsShowsZerosAndOnlyTheUserHasAFalseWinRow) {
  g_stats_ai[3].words[kAiHighestScore] = 120;  // ignored while no hand was played
  g_character_page = 3;
  const auto calls = draw();
  EXPECT_EQ(glyphs_on_row(calls, 180, 200, 300), "0");
  for (int y : {220, 245, 270, 295, 375, 400, 425}) EXPECT_EQ(left_figure(calls, y), "0.0") << y;
  EXPECT_EQ(left_figure(calls, 335), "0.0");
  for (int y : {180, 205, 230, 255, 280, 305, 345, 370, 395, 420, 460, 485, 510, 550})
    EXPECT_EQ(right_figure(calls, y), "0.0") << y;
  EXPECT_EQ(call_at(calls, kLabels, 380, 590), nullptr);
  EXPECT_EQ(right_figure(calls, 590), "");
  const DrawCall* page = call_at(calls, 109, 10, 10);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->sx, 150);
  g_character_page = 0;
  const auto user_calls = draw();
  EXPECT_NE(call_at(user_calls, kLabels, 380, 590), nullptr);
}

TEST_F(StatisticsScreens, TheUsersNameCellFollowsTheVoiceOption) {
  g_options[opt_player_female] = 1;
  auto calls = draw();
  const DrawCall* name = call_at(calls, 107, 115, 72);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->sy, 140);
  g_character_page = 1;
  calls = draw();
  name = call_at(calls, 107, 115, 72);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->sy, 20);
}

TEST_F(StatisticsScreens, KeysPageThroughTheDataPagesAndPatternSubPages) {
  g_stats_basic[0].words[kBasicMatches] = 5;
  g_stats_ai[0].words[kAiWins] = 8;
  g_stats_yaku[0].words[0] = 3;   // pattern 0: first cell of sub-page 0
  g_stats_yaku[0].words[83] = 2;  // the last pattern, on the local sub-page
  headless::key(platform::kVkDown);
  ASSERT_EQ(g_data_page, 1);
  auto calls = draw();
  EXPECT_EQ(glyphs_on_row(calls, 100, 150, 240), "80") << "five matches of 16 hands";
  const DrawCall* strip = call_at(calls, kGlyphs, 85, 225);
  ASSERT_NE(strip, nullptr) << "pattern 0 below the 1-point header";
  EXPECT_EQ(strip->sx, 0);
  EXPECT_EQ(strip->sy, 0);
  EXPECT_EQ(glyphs_on_row(calls, 225, 180, 240), "3");
  EXPECT_EQ(glyphs_on_row(calls, 225, 250, 320), "3750") << "3 of 8 wins: 37.50 inside the bracket strip";
  EXPECT_NE(call_at(calls, kWords, 350, 680), nullptr);
  for (int i = 0; i < 4; ++i) headless::key(platform::kVkDown);
  ASSERT_EQ(g_help_page, 4);
  calls = draw();
  strip = call_at(calls, kGlyphs, 85, 225);
  ASSERT_NE(strip, nullptr) << "pattern 81 below the 88-point header";
  EXPECT_EQ(strip->sx, 400);
  EXPECT_EQ(strip->sy, 20);
  const DrawCall* last = call_at(calls, kGlyphs, 85, 250);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->sy, 60);
  EXPECT_EQ(glyphs_on_row(calls, 250, 250, 320), "2500");
  EXPECT_EQ(call_at(calls, kWords, 350, 680), nullptr) << "no way further down";
  g_data_page = 3;
  calls = draw();
  EXPECT_EQ(call_at(calls, kWords, 350, 20), nullptr) << "no way further up";
  EXPECT_EQ(glyphs_on_row(calls, 180, 250, 320), "8");
  EXPECT_EQ(glyphs_on_row(calls, 250, 260, 310), "0.0") << "no ready hands: no mean turn";
}

TEST_F(StatisticsScreens, RecentMatchesShowTheirRowsDashesAndMeans) {
  StatsRecent* rows = g_stats_recent[2];
  rows[0] = StatsRecent{{31, 2, -35, 12, 3, 1}};
  rows[1] = StatsRecent{{32, 1, 40, 13, 0, 0}};
  g_character_page = 2;
  g_data_page = 2;
  const auto calls = draw();
  EXPECT_EQ(glyphs_on_row(calls, 255, 100, 180), "31");
  EXPECT_EQ(glyphs_on_row(calls, 255, 240, 250), "2");
  EXPECT_EQ(glyphs_on_row(calls, 255, 300, 370), "-35");
  EXPECT_NE(call_at(calls, kGlyphs, 333, 255), nullptr) << "the dash 13 px left of the 3";
  EXPECT_EQ(glyphs_on_row(calls, 255, 420, 450), "12");
  EXPECT_EQ(glyphs_on_row(calls, 255, 490, 520), "3");
  EXPECT_NE(call_at(calls, kGlyphs, 510, 255), nullptr) << "a single digit sits at the units place";
  EXPECT_EQ(glyphs_on_row(calls, 280, 420, 450), "13");
  for (int r = 2; r < kRecentMatches; ++r) EXPECT_EQ(glyphs_on_row(calls, 255 + 25 * r, 0, 720), "-------------") << r;
  EXPECT_EQ(glyphs_on_row(calls, 530, 220, 250), "1.5");
  EXPECT_EQ(glyphs_on_row(calls, 530, 280, 370), "2.5");
  EXPECT_EQ(glyphs_on_row(calls, 530, 400, 450), "12.5");
  EXPECT_EQ(glyphs_on_row(calls, 530, 470, 520), "1.5");
  EXPECT_EQ(glyphs_on_row(calls, 530, 540, 590), "0.5");
}

TEST_F(StatisticsScreens, TheDeletionScreenOffersOnceThenSaysItIsDone) {
  headless::right_click_at(300, 300);
  headless::left_click_at(190, 475);  // menu: delete the statistics
  ASSERT_EQ(g_scene, SCENE_DATA_DELETE);
  const auto texts_at = [](const std::vector<DrawCall>& calls, int x, int y) {
    int n = 0;
    for (const DrawCall& c : calls) n += c.id == 0 && c.dx == x && c.dy == y;
    return n;
  };
  headless::mouse_move(600, 600);
  auto calls = record_calls(scene_data_delete);
  EXPECT_EQ(texts_at(calls, 230, 320), 1);
  EXPECT_EQ(texts_at(calls, 230, 360), 0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(texts_at(calls, 210, 180 + 40 * i), 1);
  EXPECT_EQ(texts_at(calls, 220, 480), 1);
  headless::mouse_move(320, 336);
  calls = record_calls(scene_data_delete);
  EXPECT_EQ(texts_at(calls, 230, 320), 2) << "the hovered choice is drawn over the plain one";
  g_stats_deleted = 1;
  calls = record_calls(scene_data_delete);
  EXPECT_EQ(texts_at(calls, 230, 320), 0);
  EXPECT_EQ(texts_at(calls, 230, 360), 1);
  EXPECT_EQ(texts_at(calls, 220, 480), 1);
}

}  // namespace
