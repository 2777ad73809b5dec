#include "support/random_hands.h"

#include <algorithm>

#include "core/tiles.h"

namespace {

int pick(std::mt19937& rng, int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

int random_playing_tile(std::mt19937& rng) { return kPlayingTiles[pick(rng, kPlayingTiles.size())]; }

// Draws a set of the given kind if the copies allow; false otherwise.
bool take_set(std::mt19937& rng, int copies[kTileCodes], int* tiles_out, bool chow) {
  const int t = random_playing_tile(rng);
  if (chow) {
    if (!is_suited(t) || rank_of(t) > 7) return false;
    if (copies[t] >= 4 || copies[t + 1] >= 4 || copies[t + 2] >= 4) return false;
    for (int k = 0; k < 3; ++k) tiles_out[k] = t + k, ++copies[t + k];
    return true;
  }
  if (copies[t] > 1) return false;
  for (int k = 0; k < 3; ++k) tiles_out[k] = t;
  copies[t] += 3;
  return true;
}

WinHand random_seven_pairs(std::mt19937& rng) {
  int copies[kTileCodes]{};
  std::vector<int> tiles;
  while (tiles.size() < 14) {
    const int t = random_playing_tile(rng);
    if (copies[t] > 2) continue;
    copies[t] += 2;
    tiles.push_back(t);
    tiles.push_back(t);
  }
  WinHand hand;
  const int w = pick(rng, 14);
  hand.win_tile = tiles[w];
  tiles.erase(tiles.begin() + w);
  hand.concealed = tiles;
  return hand;
}

}  // namespace

WinHand random_complete_hand(std::mt19937& rng) {
  if (pick(rng, 10) == 0) return random_seven_pairs(rng);
  for (;;) {
    int copies[kTileCodes]{};
    WinHand hand;
    std::vector<int> free_tiles;
    bool ok = true;
    for (int s = 0; s < 4 && ok; ++s) {
      int tiles[3];
      const bool chow = pick(rng, 3) != 0;
      ok = take_set(rng, copies, tiles, chow);
      if (!ok) break;
      switch (pick(rng, 6)) {
        case 0: {
          const int kind = chow ? kMeldChow : kMeldPung;
          hand.melds.push_back(make_meld(0, kind, tiles[0]));
          break;
        }
        case 1:
          if (!chow && copies[tiles[0]] == 3) {  // a kong takes the fourth copy
            hand.melds.push_back(make_meld(pick(rng, 2) ? 1 : 0, pick(rng, 2) ? kMeldConcealedKong : kMeldMeldedKong,
                                           tiles[0]));
            ++copies[tiles[0]];
            break;
          }
          [[fallthrough]];
        default:
          free_tiles.insert(free_tiles.end(), tiles, tiles + 3);
      }
    }
    if (!ok) continue;
    const int p = random_playing_tile(rng);
    if (copies[p] > 2) continue;
    free_tiles.push_back(p);
    free_tiles.push_back(p);
    const int w = pick(rng, free_tiles.size());
    hand.win_tile = free_tiles[w];
    free_tiles.erase(free_tiles.begin() + w);
    hand.concealed = free_tiles;
    return hand;
  }
}

std::vector<int> random_tiles(std::mt19937& rng, int count) {
  int copies[kTileCodes]{};
  std::vector<int> tiles;
  while (static_cast<int>(tiles.size()) < count) {
    // Tiles close together make near-wins more often than a uniform draw.
    const int t = pick(rng, 2) ? random_playing_tile(rng) : make_tile(pick(rng, 2), 1 + pick(rng, 6));
    if (copies[t] >= 4) continue;
    ++copies[t];
    tiles.push_back(t);
  }
  return tiles;
}

WinHand permute_suits(const WinHand& hand, const std::array<int, 3>& perm) {
  auto map_tile = [&](int t) { return is_suited(t) ? make_tile(perm[suit_of(t)], rank_of(t)) : t; };
  WinHand out = hand;
  for (int& t : out.concealed) t = map_tile(t);
  out.win_tile = map_tile(out.win_tile);
  for (int& code : out.melds) code = code - meld_tile(code) + map_tile(meld_tile(code));
  return out;
}

namespace {

constexpr int kValues = 500;

bool split(int* count, int sets_left, bool pair_left) {
  int v = 0;
  while (v < kValues && count[v] == 0) ++v;
  if (v == kValues) return sets_left == 0 && !pair_left;
  const int marker = v / 100;
  const int tile = v % 100;
  if (marker != kChowSlot && sets_left > 0 && count[v] >= 3) {
    count[v] -= 3;
    const bool ok = split(count, sets_left - 1, pair_left);
    count[v] += 3;
    if (ok) return true;
  }
  if ((marker == kFree || marker == kChowSlot) && is_suited(tile) && sets_left > 0 && v + 2 < kValues &&
      count[v + 1] > 0 && count[v + 2] > 0) {
    --count[v], --count[v + 1], --count[v + 2];
    const bool ok = split(count, sets_left - 1, pair_left);
    ++count[v], ++count[v + 1], ++count[v + 2];
    if (ok) return true;
  }
  if (marker == kFree && pair_left && count[v] >= 2) {
    count[v] -= 2;
    const bool ok = split(count, sets_left, false);
    count[v] += 2;
    if (ok) return true;
  }
  return false;
}

}  // namespace

bool has_normal_reading(const int* values) {
  int count[kValues]{};
  for (int i = 0; i < kHandSlots; ++i) ++count[values[i]];
  return split(count, 4, true);
}

std::vector<int> expand_blocks(const int* blocks, int count) {
  std::vector<int> values;
  for (int i = 0; i < count; ++i) {
    const int b = blocks[i];
    const int t = b % 100;
    switch (b / 100) {
      case 0: values.insert(values.end(), {t, t}); break;
      case 1: values.insert(values.end(), {t, t + 1, t + 2}); break;
      case 2: values.insert(values.end(), {100 + t, 101 + t, 102 + t}); break;
      case 3: values.insert(values.end(), 3, make_slot(t, kFree)); break;
      case 4: values.insert(values.end(), 3, make_slot(t, kPungSlot)); break;
      case 5: values.insert(values.end(), 3, make_slot(t, kConcealedKongSlot)); break;
      default: values.insert(values.end(), 3, make_slot(t, kMeldedKongSlot)); break;
    }
  }
  std::sort(values.begin(), values.end());
  return values;
}
