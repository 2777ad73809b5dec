// The example hands of the pattern list, scored by the game's own win
// evaluation and scorer: each row is a complete hand that holds the pattern
// it illustrates, except the rows whose caption shows where the pattern
// stops. The winner sits South in the East round and wins on a discard
// unless the table below says otherwise.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/tiles.h"
#include "core/yaku_table.h"
#include "screens/help_yaku_entries.h"
#include "support/scoring_fixture.h"

namespace {

// The pattern id each list position explains, positions 1 to 81 in order.
constexpr int kPatternOfPosition[kYakuEntries] = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 80,             // page 0
    12, 13, 14, 15, 16, 17, 18, 19, 20, 21,                         // page 1
    22, 23, 24, 25,                                                 // page 2
    26, 27, 28, 30, 31, 32,                                         // page 3
    29, 33, 34, 35, 36, 37, 38, 39, 40, 41,                         // page 4
    42, 43, 44, 45, 46,                                             // page 5
    47, 48, 49, 50, 51, 52,                                         // page 6
    53, 54, 55, 56, 57, 58, 59, 60, 61,                             // page 7
    62, 63, 64,                                                     // page 8
    65, 66,                                                         // page 9
    67, 68, 69, 70, 71, 72,                                         // page 10
    73, 74, 75, 76, 77, 78, 79,                                     // page 11
};

constexpr int kNoPattern = -1;

// A row that shows where its pattern stops: a win without the pattern,
// holding `instead` when that is not kNoPattern.
struct ContrastRow {
  int position, row, instead;
};
constexpr ContrastRow kContrastRows[] = {
    {9, 1, kNoPattern},                  // 1 2 2 2 waits on 1 and 3: no edge wait
    {10, 1, kNoPattern},                 // 7 7 7 9 waits on 8 and 9: no closed wait
    {11, 1, kNoPattern},                 // 14 15 16 17 waits on 14 and 17: no single wait
    {42, 1, kYaku21ConcealedHand},       // a closed hand is never a chicken hand
    {55, 1, kYaku54PureShiftedPungs},    // 333444555 scores more as shifted pungs
};

// Positions whose rows are won by self-draw: the pung won on a discard
// would not be concealed.
const std::set<int> kSelfDrawnPositions{73};

// The tiles that read the same upside down, as the reversible-tiles rule lists them.
const std::vector<int> kReversibleTiles{11, 12, 13, 14, 15, 18, 19, 22, 24, 25, 26, 28, 29, kWhite};
constexpr int kReversibleLegend = 43;  // its first row lists those tiles, no hand

// A row in the win-hand notation of the test support: "at X" dropped, each
// face-down kong "[38 38 38 38]" written as a concealed kong of a tile the
// row does not hold.
std::string as_win_text(const std::string& row) {
  std::istringstream in(row);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  std::set<int> held;
  for (const std::string& w : words)
    if (w.find_first_of("0123456789") != std::string::npos && w.find_first_not_of("[]0123456789") == std::string::npos)
      held.insert(std::stoi(w.substr(w.find_first_of("0123456789"))));
  std::string out;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words[i] == "at") {
      ++i;
      continue;
    }
    if (words[i] == "[38" && i + 3 < words.size() && words[i + 3] == "38]") {
      const int* kong = std::find_if(kPlayingTiles.begin(), kPlayingTiles.end(), [&](int t) { return !held.contains(t); });
      held.insert(*kong);
      const std::string t = std::to_string(*kong);
      out += "(" + t + " " + t + " " + t + " " + t + ") ";
      i += 3;
      continue;
    }
    out += words[i] + " ";
  }
  return out;
}

const ContrastRow* contrast_of(int position, int row) {
  for (const ContrastRow& c : kContrastRows)
    if (c.position == position && c.row == row) return &c;
  return nullptr;
}

class YakuListExamples : public ScoringTest {
 protected:
  void check_rows(int position);
};

void YakuListExamples::check_rows(int position) {
  const YakuListEntry& entry = kYakuEntryTable[position - 1];
  const int id = kPatternOfPosition[position - 1];
  ASSERT_EQ(entry.pattern_id, id);
  const int by_discard = kSelfDrawnPositions.contains(position) ? 0 : 1;
  for (int r = 0; r < yaku_row_count(entry); ++r) {
    const std::string row = entry.rows[r].tiles;
    SCOPED_TRACE(row);
    if (position == kReversibleLegend && r == 0) {
      std::vector<int> tiles;
      std::istringstream in(row);
      for (int t; in >> t;) tiles.push_back(t);
      EXPECT_EQ(tiles, kReversibleTiles);
      continue;
    }
    if (id == kYaku80Flowers) {
      EXPECT_EQ(row, "[41 42 43 44 45 46 47 48]") << "the eight flowers, one each";
      continue;
    }
    const WinScore s = win(as_win_text(row), by_discard);
    if (!s.listed || !s.valid) {
      ADD_FAILURE() << "no win";
      continue;
    }
    const ContrastRow* contrast = contrast_of(position, r);
    if (!contrast) {
      EXPECT_TRUE(s.found.contains(id)) << describe_patterns(s.found);
      continue;
    }
    EXPECT_FALSE(s.found.contains(id)) << describe_patterns(s.found);
    if (contrast->instead != kNoPattern) {
      EXPECT_TRUE(s.found.contains(contrast->instead)) << describe_patterns(s.found);
    }
  }
}

TEST_F(YakuListExamples, EveryRowIsAWinThatShowsItsPattern) {
  for (int position = 1; position <= kYakuEntries; ++position) {
    SCOPED_TRACE(position);
    SetUp();
    check_rows(position);
  }
}

TEST(YakuListExampleText, FaceDownKongsBecomeConcealedKongsOfUnheldTiles) {
  EXPECT_EQ(as_win_text("2 3 + 1 / [38 38 38 38] at 485 / [1 2 3]"), "2 3 + 1 / (4 4 4 4) / [1 2 3] ");
}

}  // namespace
