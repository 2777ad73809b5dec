// find_waits on the hands the players meet: a typical mid-game hand, a
// ready hand, the nine-gates shape (nine waits, the deepest search) and the
// same hand tried once per discard, as a COM seat judging its discards does.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>

#include "base/waits.h"

namespace {

// Hands as 14 slot values; slot 13 is the drawn tile or empty.
constexpr std::array<int, kHandSlots> kTypical{2, 3, 5, 11, 13, 17, 22, 23, 24, 31, 31, 36, 37, 0};
constexpr std::array<int, kHandSlots> kReadyWithMelds{4, 5, 6, 7, 15, 15, 101, 102, 103, 229, 229, 229, 0, 0};
constexpr std::array<int, kHandSlots> kNineGates{1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9, 0};
constexpr std::array<int, kHandSlots> kNineGatesDrawn{1, 1, 1, 2, 3, 4, 5, 5, 6, 7, 8, 9, 9, 9};

void run(benchmark::State& state, const std::array<int, kHandSlots>& hand, int slot) {
  std::copy(hand.begin(), hand.end(), g_wait_hand);
  g_wait_slot = slot;
  for (auto _ : state) {
    find_waits();
    benchmark::DoNotOptimize(g_wait_count);
  }
}

void BM_FindWaitsTypical(benchmark::State& state) { run(state, kTypical, kDrawSlot); }
void BM_FindWaitsReadyWithMelds(benchmark::State& state) { run(state, kReadyWithMelds, kDrawSlot); }
void BM_FindWaitsNineGates(benchmark::State& state) { run(state, kNineGates, kDrawSlot); }

// Every discard of a 14-tile nine-gates hand in turn.
void BM_FindWaitsEachDiscardNineGates(benchmark::State& state) {
  std::copy(kNineGatesDrawn.begin(), kNineGatesDrawn.end(), g_wait_hand);
  for (auto _ : state) {
    for (int slot = 0; slot < kHandSlots; ++slot) {
      g_wait_slot = slot;
      find_waits();
      benchmark::DoNotOptimize(g_wait_count);
    }
  }
}

}  // namespace

BENCHMARK(BM_FindWaitsTypical);
BENCHMARK(BM_FindWaitsReadyWithMelds);
BENCHMARK(BM_FindWaitsNineGates);
BENCHMARK(BM_FindWaitsEachDiscardNineGates);
BENCHMARK_MAIN();
