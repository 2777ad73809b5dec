// Tiles on the table: one tile image, each seat's hand with its declared
// melds, its discards and its flowers, and the open wall. Every call draws
// into the off-screen surface from the table state; the river and meld
// slide-in offsets are counted down by the drawing itself.
#pragma once

#include <array>
#include <vector>

#include "core/tiles.h"
#include "draw/art_manifest.h"

// How a tile is drawn (the `kind` of draw_tile).
enum TileKind : int {
  kTileFaceUp = 0,
  kTileFaceDown = 1,
  kTileStanding = 2,      // the user's standing faces (views 0 and 10), the others' backs
  kTileGrey = 3,          // drawn and discarded
  kTileRed = 4,           // offered for a claim, or robbable
  kTileStandingDark = 6,  // a knitted-straight target tile of the user's hand
};

constexpr int kMeldSlideStart = 14;  // a new meld's slide-in offset

// The user's hand line: slot i (0..12) at (user_slot_x(i), kUserHandY), 38 x 62.
constexpr int kUserHandY = 650;
constexpr int kUserTilePitch = 37;
constexpr int user_slot_x(int slot) { return 93 + kUserTilePitch * slot; }
// The tile in slot 13: after the last free tile with a 15-pixel gap, without
// the gap right after a pung or chow.
int user_drawn_tile_x();

// One tile (code 1..48) at (x, y). Views above 3 exist only for the
// standing kinds.
void draw_tile(int view, int kind, int x, int y, int tile);
// A 32 x 39 small tile of the open wall and the template preview.
void draw_small_tile(int x, int y, int tile);
// A w x h piece of the shadow strip at (x, y).
void draw_shadow(int x, int y, int w, int h);

void draw_sutehai(int seat);
void draw_hana(int seat);
void draw_tehai(int seat);
void draw_haiyama_open();

// The melds of one seat (part of draw_tehai, without the slide count-down).
void draw_melds(int seat);

// One copy from a sheet, as blit_bitmap takes it (always a plain copy).
struct SheetCopy {
  int x, y, w, h;  // on the screen
  int id, sx, sy;  // the sheet and the corner in it
};

// The copies a river was last drawn with and everything they were laid out
// from: drawn again from the same entries, marks, offsets and options, it
// copies the same cells in the same order, so they are replayed as they are.
struct RiverMemo {
  bool valid = false;           // the fields below describe the copies
  bool grey_tsumogiri = false;  // the drawn-and-discarded option then
  bool sliding = false;         // the slide-in option then
  int count = 0;                // the river's entry count then (0..kRiverCapacity)
  std::array<int, kRiverCapacity> entries{}, tsumogiri{}, slides{};  // its first `count` of each then
  std::vector<SheetCopy> copies;  // in drawing order
};

struct RiverDrawState {
  std::array<RiverMemo, kSeats> rivers;  // by seat; written by draw_sutehai only
};
extern RiverDrawState g_river_draw_state;
