// The twelve chicken-hand templates: three two-tile partials (one per suit,
// each stored as its lower tile; the other is the next rank) and eleven pung
// candidates. The target's variant is the row; the aim, the discards and the
// claims of the chicken hand all read this one table.
#pragma once

#include <array>

struct ChickenTemplate {
  std::array<int, 3> partials;
  std::array<int, 11> pungs;
};

inline constexpr std::array<ChickenTemplate, 12> kChickenTemplates{{
    {{2, 14, 26}, {27, 5, 6, 7, 8, 12, 17, 18, 22, 23, 24}},
    {{3, 15, 27}, {28, 6, 7, 8, 12, 13, 18, 22, 23, 24, 25}},
    {{2, 24, 16}, {17, 5, 6, 7, 8, 22, 27, 28, 12, 13, 14}},
    {{3, 25, 17}, {18, 6, 7, 8, 22, 23, 28, 12, 13, 14, 15}},
    {{12, 4, 26}, {27, 15, 16, 17, 18, 2, 7, 8, 22, 23, 24}},
    {{13, 5, 27}, {28, 16, 17, 18, 2, 3, 8, 22, 23, 24, 25}},
    {{12, 24, 6}, {7, 15, 16, 17, 18, 22, 27, 28, 2, 3, 4}},
    {{13, 25, 7}, {8, 16, 17, 18, 22, 23, 28, 2, 3, 4, 5}},
    {{22, 14, 6}, {7, 25, 26, 27, 28, 12, 17, 18, 2, 3, 4}},
    {{23, 15, 7}, {8, 26, 27, 28, 12, 13, 18, 2, 3, 4, 5}},
    {{22, 4, 16}, {17, 25, 26, 27, 28, 2, 7, 8, 12, 13, 14}},
    {{23, 5, 17}, {18, 26, 27, 28, 2, 3, 8, 12, 13, 14, 15}},
}};

// Each row holds one partial of each suit.
static_assert([] {
  for (const auto& row : kChickenTemplates) {
    int suits = 0;
    for (int first : row.partials) suits |= 1 << (first / 10);
    if (suits != 0b111) return false;
  }
  return true;
}());
