#include "support/distance_reference.h"

#include <algorithm>

#include "core/tiles.h"

namespace {

constexpr int kNone = -1000;
constexpr int kMaxSets = 4;

// gains[k][p]: the most hand tiles that k sets and p pairs (0 or 1) placed
// in one group of tiles can use; kNone when they cannot be placed.
struct Gains {
  int g[kMaxSets + 1][2];
  Gains() {
    for (auto& row : g) row[0] = row[1] = kNone;
  }
};

// One suit: at every rank choose the chows that start there, a pung and
// the pair, carrying the chows still running into the next two ranks.
Gains suit_gains(const int* ranks) {
  // state[a][b][k][p]: a chows started at the previous rank, b two ranks back.
  int cur[5][5][kMaxSets + 1][2];
  int next[5][5][kMaxSets + 1][2];
  auto clear = [](int (&s)[5][5][kMaxSets + 1][2]) {
    for (auto& x : s)
      for (auto& y : x)
        for (auto& z : y) z[0] = z[1] = kNone;
  };
  clear(cur);
  cur[0][0][0][0] = 0;
  for (int i = 0; i < 9; ++i) {
    clear(next);
    for (int a = 0; a <= kMaxSets; ++a)
      for (int b = 0; a + b <= kMaxSets; ++b)
        for (int k = a + b; k <= kMaxSets; ++k)
          for (int p = 0; p < 2; ++p) {
            if (cur[a][b][k][p] == kNone) continue;
            for (int x = 0; k + x <= kMaxSets && (x == 0 || i <= 6); ++x)
              for (int pung = 0; pung <= 1 && k + x + pung <= kMaxSets; ++pung)
                for (int pair = 0; pair + p <= 1; ++pair) {
                  const int wanted = x + a + b + 3 * pung + 2 * pair;
                  const int gain = cur[a][b][k][p] + std::min(wanted, ranks[i]);
                  int& slot = next[x][a][k + x + pung][p + pair];
                  slot = std::max(slot, gain);
                }
          }
    std::copy(&next[0][0][0][0], &next[0][0][0][0] + sizeof(next) / sizeof(int), &cur[0][0][0][0]);
  }
  Gains out;
  for (int k = 0; k <= kMaxSets; ++k)
    for (int p = 0; p < 2; ++p) out.g[k][p] = cur[0][0][k][p];
  return out;
}

Gains honour_gains(const int* counts) {
  Gains out;
  out.g[0][0] = 0;
  for (int t = kEast; t <= kRed; ++t) {
    Gains next = out;
    for (int k = 0; k <= kMaxSets; ++k)
      for (int p = 0; p < 2; ++p) {
        if (out.g[k][p] == kNone) continue;
        for (int pung = 0; pung <= 1 && k + pung <= kMaxSets; ++pung)
          for (int pair = 0; pair + p <= 1; ++pair) {
            const int gain = out.g[k][p] + std::min(3 * pung + 2 * pair, counts[t]);
            next.g[k + pung][p + pair] = std::max(next.g[k + pung][p + pair], gain);
          }
      }
    out = next;
  }
  return out;
}

Gains combine(const Gains& x, const Gains& y) {
  Gains out;
  for (int k1 = 0; k1 <= kMaxSets; ++k1)
    for (int p1 = 0; p1 < 2; ++p1)
      for (int k2 = 0; k1 + k2 <= kMaxSets; ++k2)
        for (int p2 = 0; p1 + p2 <= 1; ++p2)
          if (x.g[k1][p1] != kNone && y.g[k2][p2] != kNone)
            out.g[k1 + k2][p1 + p2] = std::max(out.g[k1 + k2][p1 + p2], x.g[k1][p1] + y.g[k2][p2]);
  return out;
}

// The most hand tiles that `sets` sets and one pair can use; what a group
// does not place is made of tiles the hand lacks.
int best_gain(const int* counts, int sets) {
  Gains all = honour_gains(counts);
  for (int s = 0; s < 3; ++s) all = combine(all, suit_gains(counts + make_tile(s, 1)));
  int best = 0;
  for (int k = 0; k <= sets; ++k)
    for (int p = 0; p < 2; ++p) best = std::max(best, all.g[k][p]);
  return best;
}

}  // namespace

int reference_normal_distance(const int* counts, int melds) {
  const int sets = kMaxSets - melds;
  return 3 * sets + 2 - best_gain(counts, sets) - 1;
}

int reference_knitted_straight_distance(const int* counts, int melds) {
  if (melds > 1) return 99;
  int best = 99;
  for (const auto& arrangement : g_knitted_tiles) {
    int held = 0;
    for (int t : arrangement) held += counts[t] > 0;
    if (held < 8) continue;
    int want[kTileCodes] = {};
    for (int t : arrangement) ++want[t];
    auto gain_of = [&] {
      int g = 0;
      for (int t = 1; t <= kRed; ++t) g += std::min(want[t], counts[t]);
      return g;
    };
    const int size = melds == 1 ? 11 : 14;
    for (int pair = 1; pair <= kRed; ++pair) {
      if (!is_playing_tile(pair)) continue;
      want[pair] += 2;
      if (melds == 1) {
        best = std::min(best, size - gain_of() - 1);
      } else {
        // Every set: each pung, each chow.
        for (int t = 1; t <= kRed; ++t) {
          if (!is_playing_tile(t)) continue;
          want[t] += 3;
          best = std::min(best, size - gain_of() - 1);
          want[t] -= 3;
          if (is_suited(t) && rank_of(t) <= 7) {
            for (int k = 0; k < 3; ++k) ++want[t + k];
            best = std::min(best, size - gain_of() - 1);
            for (int k = 0; k < 3; ++k) --want[t + k];
          }
        }
      }
      want[pair] -= 2;
    }
  }
  return best;
}

int reference_seven_pairs_distance(const int* counts) {
  // Every way to put 0, 1 or 2 pairs on each kind held, seven pairs in all
  // (pairs of kinds not held use no hand tile).
  int kinds[kTileCodes];
  int n = 0;
  for (int t = 1; t <= kRed; ++t)
    if (counts[t] > 0) kinds[n++] = t;
  int best = 0;
  auto rec = [&](auto&& self, int i, int pairs, int gain) -> void {
    if (pairs > 7) return;
    if (i == n) {
      best = std::max(best, gain);
      return;
    }
    for (int k = 0; k <= 2; ++k) self(self, i + 1, pairs + k, gain + std::min(2 * k, counts[kinds[i]]));
  };
  rec(rec, 0, 0, 0);
  return 14 - best - 1;
}

int reference_thirteen_orphans_distance(const int* counts) {
  int best = 0;
  for (int extra : g_terminal_honour_tiles) {
    int gain = 0;
    for (int t : g_terminal_honour_tiles) gain += std::min(counts[t], t == extra ? 2 : 1);
    best = std::max(best, gain);
  }
  return 14 - best - 1;
}

int reference_honours_knitted_distance(const int* counts) {
  int best = 0;
  for (const auto& tiles : g_knitted_honour_tiles)
    for (int left_out = 0; left_out < 16; ++left_out)
      for (int second = left_out + 1; second < 16; ++second) {
        int gain = 0;
        for (int i = 0; i < 16; ++i)
          if (i != left_out && i != second) gain += counts[tiles[i]] > 0;
        best = std::max(best, gain);
      }
  return 14 - best - 1;
}
