// evaluate_win + score_yaku on random winning hands: the work a COM player
// repeats for every wait it weighs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "base/options.h"
#include "base/scorer.h"
#include "base/table_state.h"
#include "base/waits.h"
#include "base/win_eval.h"

namespace {

constexpr int kSeat = 1;

struct Prepared {
  int hand[kHandSlots];
  int melds[kMeldSlots];
  int tile;
  int by_discard;
  int form;  // what find_waits left
  int waits[kMaxWaits];
  int wait_count;
};

// Four sets and a pair, a third of the sets declared; no tile five times.
bool random_hand(std::mt19937& rng, Prepared& p) {
  std::uniform_int_distribution<int> tile_pick(0, static_cast<int>(kPlayingTiles.size()) - 1);
  int copies[kTileCodes]{};
  std::vector<int> free_tiles;
  std::vector<int> marked;
  std::memset(&p, 0, sizeof p);
  int melds = 0;
  for (int s = 0; s < 4; ++s) {
    const int t = kPlayingTiles[tile_pick(rng)];
    const bool chow = is_suited(t) && rank_of(t) <= 7 && rng() % 3 != 0;
    const int tiles[3] = {t, chow ? t + 1 : t, chow ? t + 2 : t};
    for (int x : tiles)
      if (++copies[x] > 4) return false;
    if (rng() % 3 == 0) {
      const int kind = chow ? kMeldChow : kMeldPung;
      p.melds[melds++] = make_meld(0, kind, t);
      for (int x : tiles) marked.push_back(make_slot(x, chow ? kChowSlot : kPungSlot));
    } else {
      free_tiles.insert(free_tiles.end(), tiles, tiles + 3);
    }
  }
  const int pair = kPlayingTiles[tile_pick(rng)];
  if ((copies[pair] += 2) > 4) return false;
  free_tiles.insert(free_tiles.end(), {pair, pair});
  const int w = static_cast<int>(rng() % free_tiles.size());
  p.tile = free_tiles[w];
  free_tiles.erase(free_tiles.begin() + w);
  free_tiles.insert(free_tiles.end(), marked.begin(), marked.end());
  std::sort(free_tiles.begin(), free_tiles.end());
  std::copy(free_tiles.begin(), free_tiles.end(), p.hand);
  p.hand[kDrawSlot] = p.tile;
  p.by_discard = rng() % 4 != 0;
  return true;
}

std::vector<Prepared> prepare_hands(int n) {
  reset_table_state();
  reset_options();
  reset_yaku_switches();
  g_wall_count = 60;
  std::mt19937 rng(12345);
  std::vector<Prepared> hands;
  while (static_cast<int>(hands.size()) < n) {
    Prepared p;
    if (!random_hand(rng, p)) continue;
    std::memcpy(g_wait_hand, p.hand, sizeof p.hand);
    g_wait_slot = kDrawSlot;
    find_waits();
    if (std::find(g_waits, g_waits + g_wait_count, p.tile) == g_waits + g_wait_count) continue;
    p.form = g_hand_form;
    std::memcpy(p.waits, g_waits, sizeof p.waits);
    p.wait_count = g_wait_count;
    hands.push_back(p);
  }
  return hands;
}

void load(const Prepared& p) {
  std::memcpy(g_hand[kSeat], p.hand, sizeof p.hand);
  std::memcpy(g_melds[kSeat], p.melds, sizeof p.melds);
  g_hand_form = p.form;
  std::memcpy(g_waits, p.waits, sizeof p.waits);
  g_wait_count = p.wait_count;
}

// with_waits: the whole win test as table play runs it, waits included.
void run_win_tests(benchmark::State& state, bool with_waits) {
  const std::vector<Prepared> hands = prepare_hands(512);
  size_t i = 0;
  for (auto _ : state) {
    const Prepared& p = hands[i++ % hands.size()];
    load(p);
    if (with_waits) {
      std::memcpy(g_wait_hand, p.hand, sizeof p.hand);
      g_wait_slot = kDrawSlot;
      find_waits();
    }
    evaluate_win(kSeat, p.tile, p.by_discard);
    score_yaku();
    benchmark::DoNotOptimize(g_eval_total);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_EvaluateAndScore(benchmark::State& state) { run_win_tests(state, false); }
BENCHMARK(BM_EvaluateAndScore);

void BM_WinTest(benchmark::State& state) { run_win_tests(state, true); }
BENCHMARK(BM_WinTest);

}  // namespace

BENCHMARK_MAIN();
