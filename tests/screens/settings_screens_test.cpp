#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <set>
#include <vector>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "base/yaku_switches.h"
#include "platform/headless/headless.h"
#include "screens/front_end_layout.h"
#include "screens/screen_state.h"
#include "screens/screens.h"
#include "support/draw_calls.h"
#include "support/test_workdir.h"

namespace {

struct Screen {
  int scene;
  void (*draw)();
  std::vector<SettingRow> rows;  // the reset row last
};

std::vector<SettingRow> with_reset(std::span<const SettingRow> rows, const SettingRow& reset) {
  std::vector<SettingRow> out(rows.begin(), rows.end());
  out.push_back(reset);
  return out;
}

std::vector<Screen> screens() {
  return {
      {SCENE_OPTIONS, scene_options, with_reset(kOptionRows, kOptionReset)},
      {SCENE_SUPPORT, scene_support, with_reset(kSupportRows, kSupportReset)},
      {SCENE_RULE_YAKU, scene_rule_yaku, with_reset(kRuleYakuRows, kRuleYakuReset)},
      {SCENE_LOCAL_YAKU, scene_local_yaku, with_reset(kLocalYakuRows, kLocalYakuReset)},
  };
}

class SettingScreens : public ::testing::Test {
 protected:
  void SetUp() override {
    open_headless_program();
    headless::left_click_at(10, 10);  // past the title, no files
  }
  TestWorkdir dir_;
};

using Pixels = std::vector<std::uint32_t>;

// The 16-pixel-high strip of the off-screen surface holding a text drawn at (x, y).
Pixels strip(int x, int y, int width) {
  Pixels out;
  finish_drawing();
  for (int dy = 0; dy < 16; ++dy)
    for (int dx = 0; dx < width; ++dx) out.push_back(g_back_surface.at(x + dx, y + dy));
  return out;
}

// What the sentence looks like drawn on its own.
Pixels rendered(const char* sentence) {
  platform::Surface s(platform::text_width(sentence), 16, 0x000000);
  platform::text_out(s, 0, 0, sentence);
  return s.pixels;
}

// The image of the text drawn at (x, y).
Pixels image_at(const std::vector<DrawCall>& calls, int x, int y) {
  const DrawCall* text = call_at(calls, 0, x, y);
  if (text == nullptr) {
    ADD_FAILURE() << "no text at (" << x << ", " << y << ")";
    return {};
  }
  return strip(x, y, text->w);
}

Pixels row_image(void (*draw)(), int x, int y) { return image_at(record_calls(draw), x, y); }

// Positions where a second text covers the start of the first: the hover marks.
std::set<std::pair<int, int>> marks(const std::vector<DrawCall>& calls) {
  std::set<std::pair<int, int>> seen, marked;
  for (const DrawCall& c : from_sheet(calls, 0))
    if (!seen.insert({c.dx, c.dy}).second) marked.insert({c.dx, c.dy});
  return marked;
}

struct Settings {
  std::array<int, kOptionWords> options = g_options;
  std::array<int, kRuleYakuWords> rule = g_rule_yaku;
  std::array<int, kLocalYakuWords> local = g_local_yaku;
  bool operator==(const Settings&) const = default;
};

// The image of every row of the screen, the reset row last, from one drawing.
std::vector<Pixels> row_images(const Screen& screen) {
  const std::vector<DrawCall> calls = record_calls(screen.draw);
  std::vector<Pixels> out;
  for (const SettingRow& row : screen.rows) out.push_back(image_at(calls, row.x, row.y));
  return out;
}

// Steps `word` through `values` values: each shows another sentence, in its
// own row only.
void expect_row_follows_word(const Screen& screen, std::size_t r, int& word, int values) {
  std::set<Pixels> seen;
  const int start = word;
  std::vector<Pixels> previous;
  for (int v = 0; v < values; ++v) {
    word = v;
    const std::vector<Pixels> images = row_images(screen);
    seen.insert(images[r]);
    for (std::size_t other = 0; other < previous.size(); ++other) {
      if (other == r) continue;
      EXPECT_EQ(images[other], previous[other]) << "scene " << screen.scene << " row " << other;
    }
    previous = images;
  }
  EXPECT_EQ(static_cast<int>(seen.size()), values) << "scene " << screen.scene << " row " << r;
  word = start;
}

TEST_F(SettingScreens, EveryOptionRowShowsAnOwnSentenceForEachValueOfItsWord) {
  g_mouse_x = g_mouse_y = 0;
  const std::vector<Screen> all = screens();
  for (const Screen& screen : {all[0], all[1]})
    for (std::size_t r = 0; r + 1 < screen.rows.size(); ++r)
      expect_row_follows_word(screen, r, g_options[screen.rows[r].word], kOptionRanges[screen.rows[r].word].max + 1);
  g_options[opt_com_speed] = 0;
  EXPECT_EQ(row_image(scene_options, 100, 150), rendered("〇 COMの捨て牌の速さ：4フレーム(最も速い)"));
  g_options[opt_com_speed] = 5;
  EXPECT_EQ(row_image(scene_options, 100, 150), rendered("〇 COMの捨て牌の速さ：24フレーム(最も遅い)"));
  g_options[opt_player_female] = 1;
  EXPECT_EQ(row_image(scene_options, 380, 520), rendered("〇 プレイヤーの性別(音声)：女"));
  g_options[opt_ai_tile_choice] = 4;
  EXPECT_EQ(row_image(scene_support, 100, 230), rendered("〇 AIの牌選択：あり (COM4 さやか)"));
  g_options[opt_ai_target_display] = 1;
  EXPECT_EQ(row_image(scene_support, 100, 260), rendered("〇 AIの狙っている役表示：あり"));
  EXPECT_EQ(row_image(scene_support, 100, 400), rendered("〇 サポート機能を初期化します"));

  g_options[opt_com_speed] = 99;  // as from a damaged file: shown as the built-in default
  EXPECT_EQ(row_image(scene_options, 100, 150), rendered("〇 COMの捨て牌の速さ：12フレーム(推奨)"));
}

TEST_F(SettingScreens, EverySwitchRowShowsItsWordsState) {
  g_mouse_x = g_mouse_y = 0;
  const std::vector<Screen> all = screens();
  for (const Screen& screen : {all[2], all[3]}) {
    for (std::size_t r = 0; r + 1 < screen.rows.size(); ++r) {
      const SettingRow& row = screen.rows[r];
      int& word = screen.scene == SCENE_RULE_YAKU ? g_rule_yaku[row.word] : g_local_yaku[row.word];
      expect_row_follows_word(screen, r, word, 2);
      word = 1;
      const Pixels on = row_image(screen.draw, row.x, row.y);
      word = 3;  // as from a damaged file: on, as the scorer reads it
      EXPECT_EQ(row_image(screen.draw, row.x, row.y), on) << "word " << row.word;
      word = 0;
    }
  }
  g_rule_yaku[5] = 1;
  g_rule_yaku[8] = 0;
  EXPECT_EQ(row_image(scene_rule_yaku, 100, 330), rendered("〇 無字：複合しない")) << "the second group starts with word 8";
  EXPECT_EQ(row_image(scene_rule_yaku, 100, 360), rendered("〇 五門斉：複合する"));
  g_rule_yaku[12] = 1;
  EXPECT_EQ(row_image(scene_rule_yaku, 100, 510), rendered("〇 カンして最後の牌で和了した時、槓上開花と妙手回春が付く"));
  EXPECT_EQ(row_image(scene_rule_yaku, 90, 300), rendered("七対に役を複合するか"));
  g_local_yaku[2] = 1;
  EXPECT_EQ(row_image(scene_local_yaku, 100, 210), rendered("〇 人和：あり"));
  EXPECT_EQ(row_image(scene_local_yaku, 100, 270), rendered("〇 ローカル役の設定を初期化する"));
}

// Around every box and at scattered points: a mark is drawn, at the row's
// corner, exactly where a left click changes a setting; drawing changes none.
TEST_F(SettingScreens, TheHoverMarkIsDrawnExactlyWhereAClickActs) {
  platform::rand_seed(5);
  for (const Screen& screen : screens()) {
    std::vector<std::pair<int, int>> points;
    for (const SettingRow& row : screen.rows)
      for (int dx : {-1, 0, 8, 16, 17})
        for (int dy : {-1, 0, 16, 17}) points.push_back({row.x + dx, row.y + dy});
    for (int i = 0; i < 40; ++i) points.push_back({platform::rand15() % 720, platform::rand15() % 720});
    for (const auto& [x, y] : points) {
      g_scene = screen.scene;
      g_se_request[SE_SELECT] = 0;
      headless::left_click_at(x, y);
      const bool acted = g_se_request[SE_SELECT] > 0;
      ASSERT_EQ(g_mouse_x, x);
      const Settings before;
      const std::set<std::pair<int, int>> drawn = marks(record_calls(screen.draw));
      EXPECT_TRUE(Settings{} == before) << "drawing changed a setting";
      std::set<std::pair<int, int>> expected;
      for (const SettingRow& row : screen.rows)
        if (acted && mark_box(row.x, row.y).contains(x, y)) expected.insert({row.x, row.y});
      EXPECT_EQ(drawn, expected) << "scene " << screen.scene << " pointer (" << x << ", " << y << ")";
      EXPECT_EQ(drawn.size(), acted ? 1u : 0u) << "scene " << screen.scene << " pointer (" << x << ", " << y << ")";
    }
  }
}

}  // namespace
