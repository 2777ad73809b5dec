// Clicks of the option, support, pattern-switch, statistics, deletion and
// help screens, and the right click that leaves them.
#include <span>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "base/stats.h"
#include "base/yaku_table.h"
#include "platform/platform.h"
#include "screens/front_end_layout.h"
#include "screens/screen_state.h"
#include "shell/data_files.h"
#include "shell/input_front_end.h"
#include "shell/keys.h"

namespace {

constexpr int kCharacterPages = kPlayerCharacters;
constexpr int kYakuRulePages = 3;
constexpr int kYakuListPages = 12;

bool pointer_in(const HitBox& box) { return box.contains(g_mouse_x, g_mouse_y); }
bool pointer_on(const SettingRow& row) { return pointer_in(mark_box(row.x, row.y)); }

// The first row under the pointer, or nullptr.
const SettingRow* row_under_pointer(std::span<const SettingRow> rows) {
  for (const SettingRow& row : rows)
    if (pointer_on(row)) return &row;
  return nullptr;
}

void step_option(int word) {
  const OptionWord w = static_cast<OptionWord>(word);
  g_options[w] = (option(w) + 1) % (kOptionRanges[w].max + 1);
}

// Steps the option under the pointer or resets the screen's words.
template <std::size_t N, std::size_t M>
void click_option_rows(const std::array<SettingRow, N>& rows, const SettingRow& reset,
                       const std::array<int, M>& reset_words) {
  if (const SettingRow* row = row_under_pointer(rows)) {
    step_option(row->word);
  } else if (pointer_on(reset)) {
    for (int word : reset_words) g_options[word] = kOptionDefaults[word];
  } else {
    return;
  }
  request_se(SE_SELECT);
}

template <std::size_t N, std::size_t W>
void click_switch_rows(const std::array<SettingRow, N>& rows, const SettingRow& reset, std::array<int, W>& words,
                       const std::array<int, W>& defaults) {
  if (const SettingRow* row = row_under_pointer(rows)) {
    words[row->word] = words[row->word] == 1 ? 0 : 1;
  } else if (pointer_on(reset)) {
    words = defaults;
  } else {
    return;
  }
  request_se(SE_SELECT);
}

constexpr std::array<int, kSupportLastWord - kSupportFirstWord + 1> kSupportResetWords{15, 16, 17, 18, 19, 20};

// The file a screen saves when it is left; nullptr for screens that save nothing.
bool (*saver_of(int scene))() {
  switch (scene) {
    case SCENE_OPTIONS:
    case SCENE_SUPPORT: return save_option_file;
    case SCENE_RULE_YAKU: return save_rule_yaku_file;
    case SCENE_LOCAL_YAKU: return save_local_yaku_file;
    default: return nullptr;
  }
}

void page_yaku_list(int step) {
  g_help_page = ((g_help_page + step) % kYakuListPages + kYakuListPages) % kYakuListPages;
  g_help_selection = 0;
  request_se(SE_SELECT);
}

}  // namespace

void click_options() { click_option_rows(kOptionRows, kOptionReset, kOptionResetWords); }
void click_support() { click_option_rows(kSupportRows, kSupportReset, kSupportResetWords); }
void click_rule_yaku() { click_switch_rows(kRuleYakuRows, kRuleYakuReset, g_rule_yaku, kRuleYakuDefaults); }
void click_local_yaku() { click_switch_rows(kLocalYakuRows, kLocalYakuReset, g_local_yaku, kLocalYakuDefaults); }

void click_character_data() {
  if (pointer_in(kStatsNextCharacter)) {
    g_character_page = (g_character_page + 1) % kCharacterPages;
    request_se(SE_SELECT);
  } else if (pointer_in(kStatsPreviousCharacter)) {
    g_character_page = (g_character_page + kCharacterPages - 1) % kCharacterPages;
    request_se(SE_SELECT);
  } else if (pointer_in(kStatsPageUp)) {
    on_key_down(platform::kVkUp);
  } else if (pointer_in(kStatsPageDown)) {
    on_key_down(platform::kVkDown);
  }
}

void click_data_delete() {
  if (g_stats_deleted != 0 || !pointer_in(kDeleteBox)) return;
  clear_saved_stats();
  request_se(SE_SELECT);
  // The confirmation is shown only once the cleared statistics are on disk;
  // after a failed save the offer stays so the deletion can be tried again.
  if (!save_save_file()) {
    g_last_write_failed = kWriteFailedDeletion;
    return;
  }
  g_last_write_failed = kWriteOk;
  g_stats_deleted = 1;
}

void click_help_yaku_rules() {
  g_help_page = (g_help_page + 1) % kYakuRulePages;
  request_se(SE_SELECT);
}

void click_help_yaku_list() {
  if (pointer_in(kYakuListPrevious)) page_yaku_list(-1);
  else if (pointer_in(kYakuListNext)) page_yaku_list(+1);
}

void leave_to_menu() {
  bool (*save)() = saver_of(g_scene);
  g_last_write_failed = save != nullptr && !save() ? kWriteFailedSettings : kWriteOk;
  g_scene = SCENE_MAIN_MENU;
  request_se(SE_OK);
}
