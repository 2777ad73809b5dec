#include "screens/statistics_figures.h"

#include "draw/gdi.h"

namespace {

constexpr int kGlyphRow = 400;
constexpr int kGlyphHeight = 20;
constexpr int kDigitX = 100;  // digit d at 100 + 10 d
constexpr int kDashX = 220;
constexpr int kPointX = 325;
constexpr int kBracketStripX = 280;

long long magnitude(long long value) { return value < 0 ? -value : value; }

}  // namespace

void draw_stats_digit(int x, int y, int digit) {
  blit_bitmap(x, y, 10, kGlyphHeight, kStatsGlyphSheet, kDigitX + 10 * digit, kGlyphRow);
}
void draw_stats_dash(int x, int y) { blit_bitmap(x, y, 10, kGlyphHeight, kStatsGlyphSheet, kDashX, kGlyphRow); }
void draw_stats_point(int x, int y) { blit_bitmap(x, y, 5, kGlyphHeight, kStatsGlyphSheet, kPointX, kGlyphRow); }

namespace {

// |value| mod 10^n at the n positions xs; returns the x of the first digit drawn.
int draw_digits(long long value, int y, const int* xs, int n, int forced) {
  long long power = 1;
  for (int k = 1; k < n; ++k) power *= 10;
  const long long shown = magnitude(value) % (power * 10);
  int first_x = -1;
  for (int k = 0; k < n; ++k, power /= 10) {
    const int digit = static_cast<int>(shown / power % 10);
    if (first_x < 0 && (digit != 0 || k >= forced)) first_x = xs[k];
    if (first_x >= 0) draw_stats_digit(xs[k], y, digit);
  }
  return first_x;
}

}  // namespace

int draw_stats_field(long long value, int y, std::initializer_list<int> xs, int forced) {
  return draw_digits(value < 0 ? 0 : value, y, xs.begin(), static_cast<int>(xs.size()), forced);
}

void draw_signed_stats_field(long long value, int y, std::initializer_list<int> xs, int forced, int dash_gap) {
  const int first_x = draw_digits(value, y, xs.begin(), static_cast<int>(xs.size()), forced);
  if (value < 0) draw_stats_dash(first_x - dash_gap, y);
}

void draw_stepped_field(long long value, int y, int x0, int step, int n, int forced) {
  constexpr int kMostPositions = 8;
  int xs[kMostPositions] = {};
  for (int k = 0; k < n && k < kMostPositions; ++k) xs[k] = x0 + step * k;
  draw_digits(value < 0 ? 0 : value, y, xs, n < kMostPositions ? n : kMostPositions, forced);
}

void draw_share(long long share, int x, int y) {
  blit_bitmap(x, y, 100, kGlyphHeight, kStatsGlyphSheet, kBracketStripX, kGlyphRow);
  const int d = x + 7;
  draw_stats_field(share < 0 ? 0 : share, y, {d, d + 13, d + 26, d + 44, d + 57}, 2);
}
