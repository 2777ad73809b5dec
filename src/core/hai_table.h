// The one-suit table: for every count vector of one suit (each count 0..4,
// total 14 or less) the best split into sets, pairs and partial sets.
#pragma once

#include <cstdint>

struct HaiTableEntry {
  std::int32_t key;    // the nine counts written as a decimal number
  std::int32_t value;  // the split digits
};

constexpr int kHaiTableRows = 405350;
constexpr std::int64_t kHaiTableBytes = 3242800;

extern HaiTableEntry g_hai_table[kHaiTableRows];
extern int g_hai_table_loaded;  // 1 when the table is present

// Loads data/hai.dat at start-up.
void load_hai_table();
