// Where the front-end and setting screens put their choices: the boxes the
// clicks test and the hover marks follow. Every box is inclusive at both ends.
#pragma once

#include <array>

struct HitBox {
  int left, top, right, bottom;
  constexpr bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// The 17 x 17 mark box of a setting row whose text starts at (x, y).
constexpr HitBox mark_box(int x, int y) { return {x, y, x + 16, y + 16}; }
static_assert(mark_box(140, 310).contains(156, 326) && !mark_box(140, 310).contains(157, 326));

// ------------------------------------------------------------ resume question
constexpr int kResumeChoices = 2;  // 0 resume, 1 do not resume
constexpr int kResumeChoiceX = 140;
constexpr int resume_choice_y(int choice) { return 310 + 40 * choice; }
constexpr HitBox resume_choice_box(int choice) { return mark_box(kResumeChoiceX, resume_choice_y(choice)); }

// ----------------------------------------------------------------- main menu
constexpr int kMenuLeftItems = 7;   // items 1..7
constexpr int kMenuRightItems = 5;  // items 11..15
constexpr int kMenuRightFirstItem = 11;
constexpr int kMenuLeftX = 180;
constexpr int kMenuRightX = 400;
constexpr int menu_row_y(int row) { return 200 + 45 * row; }
constexpr HitBox menu_left_box(int row) { return {kMenuLeftX, menu_row_y(row), 295, menu_row_y(row) + 16}; }
constexpr HitBox menu_right_box(int row) { return {kMenuRightX, menu_row_y(row), 540, menu_row_y(row) + 16}; }

enum MenuItem : int {
  kMenuNone = 0,
  kMenuNewMatch = 1,
  kMenuOptions = 2,
  kMenuSupport = 3,
  kMenuRuleYaku = 4,
  kMenuLocalYaku = 5,
  kMenuCharacterData = 6,
  kMenuDataDelete = 7,
  kMenuHelpRules = 11,
  kMenuHelpYakuList = 12,
  kMenuHelpYakuRules = 13,
  kMenuHelpDifferences = 14,
  kMenuHelpAdvice = 15,
};

// The menu item whose box holds the point, kMenuNone outside every box.
constexpr int menu_item_at(int x, int y) {
  int item = kMenuNone;
  for (int row = 0; row < kMenuLeftItems; ++row)
    if (menu_left_box(row).contains(x, y)) item = row + 1;
  for (int row = 0; row < kMenuRightItems; ++row)
    if (menu_right_box(row).contains(x, y)) item = row + kMenuRightFirstItem;
  return item;
}
static_assert(menu_item_at(295, 200) == 1 && menu_item_at(296, 200) == 0 && menu_item_at(540, 396) == 15);

// ------------------------------------------------------------ setting screens
// One row of a setting screen: the word it steps and its mark box's corner.
struct SettingRow {
  int word;
  int x, y;
};

// The options screen's rows in the order a click tests them; its reset row follows.
constexpr std::array<SettingRow, 15> kOptionRows{{
    {0, 100, 150},  {1, 100, 200},  {3, 380, 200},  {21, 100, 230}, {4, 100, 260},
    {6, 100, 310},  {5, 100, 340},  {7, 100, 390},  {8, 380, 390},  {9, 100, 440},
    {11, 380, 440}, {10, 100, 470}, {12, 380, 470}, {13, 100, 520}, {14, 380, 520},
}};
constexpr SettingRow kOptionReset{-1, 100, 580};
// The words the options reset puts back (not the player's voice, the open wall or the support words).
constexpr std::array<int, 14> kOptionResetWords{0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 21};

constexpr std::array<SettingRow, 6> kSupportRows{{
    {15, 100, 150}, {16, 100, 180}, {17, 100, 230}, {19, 100, 260}, {18, 100, 290}, {20, 100, 340},
}};
constexpr SettingRow kSupportReset{-1, 100, 400};
constexpr int kSupportFirstWord = 15;
constexpr int kSupportLastWord = 20;

constexpr std::array<SettingRow, 13> kRuleYakuRows{{
    {0, 100, 180}, {1, 340, 180}, {2, 100, 210}, {3, 340, 210}, {4, 100, 240}, {8, 100, 330}, {9, 340, 330},
    {5, 100, 360}, {6, 340, 360}, {7, 100, 390}, {10, 100, 450}, {11, 100, 480}, {12, 100, 510},
}};
constexpr SettingRow kRuleYakuReset{-1, 100, 570};

constexpr std::array<SettingRow, 3> kLocalYakuRows{{{0, 100, 150}, {1, 100, 180}, {2, 100, 210}}};
constexpr SettingRow kLocalYakuReset{-1, 100, 270};

// ---------------------------------------------------------- statistics screen
constexpr HitBox kStatsNextCharacter{680, 340, 700, 360};
constexpr HitBox kStatsPreviousCharacter{20, 340, 40, 360};
constexpr HitBox kStatsPageUp{350, 20, 370, 40};
constexpr HitBox kStatsPageDown{350, 680, 370, 700};

// ------------------------------------------------------------ deletion screen
constexpr HitBox kDeleteBox{230, 320, 320, 336};

// ------------------------------------------------------- pattern explanations
constexpr HitBox kYakuListPrevious{20, 350, 40, 370};
constexpr HitBox kYakuListNext{680, 350, 700, 370};

// ------------------------------------------------------------ match standings
// Where the large digits of a final score go, relative to the place column's
// x0: up to four digits of |score| mod 10000 from the thousands down, leading
// zeros left out, a minus sign 16 px left of the first digit of a negative score.
struct ScoreGlyphs {
  int count = 0;        // digits drawn, 1..4
  int digit[4] = {};    // the digits, first drawn first
  int x[4] = {};
  int minus_x = -1;     // -1: no minus sign
};

constexpr ScoreGlyphs standings_score_glyphs(int score) {
  const long long magnitude = score < 0 ? -static_cast<long long>(score) : score;
  int shift = 0;
  if (magnitude <= 9) shift = -24;
  else if (magnitude <= 99) shift = -16;
  else if (magnitude <= 999) shift = -8;
  if (score < 0) shift += 6;
  const int shown = static_cast<int>(magnitude % 10000);
  constexpr int kPowers[4] = {1000, 100, 10, 1};
  ScoreGlyphs g;
  for (int k = 0; k < 4; ++k) {
    const int d = shown / kPowers[k] % 10;
    if (g.count == 0 && d == 0 && k < 3) continue;
    if (g.count == 0 && score < 0) g.minus_x = shift + 100 + 16 * k;
    g.digit[g.count] = d;
    g.x[g.count++] = shift + 116 + 16 * k;
  }
  return g;
}
static_assert(standings_score_glyphs(5).x[0] == 140 && standings_score_glyphs(-5).minus_x == 130);
static_assert(standings_score_glyphs(-5).x[0] == 146 && standings_score_glyphs(1234).x[0] == 116);
