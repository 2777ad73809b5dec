// The pattern-wins, recent-matches and ready-hand pages of the statistics screen.
#include <array>

#include "base/stats.h"
#include "draw/gdi.h"
#include "screens/statistics_figures.h"

namespace {

// ------------------------------------------------------------ pattern wins
constexpr int kGridRows = 14;
constexpr int kEmpty = -1;
constexpr int kHeader = 100;  // a cell 100 + n heads the n-point patterns; below 100 a pattern id
constexpr int H(int points) { return kHeader + points; }
constexpr bool is_header(int cell) { return cell >= kHeader; }

using GridRow = std::array<int, 2>;
using Grid = std::array<GridRow, kGridRows>;
constexpr GridRow kNone{kEmpty, kEmpty};
constexpr std::array<Grid, 5> kPatternGrids{{
    {{{H(1), kEmpty}, {0, 1}, {2, 3}, {4, 5}, {6, 7}, {8, 9}, {10, 11}, {80, kEmpty}, {H(2), kEmpty},
      {12, 13}, {14, 15}, {16, 17}, {18, 19}, {20, 21}}},
    {{{H(4), kEmpty}, {22, 23}, {24, 25}, {H(6), kEmpty}, {26, 27}, {28, 30}, {31, 32}, {H(8), kEmpty},
      {29, 33}, {34, 35}, {36, 37}, {38, 39}, {40, 41}, kNone}},
    {{{H(12), kEmpty}, {42, 43}, {44, 45}, {46, kEmpty}, {H(16), kEmpty}, {47, 48}, {49, 50}, {51, 52},
      {H(24), kEmpty}, {53, 54}, {55, 56}, {57, 58}, {59, 60}, {61, kEmpty}}},
    {{{H(32), kEmpty}, {62, 63}, {64, kEmpty}, {H(48), kEmpty}, {65, 66}, {H(64), kEmpty}, {67, 68},
      {69, 70}, {71, 72}, {H(88), kEmpty}, {73, 74}, {75, 76}, {77, 78}, {79, kEmpty}}},
    {{{H(88), kEmpty}, {81, 82}, {83, kEmpty}, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone,
      kNone, kNone}},
}};
constexpr std::array<const char*, 5> kPatternHeadings{
    "[ あがった役の回数と割合 1 ]", "[ あがった役の回数と割合 2 ]", "[ あがった役の回数と割合 3 ]",
    "[ あがった役の回数と割合 4 ]", "[ あがった役の回数と割合 ローカル役 ]",
};

void draw_points_header(int points, int y) {
  blit_bitmap(80, y, 10, 20, kStatsGlyphSheet, 380, 400);
  const bool two_digits = points >= 10;
  if (two_digits) {
    draw_stats_digit(92, y, points / 10 % 10);
    draw_stats_digit(105, y, points % 10);
  } else {
    draw_stats_digit(98, y, points);
  }
  blit_bitmap(two_digits ? 115 : 108, y, 40, 20, kStatsGlyphSheet, 240, 400);
  blit_bitmap(150, y, 10, 20, kStatsGlyphSheet, 390, 400);
}

void draw_pattern_cell(int id, int column, int y, const StatsYaku& yaku, long long wins) {
  const int sx = id < 80 ? 100 * ((id % 40) / 10) : 400;
  const int sy = id < 80 ? 20 * (id % 10) + 200 * (id / 40) : 20 * (id - 80);
  const int x = 300 * column;
  blit_bitmap(85 + x, y, 100, 20, kStatsGlyphSheet, sx, sy);
  draw_stepped_field(yaku.words[id], y, 182 + x, 13, 4, 3);
  draw_share(stats_ratio(yaku.words[id], 10000, wins), 247 + x, y);
}

}  // namespace

void draw_pattern_page(int character, int sub_page) {
  blit_bitmap(102, 100, 40, 20, kStatsWordSheet, 80, 140);
  draw_stepped_field(g_stats_basic[character].words[kBasicMatches] * 16LL, 100, 161, 12, 6, 5);
  const long long wins = g_stats_ai[character].words[kAiWins];
  blit_bitmap(90, 125, 50, 20, kStatsWordSheet, 80, 0);
  draw_stepped_field(wins, 125, 173, 12, 5, 4);
  draw_text(sub_page == 4 ? 220 : 252, 168, kPatternHeadings[sub_page]);
  int gap = 10;
  for (int r = 0; r < kGridRows; ++r) {
    const GridRow& row = kPatternGrids[sub_page][r];
    if (is_header(row[0])) gap += 25;
    const int y = 165 + 25 * r + gap;
    for (int column = 0; column < 2; ++column) {
      const int cell = row[column];
      if (cell == kEmpty) continue;
      if (is_header(cell)) draw_points_header(cell - kHeader, y);
      else draw_pattern_cell(cell, column, y, g_stats_yaku[character], wins);
    }
  }
}

// --------------------------------------------------------- recent matches
namespace {

constexpr int kCountTensX[3] = {427, 497, 567};
constexpr int kCountUnitsX[3] = {440, 510, 580};
constexpr int kCountWords[3] = {kRecentWins, kRecentSelfDrawn, kRecentDealIns};

void draw_recent_heads() {
  draw_text(308, 185, "[ 最近の成績 ]");
  blit_bitmap(97, 225, 80, 20, kStatsWordSheet, 0, 0);
  blit_bitmap(224, 225, 40, 20, kStatsWordSheet, 80, 20);
  blit_bitmap(330, 225, 40, 20, kStatsWordSheet, 80, 40);
  blit_bitmap(395, 225, 60, 20, kStatsWordSheet, 0, 120);
  blit_bitmap(465, 225, 60, 20, kStatsWordSheet, 0, 140);
  blit_bitmap(535, 225, 60, 20, kStatsWordSheet, 0, 180);
}

void draw_recent_row(const StatsRecent& match, int y) {
  const int* w = match.words;
  if (w[kRecentMatchNumber] == 0) {
    for (int k = 0; k < 5; ++k) draw_stats_dash(114 + 13 * k, y);
    for (int k = 0; k < 4; ++k) draw_stats_dash(320 + 13 * k, y);
    draw_stats_dash(247, y);
    for (int x : kCountUnitsX) draw_stats_dash(x, y);
    return;
  }
  draw_stepped_field(w[kRecentMatchNumber], y, 114, 13, 5, w[kRecentMatchNumber] > 10000 ? 0 : 4);
  draw_stats_field(w[kRecentPlace], y, {247}, 0);
  draw_signed_stats_field(w[kRecentScore], y, {320, 333, 346, 359}, 3, 13);
  for (int i = 0; i < 3; ++i) {
    const int count = w[kCountWords[i]] < 0 ? 0 : w[kCountWords[i]];
    if (count >= 10) draw_stats_digit(kCountTensX[i], y, count / 10 % 10);
    draw_stats_digit(kCountUnitsX[i], y, count % 10);
  }
}

// The means over the used rows, times 10.
void draw_recent_means(const StatsRecent* rows) {
  long long sums[6] = {};
  long long used = 0;
  for (int r = 0; r < kRecentMatches; ++r) {
    if (rows[r].words[kRecentMatchNumber] <= 0) continue;
    ++used;
    for (int w = 0; w < kStatsRecentWords; ++w) sums[w] += rows[r].words[w];
  }
  constexpr int y = 530;
  blit_bitmap(131, y, 40, 20, kStatsWordSheet, 80, 60);
  const long long place = stats_ratio(sums[kRecentPlace], 10, used);
  draw_stats_field(place / 10, y, {228}, 0);
  draw_stats_point(240, y);
  draw_stats_field(place, y, {247}, 0);
  draw_signed_stats_field(stats_ratio(sums[kRecentScore], 10, used), y, {301, 314, 327, 340, 359}, 3, 14);
  draw_stats_point(352, y);
  for (int i = 0; i < 3; ++i) {
    const long long v = stats_ratio(sums[kCountWords[i]], 10, used);
    const int units = kCountUnitsX[i];
    if (v >= 100) draw_stats_field(v / 100, y, {units - 32}, 0);
    draw_stats_field(v / 10, y, {units - 19}, 0);
    draw_stats_point(units - 7, y);
    draw_stats_field(v, y, {units}, 0);
  }
}

}  // namespace

void draw_recent_page(int character) {
  draw_recent_heads();
  const StatsRecent* rows = g_stats_recent[character];
  for (int r = 0; r < kRecentMatches; ++r) draw_recent_row(rows[r], 255 + 25 * r);
  for (int i = 0; i < 28; ++i) blit_bitmap(77 + 20 * i, 505, 20, 20, kStatsGlyphSheet, 220, 400);
  draw_recent_means(rows);
}

// --------------------------------------------------------- ready hands
namespace {

constexpr std::array<const char*, 6> kReadyLabels{"局数",       "和了数",          "テンパイ数",
                                                  "テンパイ巡", "テンパイ数 8点↑", "テンパイ巡 8点↑"};
constexpr std::array<int, 6> kReadyY{150, 180, 220, 250, 290, 320};

void draw_ready_count(long long count, long long hands, int y, bool with_share) {
  draw_stepped_field(count, y, 260, 13, 4, 3);
  if (with_share) draw_share(stats_ratio(count, 10000, hands), 340, y);
}

void draw_ready_turns(long long turn_sum, long long count, int y) {
  draw_stats_field(stats_ratio(turn_sum, 10, count), y, {267, 280, 299}, 1);
  draw_stats_point(292, y);
}

}  // namespace

void draw_ready_page(int character) {
  const int* a = g_stats_ai[character].words;
  const long long hands = a[kAiHands];
  draw_text(100, 112, "[ AI確認用のデータ ]");
  for (int i = 0; i < 6; ++i) draw_text(100, kReadyY[i], kReadyLabels[i]);
  draw_ready_count(hands, hands, kReadyY[0], false);
  draw_ready_count(a[kAiWins], hands, kReadyY[1], true);
  draw_ready_count(a[kAiHandsReady], hands, kReadyY[2], true);
  draw_ready_turns(a[kAiTurnsToReady], a[kAiHandsReady], kReadyY[3]);
  draw_ready_count(a[kAiHandsReady8], hands, kReadyY[4], true);
  draw_ready_turns(a[kAiTurnsToReady8], a[kAiHandsReady8], kReadyY[5]);
}
