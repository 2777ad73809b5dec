// Numbers drawn as rows of digit cells: a fixed number of places, most
// significant first, leading zeros left out and the units always shown.
#pragma once

#include <algorithm>

// The largest value that fits in `places` digits.
constexpr int max_in_places(int places) {
  int value = 1;
  for (int i = 0; i < places; ++i) value *= 10;
  return value - 1;
}

// value clamped into 0 .. 10^places - 1, so that every place holds one digit.
constexpr int fit_places(int value, int places) { return std::clamp(value, 0, max_in_places(places)); }

// The digit in place i (0 the most significant) of a fitted value.
constexpr int digit_in_place(int value, int places, int i) {
  for (int p = i + 1; p < places; ++p) value /= 10;
  return value % 10;
}

// The first place shown: leading zeros are left out, the units always shown.
constexpr int first_shown_place(int value, int places) {
  int first = places - 1;
  for (int i = places - 1; i >= 0; --i)
    if (digit_in_place(value, places, i) != 0) first = i;
  return first;
}

static_assert(digit_in_place(1234, 4, 0) == 1 && digit_in_place(1234, 4, 3) == 4);
static_assert(first_shown_place(0, 4) == 3 && first_shown_place(50, 4) == 2 && first_shown_place(9999, 4) == 0);
static_assert(first_shown_place(105, 3) == 0 && fit_places(1200, 3) == 999 && fit_places(-5, 3) == 0);
