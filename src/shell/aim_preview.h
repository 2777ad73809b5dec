// The patterns the user's COM advisor aims at, as buttons under the hand,
// and the nine tiles of the aim under the pointer.
#pragma once

#include <array>

constexpr int kAimTiles = 9;

// The nine tiles of aimed pattern `yaku` with `variant`, for the seven
// patterns with a fixed set of tiles (27, 33, 35, 43, 47, 49, 57); all 0 for
// any other pattern or a variant that names no tiles.
std::array<int, kAimTiles> aimed_tiles(int yaku, int variant);

// The buttons of the aimed targets (ids 1 to 79) and the preview of the one
// under the pointer.
void draw_aim_buttons();
