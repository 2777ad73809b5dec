// The help screens' texts at their positions, the sub-pages of the counting
// rules and the hover selection of the pattern list; the text pages drawn
// with the generated art.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/scene_state.h"
#include "base/sound.h"
#include "draw/gdi.h"
#include "platform/platform.h"
#include "screens/screen_state.h"
#include "screens/screens.h"
#include "support/draw_calls.h"
#include "support/test_workdir.h"

namespace {

using Spot = std::pair<int, int>;

std::set<Spot> text_spots(void (*draw)()) {
  std::set<Spot> spots;
  for (const DrawCall& call : from_sheet(record_calls(draw), 0)) spots.insert({call.dx, call.dy});
  return spots;
}

class HelpScreens : public ::testing::Test {
 protected:
  void SetUp() override {
    open_headless_program();
    g_help_page = 0;
    g_help_selection = 0;
    g_se_request[SE_SELECT] = 0;
  }
  TestWorkdir dir_;
};

TEST_F(HelpScreens, TextScreensDrawTheirTitleAndEveryLine) {
  struct Case {
    void (*draw)();
    Spot title;
    std::vector<int> line_y;
    int line_x;
  };
  std::vector<int> thirty, seventeen;
  for (int i = 0; i < 15; ++i) thirty.push_back(120 + 30 * i);
  for (int i = 0; i < 17; ++i) seventeen.push_back(120 + 30 * i);
  const std::vector<Case> cases{
      {draw_help_differences, {60, 60}, thirty, 60},
      {draw_help_game_rules, {60, 60}, seventeen, 60},
      {draw_help_advice, {60, 100}, {150, 174, 198, 242, 268, 292, 316, 340, 384, 410, 434, 478, 504, 528}, 70},
  };
  for (const Case& c : cases) {
    const auto spots = text_spots(c.draw);
    EXPECT_EQ(spots.size(), c.line_y.size() + 1);
    EXPECT_TRUE(spots.contains(c.title));
    for (int y : c.line_y) EXPECT_TRUE(spots.contains({c.line_x, y})) << "line at y " << y;
  }
}

TEST_F(HelpScreens, CountingRulesPagesChangeTheTextAndTheLabel) {
  std::vector<std::set<Spot>> pages;
  for (int page = 0; page < 3; ++page) {
    g_help_page = page;
    const auto calls = record_calls(draw_help_yaku_rules);
    const DrawCall* label = call_at(calls, 109, 640, 660);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->sx, 350 + 50 * page);
    pages.push_back(text_spots(draw_help_yaku_rules));
    EXPECT_TRUE(pages.back().contains({60, 60}) && pages.back().contains({260, 670}));
  }
  EXPECT_EQ(pages[0].size(), 22u);
  for (int i = 0; i < 20; ++i) EXPECT_TRUE(pages[0].contains({60, 120 + 25 * i}));
  EXPECT_TRUE(pages[1].contains({290, 563}) && pages[1].contains({290, 585}) && pages[1].contains({290, 525}));
  EXPECT_TRUE(pages[2].contains({95, 595}) && pages[2].contains({95, 420}) && pages[2].contains({60, 500}));
  EXPECT_NE(pages[0], pages[1]);
  EXPECT_NE(pages[1], pages[2]);
}

// Sheet 139's pictures: the whole hand and the four chow pairs of the
// second sub-page, the three caption hands and the hand of pungs of the third.
TEST_F(HelpScreens, CountingRulesPicturesComeFromTheirCells) {
  using Copy = std::vector<int>;  // dx, dy, w, sx, sy
  const std::vector<std::vector<Copy>> expected{
      {},
      {{100, 236, 446, 0, 0}, {120, 331, 200, 0, 52}, {120, 406, 200, 0, 104}, {120, 481, 200, 200, 52},
       {120, 556, 200, 200, 104}},
      {{90, 181, 470, 0, 156}, {90, 271, 470, 0, 208}, {90, 361, 470, 0, 260}, {90, 536, 470, 0, 312}},
  };
  for (int page = 0; page < 3; ++page) {
    g_help_page = page;
    std::vector<Copy> copies;
    for (const DrawCall& c : from_sheet(record_calls(draw_help_yaku_rules), 139)) {
      EXPECT_EQ(c.h, 52);
      copies.push_back({c.dx, c.dy, c.w, c.sx, c.sy});
    }
    EXPECT_EQ(copies, expected[static_cast<std::size_t>(page)]) << "sub-page " << page;
  }
}

TEST_F(HelpScreens, PatternListSelectsOnTheMarkAndSoundsOnlyOnAChange) {
  g_mouse_x = 106, g_mouse_y = 161;
  draw_help_yaku_list();
  EXPECT_EQ(g_help_selection, 1);
  EXPECT_EQ(g_se_request[SE_SELECT], 1);
  g_se_request[SE_SELECT] = 0;
  draw_help_yaku_list();
  EXPECT_EQ(g_se_request[SE_SELECT], 0) << "staying on the mark plays no further sound";

  g_mouse_x = 107;
  const auto away = text_spots(draw_help_yaku_list);
  EXPECT_EQ(g_help_selection, 1) << "leaving the box keeps the selection";
  EXPECT_TRUE(away.contains({90, 320}) && away.contains({90, 350}));
  EXPECT_FALSE(away.contains({230, 445})) << "the hint gives way to the explanation";

  g_mouse_x = 90 + 140 * 1, g_mouse_y = 145 + 30 * 3;  // slot 13 of page 0 is empty
  draw_help_yaku_list();
  EXPECT_EQ(g_help_selection, 1);
  EXPECT_EQ(g_se_request[SE_SELECT], 0);

  g_help_page = 11, g_help_selection = 0;
  g_mouse_x = 90 + 140 * 2, g_mouse_y = 145 + 30;  // slot 6: the seventh 88-point pattern
  const auto calls = record_calls(draw_help_yaku_list);
  EXPECT_EQ(g_help_selection, 81);
  EXPECT_EQ(g_se_request[SE_SELECT], 1);
  EXPECT_EQ(from_sheet(calls, 133).size(), 14u) << "nine gates: thirteen tiles and the one won";
  EXPECT_NE(call_at(calls, 126, 92, 112), nullptr) << "two-digit header";
}

TEST_F(HelpScreens, PatternListExampleTilesFollowTheirGroups) {
  g_help_page = 0, g_help_selection = 6;  // a melded kong at x 485 after ten concealed tiles
  const auto calls = record_calls(draw_help_yaku_list);
  const auto hand = from_sheet(calls, 133);
  const auto meld = from_sheet(calls, 134);
  ASSERT_EQ(hand.size(), 11u);
  ASSERT_EQ(meld.size(), 4u);
  EXPECT_EQ(hand[0].dx, 110);
  EXPECT_EQ(hand[9].dx, 110 + 31 * 9);
  EXPECT_EQ(hand[10].dx, 110 + 31 * 9 + 44) << "the tile won stands apart";
  for (int i = 0; i < 4; ++i) EXPECT_EQ(meld[i].dx, 485 + 31 * i);
  EXPECT_EQ(hand[0].dy, 390);
  EXPECT_NE(call_at(calls, 126, 98, 112), nullptr) << "one-digit header shifted left";
}

// The text pages drawn whole with the generated art: every pixel of ink of
// every line is still there at the end of the frame (no picture, label or
// later line covers it) and lies on the card, whose white runs down beside
// every line; every picture copied shows something.
class HelpPages : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists("art/139.png")) GTEST_SKIP() << "no generated art: run build/ruvelka-gen-art";
    gdi_setup();
  }

  // The ink pixels of the line lost in the frame, and those right of the card.
  static std::pair<int, int> lost_and_outside(const DrawCall& line) {
    platform::Surface alone(line.w, line.h, 0xFFFFFF);
    platform::text_out(alone, 0, 0, line.text);
    int lost = 0, outside = 0;
    for (int y = 0; y < alone.height; ++y)
      for (int x = 0; x < alone.width; ++x) {
        if (alone.at(x, y) == 0xFFFFFF) continue;
        lost += g_back_surface.at(line.dx + x, line.dy + y) != alone.at(x, y);
        outside += line.dx + x >= kHelpCardRight;
      }
    return {lost, outside};
  }

  static int colours_at(const DrawCall& copy) {
    std::set<std::uint32_t> seen;
    for (int y = 0; y < copy.h; ++y)
      for (int x = 0; x < copy.w; ++x) seen.insert(g_back_surface.at(copy.dx + x, copy.dy + y));
    return static_cast<int>(seen.size());
  }
};

TEST_F(HelpPages, NoLineIsCoveredAndEveryPictureShowsTiles) {
  struct Page {
    void (*draw)();
    int sub_page;
    int pictures;
  };
  const std::vector<Page> pages{{draw_help_differences, 0, 0}, {draw_help_game_rules, 0, 0}, {draw_help_advice, 0, 0},
                                {draw_help_yaku_rules, 0, 0},  {draw_help_yaku_rules, 1, 5}, {draw_help_yaku_rules, 2, 4}};
  for (const Page& page : pages) {
    g_help_page = page.sub_page;
    const auto calls = record_calls(page.draw);
    finish_drawing();
    for (const DrawCall& line : from_sheet(calls, 0)) {
      const auto [lost, outside] = lost_and_outside(line);
      EXPECT_EQ(lost, 0) << "covered: " << line.text;
      EXPECT_EQ(outside, 0) << "beyond the card: " << line.text;
      EXPECT_EQ(g_back_surface.at(kHelpCardLeft + 10, line.dy + 8), 0xFFFFFFu) << "off the card: " << line.text;
    }
    const auto pictures = from_sheet(calls, 139);
    EXPECT_EQ(static_cast<int>(pictures.size()), page.pictures);
    for (const DrawCall& picture : pictures) EXPECT_GT(colours_at(picture), 40) << describe(picture);
  }
}

}  // namespace
