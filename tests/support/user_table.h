// A hand in play with the program's window open headless, so that tests
// act as the user does: pointer moves and clicks through the window
// procedure, frames through the frame step.
#pragma once

#include <string_view>
#include <vector>

#include "support/table_fixture.h"
#include "support/table_scenes.h"
#include "support/test_workdir.h"

class UserTableTest : public PlayTableTest {
 protected:
  void SetUp() override;

  // Seats 1 to 3 get hands that wait on nothing the tests use; the user
  // holds `hand` and `melds` with `drawn` in slot 13; the wall is planted
  // with `draws` next; the user's turn (scene 210) starts with the pointer
  // moved off the hand.
  void user_turn(std::string_view hand, int drawn, const std::vector<int>& draws = {},
                 std::initializer_list<MeldSpec> melds = {});

  // Where the user's slot (0..13) is drawn: its centre.
  static int slot_centre_x(int slot);
  static constexpr int kSlotCentreY = 680;

  void click_slot(int slot);         // move onto the slot, left click
  void right_click_at(int x, int y);
  void left_click_at(int x, int y);
  void move(int x, int y);
  // Runs frames through the window procedure (the sounds are started there).
  void frames(int n);

  TestWorkdir dir_;
};
