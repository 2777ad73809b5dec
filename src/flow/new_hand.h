// The start of every hand: per-hand records cleared, draw speed fixed, dice
// rolled, wall built and shuffled. Draws nothing; the caller moves to the
// deal scene.
#pragma once

#include <array>

#include "base/table_state.h"
#include "core/tiles.h"

// Frames a draw takes, by opt_com_speed.
constexpr std::array<int, 6> kDrawFrames{4, 8, 12, 16, 20, 24};

constexpr int kPlayingWallTiles = 136;
constexpr int kFlowerWallTiles = 8;

// The unshuffled wall: four adjacent copies of each playing tile in code
// order, then the eight flowers at 136 to 143.
constexpr std::array<int, kWallCapacity> kWallImage = [] {
  std::array<int, kWallCapacity> wall{};
  int n = 0;
  for (int tile : kPlayingTiles)
    for (int copy = 0; copy < 4; ++copy) wall[n++] = tile;
  for (int flower = kFirstFlower; flower <= kLastFlower; ++flower) wall[n++] = flower;
  return wall;
}();
static_assert(kWallImage[0] == 1 && kWallImage[35] == 9 && kWallImage[36] == 11);
static_assert(kWallImage[kPlayingWallTiles - 1] == kRed && kWallImage[kPlayingWallTiles] == kFirstFlower);

// Random draws, in this order: two dice, then one per shuffle step from the
// wall size down to 2.
void setup_new_hand();
