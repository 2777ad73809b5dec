#include "core/hai_table.h"

#include <cassert>
#include <cstdint>


HaiTableEntry g_hai_table[kHaiTableRows];
int g_hai_table_loaded = 0;

int hai_table_value(const int* ranks) {
  const int index = hai_table_index(ranks);
  assert(index >= 0 && index < kHaiTableRows);
  // Every row was checked when the table was filled, so the key always
  // matches; a mismatch would mean a split of other tiles.
  const HaiTableEntry& row = g_hai_table[index];
  assert(row.key == hai_table_key(ranks));
  return row.key == hai_table_key(ranks) ? row.value : 0;
}

namespace {

// A value can be used only when its digits describe a split of the row's own
// tiles: a larger one would make the distance to ready fall below the truth.
// This first check only bounds the tiles the value uses; the table as a
// whole is then checked split by split (hai_table_values_possible).
bool value_fits(int value, const int* ranks) {
  if (value < 0 || value > kHaiValueMax) return false;
  int tiles = 0;
  for (int i = 0; i < kSuitRanks; ++i) tiles += ranks[i];
  return 3 * hai_value_sets(value) + 2 * (hai_value_pairs(value) + hai_value_partials(value)) <= tiles;
}

// Takes the file's rows into the table; false when a key is not the one the
// enumeration expects there or a value does not fit its row.
bool take_rows(const std::vector<std::int32_t>& words) {
  int ranks[kSuitRanks] = {};
  for (int row = 0; row < kHaiTableRows; ++row) {
    const std::int32_t key = words[2 * static_cast<std::size_t>(row)];
    const std::int32_t value = words[2 * static_cast<std::size_t>(row) + 1];
    if (key != hai_table_key(ranks) || !value_fits(value, ranks)) return false;
    g_hai_table[row] = {key, value};
    next_suit_counts(ranks);
  }
  return true;
}

}  // namespace

bool fill_hai_table(const std::vector<std::int32_t>& words) {
  if (words.size() != 2 * static_cast<std::size_t>(kHaiTableRows) || !take_rows(words) || !hai_table_values_possible())
    return false;
  g_hai_table_loaded = 1;
  return true;
}
