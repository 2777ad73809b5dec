// The four text help screens: the differences from Japanese mahjong, the
// rules for counting patterns together (three sub-pages), the rules of the
// game and advice for beginners.
#include <array>
#include <cstddef>

#include "draw/gdi.h"
#include "draw/help_pictures.h"
#include "screens/help_texts.h"
#include "screens/screen_state.h"
#include "screens/screens.h"

namespace {

using namespace help_text;

constexpr int kTitleX = 60;
constexpr int kTitleY = 60;
constexpr int kLinesX = 60;
constexpr int kLinesTop = 120;
constexpr int kWideLineStep = 30;
constexpr int kYakuRulesLineStep = 25;

constexpr int kPageLabelSheet = 109;
constexpr int kPageLabelX = 350;  // "1/3" .. "3/3" stand in the cells from x 350
constexpr int kPageLabelW = 50;
constexpr int kPageLabelH = 30;

constexpr int kExampleSheet = 139;

template <std::size_t N>
void draw_lines(const std::array<const char*, N>& lines, int x, int top, int step) {
  for (std::size_t i = 0; i < N; ++i) draw_text(x, top + step * static_cast<int>(i), lines[i]);
}

template <std::size_t N>
void draw_titled_lines(const char* title, const std::array<const char*, N>& lines) {
  draw_screen_background();
  draw_card(kHelpCardLeft, 40, kHelpCardRight, kLinesTop + kWideLineStep * static_cast<int>(N) + 10, false);
  draw_text(kTitleX, kTitleY, title);
  draw_lines(lines, kLinesX, kLinesTop, kWideLineStep);
}

void draw_example(int dx, int dy, int picture) {
  const ArtRect& cell = kHelpPictures[static_cast<std::size_t>(picture)].cell;
  blit_bitmap(dx, dy, cell.w, cell.h, kExampleSheet, cell.x, cell.y);
}

void draw_yaku_rules_page0() { draw_lines(kYakuRulesPage0, kLinesX, kLinesTop, kYakuRulesLineStep); }

void draw_yaku_rules_page1() {
  draw_lines(kYakuRulesPage1Lines, kLinesX, kLinesTop, kYakuRulesLineStep);
  constexpr int kNotesX = 290;
  constexpr int kLastNotesY[2] = {563, 585};
  for (int i = 0; i < static_cast<int>(kYakuRulesPage1Notes.size()); ++i)
    draw_text(kNotesX, i < 9 ? 325 + 25 * i : kLastNotesY[i - 9], kYakuRulesPage1Notes[i]);
  draw_example(100, 236, kHelpWholeHand);
  for (int j = 0; j < 4; ++j) draw_example(120, 331 + 75 * j, kHelpPairFirst + j);
}

void draw_yaku_rules_page2() {
  draw_lines(kYakuRulesPage2Top, kLinesX, kLinesTop, kYakuRulesLineStep);
  draw_lines(kYakuRulesPage2Captions, 95, 240, 90);
  for (int i = 0; i < 3; ++i) draw_example(90, 181 + 90 * i, kHelpCaptionFirst + i);
  draw_lines(kYakuRulesPage2Bottom, kLinesX, 475, kYakuRulesLineStep);
  draw_text(95, 595, kYakuRulesPage2Note);
  draw_example(90, 536, kHelpPungHand);
}

}  // namespace

void draw_help_differences() { draw_titled_lines(kDifferencesTitle, kDifferences); }

void draw_help_game_rules() { draw_titled_lines(kGameRulesTitle, kGameRules); }

void draw_help_advice() {
  draw_screen_background();
  draw_card(kHelpCardLeft, 80, kHelpCardRight, kAdviceY.back() + 40, false);
  draw_text(kTitleX, 100, kAdviceTitle);
  for (std::size_t i = 0; i < kAdvice.size(); ++i) draw_text(70, kAdviceY[i], kAdvice[i]);
}

void draw_help_yaku_rules() {
  draw_screen_background();
  draw_card(kHelpCardLeft, 40, kHelpCardRight, 700, false);
  draw_text(kTitleX, kTitleY, kYakuRulesTitle);
  switch (g_help_page) {
    case 0: draw_yaku_rules_page0(); break;
    case 1: draw_yaku_rules_page1(); break;
    default: draw_yaku_rules_page2(); break;
  }
  const int page = g_help_page >= 0 && g_help_page < 3 ? g_help_page : 2;
  blit_bitmap(640, 660, kPageLabelW, kPageLabelH, kPageLabelSheet, kPageLabelX + kPageLabelW * page, 0);
  draw_text(260, 670, kYakuRulesFooter);
}
