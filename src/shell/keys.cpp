#include "shell/keys.h"

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "platform/platform.h"
#include "screens/screen_state.h"
#include "shell/shell_state.h"

namespace {

constexpr int kFirstKey = 13;
constexpr int kLastKey = 90;
constexpr int kCharacterPages = 7;
constexpr int kYakuListPages = 12;
constexpr int kLastSubPage = 4;
constexpr int kNoticeFrames = 120;
constexpr int kNoticeTsumogiri = 3;
constexpr int kNoticeKnitted = 4;

void page_sideways(int step) {
  request_se(SE_SELECT);
  if (g_scene == SCENE_CHARACTER_DATA) {
    g_character_page = (g_character_page + step + kCharacterPages) % kCharacterPages;
  } else if (g_scene == SCENE_HELP_YAKU_LIST) {
    g_help_page = (g_help_page + step + kYakuListPages) % kYakuListPages;
    g_help_selection = 0;
  }
}

// Up and Down page the statistics screen; the sound plays only on a change.
void page_up() {
  if (g_scene != SCENE_CHARACTER_DATA) return;
  switch (g_data_page) {
    case 0: g_data_page = 2; break;
    case 2: g_data_page = 3; break;
    case 1:
      if (g_help_page > 0) --g_help_page;
      else g_data_page = 0;
      break;
    default: return;
  }
  request_se(SE_SELECT);
}

void page_down() {
  if (g_scene != SCENE_CHARACTER_DATA) return;
  switch (g_data_page) {
    case 0: g_data_page = 1; break;
    case 2: g_data_page = 0; break;
    case 3: g_data_page = 2; break;
    case 1:
      if (g_help_page >= kLastSubPage) return;
      ++g_help_page;
      break;
    default: return;
  }
  request_se(SE_SELECT);
}

// The next value of the word's range counts on from the word as stored, so a
// word read out of range from the option file comes back into range where
// its count leads.
void toggle(OptionWord word) {
  const int values = kOptionRanges[word].max + 1;
  g_options[word] = ((g_options[word] + 1) % values + values) % values;
  request_se(SE_SELECT);
}

void show_notice(int kind) {
  g_notice_kind = kind;
  g_notice_frames = kNoticeFrames;
}

}  // namespace

void on_key_down(int key) {
  if (key < kFirstKey || key > kLastKey) return;
  switch (key) {
    case platform::kVkReturn:
      g_scene = SCENE_TITLE;
      g_scene_frame = 0;
      break;
    case platform::kVkEscape: platform::destroy_window(); break;
    case platform::kVkLeft: page_sideways(-1); break;
    case platform::kVkRight: page_sideways(+1); break;
    case platform::kVkUp: page_up(); break;
    case platform::kVkDown: page_down(); break;
    case platform::kVkC:
      toggle(opt_tsumogiri_grey);
      show_notice(kNoticeTsumogiri);
      break;
    case platform::kVkV:
      toggle(opt_knitted_support);
      show_notice(kNoticeKnitted);
      break;
    case platform::kVkX: toggle(opt_open_wall); break;
    case platform::kVkZ: toggle(opt_open_hands); break;
    default: break;
  }
}
