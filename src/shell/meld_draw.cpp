// Declared melds: three columns each, laid from the seat's right-hand edge
// towards its left, the claimed tile turned.
#include <array>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "shell/tile_draw.h"

namespace {

constexpr int kUprightWidth = 31;
constexpr int kTurnedWidth = 38;
constexpr int kColumns = 3;

// Where a seat lays its melds. Meld slot m spans `length` pixels along the
// axis from first + pitch m, pushed a further 2 x (slide offsets of slots
// 0..m) in the direction `slide_sign`. Columns run in the seat's own
// left-to-right order, which is +axis (columns_forward) or -axis.
struct MeldLine {
  bool along_x;
  int first, pitch, slide_sign;
  bool columns_forward;
  int upright_view, upright_cross;
  int turned_view, turned_cross, upper_cross;  // a doubled column adds the upper tile at upper_cross
  bool upper_first;  // the upper tile drawn before the other, not after: the lower one on screen goes last
  int chow_turned_width;
};

constexpr std::array<MeldLine, kSeats> kMeldLines{{
    {true, 617, -103, -1, true, kViewBottom, 667, kViewRight, 674, 643, true, kTurnedWidth},
    {false, 3, 106, 1, false, kViewRight, 679, kViewTop, 686, 655, false, 41},
    {true, 3, 103, 1, false, kViewTop, 0, kViewLeft, 0, 31, false, kTurnedWidth},
    {false, 602, -103, -1, true, kViewLeft, 2, kViewBottom, 2, 33, false, kTurnedWidth},
}};

struct Column {
  int tile;
  bool turned;
  bool doubled;
  int kind;        // of the upright or lower turned tile
  int upper_kind;  // of the upper turned tile of a doubled column
};

bool concealed_kong_face_up(int seat) {
  return g_seat_state[seat].hand_revealed == 1 || option_on(opt_open_hands) ||
         (seat == 0 && option_on(opt_kong_visible)) || g_hands_revealed == 1;
}

bool robbable(int meld) {
  return g_scene == SCENE_USER_ROB_KONG && meld_kind(meld) == kMeldMeldedKong && meld_tile(meld) == g_kong_tile % 100;
}

std::array<Column, kColumns> meld_columns(int seat, int meld) {
  const int tile = meld_tile(meld);
  const int source = meld_source(meld) % kColumns;
  std::array<Column, kColumns> c{};
  switch (meld_kind(meld)) {
    case kMeldChow:
      c[0] = {tile + source, true, false, kTileFaceUp, kTileFaceUp};
      for (int i = 0, col = 1; i < kColumns; ++i)
        if (i != source) c[col++] = {tile + i, false, false, kTileFaceUp, kTileFaceUp};
      return c;
    case kMeldConcealedKong: {
      const int shown = concealed_kong_face_up(seat) ? kTileFaceUp : kTileFaceDown;
      c[0] = c[2] = {tile, false, false, kTileFaceDown, kTileFaceDown};
      c[1] = {tile, true, true, shown, shown};
      return c;
    }
    default: {
      const bool kong = meld_kind(meld) == kMeldMeldedKong;
      for (auto& col : c) col = {tile, false, false, kTileFaceUp, kTileFaceUp};
      c[2 - source] = {tile, true, kong, kTileFaceUp, robbable(meld) ? kTileRed : kTileFaceUp};
      return c;
    }
  }
}

int column_width(const MeldLine& line, const Column& c, int meld) {
  if (!c.turned) return kUprightWidth;
  return meld_kind(meld) == kMeldChow ? line.chow_turned_width : kTurnedWidth;
}

void draw_at(const MeldLine& line, int view, int kind, int along, int cross, int tile) {
  draw_tile(view, kind, line.along_x ? along : cross, line.along_x ? cross : along, tile);
}

void draw_column(const MeldLine& line, const Column& c, int at) {
  if (!c.turned) {
    draw_at(line, line.upright_view, c.kind, at, line.upright_cross, c.tile);
    return;
  }
  const bool upper_first = c.doubled && line.upper_first;
  if (upper_first) draw_at(line, line.turned_view, c.upper_kind, at, line.upper_cross, c.tile);
  draw_at(line, line.turned_view, c.kind, at, line.turned_cross, c.tile);
  if (c.doubled && !upper_first) draw_at(line, line.turned_view, c.upper_kind, at, line.upper_cross, c.tile);
}

// Draws one meld whose span starts at `low` (its smallest screen coordinate
// along the axis). The columns are drawn from the top or left of the screen
// on, so that a tile reaching into the next column is covered by it.
void draw_meld(int seat, int meld, int low) {
  const MeldLine& line = kMeldLines[seat];
  const std::array<Column, kColumns> columns = meld_columns(seat, meld);
  std::array<int, kColumns> at{};
  int length = 0;
  for (const Column& c : columns) length += column_width(line, c, meld);
  int pen = line.columns_forward ? low : low + length;
  for (int i = 0; i < kColumns; ++i) {
    const int width = column_width(line, columns[i], meld);
    at[i] = line.columns_forward ? pen : pen - width;
    pen += line.columns_forward ? width : -width;
  }
  for (int step = 0; step < kColumns; ++step) {
    const int i = line.columns_forward ? step : kColumns - 1 - step;
    draw_column(line, columns[i], at[i]);
  }
}

}  // namespace

void draw_melds(int seat) {
  const MeldLine& line = kMeldLines[seat];
  const bool animate = option_on(opt_tile_animation);
  std::array<int, kMeldSlots> low{};
  int pushed = 0;
  for (int m = 0; m < kMeldSlots; ++m) {
    pushed += animate ? 2 * g_meld_slide[seat][m] : 0;
    low[m] = line.first + line.pitch * m + line.slide_sign * pushed;
  }
  // Seat 3's lower melds cover its upper ones: upper (later) slots first.
  for (int step = 0; step < kMeldSlots; ++step) {
    const int m = seat == 3 ? kMeldSlots - 1 - step : step;
    if (g_melds[seat][m] != 0) draw_meld(seat, g_melds[seat][m], low[m]);
  }
}
