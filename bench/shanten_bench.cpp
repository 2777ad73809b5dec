// Distance to ready and the planning decomposition, as the computer players
// call them: per call, per refresh of four seats, per decomposition search.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "base/seat_eval.h"
#include "base/shanten.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/turn/planner_decomposition.h"
#include "com/turn/planner_state.h"
#include "core/hai_table.h"

namespace {

constexpr int kHands = 64;

// kHands deals of four 14-tile hands from shuffled walls, sorted as the table keeps them.
std::vector<std::vector<int>> deal_hands(unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<std::vector<int>> hands;
  for (int n = 0; n < kHands; ++n) {
    std::vector<int> wall;
    for (int t : kPlayingTiles) wall.insert(wall.end(), 4, t);
    std::shuffle(wall.begin(), wall.end(), rng);
    for (int seat = 0; seat < kSeats; ++seat) {
      std::vector<int> hand(wall.begin() + 14 * seat, wall.begin() + 14 * seat + 14);
      std::sort(hand.begin(), hand.end());
      hands.push_back(hand);
    }
  }
  return hands;
}

void prepare() {
  if (!g_hai_table_loaded) {
    build_hai_table();
    g_hai_table_loaded = 1;
  }
  reset_table_state();
  reset_visible_state();
}

void BM_CalcShanten(benchmark::State& state) {
  prepare();
  const auto hands = deal_hands(1);
  std::size_t n = 0;
  int slot = 0;
  for (auto _ : state) {
    std::copy(hands[n].begin(), hands[n].end(), g_hand[0]);
    calc_shanten(0, slot);
    benchmark::DoNotOptimize(g_shanten_normal);
    slot = (slot + 1) % kHandSlots;
    if (slot == 0) n = (n + 1) % hands.size();
  }
}
BENCHMARK(BM_CalcShanten);

void BM_RefreshHandEvaluations(benchmark::State& state) {
  prepare();
  const auto hands = deal_hands(2);
  std::size_t n = 0;
  for (auto _ : state) {
    for (int seat = 0; seat < kSeats; ++seat) std::copy(hands[n + seat].begin(), hands[n + seat].end(), g_hand[seat]);
    refresh_hand_evaluations();
    benchmark::DoNotOptimize(AI[3].min_shanten);
    n = (n + kSeats) % hands.size();
  }
}
BENCHMARK(BM_RefreshHandEvaluations);

// As in play: between two refreshes two seats' hands change (the one that
// discarded, the one that drew) and the other two stand still.
void BM_RefreshAfterDraw(benchmark::State& state) {
  prepare();
  reset_seat_eval_memo();
  const auto hands = deal_hands(2);
  for (int seat = 0; seat < kSeats; ++seat) std::copy(hands[seat].begin(), hands[seat].end(), g_hand[seat]);
  std::size_t n = kSeats;
  for (auto _ : state) {
    const int seat = static_cast<int>(n % kSeats);
    std::copy(hands[n].begin(), hands[n].end(), g_hand[seat]);
    const auto& other = hands[(n + hands.size() / 2) % hands.size()];
    std::copy(other.begin(), other.end(), g_hand[(seat + 1) % kSeats]);
    refresh_hand_evaluations();
    benchmark::DoNotOptimize(AI[3].min_shanten);
    n = (n + 1) % hands.size();
  }
}
BENCHMARK(BM_RefreshAfterDraw);

void BM_SearchBestDecomposition(benchmark::State& state) {
  prepare();
  reset_decomposition_state();
  const auto hands = deal_hands(3);
  std::size_t n = 0;
  for (auto _ : state) {
    std::copy(hands[n].begin(), hands[n].end(), g_ai_work_hand);
    search_best_decomposition(0);
    benchmark::DoNotOptimize(g_decomposition_pick);
    n = (n + 1) % hands.size();
  }
}
BENCHMARK(BM_SearchBestDecomposition);

}  // namespace

BENCHMARK_MAIN();
