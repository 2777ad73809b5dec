// Clicks of the title, the resume question, the main menu and the standings.
#include <algorithm>
#include <array>

#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "base/stats.h"
#include "base/table_state.h"
#include "flow/match_stats.h"
#include "flow/new_hand.h"
#include "platform/platform.h"
#include "screens/front_end_layout.h"
#include "screens/screen_state.h"
#include "shell/data_files.h"
#include "shell/input_front_end.h"
#include "shell/shell_state.h"

namespace {

constexpr int kOpponents = 3;
constexpr int kCombinations = 20;
constexpr int kSeatOrders = 6;
constexpr int kUserCharacter = 0;
constexpr int kPlaces = 4;

// The 20 ways to choose three of COM1..COM6, in lexicographic order.
constexpr std::array<std::array<int, kOpponents>, kCombinations> kCombinationList = [] {
  std::array<std::array<int, kOpponents>, kCombinations> list{};
  int n = 0;
  for (int a = 1; a <= kComCharacters; ++a)
    for (int b = a + 1; b <= kComCharacters; ++b)
      for (int c = b + 1; c <= kComCharacters; ++c) list[n++] = {a, b, c};
  return list;
}();
static_assert(kCombinationList[1] == std::array<int, 3>{1, 2, 4});
static_assert(kCombinationList[19] == std::array<int, 3>{4, 5, 6});

// Seats 1, 2, 3 take these places of the chosen characters in ascending order.
constexpr std::array<std::array<int, kOpponents>, kSeatOrders> kSeatOrderList{{
    {0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0},
}};

int random_below(int n) { return platform::rand15() % n; }

// A match starts or resumes: its standings are not booked yet.
void enter_match() {
  g_scene = SCENE_DEAL;
  g_scene_frame = 0;
  g_standings_booked = 0;
  g_unreadable_files.clear();
  setup_new_hand();
}

void open_screen(int scene) {
  g_scene = scene;
  request_se(SE_OK);
}

void resume_match() {
  g_scene = SCENE_MAIN_MENU;
  RestartData data{};
  if (!read_restart_file(data) || data.flag != 1) {
    // Gone or spoilt since the question was asked: nothing was written, and
    // a file that is there but cannot be read is named as at the title.
    g_last_write_failed = kReadFailedResume;
    g_unreadable_files = newly_unreadable_data_files();
    return;
  }
  // The stored match may be resumed once only: it goes into play only after
  // its file says so, or the same snapshot could be resumed again later and
  // overwrite every match booked since.
  data.flag = 0;
  if (!write_restart_file(data)) {
    g_last_write_failed = kWriteFailedResume;
    return;
  }
  apply_restart_data(data);
  // The stored copy was built on the statistics as they stood when the match
  // began. Were they different now (booked or deleted since, or unreadable
  // then or now), booking the copy would replace them: the match goes on
  // from them instead, leaving out the hands it played before.
  if (!same_finished_matches(data.stats, saved_stats())) {
    copy_saved_stats_to_match();
    g_hands_left_out = 1;
  }
  enter_match();
}

void decline_resume() {
  const bool written = write_restart_file(restart_data_from_memory(0));
  open_screen(SCENE_MAIN_MENU);
  g_last_write_failed = written ? kWriteOk : kWriteFailedDecline;
}

void book_standings() {
  for (int p = 0; p < kPlaces; ++p) {
    const StandingsEntry& row = g_standings[p];
    if (row.character < 0 || row.character >= kPlayerCharacters) continue;
    // Held within the ranges the statistics file takes back, as every other
    // statistics word is: a long history neither wraps round nor is cut
    // differently at the next load.
    int* basic = g_match_stats.basic[row.character].words;
    int& sum = basic[kBasicScoreSum];
    sum = saturated_add(sum, row.score_again, -kStatSumMax, kStatSumMax);
    int& places = basic[kBasicFirstPlaces + std::clamp(row.place, 0, kPlaces - 1)];
    places = saturated_add(places, 1, 0, kStatCountMax);
  }
  copy_match_stats_to_saved();
  g_standings_booked = 1;
  g_partly_booked = g_hands_left_out;
}

}  // namespace

void click_title() {
  open_screen(SCENE_MAIN_MENU);
  g_last_write_failed = kWriteOk;
  g_partly_booked = 0;
  load_save_file();
  load_option_file();
  load_rule_yaku_file();
  load_local_yaku_file();
  if (suspended_match_waits()) g_scene = SCENE_RESUME_QUESTION;
  g_unreadable_files = newly_unreadable_data_files();
}

void click_resume_question() {
  if (resume_choice_box(0).contains(g_mouse_x, g_mouse_y)) resume_match();
  else if (resume_choice_box(1).contains(g_mouse_x, g_mouse_y)) decline_resume();
}

std::array<int, 3> choose_opponents() {
  std::array<int, kComCharacters> characters{};
  for (int i = 0; i < kComCharacters; ++i) characters[i] = i + 1;
  const auto played = [](int c) { return g_stats_basic[c].words[kBasicMatches]; };
  const bool level = std::all_of(characters.begin(), characters.end(),
                                 [&](int c) { return played(c) == played(1); });
  if (level) return kCombinationList[random_below(kCombinations)];
  std::stable_sort(characters.begin(), characters.end(), [&](int a, int b) { return played(a) < played(b); });
  return {characters[0], characters[1], characters[2]};
}

void start_new_match() {
  std::array<int, kOpponents> chosen = choose_opponents();
  std::sort(chosen.begin(), chosen.end());
  const std::array<int, kOpponents>& order = kSeatOrderList[random_below(kSeatOrders)];
  g_seat_character[0] = kUserCharacter;
  for (int s = 1; s < kSeats; ++s) g_seat_character[s] = chosen[order[s - 1]];
  copy_saved_stats_to_match();
  g_hands_left_out = 0;
  g_round_wind = 0;
  g_dealer = random_below(kSeats);
  g_first_dealer = g_dealer;
  std::fill(std::begin(g_scores), std::end(g_scores), 0);
  enter_match();
  request_se(SE_OK);
}

void click_main_menu() {
  g_pick = menu_item_at(g_mouse_x, g_mouse_y);
  if (g_pick == kMenuNone) return;
  g_last_write_failed = kWriteOk;
  g_partly_booked = 0;
  g_unreadable_files.clear();
  switch (g_pick) {
    case kMenuNewMatch: start_new_match(); return;
    case kMenuOptions: open_screen(SCENE_OPTIONS); break;
    case kMenuSupport: open_screen(SCENE_SUPPORT); break;
    case kMenuRuleYaku: open_screen(SCENE_RULE_YAKU); break;
    case kMenuLocalYaku: open_screen(SCENE_LOCAL_YAKU); break;
    case kMenuCharacterData:
      open_screen(SCENE_CHARACTER_DATA);
      g_character_page = 0;
      g_data_page = 0;
      g_help_page = 0;
      break;
    case kMenuDataDelete:
      open_screen(SCENE_DATA_DELETE);
      g_stats_deleted = 0;
      break;
    case kMenuHelpRules: open_screen(SCENE_HELP_RULES); break;
    case kMenuHelpYakuList:
      open_screen(SCENE_HELP_YAKU_LIST);
      g_help_page = 0;
      g_help_selection = 0;
      break;
    case kMenuHelpYakuRules:
      open_screen(SCENE_HELP_YAKU_RULES);
      g_help_page = 0;
      break;
    case kMenuHelpDifferences: open_screen(SCENE_HELP_DIFFERENCES); break;
    case kMenuHelpAdvice: open_screen(SCENE_HELP_ADVICE); break;
    default: break;
  }
}

void click_match_standings() {
  // Booking adds to the statistics, so the match is booked once whatever
  // way the standings are left.
  if (!g_standings_booked) book_standings();
  g_last_write_failed = save_save_file() ? kWriteOk : kWriteFailedStandings;
  g_scene = SCENE_MAIN_MENU;
  g_scene_frame = 0;
  g_pick = 0;
  request_se(SE_OK);
}

bool store_suspended_match() {
  const bool ok = write_suspended_match();
  g_last_write_failed = ok ? kWriteOk : kWriteFailedSuspend;
  return ok;
}
