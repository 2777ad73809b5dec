// The pattern list's explanations as drawn: every entry's lines at their
// heights, none empty, none running into the arrow button, and no example
// tile copied over a line.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>
#include <string>
#include <vector>

#include "base/scene_state.h"
#include "base/sound.h"
#include "draw/gdi.h"
#include "screens/help_yaku_entries.h"
#include "screens/screen_state.h"
#include "screens/screens.h"
#include "support/draw_calls.h"
#include "support/test_workdir.h"

namespace {

// Lines per list position, the title line included.
constexpr int kLineCounts[kYakuEntries] = {
    2, 2, 2, 2, 2, 2, 4, 2, 6, 6, 6, 3, 7,  // page 0
    3, 3, 3, 2, 2, 3, 3, 4, 4, 4,           // page 1
    3, 3, 3, 3,                             // page 2
    3, 3, 3, 3, 3, 4,                       // page 3
    3, 2, 2, 2, 6, 3, 3, 2, 4, 5,           // page 4
    4, 5, 5, 4, 4,                          // page 5
    4, 3, 2, 3, 3, 3,                       // page 6
    4, 3, 4, 6, 3, 4, 4, 4, 4,              // page 7
    4, 4, 3,                                // page 8
    3, 3,                                   // page 9
    3, 4, 4, 4, 3, 3,                       // page 10
    3, 3, 4, 3, 3, 3, 4,                    // page 11
};

// The entries whose lines leave the 30-pixel steps to make room for their rows.
const std::map<int, std::vector<int>> kLineHeights{
    {9, {320, 350, 380, 410, 507, 599}},  {10, {320, 350, 380, 410, 507, 599}}, {11, {320, 350, 380, 410, 507, 599}},
    {21, {320, 350, 380, 477}},           {25, {320, 350, 520}},                {42, {320, 350, 447, 543}},
    {43, {320, 350, 380, 410, 507}},      {44, {320, 350, 380, 477}},           {45, {320, 350, 380, 410, 511}},
    {49, {320, 350, 451, 543}},           {55, {320, 350, 380, 550}},           {56, {320, 350, 452}},
    {64, {320, 350, 380, 550}},
    {72, {320, 350, 380, 550}},  // at 410 the fourth line would lie under the first row (y 420)
};

constexpr int kFirstExplanationY = 300;  // below the list and its separator
constexpr int kLineX = 90;
constexpr int kRightArrowX = 680;

std::set<std::pair<int, int>> text_spots_of(const std::vector<DrawCall>& calls) {
  std::set<std::pair<int, int>> spots;
  for (const DrawCall& c : from_sheet(calls, 0)) spots.insert({c.dx, c.dy});
  return spots;
}

bool overlaps(const DrawCall& a, const DrawCall& b) {
  return a.dx < b.dx + b.w && b.dx < a.dx + a.w && a.dy < b.dy + b.h && b.dy < a.dy + a.h;
}

void check_entry(int position) {
  g_help_page = kYakuEntryTable[position - 1].page;
  g_help_selection = position;
  g_mouse_x = g_mouse_y = 0;
  const auto calls = record_calls(draw_help_yaku_list);

  std::vector<int> expected_y;
  if (kLineHeights.contains(position)) {
    expected_y = kLineHeights.at(position);
  } else {
    for (int i = 0; i < kLineCounts[position - 1]; ++i) expected_y.push_back(320 + 30 * i);
  }
  std::vector<DrawCall> lines;
  for (const DrawCall& c : from_sheet(calls, 0))
    if (c.dy >= kFirstExplanationY) lines.push_back(c);
  ASSERT_EQ(lines.size(), expected_y.size()) << "lines of position " << position;
  std::vector<DrawCall> tiles = from_sheet(calls, 133);
  for (const DrawCall& c : from_sheet(calls, 134)) tiles.push_back(c);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].dx, kLineX);
    EXPECT_EQ(lines[i].dy, expected_y[i]);
    EXPECT_GT(lines[i].w, 2 * 16) << "line " << i << " is empty";
    EXPECT_LT(lines[i].dx + lines[i].w, kRightArrowX) << "line " << i << " runs into the arrow";
    for (const DrawCall& t : tiles) EXPECT_FALSE(overlaps(lines[i], t)) << "line " << i << " under " << describe(t);
  }
  for (const DrawCall& t : tiles) EXPECT_LE(t.dx + t.w, 720) << describe(t);
  for (const DrawCall& c : from_sheet(calls, 125))
    EXPECT_FALSE(c.sx == 80 && c.sy == 120) << "the name is text, no picture covers it";
}

TEST(HelpYakuLayout, EveryEntrysLinesStandAtTheirHeightsClearOfTilesAndArrow) {
  TestWorkdir dir;
  open_headless_program();
  for (int position = 1; position <= kYakuEntries; ++position) {
    SCOPED_TRACE(position);
    check_entry(position);
  }
}

// The pixels of a w x 16 strip at (x, y) after the frame is drawn.
std::vector<std::uint32_t> strip(int x, int y, int w) {
  finish_drawing();
  std::vector<std::uint32_t> out;
  for (int row = y; row < y + 16; ++row)
    for (int col = x; col < x + w; ++col) out.push_back(g_back_surface.at(col, row));
  return out;
}

// The strip as the text alone draws it there.
std::vector<std::uint32_t> text_strip(int x, int y, const char* text) {
  draw_text(x, y, text);
  return strip(x, y, platform::text_width(text));
}

TEST(HelpYakuLayout, HeaderArrowsAndPageLabelFollowThePage) {
  TestWorkdir dir;
  open_headless_program();
  const int points[kYakuPages] = {1, 2, 4, 6, 8, 12, 16, 24, 32, 48, 64, 88};
  const char* labels[kYakuPages] = {" 1 / 12", " 2 / 12", " 3 / 12", " 4 / 12",  " 5 / 12",  " 6 / 12",
                                    " 7 / 12", " 8 / 12", " 9 / 12", "10 / 12", "11 / 12", "12 / 12"};
  g_mouse_x = g_mouse_y = 0;
  for (int page = 0; page < kYakuPages; ++page) {
    SCOPED_TRACE(page);
    g_help_page = page, g_help_selection = 0;
    const auto calls = record_calls(draw_help_yaku_list);
    const int d = points[page] >= 10 ? 0 : -7;
    const auto cell_at = [&](int x, int sx, int w) {
      const DrawCall* c = call_at(calls, 126, x, 112);
      return c != nullptr && c->sx == sx && c->sy == 400 && c->w == w;
    };
    EXPECT_TRUE(cell_at(80, 380, 10) && cell_at(150, 390, 10)) << "brackets";
    EXPECT_TRUE(cell_at(105 + d, 100 + 10 * (points[page] % 10), 10)) << "units digit";
    EXPECT_EQ(points[page] >= 10, cell_at(92, 100 + 10 * (points[page] / 10), 10)) << "tens digit";
    EXPECT_TRUE(cell_at(115 + d, 240, 40)) << "label";
    const DrawCall* right = call_at(calls, 125, 680, 350);
    const DrawCall* left = call_at(calls, 125, 20, 350);
    ASSERT_TRUE(right && left);
    EXPECT_TRUE(right->sx == 80 && right->sy == 80 && left->sx == 100 && left->sy == 80);
    EXPECT_TRUE(right->w == 20 && right->h == 20 && left->w == 20 && left->h == 20);
    EXPECT_TRUE(text_spots_of(calls).contains({70, 270})) << "separator";
    const auto shown = strip(334, 485, 56);
    reset_gdi_state();
    EXPECT_EQ(shown, text_strip(334, 485, labels[page]));
  }
}

TEST(HelpYakuLayout, HoverOnAnEmptySlotSelectsNothing) {
  TestWorkdir dir;
  open_headless_program();
  g_help_page = 0, g_help_selection = 0;
  g_se_request[SE_SELECT] = 0;
  g_mouse_x = 90 + 140 * 1, g_mouse_y = 145 + 30 * 3;  // slot 13 of page 0
  const auto spots = text_spots_of(record_calls(draw_help_yaku_list));
  EXPECT_EQ(g_help_selection, 0);
  EXPECT_EQ(g_se_request[SE_SELECT], 0);
  EXPECT_TRUE(spots.contains({230, 445})) << "the hint stays";
}

TEST(HelpYakuLayout, AllPungsIsWrittenInFull) {
  TestWorkdir dir;
  open_headless_program();
  g_help_page = 3, g_help_selection = 30;  // slot 2 of page 3
  g_mouse_x = g_mouse_y = 0;
  draw_help_yaku_list();
  const auto list = strip(370, 145, 72), title = strip(90, 320, 64);
  reset_gdi_state();
  EXPECT_EQ(list, text_strip(370, 145, "〇 碰碰和"));
  EXPECT_EQ(title, text_strip(90, 320, "碰碰和 ("));
  // The title, and the line at y 350 of the patterns that leave it out.
  EXPECT_EQ(std::string(kYakuEntryTable[30 - 1].lines[0]).find("碰碰和"), 0u);
  for (int position : {60, 65, 68, 72, 73, 74, 75, 78})
    EXPECT_NE(std::string(kYakuEntryTable[position - 1].lines[1]).find("碰碰和"), std::string::npos) << position;
}

}  // namespace
