// The pattern list's pages and, per list position, the explanation lines
// and example hands.
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
  const char* tiles = nullptr;  // the groups of the row (see help_yaku_entries.cpp); nullptr for no row
};

struct YakuListEntry {
  int pattern_id;
  int page;
  std::array<const char*, kYakuMaxLines> lines;  // the title line, then the explanation; nullptr after the last
  std::array<int, kYakuMaxLines> line_y;         // 0: the line stands at 320 + 30 x its index
  std::array<YakuExampleRow, kYakuMaxRows> rows;
};

// Row v - 1 holds list position v.
extern const std::array<YakuListEntry, kYakuEntries> kYakuEntryTable;

constexpr int yaku_line_count(const YakuListEntry& e) {
  int n = 0;
  while (n < kYakuMaxLines && e.lines[n] != nullptr) ++n;
  return n;
}

constexpr int yaku_row_count(const YakuListEntry& e) {
  int n = 0;
  while (n < kYakuMaxRows && e.rows[n].tiles != nullptr) ++n;
  return n;
}

// Where line i of the entry stands.
constexpr int yaku_line_y(const YakuListEntry& e, int i) { return e.line_y[i] != 0 ? e.line_y[i] : 320 + 30 * i; }
