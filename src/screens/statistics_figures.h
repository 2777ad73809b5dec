// Figures of the statistics screen, drawn glyph by glyph from the small
// digits of the pattern-name sheet, and the ratios behind them.
#pragma once

#include <initializer_list>

constexpr int kStatsGlyphSheet = 126;  // IDB_YAKU_NAMES: pattern names, small digits, glyphs
constexpr int kStatsWordSheet = 125;   // IDB_STATS_WORDS: column words and arrows

// numerator x factor / denominator in 64 bits; 0 when the denominator is 0 or less.
constexpr long long stats_ratio(long long numerator, long long factor, long long denominator) {
  return denominator <= 0 ? 0 : numerator * factor / denominator;
}
static_assert(stats_ratio(9'999'999, 1000, 9'999'999) == 1000 && stats_ratio(5, 1000, 0) == 0);

// One digit 0..9, the dash, the decimal point, at (x, y).
void draw_stats_digit(int x, int y, int digit);
void draw_stats_dash(int x, int y);
void draw_stats_point(int x, int y);

// A field of digit positions at `xs` (most significant first) showing
// |value| mod 10^n: a leading zero is left out unless its position is at or
// after `forced`. Returns the x of the first digit drawn. An unsigned field
// shows a negative value as 0.
int draw_stats_field(long long value, int y, std::initializer_list<int> xs, int forced);
// The same with the dash `dash_gap` px left of the first digit of a negative value.
void draw_signed_stats_field(long long value, int y, std::initializer_list<int> xs, int forced, int dash_gap);
// n positions at x0 + step k.
void draw_stepped_field(long long value, int y, int x0, int step, int n, int forced);
// The two-decimal share in its bracket strip at (x, y): 5 digits from x + 7, 13 px apart, the
// last two 5 px further, at least 0.00.
void draw_share(long long share, int x, int y);

// The three data pages other than the summary and the pattern wins.
void draw_pattern_page(int character, int sub_page);
void draw_recent_page(int character);
void draw_ready_page(int character);
