#include "draw/art_manifest.h"

#include <array>
#include <cassert>

#include "core/tiles.h"
#include "draw/help_pictures.h"

namespace {

constexpr int kFirstSheet = 101;
constexpr int kLastSheet = 139;

// Sizes are the least that holds every cell below (rounded up a little where
// a row of cells leaves a ragged edge); sheets nothing copies from are small blanks.
constexpr std::array<ArtSheet, kLastSheet - kFirstSheet + 1> kSheets{{
    {101, 100, 15, "frame-rate digits"},
    {102, 270, 290, "centre plate, digits, signs, labels, divider, hint mark"},
    {103, 160, 480, "shout balloons and their mask"},
    {104, 450, 180, "action buttons, prompts, small digits, notices"},
    {105, 160, 300, "character names in four orientations"},
    {106, 160, 210, "round-wind plates and dice"},
    {107, 200, 160, "name strips"},
    {108, 210, 210, "notices and labels"},
    {109, 500, 30, "page numbers"},
    {110, 620, 440, "open-wall panel"},
    {111, 160, 170, "score box"},
    {112, 180, 70, "exhaustive-draw banner"},
    {113, 360, 250, "win-panel frame and cap line"},
    {114, 180, 156, "pop-up frames"},
    {115, 220, 120, "next-hand and suspend buttons"},
    {116, 16, 16, "unused"},
    {117, 560, 310, "seat-change diagrams and labels"},
    {118, 172, 72, "background textures and shadow strip"},
    {119, 16, 16, "unused"},
    {120, 16, 16, "unused"},
    {121, 16, 16, "unused"},
    {122, 16, 16, "unused"},
    {123, 16, 16, "unused"},
    {124, 70, 480, "statistics labels"},
    {125, 130, 200, "statistics words and arrows"},
    {126, 500, 420, "pattern names, small digits, glyphs"},
    {127, 320, 600, "pattern buttons"},
    {128, 320, 60, "template preview panel"},
    {129, 16, 16, "unused"},
    {130, 16, 16, "unused"},
    {131, 98, 97, "tile backs"},
    {132, 342, 620, "standing tiles, looks A and B"},
    {133, 288, 260, "help hand tiles"},
    {134, 680, 520, "table tiles in four views"},
    {135, 680, 520, "grey table tiles"},
    {136, 680, 520, "red table tiles"},
    {137, 288, 200, "small tiles"},
    {138, 342, 620, "dark standing tiles"},
    {139, 470, 364, "help example pictures"},
}};

using Cells = std::vector<ArtCell>;

void add(Cells& cells, int x, int y, int w, int h, const char* what) {
  cells.push_back({{x, y, w, h}, 0, 0, what});
}

// A row of n equal cells stepping dx, dy from (x, y).
void add_run(Cells& cells, int n, int x, int y, int dx, int dy, int w, int h, const char* what) {
  for (int i = 0; i < n; ++i) add(cells, x + dx * i, y + dy * i, w, h, what);
}

void add_tile(Cells& cells, ArtRect r, int tile, int view) { cells.push_back({r, tile, view, "tile"}); }

void cells_102(Cells& c) {
  add(c, 0, 0, 220, 180, "centre plate");
  add(c, 200, 180, 20, 30, "wall-count patch");
  add_run(c, 10, 0, 180, 20, 0, 20, 30, "wall-count digit");
  // Score digits facing seats 0 and 2 (rows) and 1 and 3 (columns): ten
  // digits, minus, plus, then the points label.
  for (int y : {210, 235}) {
    add_run(c, 12, 0, y, 15, 0, 15, 25, "score digit or sign");
    add(c, 180, y, 20, 25, "points label");
  }
  for (int x : {245, 220}) {
    add_run(c, 12, x, 0, 0, 15, 25, 15, "score digit or sign");
    add(c, x, 180, 25, 20, "points label");
  }
  add(c, 200, 210, 16, 16, "hint mark");
  add(c, 200, 230, 16, 16, "hint mark mask");
  add_run(c, 12, 0, 260, 15, 0, 15, 25, "large digit or sign");
  add(c, 180, 260, 20, 25, "place glyph");
  add(c, 0, 285, 20, 5, "divider left end");
  add(c, 20, 285, 20, 5, "divider middle");
  add(c, 120, 285, 20, 5, "divider right end");
  add(c, 0, 285, 140, 5, "score-box rule");
}

void cells_104(Cells& c) {
  for (int state = 0; state < 3; ++state) add_run(c, 5, 0, 30 * state, 60, 0, 60, 30, "action button");
  add(c, 0, 90, 240, 30, "chow-choice prompt");
  add(c, 0, 120, 240, 30, "kong-choice prompt");
  add_run(c, 10, 241, 90, 10, 0, 8, 30, "small digit");
  add(c, 340, 90, 90, 30, "points label");
  add(c, 320, 120, 110, 30, "points and flowers label");
  add(c, 300, 60, 110, 30, "defence notice");
  add(c, 240, 120, 80, 30, "false-win label");
  add(c, 0, 150, 450, 30, "false-win notice");
}

void cells_105(Cells& c) {
  add_run(c, 7, 0, 0, 0, 20, 80, 20, "name facing seat 0");
  add_run(c, 7, 80, 0, 0, 20, 80, 20, "name facing seat 2");
  add_run(c, 7, 0, 140, 20, 0, 20, 80, "name facing seat 1");
  add_run(c, 7, 0, 220, 20, 0, 20, 80, "name facing seat 3");
}

void cells_106(Cells& c) {
  for (int wind = 0; wind < 4; ++wind) add_run(c, 4, 0, 40 * wind, 40, 0, 40, 40, "round-wind plate");
  for (int die = 0; die < 2; ++die) add_run(c, 6, 0, 160 + 25 * die, 20, 0, 20, 25, "die");
}

void cells_108(Cells& c) {
  add(c, 0, 0, 60, 30, "deal-in marker");
  add(c, 60, 0, 90, 30, "match-end label");
  add(c, 0, 30, 60, 30, "knitted-straight label");
  add_run(c, 3, 60, 30, 20, 0, 20, 30, "knitted-straight count");
  add(c, 0, 60, 140, 30, "grey display off");
  add(c, 0, 90, 125, 30, "grey display on");
  add(c, 0, 120, 180, 30, "knitted support off");
  add(c, 0, 150, 180, 30, "knitted support label");
  add(c, 0, 180, 210, 30, "knitted support tiles");
}

void cells_125(Cells& c) {
  add(c, 0, 0, 80, 20, "word: matches");
  for (int y : {120, 140, 180}) add(c, 0, y, 60, 20, "word: rate");
  add(c, 80, 0, 50, 20, "word: wins");
  for (int y : {20, 40, 60, 140}) add(c, 80, y, 40, 20, "word");
  for (int y : {80, 100})
    for (int x : {80, 100}) add(c, x, y, 20, 20, "arrow");
  add(c, 80, 120, 50, 20, "two-character picture");
}

void cells_126(Cells& c) {
  for (int id = 0; id < 84; ++id) {
    const bool main_list = id < 80;
    const int x = main_list ? 100 * ((id % 40) / 10) : 400;
    const int y = main_list ? 20 * (id % 10) + 200 * (id / 40) : 20 * (id - 80);
    add(c, x, y, 100, 20, "pattern name");
  }
  add_run(c, 10, 100, 400, 10, 0, 10, 20, "digit");
  add(c, 200, 400, 20, 20, "points label");
  add(c, 220, 400, 20, 20, "dash");
  add(c, 240, 400, 40, 20, "points-pattern label");
  add(c, 280, 400, 100, 20, "share brackets");
  add(c, 380, 400, 10, 20, "opening bracket");
  add(c, 390, 400, 10, 20, "closing bracket");
}

void cells_simple(int id, Cells& c) {
  switch (id) {
    case 101: add_run(c, 10, 0, 0, 10, 0, 9, 15, "digit"); break;
    case 103:
      add_run(c, 5, 0, 0, 0, 80, 160, 80, "balloon");
      add(c, 0, 400, 160, 80, "balloon mask");
      break;
    case 107:
      add_run(c, 8, 0, 0, 0, 20, 80, 20, "name");
      add_run(c, 8, 80, 0, 0, 20, 120, 20, "name with mark");
      break;
    case 109: add_run(c, 10, 0, 0, 50, 0, 50, 30, "page number"); break;
    case 110: add(c, 0, 0, 620, 440, "open-wall panel"); break;
    case 111: add(c, 0, 0, 160, 170, "score box"); break;
    case 112: add(c, 0, 0, 180, 70, "exhaustive-draw banner"); break;
    case 113:
      add(c, 0, 0, 360, 220, "win-panel frame");
      add(c, 0, 220, 360, 30, "cap line");
      add(c, 60, 0, 300, 220, "standings right half");
      break;
    case 114:
      add(c, 0, 0, 90, 156, "claim panel frame");
      add(c, 90, 0, 90, 124, "turn pop-up frame");
      break;
    case 115:
      add(c, 0, 0, 220, 60, "next-hand and suspend buttons");
      add(c, 0, 60, 110, 60, "next-hand lit");
      add(c, 110, 60, 110, 60, "suspend lit");
      break;
    case 117:
      for (int half = 0; half < 2; ++half) add_run(c, 4, 0, 140 * half, 140, 0, 140, 140, "seat-change diagram");
      add_run(c, 3, 0, 280, 140, 0, 140, 30, "seat-change label");
      break;
    case 118:
      add(c, 0, 0, 72, 72, "texture: screens");
      add(c, 80, 0, 72, 72, "texture: table");
      add(c, 160, 0, 9, 44, "shadow strip");
      break;
    case 124: add_run(c, 24, 0, 0, 0, 20, 70, 20, "statistics label"); break;
    case 127:
      for (int id = 1; id < 80; ++id) add(c, 80 * (id / 20), 30 * (id % 20), 80, 30, "pattern button");
      break;
    case 128: add(c, 0, 0, 320, 60, "template preview panel"); break;
    case 139:
      for (const HelpPicture& p : kHelpPictures) add(c, p.cell.x, p.cell.y, p.cell.w, p.cell.h, "example picture");
      break;
    default: break;
  }
}

void cells_backs(Cells& c) {
  add(c, 0, 0, 32, 52, "standing back, top seat");
  add(c, 32, 0, 32, 52, "face down, upright");
  add(c, 64, 0, 17, 58, "standing back, left seat");
  add(c, 81, 0, 17, 58, "standing back, right seat");
  add(c, 0, 52, 39, 45, "face down, lying");
}

void cells_table_tiles(Cells& c) {
  for (int view = 0; view < 4; ++view)
    for (int tile : art_tile_codes()) add_tile(c, table_tile_cell(view, tile), tile, view);
  add(c, 224, 156, 32, 52, "face down");
}

void cells_standing(Cells& c) {
  for (int look : {0, kViewSecondLook})
    for (int tile : art_tile_codes()) add_tile(c, standing_tile_cell(look, tile), tile, look);
  add(c, 266, 496, 38, 62, "standing back");
}

}  // namespace

const ArtSheet& art_sheet(int id) {
  assert(id >= kFirstSheet && id <= kLastSheet);
  return kSheets[static_cast<std::size_t>(id - kFirstSheet)];
}

std::vector<int> art_tile_codes() {
  std::vector<int> codes;
  for (int code = 1; code <= kLastFlower; ++code)
    if (is_tile(code)) codes.push_back(code);
  return codes;
}

ArtRect table_tile_cell(int view, int tile) {
  const int r = tile_rank_index(tile);
  const int s = tile_row_index(tile);
  switch (view) {
    case kViewRight: return {290 + 39 * s, 45 * r, 39, 45};
    case kViewTop: return {32 * r, 260 + 52 * s, 32, 52};
    case kViewLeft: return {485 + 39 * s, 45 * r, 39, 45};
    default: return {32 * r, 52 * s, 32, 52};
  }
}

ArtRect standing_tile_cell(int look, int tile) {
  const int lower = look == kViewSecondLook ? 310 : 0;
  return {38 * tile_rank_index(tile), 62 * tile_row_index(tile) + lower, 38, 62};
}

ArtRect small_tile_cell(int tile) { return {32 * tile_rank_index(tile), 40 * tile_row_index(tile), 32, 39}; }

ArtRect help_tile_cell(int tile) { return {32 * tile_rank_index(tile), 52 * tile_row_index(tile), 32, 52}; }

std::vector<ArtCell> art_cells(int id) {
  Cells c;
  switch (id) {
    case 102: cells_102(c); break;
    case 104: cells_104(c); break;
    case 105: cells_105(c); break;
    case 106: cells_106(c); break;
    case 108: cells_108(c); break;
    case 125: cells_125(c); break;
    case 126: cells_126(c); break;
    case 131: cells_backs(c); break;
    case 132:
    case 138: cells_standing(c); break;
    case 133:
      for (int tile : art_tile_codes()) add_tile(c, help_tile_cell(tile), tile, kViewBottom);
      add(c, 224, 156, 32, 52, "face down");
      break;
    case 134:
    case 135:
    case 136: cells_table_tiles(c); break;
    case 137:
      for (int tile : art_tile_codes()) add_tile(c, small_tile_cell(tile), tile, kViewBottom);
      break;
    default: cells_simple(id, c); break;
  }
  return c;
}
