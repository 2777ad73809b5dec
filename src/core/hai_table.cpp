#include "core/hai_table.h"

#include <cassert>
#include <cstdint>

HaiTableEntry g_hai_table[kHaiTableRows];
int g_hai_table_loaded = 0;
std::uint16_t g_hai_splits[kHaiTableRows];

void pack_hai_splits() {
  for (int row = 0; row < kHaiTableRows; ++row) {
    const int v = g_hai_table[row].value;
    g_hai_splits[row] = pack_split(hai_value_sets(v), hai_value_pairs(v), hai_value_partials(v));
  }
}

int hai_table_value(const int* ranks) {
  const int index = hai_table_index(ranks);
  assert(index >= 0 && index < kHaiTableRows);
  // The table is the built one (or a file hashed equal to it), so the key
  // always matches; a mismatch would mean a split of other tiles.
  const HaiTableEntry& row = g_hai_table[index];
  assert(row.key == hai_table_key(ranks));
  return row.key == hai_table_key(ranks) ? row.value : 0;
}

std::uint64_t hai_table_hash(const std::vector<std::int32_t>& words) {
  constexpr std::uint64_t kOffsetBasis = 0xcbf29ce484222325ULL;
  constexpr std::uint64_t kPrime = 0x100000001b3ULL;
  std::uint64_t hash = kOffsetBasis;
  for (std::int32_t word : words) hash = (hash ^ static_cast<std::uint32_t>(word)) * kPrime;
  return hash;
}

bool fill_hai_table(const std::vector<std::int32_t>& words) {
  if (words.size() != 2 * static_cast<std::size_t>(kHaiTableRows) || hai_table_hash(words) != kHaiTableHash)
    return false;
  for (std::size_t row = 0; row < static_cast<std::size_t>(kHaiTableRows); ++row)
    g_hai_table[row] = {words[2 * row], words[2 * row + 1]};
  pack_hai_splits();
  g_hai_table_loaded = 1;
  return true;
}
