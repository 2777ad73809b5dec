// evaluate_win + score_yaku on winning hands, as the program runs them back
// to back: the work a COM player repeats for every wait it weighs. Mixed random hands, then one row per hand form.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
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
constexpr int kHands = 512;

struct Prepared {
  int hand[kHandSlots];
  int melds[kMeldSlots];
  int tile;
  int by_discard;
  int form;  // what find_waits left
  int waits[kMaxWaits];
  int wait_count;
};

// The hands of one row: concealed tiles (the winning tile among them),
// declared melds and their marked slots.
struct Draft {
  std::vector<int> tiles;
  std::vector<int> marked;
  int melds[kMeldSlots]{};
  int meld_count = 0;
  int copies[kTileCodes]{};

  bool add(int tile, int n) {
    copies[tile] += n;
    tiles.insert(tiles.end(), n, tile);
    return copies[tile] <= 4;
  }
};

using HandMaker = bool (*)(std::mt19937&, Draft&);

int pick(std::mt19937& rng, int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
int random_tile(std::mt19937& rng) { return kPlayingTiles[pick(rng, static_cast<int>(kPlayingTiles.size()))]; }

// Four sets and a pair; declare_one_in: one set in that many is declared (0 none).
bool four_sets_and_pair(std::mt19937& rng, Draft& d, int declare_one_in) {
  for (int s = 0; s < 4; ++s) {
    const int t = random_tile(rng);
    const bool chow = is_suited(t) && rank_of(t) <= 7 && rng() % 3 != 0;
    if (declare_one_in != 0 && pick(rng, declare_one_in) == 0) {
      const int tiles[3] = {t, chow ? t + 1 : t, chow ? t + 2 : t};
      for (int x : tiles)
        if (++d.copies[x] > 4) return false;
      d.melds[d.meld_count++] = make_meld(0, chow ? kMeldChow : kMeldPung, t);
      for (int x : tiles) d.marked.push_back(make_slot(x, chow ? kChowSlot : kPungSlot));
      continue;
    }
    const bool ok = chow ? d.add(t, 1) && d.add(t + 1, 1) && d.add(t + 2, 1) : d.add(t, 3);
    if (!ok) return false;
  }
  return d.add(random_tile(rng), 2);
}

bool mixed_hand(std::mt19937& rng, Draft& d) { return four_sets_and_pair(rng, d, 3); }
bool normal_hand(std::mt19937& rng, Draft& d) { return four_sets_and_pair(rng, d, 0); }

bool seven_pairs_hand(std::mt19937& rng, Draft& d) {
  for (int i = 0; i < 7; ++i)
    if (!d.add(random_tile(rng), 2) || d.copies[d.tiles.back()] > 2) return false;
  return true;
}

bool thirteen_orphans_hand(std::mt19937& rng, Draft& d) {
  for (int t : g_terminal_honour_tiles) d.add(t, 1);
  return d.add(g_terminal_honour_tiles[pick(rng, 13)], 1);
}

// Fourteen of the sixteen tiles of an arrangement and the seven honours.
bool honours_knitted_hand(std::mt19937& rng, Draft& d) {
  auto tiles = g_knitted_honour_tiles[pick(rng, kKnittedArrangements)];
  std::shuffle(tiles.begin(), tiles.end(), rng);
  for (int i = 0; i < kHandSlots; ++i) d.add(tiles[i], 1);
  return true;
}

// An arrangement's nine tiles, a set and a pair.
bool knitted_straight_hand(std::mt19937& rng, Draft& d) {
  for (int t : g_knitted_tiles[pick(rng, kKnittedArrangements)]) d.add(t, 1);
  const int t = random_tile(rng);
  const bool chow = is_suited(t) && rank_of(t) <= 7 && rng() % 2 != 0;
  const bool ok = chow ? d.add(t, 1) && d.add(t + 1, 1) && d.add(t + 2, 1) : d.add(t, 3);
  return ok && d.add(random_tile(rng), 2);
}

// 1112345678999 of one suit and a fourteenth tile of it, which wins.
bool nine_gates_hand(std::mt19937& rng, Draft& d) {
  const int suit = pick(rng, 3);
  for (int r : {1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9}) d.add(make_tile(suit, r), 1);
  d.add(make_tile(suit, 1 + pick(rng, 9)), 1);
  std::swap(d.tiles.back(), d.tiles.front());  // the winning tile is drawn first below
  return true;
}

// Slots 0-12 sorted with the marked slots, the winning tile in slot 13.
Prepared place(std::mt19937& rng, Draft& d, bool first_tile_wins) {
  Prepared p{};
  const int w = first_tile_wins ? 0 : pick(rng, static_cast<int>(d.tiles.size()));
  p.tile = d.tiles[w];
  d.tiles.erase(d.tiles.begin() + w);
  d.tiles.insert(d.tiles.end(), d.marked.begin(), d.marked.end());
  std::sort(d.tiles.begin(), d.tiles.end());
  std::copy(d.tiles.begin(), d.tiles.end(), p.hand);
  p.hand[kDrawSlot] = p.tile;
  std::copy(std::begin(d.melds), std::end(d.melds), p.melds);
  p.by_discard = rng() % 4 != 0;
  return p;
}

// n hands of the maker on which find_waits lists the winning tile.
std::vector<Prepared> prepare_hands(HandMaker make, int n, bool first_tile_wins = false) {
  reset_table_state();
  reset_options();
  reset_yaku_switches();
  g_wall_count = 60;
  std::mt19937 rng(12345);
  std::vector<Prepared> hands;
  while (static_cast<int>(hands.size()) < n) {
    Draft d;
    if (!make(rng, d)) continue;
    Prepared p = place(rng, d, first_tile_wins);
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
void run_win_tests(benchmark::State& state, const std::vector<Prepared>& hands, bool with_waits) {
  size_t i = 0;
  for (auto _ : state) {
    const Prepared& p = hands[i++ % hands.size()];
    load(p);
    if (with_waits) {
      std::memcpy(g_wait_hand, p.hand, sizeof p.hand);
      g_wait_slot = kDrawSlot;
      find_waits();
    }
    score_evaluated(evaluate_win_for_scoring(kSeat, p.tile, p.by_discard));
    benchmark::DoNotOptimize(g_eval_total);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_EvaluateAndScore(benchmark::State& state) { run_win_tests(state, prepare_hands(mixed_hand, kHands), false); }
BENCHMARK(BM_EvaluateAndScore);

void BM_WinTest(benchmark::State& state) { run_win_tests(state, prepare_hands(mixed_hand, kHands), true); }
BENCHMARK(BM_WinTest);

// One row per hand form; nine gates is a normal-form hand with the most readings.
void BM_ScoreForm(benchmark::State& state, HandMaker make, bool first_tile_wins) {
  run_win_tests(state, prepare_hands(make, kHands, first_tile_wins), false);
}
BENCHMARK_CAPTURE(BM_ScoreForm, normal, normal_hand, false);
BENCHMARK_CAPTURE(BM_ScoreForm, seven_pairs, seven_pairs_hand, false);
BENCHMARK_CAPTURE(BM_ScoreForm, thirteen_orphans, thirteen_orphans_hand, false);
BENCHMARK_CAPTURE(BM_ScoreForm, honours_knitted, honours_knitted_hand, false);
BENCHMARK_CAPTURE(BM_ScoreForm, knitted_straight, knitted_straight_hand, false);
BENCHMARK_CAPTURE(BM_ScoreForm, nine_gates, nine_gates_hand, true);

}  // namespace

BENCHMARK_MAIN();
