// The pattern list's pages, list strings and, per list position, the
// explanation lines and example hands.
#pragma once

#include <array>

constexpr int kYakuEntries = 81;
constexpr int kYakuPages = 12;
constexpr int kYakuSlots = 16;  // a 4 x 4 grid per page
constexpr int kYakuMaxLines = 7;
constexpr int kYakuMaxRows = 2;

constexpr std::array<int, kYakuPages> kYakuPagePoints{1, 2, 4, 6, 8, 12, 16, 24, 32, 48, 64, 88};

struct YakuExampleRow {
  int y;
  const char* tiles;  // the groups of the row (see help_yaku_entries.cpp)
};

struct YakuPatch {
  int x = 0, y = 0;  // where the picture of "●●" covers its two characters; 0, 0 for none
};

struct YakuEntry {
  int pattern_id;
  int page;
  std::array<const char*, kYakuMaxLines> lines;  // the title line, then the explanation
  int line_count;
  std::array<int, kYakuMaxLines> line_y;  // 0: the line stands at 320 + 30 x its index
  YakuExampleRow rows[kYakuMaxRows];
  int row_count;
  YakuPatch patch;
};

// Row v - 1 holds list position v.
extern const std::array<YakuEntry, kYakuEntries> kYakuEntryTable;

// The short name of each list position, as the list shows it after its mark.
extern const std::array<const char*, kYakuEntries> kYakuShortNames;
