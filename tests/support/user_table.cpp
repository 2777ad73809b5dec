#include "support/user_table.h"

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "flow/new_hand.h"
#include "platform/headless/headless.h"
#include "shell/tile_draw.h"
#include "support/hand_builder.h"

void UserTableTest::SetUp() {
  open_headless_program(kSeed);
  g_options[opt_voice_balloons] = 0;
  g_options[opt_flowers] = 0;
  g_draw_anim_frames = kDrawFrames[0];
  invariants = TableInvariants{};
}

void UserTableTest::user_turn(std::string_view hand, int drawn, const std::vector<int>& draws,
                              std::initializer_list<MeldSpec> melds) {
  set_hand(1, "19m 19p 19s 1234z 258m");
  set_hand(2, "28m 28p 28s 567z 369p 7s");
  set_hand(3, "37m 37p 37s 66z 47m 44s 9p");
  set_hand_with_melds(0, hand, melds, drawn);
  plant_wall(draws);
  g_scene = SCENE_SEAT0_TURN;
  g_scene_frame = 0;
  move(5, 5);
}

int UserTableTest::slot_centre_x(int slot) { return (slot == kDrawSlot ? user_drawn_tile_x() : user_slot_x(slot)) + 19; }

void UserTableTest::click_slot(int slot) { left_click_at(slot_centre_x(slot), kSlotCentreY); }
void UserTableTest::right_click_at(int x, int y) { headless::right_click_at(x, y); }
void UserTableTest::left_click_at(int x, int y) { headless::left_click_at(x, y); }
void UserTableTest::move(int x, int y) { headless::mouse_move(x, y); }
void UserTableTest::frames(int n) { headless::step_frames(n); }
