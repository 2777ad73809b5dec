// The match standings: the four players by final place, on the win panel.
#include <array>
#include <string>

#include "base/table_state.h"
#include "draw/gdi.h"
#include "platform/platform.h"
#include "screens/character_names.h"
#include "screens/front_end_layout.h"
#include "screens/screens.h"

namespace {

constexpr int kPanelSheet = 113;   // IDB_PANEL_WIN
constexpr int kButtonSheet = 108;  // IDB_BUTTONS: the match-end label
constexpr int kDigitSheet = 102;   // IDB_DIGITS_LARGE: digits, minus, place glyph, divider
constexpr int kNameSheet = 107;    // IDB_NAME_LIST
constexpr int kPlaces = 4;
constexpr int kColumnWidth = 140;
constexpr int kColumnCentre = 150;  // the centre of the place glyphs and the name strip
constexpr int kDigitWidth = 15;
constexpr int kDigitHeight = 25;
constexpr int kDigitRow = 260;
constexpr int kMinusX = 150;
constexpr int kPlaceGlyphX = 180;
constexpr int kNameWidth = 80;
constexpr int kNameHeight = 20;
constexpr int kDividerY = 285;
constexpr int kDividerPieces = 26;
constexpr int kScoreY = 402;

// Stand-ins for a missing panel sheet.
constexpr std::uint32_t kPanelFill = 0xF4EBD0;
constexpr std::uint32_t kPanelEdge = 0x6B4E1E;
void draw_panel() {
  if (bitmap_loaded(kPanelSheet)) {
    blit_bitmap(60, 230, 300, 220, kPanelSheet, 0, 0);
    blit_bitmap(360, 230, 300, 220, kPanelSheet, 60, 0);
  } else {
    fill_box(60, 230, 600, 220, kPanelEdge);
    fill_box(64, 234, 592, 212, kPanelFill);
  }
  if (bitmap_loaded(kButtonSheet)) blit_bitmap(310, 248, 90, 30, kButtonSheet, 60, 0);
  else draw_text(323, 255, "対局終了");
  if (bitmap_loaded(kDigitSheet)) {
    blit_bitmap(80, kDividerY, 20, 5, kDigitSheet, 0, kDividerY);
    for (int i = 0; i < kDividerPieces; ++i) blit_bitmap(100 + 20 * i, kDividerY, 20, 5, kDigitSheet, 20, kDividerY);
    blit_bitmap(620, kDividerY, 20, 5, kDigitSheet, 120, kDividerY);
  } else {
    fill_box(80, kDividerY + 1, 560, 3, kPanelEdge);
  }
}

// Text in place of a missing sheet, centred on the place column.
void draw_centred(int x0, int y, const std::string& text) {
  draw_text(x0 + kColumnCentre - platform::text_width(text) / 2, y, text.c_str());
}

void draw_digit(int x, int y, int digit) {
  blit_bitmap(x, y, kDigitWidth, kDigitHeight, kDigitSheet, kDigitWidth * digit, kDigitRow);
}

void draw_score(int x0, int score) {
  const ScoreGlyphs glyphs = standings_score_glyphs(score);
  if (!bitmap_loaded(kDigitSheet)) {
    draw_centred(x0, kScoreY + 4, std::to_string(score));
    return;
  }
  if (glyphs.minus_x >= 0)
    blit_bitmap(x0 + glyphs.minus_x, kScoreY, kDigitWidth, kDigitHeight, kDigitSheet, kMinusX, kDigitRow);
  for (int i = 0; i < glyphs.count; ++i) draw_digit(x0 + glyphs.x[i], kScoreY, glyphs.digit[i]);
}

void draw_place(int place) {
  const StandingsEntry& row = g_standings[place];
  const int x0 = kColumnWidth * place;
  if (bitmap_loaded(kDigitSheet)) {
    draw_digit(x0 + 132, 322, place + 1);
    blit_bitmap(x0 + 148, 322, 20, kDigitHeight, kDigitSheet, kPlaceGlyphX, kDigitRow);
  } else {
    draw_centred(x0, 326, std::to_string(place + 1) + "位");
  }
  if (row.character >= 0 && row.character < static_cast<int>(kCharacterNames.size())) {
    if (bitmap_loaded(kNameSheet)) {
      blit_bitmap(x0 + 110, 362, kNameWidth, kNameHeight, kNameSheet, 0, kNameHeight * row.character);
    } else {
      draw_centred(x0, 364, kCharacterNames[row.character]);
    }
  }
  draw_score(x0, row.score_again);
}

}  // namespace

void scene_match_standings() {
  draw_background(kBackgroundTable);
  draw_panel();
  for (int p = 0; p < kPlaces; ++p) draw_place(p);
}
