#include "support/monkey.h"

#include <array>

#include "base/scene_state.h"
#include "base/scenes.h"
#include "platform/headless/headless.h"
#include "shell/play_layout.h"
#include "support/state_ranges.h"
#include "support/test_workdir.h"

namespace {

constexpr int kWindowSize = 720;
constexpr int kProblemLimit = 20;
// Chances per 10000 frames.
constexpr int kIdle = 4500;
constexpr int kUsefulClick = 3000;
constexpr int kAnyClick = 800;
constexpr int kRightClick = 600;
constexpr int kMove = 500;
constexpr int kEnter = 10;   // back to the title: rare, or no hand would end
constexpr int kEscape = 2;   // the program ends

constexpr std::array<int, 8> kPlainKeys{platform::kVkLeft, platform::kVkRight, platform::kVkUp, platform::kVkDown,
                                        platform::kVkC,    platform::kVkV,     platform::kVkX,  platform::kVkZ};

bool in_hand(int scene) { return scene >= SCENE_SEAT0_DRAW && scene < SCENE_HAND_RESULT; }

struct Point {
  int x, y;
};
Point centre(const HitBox& b) { return {(b.left + b.right) / 2, (b.top + b.bottom) / 2}; }

}  // namespace

Monkey::Monkey(std::uint32_t seed) : seed_(seed), rng_(seed) {}

void Monkey::note(const std::string& problem) {
  if (problems.size() < kProblemLimit)
    problems.push_back("seed " + std::to_string(seed_) + ", frame " + std::to_string(frames) + ", scene " +
                       std::to_string(g_scene) + ": " + problem);
}

void Monkey::enter(int entry) {
  open_headless_program(seed_);
  headless::left_click_at(10, 10);
  const int row = entry % (kMenuLeftItems + kMenuRightItems);
  const HitBox item = row < kMenuLeftItems ? menu_left_box(row) : menu_right_box(row - kMenuLeftItems);
  headless::left_click_at(item.left + 5, item.top + 5);
}

void Monkey::run(int count) {
  for (int f = 0; f < count && problems.size() < kProblemLimit; ++f) step();
}

void Monkey::step() {
  act();
  if (g_scene == SCENE_DEAL && g_scene_frame == 0) {
    invariants_.begin_hand();
    hand_started_ = true;
    ++hands;
  }
  try {
    headless::step_frames(1);
  } catch (const headless::ExitRequested& exit) {
    note("the program exited with code " + std::to_string(exit.code));
  }
  ++frames;
  if (headless::quit_requested()) {
    // Escape ends the program; the next start finds what it wrote.
    open_headless_program(seed_ + static_cast<std::uint32_t>(++restarts));
    hand_started_ = false;
    return;
  }
  scenes.insert(g_scene);
  for (const std::string& p : state_out_of_range()) note(p);
  if (hand_started_ && in_hand(g_scene))
    for (const std::string& p : invariants_.check()) note(p);
}

void Monkey::act() {
  int roll = pick(10000);
  if ((roll -= kIdle) < 0) return;
  if ((roll -= kUsefulClick) < 0) return click_somewhere_useful();
  if ((roll -= kAnyClick) < 0) return headless::left_click_at(pick(kWindowSize), pick(kWindowSize));
  if ((roll -= kRightClick) < 0) {
    popup_x_ = pick(kWindowSize);
    popup_y_ = pick(kWindowSize);
    return headless::right_click_at(popup_x_, popup_y_);
  }
  if ((roll -= kMove) < 0) return headless::mouse_move(pick(kWindowSize), pick(kWindowSize));
  if (may_leave && (roll -= kEnter) < 0) return headless::key(platform::kVkReturn);
  if (may_leave && (roll -= kEscape) < 0) return headless::key(platform::kVkEscape);
  press_key();
}

void Monkey::press_key() { headless::key(kPlainKeys[static_cast<std::size_t>(pick(kPlainKeys.size()))]); }

void Monkey::click_somewhere_useful() {
  Point p{10, 10};  // the title, and beside every panel (a declined claim)
  switch (pick(8)) {
    case 0:
    case 1: p = {(pick(2) == 0 ? user_drawn_tile_x() : user_slot_x(pick(13))) + 19, 680}; break;
    case 2: p = centre(pick(2) == 0 ? turn_popup_row_box(popup_x_, popup_y_, 2 + pick(3))
                                    : claim_panel_row_box(popup_x_, popup_y_, 1 + pick(4))); break;
    case 3: p = centre(pick(2) == 0 ? menu_left_box(pick(kMenuLeftItems)) : menu_right_box(pick(kMenuRightItems))); break;
    case 4: {
      const SettingRow& row = pick(2) == 0 ? kOptionRows[static_cast<std::size_t>(pick(kOptionRows.size()))]
                                           : kRuleYakuRows[static_cast<std::size_t>(pick(kRuleYakuRows.size()))];
      p = centre(mark_box(row.x, row.y));
      break;
    }
    case 5: {
      const std::array<HitBox, 8> buttons{kNextHandBox,   kSuspendBox,    kStatsNextCharacter, kStatsPreviousCharacter,
                                          kStatsPageDown, kDeleteBox,     resume_choice_box(0), resume_choice_box(1)};
      p = centre(buttons[static_cast<std::size_t>(pick(buttons.size()))]);
      break;
    }
    default: break;
  }
  headless::left_click_at(p.x, p.y);
}
