// The option, support, compound-pattern and local-pattern screens: each row
// shows the sentence for its word's current value, with the hover mark over
// its leading "〇" while the pointer is on the box the click tests.
#include <array>
#include <cstdint>
#include <span>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/yaku_switches.h"
#include "draw/gdi.h"
#include "platform/platform.h"
#include "screens/front_end_layout.h"
#include "screens/screens.h"

namespace {

using Labels = std::span<const char* const>;

constexpr const char* kHoverMark = "●";
constexpr int kTitleX = 80;
constexpr int kTitleY = 100;
constexpr int kHeadingX = 90;

// ------------------------------------------------------------------ options
constexpr std::array<const char*, 6> kComSpeedLabels{
    "〇 COMの捨て牌の速さ：4フレーム(最も速い)", "〇 COMの捨て牌の速さ：8フレーム",
    "〇 COMの捨て牌の速さ：12フレーム(推奨)",   "〇 COMの捨て牌の速さ：16フレーム",
    "〇 COMの捨て牌の速さ：20フレーム",         "〇 COMの捨て牌の速さ：24フレーム(最も遅い)",
};
constexpr std::array<const char*, 2> kOpenHandsLabels{"〇 手牌：オープンにしない", "〇 手牌：オープンする"};
constexpr std::array<const char*, 2> kTsumogiriLabels{"〇 ツモ切り牌の表示：なし", "〇 ツモ切り牌の表示：灰色"};
constexpr std::array<const char*, 2> kScoreCapLabels{"〇 和了得点の満貫制：なし (上限なし)",
                                                     "〇 和了得点の満貫制：あり (上限88点)"};
constexpr std::array<const char*, 2> kKongLabels{"〇 プレイヤーの暗槓表示：伏せた状態",
                                                 "〇 プレイヤーの暗槓表示：見える状態"};
constexpr std::array<const char*, 3> kFlowerLabels{"〇 花牌：なし", "〇 花牌：あり (選択して晒す)",
                                                   "〇 花牌：あり (自動で晒す)"};
constexpr std::array<const char*, 3> kDealtFlowerLabels{
    "〇 配牌後の花牌：何もしない", "〇 配牌後の花牌：配牌にある花牌を晒す",
    "〇 配牌後の花牌：配牌にある花牌を晒し、直後に引いた花牌も晒す"};
constexpr std::array<const char*, 2> kFalseWinLabels{"〇 詐和：なし", "〇 詐和：あり"};
constexpr std::array<const char*, 2> kSuspendLabels{"〇 中断：なし", "〇 中断：あり"};
constexpr std::array<const char*, 2> kBalloonLabels{"〇 音声の吹き出し：なし", "〇 音声の吹き出し：あり"};
constexpr std::array<const char*, 2> kAnimationLabels{"〇 牌の移動アニメ：なし", "〇 牌の移動アニメ：あり"};
constexpr std::array<const char*, 2> kFrameRateLabels{"〇 フレームレート：表示しない", "〇 フレームレート：表示する"};
constexpr std::array<const char*, 2> kSoundLabels{"〇 効果音：なし", "〇 効果音：あり"};
constexpr std::array<const char*, 2> kVoiceLabels{"〇 音声：なし", "〇 音声：あり"};
constexpr std::array<const char*, 2> kPlayerVoiceLabels{"〇 プレイヤーの性別(音声)：男",
                                                        "〇 プレイヤーの性別(音声)：女"};

// ------------------------------------------------------------------ support
constexpr std::array<const char*, 3> kKnittedLabels{
    "〇 組合竜のサポート：なし", "〇 組合竜のサポート：文字表示",
    "〇 組合竜のサポート：文字表示し、対象牌を灰色にする [非推奨]"};
constexpr std::array<const char*, 3> kKnittedCountLabels{
    "〇 組合竜のサポート枚数：7枚以上 (対象の形が1つのみ)", "〇 組合竜のサポート枚数：8枚以上 (対象の形が1つのみ)",
    "〇 組合竜のサポート枚数：9枚"};
constexpr std::array<const char*, 7> kAiChoiceLabels{
    "〇 AIの牌選択：なし",
    "〇 AIの牌選択：あり (COM1 ひろし)",
    "〇 AIの牌選択：あり (COM2 じゅんぺい)",
    "〇 AIの牌選択：あり (COM3 こうた)",
    "〇 AIの牌選択：あり (COM4 さやか)",
    "〇 AIの牌選択：あり (COM5 あかね)",
    "〇 AIの牌選択：あり (COM6 りょうこ)",
};
constexpr std::array<const char*, 2> kAiTargetLabels{"〇 AIの狙っている役表示：なし", "〇 AIの狙っている役表示：あり"};
constexpr std::array<const char*, 3> kWinScoreLabels{"〇 和了時の得点表示：なし", "〇 和了時の得点表示：あり (役の得点)",
                                                     "〇 和了時の得点表示：あり (役と花牌の得点)"};
constexpr std::array<const char*, 2> kSeatChangeLabels{"〇 場終了時の席替え表示：なし", "〇 場終了時の席替え表示：あり"};

// The sentences of each option word by value; word 2 has no row.
constexpr std::array<Labels, kOptionWords> kOptionLabels{
    kComSpeedLabels, kOpenHandsLabels,   Labels{},          kTsumogiriLabels,    kKongLabels,     kDealtFlowerLabels,
    kFlowerLabels,   kFalseWinLabels,    kSuspendLabels,    kBalloonLabels,      kAnimationLabels, kSoundLabels,
    kVoiceLabels,    kFrameRateLabels,   kPlayerVoiceLabels, kKnittedLabels,     kKnittedCountLabels, kAiChoiceLabels,
    kWinScoreLabels, kAiTargetLabels,    kSeatChangeLabels, kScoreCapLabels,
};
// option() keeps a word inside its range, so a row indexes its table safely
// only when the table holds exactly that range.
static_assert([] {
  for (int w = 0; w < kOptionWords; ++w)
    if (w != opt_open_wall && kOptionLabels[w].size() != static_cast<std::size_t>(kOptionRanges[w].max + 1))
      return false;
  return kOptionLabels[opt_open_wall].empty();
}());

// ----------------------------------------------------------- pattern switches
// Per word: the sentence for 0, then the sentence for 1.
constexpr std::array<std::array<const char*, 2>, kRuleYakuWords> kRuleYakuLabels{{
    {"〇 四暗刻：複合しない", "〇 四暗刻：複合する"},
    {"〇 九蓮宝燈：複合しない", "〇 九蓮宝燈：複合する"},
    {"〇 十三幺：複合しない", "〇 十三幺：複合する"},
    {"〇 連七対、七対：複合しない", "〇 連七対、七対：複合する"},
    {"〇 七星不靠、全不靠：複合しない", "〇 七星不靠、全不靠：複合する"},
    {"〇 五門斉：複合しない", "〇 五門斉：複合する"},
    {"〇 推不倒：複合しない", "〇 推不倒：複合する"},
    {"〇 全大、全中、全小、大干五、小干五：複合しない", "〇 全大、全中、全小、大干五、小干五：複合する"},
    {"〇 無字：複合しない", "〇 無字：複合する"},
    {"〇 缺一門：複合しない", "〇 缺一門：複合する"},
    {"〇 組合竜の対象牌に辺張、坎張、単釣将を複合しない", "〇 組合竜の対象牌に辺張、坎張、単釣将を複合する"},
    {"〇 三風刻、小四喜の対象牌に幺九刻を複合しない", "〇 三風刻、小四喜の対象牌に幺九刻を複合する"},
    {"〇 カンして最後の牌で和了した時、槓上開花のみ付く", "〇 カンして最後の牌で和了した時、槓上開花と妙手回春が付く"},
}};
constexpr std::array<const char*, 2> kRuleYakuHeadings{"役に不求人を複合するか (しない場合は自摸が複合される)",
                                                       "七対に役を複合するか"};
constexpr std::array<int, 2> kRuleYakuHeadingY{150, 300};

constexpr std::array<std::array<const char*, 2>, kLocalYakuWords> kLocalYakuLabels{{
    {"〇 天和：なし", "〇 天和：あり"},
    {"〇 地和：なし", "〇 地和：あり"},
    {"〇 人和：なし", "〇 人和：あり"},
}};

// ------------------------------------------------------------------- look
// The screen's texts sit on one white card: a soft shadow, a gold edge, a
// gold rule under the title and another above the reset row.
constexpr int kCardLeft = 60;
constexpr int kCardRight = 660;
constexpr int kCardTop = 75;
constexpr int kCardMargin = 25;      // below the reset row
constexpr int kRuleGap = 22;         // from a gold rule down to the text under it

void draw_rule(int y) { fill_box(kCardLeft + 20, y, kCardRight - kCardLeft - 40, 2, kCardEdgeColour); }

// The background, the card down to the reset row and the title.
void draw_frame(const char* title, const SettingRow& reset) {
  draw_screen_background();
  const int bottom = reset.y + 16 + kCardMargin;
  draw_card(kCardLeft, kCardTop, kCardRight, bottom);
  draw_rule(kTitleY + 16 + 9);
  draw_rule(reset.y - kRuleGap);
  draw_text(kTitleX, kTitleY, title);
}

void draw_row(const SettingRow& row, const char* label) {
  draw_text(row.x, row.y, label);
  if (mark_box(row.x, row.y).contains(g_mouse_x, g_mouse_y)) draw_text(row.x, row.y, kHoverMark);
}

template <std::size_t N>
void draw_option_screen(const char* title, const std::array<SettingRow, N>& rows, const SettingRow& reset,
                        const char* reset_label) {
  draw_frame(title, reset);
  for (const SettingRow& row : rows) {
    const OptionWord word = static_cast<OptionWord>(row.word);
    draw_row(row, kOptionLabels[word][static_cast<std::size_t>(option(word))]);
  }
  draw_row(reset, reset_label);
}

// A switch read from a damaged file may hold any value; like the scorer,
// every value but 0 counts as on.
template <std::size_t N, std::size_t W>
void draw_switch_rows(const std::array<SettingRow, N>& rows, const std::array<int, W>& words,
                      const std::array<std::array<const char*, 2>, W>& labels) {
  for (const SettingRow& row : rows) draw_row(row, labels[row.word][words[row.word] != 0 ? 1 : 0]);
}

}  // namespace

void scene_options() {
  draw_option_screen("オプション", kOptionRows, kOptionReset, "〇 オプションを初期化します (性別は除く)");
}

void scene_support() { draw_option_screen("サポート機能", kSupportRows, kSupportReset, "〇 サポート機能を初期化します"); }

void scene_rule_yaku() {
  draw_frame("複合役の設定", kRuleYakuReset);
  for (std::size_t i = 0; i < kRuleYakuHeadings.size(); ++i) draw_text(kHeadingX, kRuleYakuHeadingY[i], kRuleYakuHeadings[i]);
  draw_switch_rows(kRuleYakuRows, g_rule_yaku, kRuleYakuLabels);
  draw_row(kRuleYakuReset, "〇 複合役の設定を初期化する");
}

void scene_local_yaku() {
  draw_frame("ローカル役の設定", kLocalYakuReset);
  draw_switch_rows(kLocalYakuRows, g_local_yaku, kLocalYakuLabels);
  draw_row(kLocalYakuReset, "〇 ローカル役の設定を初期化する");
}
