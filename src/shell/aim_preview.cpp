#include "shell/aim_preview.h"

#include <algorithm>

#include "base/scene_state.h"
#include "core/tiles.h"
#include "draw/gdi.h"
#include "shell/sheet_ids.h"
#include "shell/tile_draw.h"
#include "shell/view_inputs.h"

namespace {

using Tiles = std::array<int, kAimTiles>;

constexpr int kFirstButtonId = 1;
constexpr int kLastButtonId = 79;

// 0 for a suit or rank that does not exist.
int suited_tile(int suit, int rank) {
  return suit >= kCharacters && suit <= kBamboo && rank >= 1 && rank <= 9 ? make_tile(suit, rank) : 0;
}

// Three runs of three, the first of each run given as (suit, rank).
Tiles three_runs(int s0, int r0, int s1, int r1, int s2, int r2) {
  const int suits[3] = {s0, s1, s2};
  const int ranks[3] = {r0, r1, r2};
  Tiles t{};
  for (int run = 0; run < 3; ++run)
    for (int i = 0; i < 3; ++i) t[3 * run + i] = suited_tile(suits[run], ranks[run] + i);
  return t;
}

// Three groups of three tiles, one suit each: group g starts at rank
// first_rank + group_step g and steps by rank_step.
Tiles three_groups(const std::array<int, 3>& suits, int first_rank, int group_step, int rank_step) {
  Tiles t{};
  for (int g = 0; g < 3; ++g)
    for (int i = 0; i < 3; ++i) t[3 * g + i] = suited_tile(suits[g], first_rank + group_step * g + rank_step * i);
  return t;
}

const std::array<int, 3>* suit_order(int row) {
  return row >= 0 && row < kKnittedArrangements ? &kKnittedSuits[row] : nullptr;
}

Tiles formed_tiles(int yaku, int v) {
  if (v < 0) return {};
  switch (yaku) {
    case 27:
      if (const auto* s = suit_order(v / 10)) return three_groups(*s, v % 10, 1, 1);
      return {};
    case 33: return three_runs(kCharacters, v, kDots, v, kBamboo, v);
    case 35:
      if (const auto* s = suit_order(v)) return three_groups(*s, 1, 3, 1);
      return {};
    case 43:
    case 57:
      if (const auto* s = suit_order(v)) return three_groups(*s, 1, 1, 3);
      return {};
    case 47: {
      constexpr std::array<std::array<int, 2>, 8> kStarts{{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {1, 2}, {2, 2}, {3, 2}}};
      const int suit = v / 10;
      if (v % 10 >= static_cast<int>(kStarts.size())) return {};
      const auto [a, k] = kStarts[v % 10];
      return three_runs(suit, a, suit, a + k, suit, a + 2 * k);
    }
    case 49: return three_runs(v, 1, v, 4, v, 7);
    default: return {};
  }
}

int hovered_button() {
  int hovered = -1;
  if (g_mouse_y < 610 || g_mouse_y > 640) return hovered;
  for (int i = 0; i < kAimSlots; ++i)
    if (g_mouse_x >= 95 + 90 * i && g_mouse_x <= 185 + 90 * i) hovered = i;
  return hovered;
}

void draw_preview(const Tiles& tiles) {
  blit_bitmap(100, 540, 320, 60, kSheetPreview, 0, 0);
  for (int i = 0; i < kAimTiles; ++i) draw_small_tile(113 + 31 * i + 7 * (i / 3), 551, tiles[i]);
}

}  // namespace

Tiles aimed_tiles(int yaku, int variant) {
  Tiles tiles = formed_tiles(yaku, variant);
  // A variant that reaches past a suit names no tiles: nothing is shown.
  if (std::find(tiles.begin(), tiles.end(), 0) != tiles.end()) return {};
  return tiles;
}

void draw_aim_buttons() {
  for (int i = 0; i < kAimSlots; ++i) {
    const int id = aimed_yaku(i);
    if (id < kFirstButtonId || id > kLastButtonId) continue;
    blit_bitmap(100 + 90 * i, 610, 80, 30, kSheetPatternButtons, 80 * (id / 20), 30 * (id % 20));
  }
  const int hovered = hovered_button();
  if (hovered < 0) return;
  const Tiles tiles = aimed_tiles(aimed_yaku(hovered), aimed_variant(hovered));
  if (tiles[0] != 0) draw_preview(tiles);
}
