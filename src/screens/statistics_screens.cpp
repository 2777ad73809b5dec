// The character-and-statistics screen (frame and summary page) and the
// statistics deletion screen.
#include <array>
#include <cstdint>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/stats.h"
#include "draw/gdi.h"
#include "platform/platform.h"
#include "screens/front_end_layout.h"
#include "screens/screen_state.h"
#include "screens/screens.h"
#include "screens/statistics_figures.h"

namespace {

constexpr int kNameSheet = 107;        // IDB_NAME_LIST
constexpr int kPageNumberSheet = 109;  // IDB_PAGE_NUMBERS
constexpr int kLabelSheet = 124;       // IDB_STATS_LABELS
constexpr int kUserFemaleRow = 7;      // the name row of the user with the (女) mark
constexpr int kLastSubPage = 4;

constexpr std::array<const char*, kPlayerCharacters> kDescriptions{
    "・あなたです", "・早いあがりを目指します", "・順子系の役作りを好みます", "・刻子系の役作りを好みます",
    "・ノーマルな打ち方", "・門前を好みます", "・決め打ちをします",
};
constexpr const char* kDescriptionSecondLine = "　";
constexpr const char* kPatternNote = "<< 和了に同じ役が複数あっても1回としています >>";
constexpr const char* kFooter = "[ 上下キー：データ、左右キー：キャラクターの切り替え ]";

int wrap(int value, int count) { return (value % count + count) % count; }

void draw_label(int label, int x, int y) { blit_bitmap(x, y, 70, 20, kLabelSheet, 0, 20 * label); }

// The figures of the summary page.
void draw_left_percentage(long long value, int y) {
  draw_stats_field(value, y, {236, 249, 262, 281}, 2);
  draw_stats_point(274, y);
}
void draw_right_percentage(long long value, int y) {
  draw_stats_field(value, y, {486, 499, 512, 531}, 2);
  draw_stats_point(524, y);
}
void draw_left_tenths(long long value, int y) {
  draw_signed_stats_field(value, y, {223, 236, 249, 262, 281}, 3, 13);
  draw_stats_point(274, y);
}
void draw_right_tenths(long long value, int y) {
  draw_signed_stats_field(value, y, {473, 486, 499, 512, 531}, 3, 13);
  draw_stats_point(524, y);
}

void draw_summary_left(const StatsBasic& basic, bool played, const StatsAi& ai) {
  const int* b = basic.words;
  const long long matches = b[kBasicMatches];
  draw_label(0, 130, 180);
  draw_stepped_field(matches, 180, 233, 12, 5, 4);
  for (int place = 0; place < 4; ++place) {
    const int y = 220 + 25 * place;
    draw_label(1 + place, 130, y);
    draw_left_percentage(stats_ratio(b[kBasicFirstPlaces + place], 1000, matches), y);
  }
  long long place_sum = 0;
  for (int place = 0; place < 4; ++place) place_sum += (place + 1LL) * b[kBasicFirstPlaces + place];
  draw_label(5, 130, 335);
  draw_stats_field(stats_ratio(place_sum, 10, matches), 335, {262, 281}, 0);
  draw_stats_point(274, 335);
  const long long tenths[3] = {stats_ratio(b[kBasicScoreSum], 10, matches), ai.words[kAiHighestScore] * 10LL,
                               ai.words[kAiLowestScore] * 10LL};
  for (int i = 0; i < 3; ++i) {
    draw_label(6 + i, 130, 375 + 25 * i);
    draw_left_tenths(played ? tenths[i] : 0, 375 + 25 * i);
  }
}

void draw_summary_right(int character, bool played, const StatsAi& stats) {
  const int* a = stats.words;
  const long long hands = a[kAiHands], wins = a[kAiWins], calls = a[kAiHandsWithCalls],
                  call_wins = a[kAiWinsWithCalls], deal_ins = a[kAiDealIns];
  const auto tenths = [played](long long value) { return played ? value : 0; };
  draw_right_percentage(stats_ratio(wins, 1000, hands), 180);
  draw_right_percentage(stats_ratio(a[kAiSelfDrawnWins], 1000, wins), 205);
  draw_right_percentage(stats_ratio(a[kAiConcealedWins], 1000, wins), 230);
  draw_right_percentage(stats_ratio(a[kAiTurnsToWin], 1000, wins * 100), 255);
  draw_right_tenths(tenths(stats_ratio(a[kAiPointsWon], 10, wins)), 280);
  draw_right_tenths(tenths(a[kAiHighestWin] * 10LL), 305);
  draw_right_percentage(stats_ratio(calls, 1000, hands), 345);
  draw_right_percentage(stats_ratio(call_wins, 1000, calls), 370);
  draw_right_percentage(stats_ratio(a[kAiTurnsToWinWithCalls], 1000, call_wins * 100), 395);
  draw_right_tenths(tenths(stats_ratio(a[kAiPointsWonWithCalls], 10, call_wins)), 420);
  draw_right_percentage(stats_ratio(deal_ins, 1000, hands), 460);
  draw_right_percentage(stats_ratio(a[kAiTurnsToDealIn], 1000, deal_ins * 100), 485);
  draw_right_tenths(tenths(stats_ratio(a[kAiPointsDealtIn], 10, deal_ins)), 510);
  draw_right_percentage(stats_ratio(hands - a[kAiHandsWon], 1000, hands), 550);
  constexpr int kLabelY[14] = {180, 205, 230, 255, 280, 305, 345, 370, 395, 420, 460, 485, 510, 550};
  for (int i = 0; i < 14; ++i) draw_label(9 + i, 380, kLabelY[i]);
  if (character != 0) return;
  draw_label(23, 380, 590);
  draw_right_percentage(stats_ratio(a[kAiFalseWins], 1000, wins + a[kAiFalseWins]), 590);
}

void draw_summary_page(int character) {
  draw_text(125, 102, kDescriptions[character]);
  draw_text(125, 127, kDescriptionSecondLine);
  const StatsAi& ai = g_stats_ai[character];
  const bool played = ai.words[kAiHands] >= 1;
  draw_summary_left(g_stats_basic[character], played, ai);
  draw_summary_right(character, played, ai);
}

void draw_name(int character, int x) {
  const int row = character == 0 && option_on(opt_player_female) ? kUserFemaleRow : character;
  blit_bitmap(x, 72, 120, 20, kNameSheet, 80, 20 * row);
}

void draw_arrows(int character, int page, int sub_page) {
  blit_bitmap(10, 10, 50, 30, kPageNumberSheet, 50 * character, 0);
  blit_bitmap(kStatsNextCharacter.left, kStatsNextCharacter.top, 20, 20, kStatsWordSheet, 80, 80);
  blit_bitmap(kStatsPreviousCharacter.left, kStatsPreviousCharacter.top, 20, 20, kStatsWordSheet, 100, 80);
  if (page != 3) blit_bitmap(kStatsPageUp.left, kStatsPageUp.top, 20, 20, kStatsWordSheet, 80, 100);
  if (page != 1 || sub_page != kLastSubPage)
    blit_bitmap(kStatsPageDown.left, kStatsPageDown.top, 20, 20, kStatsWordSheet, 100, 100);
}

// ------------------------------------------------------------ deletion screen
constexpr std::array<const char*, 3> kDeleteLines{
    "対局データを削除できます。", "削除した対局データの復元はできません。", "対局データを削除しますか？"};
constexpr const char* kDeleteChoice = "〇 削除する";
constexpr const char* kDeleteChoiceHovered = "● 削除する";
constexpr const char* kDeletedLine = "・ 対局データを削除しました";
constexpr const char* kDeleteFailedLine = "・ 保存できませんでした。再度選んでください";
constexpr const char* kDeleteFooter = "右クリックでメニュー画面に戻ります";

}  // namespace

void scene_character_data() {
  const int character = wrap(g_character_page, kPlayerCharacters);
  const int page = wrap(g_data_page, 4);
  const int sub_page = wrap(g_help_page, kLastSubPage + 1);
  draw_screen_background();
  draw_name(character, page == 1 ? 75 : 115);
  if (page == 0) draw_summary_page(character);
  else if (page == 1) draw_pattern_page(character, sub_page);
  else if (page == 2) draw_recent_page(character);
  else draw_ready_page(character);
  draw_arrows(character, page, sub_page);
  if (page == 1 && sub_page == 0) draw_text(170, 605, kPatternNote);
  draw_text(152, 655, kFooter);
}

void scene_data_delete() {
  draw_screen_background();
  draw_card(190, 160, 610, 510, false);
  for (int i = 0; i < static_cast<int>(kDeleteLines.size()); ++i) draw_text(210, 180 + 40 * i, kDeleteLines[i]);
  if (g_stats_deleted == 0) {
    draw_text(kDeleteBox.left, kDeleteBox.top, kDeleteChoice);
    if (kDeleteBox.contains(g_mouse_x, g_mouse_y)) draw_text(kDeleteBox.left, kDeleteBox.top, kDeleteChoiceHovered);
    if (g_last_write_failed == kWriteFailedDeletion) draw_text(230, 360, kDeleteFailedLine);
  } else {
    draw_text(230, 360, kDeletedLine);
  }
  draw_text(220, 480, kDeleteFooter);
}
