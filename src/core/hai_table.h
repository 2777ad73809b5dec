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

// ------------------------------------------------------------- suit codes
// A suit's nine counts as one number in base 5, rank 1 the lowest digit, so
// that taking tiles out of a hand is a subtraction. Its row takes two
// lookups: ranks 1-5 fix their part of the row and the tiles they use,
// ranks 6-9 add their part given that many used.
constexpr int kCodeBase = kMaxCopies + 1;
constexpr int kLowRanks = 5;
constexpr int kLowCodes = 3125;  // kCodeBase to the power kLowRanks
constexpr int kHighCodes = 625;  // the same for the other four ranks
constexpr int kUsedBits = 5;     // a low entry: row part x 32 + tiles used

constexpr int rank_weight(int rank) {  // rank 1..9
  int w = 1;
  for (int r = 1; r < rank; ++r) w *= kCodeBase;
  return w;
}
static_assert(rank_weight(kLowRanks + 1) == kLowCodes && kLowCodes * kHighCodes == rank_weight(kSuitRanks) * kCodeBase);

// Rows skipped by the digits of `code` at ranks first+1..first+len after
// `used` tiles below; `used` ends as the tiles used. Digits that would use
// more than the table's 14 tiles add nothing (no hand holds them).
constexpr int rows_before_digits(int code, int first, int len, int& used) {
  int rows = 0;
  for (int i = first; i < first + len; ++i, code /= kCodeBase) {
    const int c = code % kCodeBase;
    if (used + c > kMaxSuitTiles) return rows;
    rows += kRowsBefore[i][used][c];
    used += c;
  }
  return rows;
}

constexpr auto kLowRows = [] {
  std::array<int, kLowCodes> low{};
  for (int code = 0; code < kLowCodes; ++code) {
    int used = 0;
    const int rows = rows_before_digits(code, 0, kLowRanks, used);
    low[code] = rows << kUsedBits | used;
  }
  return low;
}();

constexpr auto kHighRows = [] {
  std::array<std::array<int, kHighCodes>, kMaxSuitTiles + 1> high{};
  for (int used = 0; used <= kMaxSuitTiles; ++used)
    for (int code = 0; code < kHighCodes; ++code) {
      int u = used;
      high[used][code] = rows_before_digits(code, kLowRanks, kSuitRanks - kLowRanks, u);
    }
  return high;
}();

// The row of the counts coded as above (each 0..4, total 14 or less): the
// table is ordered by key, so the row is the number of smaller keys.
constexpr int hai_row_of_code(int code) {
  const int low = kLowRows[code % kLowCodes];
  return (low >> kUsedBits) + kHighRows[low & ((1 << kUsedBits) - 1)][code / kLowCodes];
}

// The nine counts (rank 1 first) as a suit code.
constexpr int suit_code(const int* ranks) {
  int code = 0;
  for (int i = kSuitRanks - 1; i >= 0; --i) code = code * kCodeBase + ranks[i];
  return code;
}

// The row of `ranks` (nine counts as above).
constexpr int hai_table_index(const int* ranks) { return hai_row_of_code(suit_code(ranks)); }

static_assert(hai_row_of_code(0) == 0 && hai_row_of_code(4 + 4 * 5 + 4 * 25 + 2 * 125) == kHaiTableRows - 1);
static_assert(hai_row_of_code(rank_weight(9)) == 1);  // key 000000001 follows 000000000

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
