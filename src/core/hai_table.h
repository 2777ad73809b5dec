// The one-suit table: for every count vector of one suit (each count 0..4,
// total 14 or less) the best split into sets, pairs and partial sets.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

struct HaiTableEntry {
  std::int32_t key;    // the nine counts written as a decimal number, rank 1 first
  std::int32_t value;  // the split digits A B C D E (below)
};

constexpr int kHaiTableRows = 405350;
constexpr std::int64_t kHaiTableBytes = 3242800;
constexpr int kSuitRanks = 9;
constexpr int kMaxSuitTiles = 14;  // no vector of the table holds more
constexpr int kMaxCopies = 4;

extern HaiTableEntry g_hai_table[kHaiTableRows];
extern int g_hai_table_loaded;  // 1 once load_hai_table has filled the table (from the file or built)

// Each row's split as the distance to ready reads it, packed in 16 bits
// (sets, pairs, partial sets: 4 bits each from the lowest): a quarter of
// the table's bytes, so the lookups stay in the cache. Filled with the table.
extern std::uint16_t g_hai_splits[kHaiTableRows];
constexpr int kSplitFieldBits = 4;
constexpr int packed_sets(int split) { return split & 0xF; }
constexpr int packed_pairs(int split) { return split >> kSplitFieldBits & 0xF; }
constexpr int packed_partials(int split) { return split >> 2 * kSplitFieldBits & 0xF; }
constexpr std::uint16_t pack_split(int sets, int pairs, int partials) {
  return static_cast<std::uint16_t>(sets | pairs << kSplitFieldBits | partials << 2 * kSplitFieldBits);
}

// ------------------------------------------------------------ value digits
// value = A x 10000 + B x 1000 + C x 100 + D x 10 + E: A chows and B pungs
// (both complete sets), C pairs, D adjacent partials (t, t+1) and E closed
// partials (t, t+2). Readers use only A + B, C and D + E.
constexpr int make_hai_value(int chows, int pungs, int pairs, int adjacent, int closed) {
  return 10000 * chows + 1000 * pungs + 100 * pairs + 10 * adjacent + closed;
}
constexpr int hai_value_sets(int value) { return value / 10000 % 10 + value / 1000 % 10; }
constexpr int hai_value_pairs(int value) { return value / 100 % 10; }
constexpr int hai_value_partials(int value) { return value / 10 % 10 + value % 10; }
constexpr int kHaiValueMax = 99999;

// --------------------------------------------------------------- indexing
// Rows needed by the vectors of `len` counts (0..4 each) with a total of
// `budget` or less; the table is the case len 9, budget 14.
constexpr std::array<std::array<int, kMaxSuitTiles + 1>, kSuitRanks + 1> kSuitVectorCounts = [] {
  std::array<std::array<int, kMaxSuitTiles + 1>, kSuitRanks + 1> n{};
  for (int b = 0; b <= kMaxSuitTiles; ++b) n[0][b] = 1;
  for (int len = 1; len <= kSuitRanks; ++len)
    for (int b = 0; b <= kMaxSuitTiles; ++b)
      for (int v = 0; v <= kMaxCopies && v <= b; ++v) n[len][b] += n[len - 1][b - v];
  return n;
}();
static_assert(kSuitVectorCounts[kSuitRanks][kMaxSuitTiles] == kHaiTableRows);

// Rows skipped at position i (rank i + 1) by a count c there after `used`
// tiles at lower ranks: the vectors that agree so far but hold fewer there.
constexpr auto kRowsBefore = [] {
  std::array<std::array<std::array<int, kMaxCopies + 1>, kMaxSuitTiles + 1>, kSuitRanks> skip{};
  for (int i = 0; i < kSuitRanks; ++i)
    for (int used = 0; used <= kMaxSuitTiles; ++used)
      for (int c = 1; c <= kMaxCopies; ++c) {
        const int left = kMaxSuitTiles - used - (c - 1);
        skip[i][used][c] = skip[i][used][c - 1] + (left >= 0 ? kSuitVectorCounts[kSuitRanks - 1 - i][left] : 0);
      }
  return skip;
}();

// The row of `ranks` (nine counts, rank 1 first, each 0..4, total 14 or
// less): the table is ordered by key, so the row is the number of smaller keys.
constexpr int hai_table_index(const int* ranks) {
  int index = 0;
  int used = 0;
  for (int i = 0; i < kSuitRanks; ++i) {
    index += kRowsBefore[i][used][ranks[i]];
    used += ranks[i];
  }
  return index;
}

constexpr int hai_table_key(const int* ranks) {
  int key = 0;
  for (int i = 0; i < kSuitRanks; ++i) key = 10 * key + ranks[i];
  return key;
}

// Steps `ranks` to the count vector of the next row; false after the last.
bool next_suit_counts(int* ranks);

// ---------------------------------------------------------------- access
// The value of the row of `ranks` (nine counts as for hai_table_index).
int hai_table_value(const int* ranks);

// Fills g_hai_splits from g_hai_table.
void pack_hai_splits();

// Fills g_hai_table with every row and, for each, the split that maximises
// 2 x sets + pairs + partial sets, then sets, then pairs; the table is then
// loaded (g_hai_table_loaded 1).
void build_hai_table();

// The 64-bit hash of a table file's words (key, value per row, in file
// order): FNV-1a taken a word at a time. Each step is a bijection of the
// running hash, so a file that differs from the table in one word never
// matches.
std::uint64_t hai_table_hash(const std::vector<std::int32_t>& words);

// The hash of the table build_hai_table makes (a test rebuilds and pins it).
constexpr std::uint64_t kHaiTableHash = 0x587cd668c3bba9bdULL;

// Takes a table file's words (key, value per row) when they are exactly the
// table build_hai_table makes: true, and the table is loaded. Any other
// content, even a split as good as the built one, leaves the table to be built.
bool fill_hai_table(const std::vector<std::int32_t>& words);
