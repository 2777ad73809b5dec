#include "core/hai_table.h"
#include "shell/data_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <tuple>
#include <vector>

#include "support/test_workdir.h"

namespace {

using Ranks = std::array<int, kSuitRanks>;

// Every count vector in ascending key order, from nine nested counts.
std::vector<Ranks> all_vectors() {
  std::vector<Ranks> out;
  Ranks r{};
  auto rec = [&](auto&& self, int pos, int used) -> void {
    if (pos == kSuitRanks) {
      out.push_back(r);
      return;
    }
    for (int c = 0; c <= 4 && used + c <= 14; ++c) {
      r[pos] = c;
      self(self, pos + 1, used + c);
    }
  };
  rec(rec, 0, 0);
  return out;
}

// (2 x sets + pairs + partials, sets, pairs) of the best split, found by
// choosing at every rank how many of each block start there.
using Merit = std::tuple<int, int, int>;

Merit best_merit(Ranks r, int pos = 0, int sets = 0, int pairs = 0, int partials = 0) {
  while (pos < kSuitRanks && r[pos] == 0) ++pos;
  if (pos == kSuitRanks) return {2 * sets + pairs + partials, sets, pairs};
  Merit best{-1, 0, 0};
  const int c0 = r[pos];
  const int c1 = pos + 1 < kSuitRanks ? r[pos + 1] : 0;
  const int c2 = pos + 2 < kSuitRanks ? r[pos + 2] : 0;
  for (int chows = 0; chows <= std::min({c0, c1, c2}); ++chows)
    for (int pungs = 0; 3 * pungs + chows <= c0; ++pungs)
      for (int prs = 0; 3 * pungs + chows + 2 * prs <= c0; ++prs)
        for (int adj = 0; 3 * pungs + chows + 2 * prs + adj <= c0 && chows + adj <= c1; ++adj)
          for (int cl = 0; 3 * pungs + chows + 2 * prs + adj + cl <= c0 && chows + cl <= c2; ++cl) {
            Ranks next = r;
            next[pos] = 0;  // what is not used here stays alone
            if (pos + 1 < kSuitRanks) next[pos + 1] -= chows + adj;
            if (pos + 2 < kSuitRanks) next[pos + 2] -= chows + cl;
            best = std::max(best, best_merit(next, pos + 1, sets + chows + pungs, pairs + prs, partials + adj + cl));
          }
  return best;
}

Merit merit_of(int value) {
  const int s = hai_value_sets(value);
  const int p = hai_value_pairs(value);
  return {2 * s + p + hai_value_partials(value), s, p};
}

Ranks ranks_of_tiles(std::initializer_list<int> tiles) {
  Ranks r{};
  for (int t : tiles) ++r[t - 1];
  return r;
}

class HaiTable : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { build_hai_table(); }
};

TEST_F(HaiTable, HoldsEveryVectorOnceInKeyOrder) {
  const std::vector<Ranks> vectors = all_vectors();
  ASSERT_EQ(static_cast<int>(vectors.size()), kHaiTableRows);
  for (int row = 0; row < kHaiTableRows; ++row) {
    const Ranks& r = vectors[row];
    int key = 0;
    for (int c : r) key = 10 * key + c;
    ASSERT_EQ(g_hai_table[row].key, key) << "row " << row;
    ASSERT_EQ(hai_table_index(r.data()), row);
    int code = 0;
    for (int i = kSuitRanks - 1; i >= 0; --i) code = kCodeBase * code + r[i];
    ASSERT_EQ(hai_row_of_code(code), row) << "row " << row;
  }
  EXPECT_EQ(g_hai_table[0].key, 0);
  EXPECT_EQ(g_hai_table[kHaiTableRows - 1].key, 444200000);
}

TEST_F(HaiTable, KnownSplits) {
  struct Case {
    std::initializer_list<int> tiles;
    int sets, pairs, partials;
  };
  const Case cases[] = {
      {{1, 2, 3}, 1, 0, 0},
      {{1, 1, 2, 2, 3, 3}, 2, 0, 0},
      {{9, 9, 9}, 1, 0, 0},
      {{1, 3, 4, 4, 5, 7}, 0, 1, 2},
      {{1, 1, 1, 1}, 1, 0, 0},  // a pung, not two pairs of the same tile
      {{1, 1, 2, 3}, 1, 0, 0},  // ties between chow and pair plus partial go to the set
      {{2, 4, 6, 8}, 0, 0, 2},
      {{1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5}, 4, 1, 0},
  };
  for (const Case& c : cases) {
    const int value = hai_table_value(ranks_of_tiles(c.tiles).data());
    EXPECT_EQ(hai_value_sets(value), c.sets) << value;
    EXPECT_EQ(hai_value_pairs(value), c.pairs) << value;
    EXPECT_EQ(hai_value_partials(value), c.partials) << value;
  }
  const int two_ones_two_three = 211000000;  // 1 1 2 3
  EXPECT_EQ(g_hai_table[hai_table_index(ranks_of_tiles({1, 1, 2, 3}).data())].key, two_ones_two_three);
}

TEST_F(HaiTable, EveryRowIsABestSplitOfItsOwnTiles) {
  const std::vector<Ranks> vectors = all_vectors();
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> pick(0, kHaiTableRows - 1);
  for (int n = 0; n < 4000; ++n) {
    const int row = n < 2000 ? n * 37 % kHaiTableRows : pick(rng);
    const int value = g_hai_table[row].value;
    int tiles = 0;
    for (int c : vectors[row]) tiles += c;
    ASSERT_LE(3 * hai_value_sets(value) + 2 * (hai_value_pairs(value) + hai_value_partials(value)), tiles);
    ASSERT_EQ(merit_of(value), best_merit(vectors[row])) << "key " << g_hai_table[row].key;
  }
}

// ------------------------------------------------------------------ loading

class HaiTableFile : public ::testing::Test {
 protected:
  void SetUp() override {
    build_hai_table();
    reference_.assign(g_hai_table, g_hai_table + kHaiTableRows);
    dir_ = std::filesystem::temp_directory_path() /
           ("hai_table_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
    path_ = (dir_ / "hai.dat").string();
  }
  void TearDown() override {
    std::filesystem::remove_all(dir_);
    std::copy(reference_.begin(), reference_.end(), g_hai_table);  // later suites find the table as built
    g_hai_table_loaded = 1;
  }

  void write(const std::vector<HaiTableEntry>& rows, std::size_t bytes) {
    std::vector<char> out;
    for (const HaiTableEntry& row : rows)
      for (std::int32_t w : {row.key, row.value})
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(static_cast<std::uint32_t>(w) >> (8 * i)));
    out.resize(bytes, 0);
    std::ofstream(path_, std::ios::binary).write(out.data(), static_cast<std::streamsize>(out.size()));
  }

  // Loads with the table first filled with junk, so a row left unfilled shows.
  HaiTableSource load() {
    std::fill(g_hai_table, g_hai_table + kHaiTableRows, HaiTableEntry{-1, -1});
    g_hai_table_loaded = 0;
    return load_hai_table_from(path_);
  }

  void expect_reference_table() {
    ASSERT_EQ(g_hai_table_loaded, 1);
    for (int row = 0; row < kHaiTableRows; ++row) {
      ASSERT_EQ(g_hai_table[row].key, reference_[row].key) << row;
      ASSERT_EQ(g_hai_table[row].value, reference_[row].value) << row;
    }
  }

  std::vector<HaiTableEntry> reference_;
  std::filesystem::path dir_;
  std::string path_;
};

TEST_F(HaiTableFile, TheBuiltTableHasThePinnedHash) {
  std::vector<std::int32_t> words;
  for (const HaiTableEntry& row : reference_) words.insert(words.end(), {row.key, row.value});
  EXPECT_EQ(hai_table_hash(words), kHaiTableHash) << std::hex << hai_table_hash(words);
  write(reference_, kHaiTableBytes);
  EXPECT_EQ(load(), HaiTableSource::File);
  expect_reference_table();
}

// Anything but the exact table is rebuilt, however plausible its values.
TEST_F(HaiTableFile, EveryOtherFileIsRebuilt) {
  auto changed = [&](auto change) {
    std::vector<HaiTableEntry> rows = reference_;
    change(rows);
    return rows;
  };
  const int doubled[kSuitRanks] = {2, 2, 2, 0, 0, 0, 0, 0, 0};  // 112233
  const std::vector<std::pair<std::vector<HaiTableEntry>, std::size_t>> files = {
      {{}, 0},  // no file
      {reference_, kHaiTableBytes - 8},
      {reference_, kHaiTableBytes + 4},
      {changed([](auto& r) { std::swap(r[1000], r[1001]); }), kHaiTableBytes},
      {changed([](auto& r) { for (HaiTableEntry& e : r) e.value = 0; }), kHaiTableBytes},  // keys intact
      {changed([&](auto& r) { r[hai_table_index(doubled)].value = make_hai_value(0, 0, 3, 0, 0); }),
       kHaiTableBytes},  // three pairs: a split of its tiles, not the best
      {changed([](auto& r) { ++r[kHaiTableRows - 1].value; }), kHaiTableBytes},
      {changed([](auto& r) { r[0].key = 1; }), kHaiTableBytes},
  };
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (i == 0)
      std::filesystem::remove(path_);
    else
      write(files[i].first, files[i].second);
    EXPECT_EQ(load(), HaiTableSource::Built) << "file " << i;
    expect_reference_table();
  }
}

TEST_F(HaiTableFile, StartUpReadsDataHaiDatOnce) {
  TestWorkdir workdir(false);
  std::filesystem::create_directories("data");
  path_ = "data/hai.dat";
  write(reference_, kHaiTableBytes);
  std::fill(g_hai_table, g_hai_table + kHaiTableRows, HaiTableEntry{-1, -1});
  g_hai_table_loaded = 0;
  load_hai_table();
  expect_reference_table();
  g_hai_table[9].value = 7;
  load_hai_table();  // already filled: the file is not read again
  EXPECT_EQ(g_hai_table[9].value, 7);
}

}  // namespace
