// What every bitmap sheet must hold: its size and every rectangle that the
// drawing code copies from it. The program uses the sizes for sheets whose
// file is missing; the art generator draws exactly these cells; the tests
// hold the generated sheets against this list.
#pragma once

#include <vector>

// Tile views: 0 bottom (upright), 1 right (lying, read from the right),
// 2 top (upside down), 3 left (lying, read from the left); 10 is the user's
// second standing look.
constexpr int kViewBottom = 0;
constexpr int kViewRight = 1;
constexpr int kViewTop = 2;
constexpr int kViewLeft = 3;
constexpr int kViewSecondLook = 10;

// The face-down tile of the help screens' tile sheets stands in the cell of code 38.
constexpr int kFaceDownCode = 38;

struct ArtRect {
  int x = 0, y = 0, w = 0, h = 0;
};

// One cell of a sheet. A tile cell names its tile code and view; any other
// cell has tile 0 and says what it shows.
struct ArtCell {
  ArtRect rect;
  int tile = 0;
  int view = 0;
  const char* what = "";
};

struct ArtSheet {
  int id = 0;
  int width = 0;
  int height = 0;
  const char* what = "";
};

// The 39 sheets by id 101..139 (an id outside that range is a programming error).
const ArtSheet& art_sheet(int id);

// Every cell the drawing code copies from sheet `id`, in a fixed order.
std::vector<ArtCell> art_cells(int id);

// The cell of a tile in the sheet layouts (codes 1-9, 11-19, 21-29, 31-37, 41-48).
constexpr int tile_rank_index(int tile) { return (tile - 1) % 10; }
constexpr int tile_row_index(int tile) { return (tile - 1) / 10; }

// Table tiles, face up (sheets 134, 135, 136), in views 0 to 3.
ArtRect table_tile_cell(int view, int tile);
// The user's standing tiles (sheets 132 and 138), look 0 or 10.
ArtRect standing_tile_cell(int look, int tile);
// Small tiles (sheet 137) and the help screens' 32 x 52 cells (sheets 133 and 134).
ArtRect small_tile_cell(int tile);
ArtRect help_tile_cell(int tile);

// Every tile code that has a face, in ascending order (34 playing tiles and 8 flowers).
std::vector<int> art_tile_codes();
