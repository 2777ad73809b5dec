// The title, the suspension notice, the resume question, the main menu and
// the match standings.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/scene_state.h"
#include "base/table_state.h"
#include "draw/gdi.h"
#include "platform/platform.h"
#include "screens/front_end_layout.h"
#include "screens/screen_state.h"
#include "screens/screens.h"

namespace {

constexpr const char* kHoverMark = "●";

constexpr std::array<const char*, 5> kKeyHelp{
    "Enter：タイトルに戻る", "Z：手牌を開閉する", "X：牌山の開示を切り替え", "C：ツモ切り牌の切り替え",
    "V：組合竜サポート表示の切り替え",
};
constexpr std::array<const char*, 3> kSuspendedLines{
    "対局を中断しました", "・次回起動時に、次局から再開できます",
    "・Escキーか×ボタンクリックで、ゲームを終了してください",
};
constexpr const char* kSuspendFailedLine = "・中断データを保存できませんでした。次回は再開できません";
constexpr std::array<const char*, 2> kResumeLines{
    "対局の中断データがあります。再開しますか？",
    "・再開しない場合は中断データは削除され、再開はできなくなります",
};
constexpr std::array<const char*, kResumeChoices> kResumeChoiceLabels{"〇 再開する", "〇 再開しない"};
constexpr std::array<const char*, kMenuLeftItems> kMenuLeftLabels{
    "〇 フリー対局", "〇 オプション",  "〇 サポート機能", "〇 複合役の設定",
    "〇 ローカル役の設定", "〇 対局データ", "〇 データ削除",
};
constexpr std::array<const char*, kMenuRightItems> kMenuRightLabels{
    "〇 中国麻将のルール", "〇 あがり役の説明", "〇 あがり役のルール", "〇 日本麻雀との違い",
    "〇 初心者へのアドバイス",
};
// What the menu says after a write failed on the way to it, by WriteFailure.
constexpr std::array<const char*, kWriteFailedSettings + 1> kMenuFailureLines{
    nullptr,
    "中断データを書き換えられなかったため、再開を取りやめました",
    "中断データを読み込めなかったため、再開を取りやめました",
    "中断データを削除できませんでした。次回の起動時にも再開を尋ねます",
    // The match stays booked in memory until the title click reads the file again.
    "この対局の成績は保存できず、タイトルに戻ると消えます",
    "設定を保存できませんでした。設定は終了するまで有効です",
};

// What the menu says after booking a match that was resumed onto other
// statistics than it was stored with.
constexpr std::array<const char*, 2> kPartlyBookedLines{
    "対局データが中断した時と変わっていたため、この対局の",
    "中断前の局の成績（和了・放銃・役など）は記録していません",
};
// The notice of data files that could not be read: a card above the
// screen's own, its first line, the file names (as many a line as fit) and
// its last line, from kUnreadableTop down. The menu's notes share one card
// below the menu's own, from kMenuNotesTop down.
constexpr const char* kUnreadableHead = "次のファイルを読み込めませんでした。初期値で続けます";
constexpr const char* kUnreadableFoot = "・ファイルはそのまま残し、終了するまで上書きしません";
constexpr const char* kNameSeparator = "、";
constexpr int kNoticeLeft = 100;
constexpr int kNoticeRight = 640;
constexpr int kUnreadableTop = 30;
constexpr int kMenuNotesTop = 545;
constexpr int kNoticeTextX = 120;
constexpr int kNoticeTextInset = 15;  // card edge to the first line's top, and last line's bottom to the edge
constexpr int kNoticeLinePitch = 24;
constexpr int kNoticeTextHeight = 16;  // a line of the program's text
constexpr int kNoticeTextWidth = kNoticeRight - kNoticeTextX - 20;

std::vector<std::string> unreadable_notice_lines() {
  std::vector<std::string> lines{kUnreadableHead, ""};
  for (const std::string& name : g_unreadable_files) {
    const std::string joined = lines.back().empty() ? name : lines.back() + kNameSeparator + name;
    if (platform::text_width(joined) > kNoticeTextWidth) lines.push_back(name);
    else lines.back() = joined;
  }
  lines.push_back(kUnreadableFoot);
  return lines;
}

// A card of notice lines from `top` down, as tall as its lines.
void draw_notice(int top, const std::vector<std::string>& lines) {
  const int count = static_cast<int>(lines.size());
  draw_card(kNoticeLeft, top, kNoticeRight, top + 2 * kNoticeTextInset + kNoticeLinePitch * (count - 1) + kNoticeTextHeight);
  for (int i = 0; i < count; ++i) draw_text(kNoticeTextX, top + kNoticeTextInset + kNoticeLinePitch * i, lines[i].c_str());
}

void draw_unreadable_notice() {
  if (!g_unreadable_files.empty()) draw_notice(kUnreadableTop, unreadable_notice_lines());
}

void draw_menu_notes() {
  std::vector<std::string> lines;
  if (g_partly_booked != 0) lines.assign(kPartlyBookedLines.begin(), kPartlyBookedLines.end());
  if (g_last_write_failed >= kWriteFailedResume && g_last_write_failed <= kWriteFailedSettings)
    lines.emplace_back(kMenuFailureLines[g_last_write_failed]);
  if (!lines.empty()) draw_notice(kMenuNotesTop, lines);
}

// The title's name as a large logo: the text's glyphs enlarged `scale` times
// in `colour`, their grey edges blended, the centre of the logo at centre_x.
void draw_logo(int centre_x, int top, const char* text, int scale, std::uint32_t colour) {
  draw_enlarged_text(centre_x - platform::text_width(text) * scale / 2, top, text, scale, colour);
}

// The logo contrasts with the background: deep green on the paper texture,
// cream on the plain green that stands in for it.
constexpr std::uint32_t kLogoOnTexture = 0x1E5A3C;
constexpr std::uint32_t kLogoOnPlain = 0xF1E3B8;

void draw_hover(int x, int y, const HitBox& box) {
  if (box.contains(g_mouse_x, g_mouse_y)) draw_text(x, y, kHoverMark);
}

}  // namespace

void scene_title() {
  draw_background(kBackgroundScreens);
  draw_logo(360, 62, "Ruvelka", 4, bitmap_loaded(kTextureSheet) ? kLogoOnTexture : kLogoOnPlain);
  draw_card(235, 175, 455, 375);
  fill_box(265, 268, 160, 2, kCardEdgeColour);
  draw_card(215, 440, 545, 625);
  draw_text(275, 200, "Ruvelka");
  draw_text(273, 340, "2022-2025　Dobrank");
  draw_text(240, 460, kKeyHelp[0]);
  for (int i = 1; i < static_cast<int>(kKeyHelp.size()); ++i) draw_text(268, 470 + 30 * i, kKeyHelp[i]);
}

void scene_suspended() {
  draw_background(kBackgroundScreens);
  const bool failed = g_last_write_failed == kWriteFailedSuspend;
  draw_card(115, 175, 605, 305);
  for (int i = 0; i < static_cast<int>(kSuspendedLines.size()); ++i)
    draw_text(140, 200 + 40 * i, failed && i == 1 ? kSuspendFailedLine : kSuspendedLines[i]);
}

void scene_resume_question() {
  draw_background(kBackgroundScreens);
  draw_card(100, 195, 640, 395);
  for (int i = 0; i < static_cast<int>(kResumeLines.size()); ++i) draw_text(120, 220 + 40 * i, kResumeLines[i]);
  for (int i = 0; i < kResumeChoices; ++i) draw_text(kResumeChoiceX, resume_choice_y(i), kResumeChoiceLabels[i]);
  for (int i = 0; i < kResumeChoices; ++i) draw_hover(kResumeChoiceX, resume_choice_y(i), resume_choice_box(i));
  draw_unreadable_notice();
}

void scene_main_menu() {
  draw_background(kBackgroundScreens);
  draw_card(150, 170, 610, 515);
  for (int i = 0; i < kMenuLeftItems; ++i) {
    draw_text(kMenuLeftX, menu_row_y(i), kMenuLeftLabels[i]);
    draw_hover(kMenuLeftX, menu_row_y(i), menu_left_box(i));
  }
  for (int i = 0; i < kMenuRightItems; ++i) {
    draw_text(kMenuRightX, menu_row_y(i), kMenuRightLabels[i]);
    draw_hover(kMenuRightX, menu_row_y(i), menu_right_box(i));
  }
  draw_menu_notes();
  draw_unreadable_notice();
}
