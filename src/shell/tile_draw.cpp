#include "shell/tile_draw.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstring>

#include "base/options.h"
#include "base/table_state.h"
#include "draw/gdi.h"
#include "shell/sheet_ids.h"

namespace {

struct Cell {
  int id, sx, sy, w, h;
};

constexpr int kSecondLookDrop = 310;  // view 10: the same cell this much lower

int face_sheet(int kind) {
  switch (kind) {
    case kTileGrey: return kSheetGreyTiles;
    case kTileRed: return kSheetRedTiles;
    default: return kSheetTiles;
  }
}

Cell face_cell(int view, int kind, int a, int b) {
  const int id = face_sheet(kind);
  switch (view) {
    case kViewRight: return {id, 290 + 39 * a, 45 * b, 39, 45};
    case kViewTop: return {id, 32 * a, 260 + 52 * b, 32, 52};
    case kViewLeft: return {id, 485 + 39 * a, 45 * b, 39, 45};
    default: return {id, 32 * a, 52 * b, 32, 52};
  }
}

Cell face_down_cell(int view) {
  const bool lying = view == kViewRight || view == kViewLeft;
  return lying ? Cell{kSheetBacks, 0, 52, 39, 45} : Cell{kSheetBacks, 32, 0, 32, 52};
}

Cell standing_cell(int view, int kind, int a, int b) {
  const int faces = kind == kTileStandingDark ? kSheetDarkStanding : kSheetStanding;
  switch (view) {
    case kViewBottom: return {faces, 38 * a, 62 * b, 38, 62};
    case kViewSecondLook: return {faces, 38 * a, 62 * b + kSecondLookDrop, 38, 62};
    case kViewRight: return {kSheetBacks, 81, 0, 17, 58};
    case kViewTop: return {kSheetBacks, 0, 0, 32, 52};
    default: return {kSheetBacks, 64, 0, 17, 58};
  }
}

// One cell at (x, y): a and b are the rank and row index for views 0, 2 and
// 10, the row and rank index for the lying views 1 and 3.
SheetCopy hai_copy(int view, int kind, int x, int y, int a, int b) {
  Cell cell{};
  switch (kind) {
    case kTileFaceDown: cell = face_down_cell(view); break;
    case kTileStanding:
    case kTileStandingDark: cell = standing_cell(view, kind, a, b); break;
    default:
      assert(view <= kViewLeft);
      cell = face_cell(view, kind, a, b);
      break;
  }
  return {x, y, cell.w, cell.h, cell.id, cell.sx, cell.sy};
}

SheetCopy tile_copy(int view, int kind, int x, int y, int tile) {
  const int r = tile_rank_index(tile);
  const int s = tile_row_index(tile);
  const bool lying = view == kViewRight || view == kViewLeft;
  return hai_copy(view, kind, x, y, lying ? s : r, lying ? r : s);
}

SheetCopy shadow_copy(int x, int y, int w, int h) { return {x, y, w, h, kSheetTextures, kShadowSourceX, kShadowSourceY}; }

void copy(const SheetCopy& c) { blit_bitmap(c.x, c.y, c.w, c.h, c.id, c.sx, c.sy); }

// ------------------------------------------------------------------ rivers

struct RiverGeometry {
  int view;
  int x0, x_row, x_k, x_s;  // x = x0 + x_row row + x_k k + x_s s
  int y0, y_row, y_k, y_s;
  int shadow_dx, shadow_dy, shadow_w, shadow_h;
};

constexpr std::array<RiverGeometry, kSeats> kRivers{{
    {kViewBottom, 266, 0, 31, 2, 465, 38, 0, 1, 32, 14, 6, 38},
    {kViewRight, 483, 38, 0, 1, 412, 0, -31, -2, 39, 13, 6, 32},
    {kViewTop, 421, 0, -31, -2, 207, -38, 0, -1, 32, 14, 6, 38},
    {kViewLeft, 198, -38, 0, -1, 257, 0, 31, 2, 39, 13, 6, 32},
}};

constexpr int kRiverRowLength = 6;
constexpr int kRiverFullRows = 4;  // the fourth row grows past six
constexpr int kRiverGrowAt = kRiverRowLength * kRiverFullRows;  // entries from here on lengthen row 3

struct RiverTile {
  int index;  // in g_river
  int n;      // among the non-empty entries
  int row, k;
};

// Whether the strip beside a settled tile stays visible (the next tile or
// row covers the others). n is the tile's place among the tiles laid, not its
// river index: counting a claimed (empty) entry would move a strip onto a tile
// in mid-row, where it falls across the face of its neighbour.
bool river_tile_has_shadow(int seat, int n) {
  switch (seat) {
    case 2: return n < kRiverGrowAt && n % kRiverRowLength == 0;
    case 3: return n < kRiverRowLength || n >= kRiverGrowAt;
    default: return true;
  }
}

// The options a river's looks depend on, read once per river.
struct RiverOptions {
  bool grey_tsumogiri;  // a drawn-and-discarded tile is grey
  bool sliding;         // a new discard slides in
};

int river_look(int seat, int index, int entry, const RiverOptions& options) {
  if (entry >= 100) return kTileRed;
  if (options.grey_tsumogiri && g_river_tsumogiri[seat][index] == 1) return kTileGrey;
  return kTileFaceUp;
}

void lay_river_tile(int seat, const RiverTile& t, const RiverOptions& options, std::vector<SheetCopy>& copies) {
  const RiverGeometry& g = kRivers[seat];
  const int entry = g_river[seat][t.index];
  const int s = options.sliding ? g_river_slide[seat][t.index] : 0;
  const int x = g.x0 + g.x_row * t.row + g.x_k * t.k + g.x_s * s;
  const int y = g.y0 + g.y_row * t.row + g.y_k * t.k + g.y_s * s;
  copies.push_back(tile_copy(g.view, river_look(seat, t.index, entry, options), x, y, tile_of(entry)));
  if (s != 0 || !river_tile_has_shadow(seat, t.n)) return;
  const int e = seat == 3 && t.n == kRiverGrowAt ? 1 : 0;
  copies.push_back(shadow_copy(x + g.shadow_dx, y + g.shadow_dy + e, g.shadow_w, g.shadow_h - e));
}

// The order a river's n laid tiles are drawn in, farthest first so that
// nearer tiles cover them: for seat 1 by place along the row from the end
// (the grown row's tail, then each place of the full rows, nearest row
// first), for seat 2 by row from the last; otherwise as laid.
template <typename Draw>
void for_each_in_drawing_order(int seat, int n, Draw draw) {
  if (seat == 1) {
    for (int t = n - 1; t >= kRiverGrowAt; --t) draw(t);
    for (int k = kRiverRowLength - 1; k >= 0; --k)
      for (int t = k; t < std::min(n, kRiverGrowAt); t += kRiverRowLength) draw(t);
  } else if (seat == 2) {
    for (int row = kRiverFullRows - 1; row >= 0; --row) {
      const int end = row == kRiverFullRows - 1 ? n : std::min(n, (row + 1) * kRiverRowLength);
      for (int t = row * kRiverRowLength; t < end; ++t) draw(t);
    }
  } else {
    for (int t = 0; t < n; ++t) draw(t);
  }
}

// Every river's slide-in offsets one step nearer to 0. Most frames nothing
// slides: the offsets are then only compared with zeros (in wide steps)
// rather than counted down one by one.
void count_down_slides() {
  using Offsets = decltype(g_table_state.river_slide);
  static constexpr Offsets kNoSlides{};
  if (std::memcmp(g_river_slide, kNoSlides, sizeof kNoSlides) == 0) return;
  for (auto& offsets : g_river_slide)
    for (int& offset : offsets) offset -= offset > 0 ? 1 : 0;
}

// Whether the memo was laid out from the river as it stands.
bool memo_holds(const RiverMemo& memo, int seat, const RiverOptions& options) {
  const int n = g_river_count[seat];
  if (!memo.valid || memo.count != n || memo.grey_tsumogiri != options.grey_tsumogiri || memo.sliding != options.sliding)
    return false;
  auto same = [n](const auto& kept, const int* now) { return std::equal(kept.begin(), kept.begin() + n, now); };
  return same(memo.entries, g_river[seat]) && same(memo.tsumogiri, g_river_tsumogiri[seat]) &&
         same(memo.slides, g_river_slide[seat]);
}

// Lays the river out into the memo's copies, and keeps what it was laid out from.
void lay_river(RiverMemo& memo, int seat, const RiverOptions& options) {
  const int count = g_river_count[seat];
  assert(count >= 0 && count <= kRiverCapacity);
  std::array<RiverTile, kRiverCapacity> tiles;
  int n = 0;
  for (int i = 0; i < count; ++i) {
    if (g_river[seat][i] == 0) continue;
    const int row = n < kRiverGrowAt ? n / kRiverRowLength : kRiverFullRows - 1;
    const int k = n < kRiverGrowAt ? n % kRiverRowLength : n - kRiverGrowAt + kRiverRowLength;
    tiles[n] = {i, n, row, k};
    ++n;
  }
  memo.copies.clear();
  for_each_in_drawing_order(seat, n, [&](int t) { lay_river_tile(seat, tiles[t], options, memo.copies); });
  memo.valid = true;
  memo.grey_tsumogiri = options.grey_tsumogiri;
  memo.sliding = options.sliding;
  memo.count = count;
  std::copy_n(g_river[seat], count, memo.entries.begin());
  std::copy_n(g_river_tsumogiri[seat], count, memo.tsumogiri.begin());
  std::copy_n(g_river_slide[seat], count, memo.slides.begin());
}

// ----------------------------------------------------------------- flowers

struct FlowerGeometry {
  int view;
  int x0, x_col, x_row;  // flower i at column i mod 4, row i div 4
  int y0, y_col, y_row;
  bool descending;       // drawn from flower 7 down to 0
  bool shadows_first;    // every shadow before the first flower
  int shadow_mask;       // bit i: flower i casts a shadow
  int shadow_dx, shadow_dy, shadow_w, shadow_h;
};

constexpr std::array<FlowerGeometry, kSeats> kFlowerLines{{
    {kViewBottom, 214, -31, 0, 585, 0, -38, true, false, 0x11, 32, 14, 6, 38},
    {kViewRight, 588, 0, -38, 467, 31, 0, false, false, 0x0F, 39, 13, 6, 32},
    {kViewTop, 473, 31, 0, 67, 0, 38, false, false, 0xFF, 32, 14, 6, 38},
    {kViewLeft, 94, 0, 38, 202, -31, 0, true, true, 0xFF, 39, 13, 6, 32},
}};

constexpr int kFlowersPerRow = 4;

}  // namespace

void draw_tile(int view, int kind, int x, int y, int tile) { copy(tile_copy(view, kind, x, y, tile)); }

void draw_small_tile(int x, int y, int tile) {
  blit_bitmap(x, y, 32, 39, kSheetSmallTiles, 32 * tile_rank_index(tile), 40 * tile_row_index(tile));
}

void draw_shadow(int x, int y, int w, int h) { copy(shadow_copy(x, y, w, h)); }

void draw_sutehai(int seat) {
  const RiverOptions options{option_on(opt_tsumogiri_grey), option_on(opt_tile_animation)};
  RiverMemo& memo = g_river_draw_state.rivers[seat];
  if (!memo_holds(memo, seat, options)) lay_river(memo, seat, options);
  for (const SheetCopy& c : memo.copies) copy(c);
  count_down_slides();
}

void draw_hana(int seat) {
  const FlowerGeometry& g = kFlowerLines[seat];
  const int count = std::clamp(g_hana[seat].count, 0, kMaxFlowers);
  auto x_of = [&](int i) { return g.x0 + g.x_col * (i % kFlowersPerRow) + g.x_row * (i / kFlowersPerRow); };
  auto y_of = [&](int i) { return g.y0 + g.y_col * (i % kFlowersPerRow) + g.y_row * (i / kFlowersPerRow); };
  auto shadow = [&](int i) {
    if ((g.shadow_mask >> i & 1) != 0) draw_shadow(x_of(i) + g.shadow_dx, y_of(i) + g.shadow_dy, g.shadow_w, g.shadow_h);
  };
  if (g.shadows_first)
    for (int i = 0; i < count; ++i) shadow(i);
  for (int step = 0; step < count; ++step) {
    const int i = g.descending ? count - 1 - step : step;
    draw_tile(g.view, kTileFaceUp, x_of(i), y_of(i), g_hana[seat].tiles[i]);
    if (!g.shadows_first) shadow(i);
  }
}

void draw_haiyama_open() {
  if (!option_on(opt_open_wall)) return;
  constexpr int kSides = 4, kLayers = 2, kStacks = 18;
  blit_bitmap(50, 140, 620, 440, kSheetOpenWall, 0, 0);
  for (int v = 0; v < kSides; ++v)
    for (int l = 0; l < kLayers; ++l)
      for (int t = 0; t < kStacks; ++t) {
        const int index = 36 * v + l + 2 * t;
        if (index >= g_wall_count) continue;
        draw_small_tile(608 - 31 * t, 511 - 38 * l - 100 * v, g_wall[index]);
      }
}
