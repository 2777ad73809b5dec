// The pattern list's explanations as drawn: every entry's lines at their
// heights, none empty, none running into the arrow button, and no example
// tile copied over a line.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "base/scene_state.h"
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

}  // namespace
