// The table fixture: every subsystem's state reset, the random generator
// seeded, and helpers to start hands, plant walls and run scenes with the
// table invariants checked after every frame.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/table_invariants.h"

class TableTest : public ::testing::Test {
 protected:
  static constexpr std::uint32_t kSeed = 20260611;

  void SetUp() override;

  // setup_new_hand for the dealer, the deal scene (40), the wall remembered.
  void start_hand(int dealer);

  // Rebuilds the live wall from every tile not on the table, so that
  // next_draws[0] is the next tile drawn, next_draws[1] the one after, and
  // remembers it as the hand's wall. Flowers are included when opt_flowers
  // is on. With `live` given, only that many tiles stay in the wall and the
  // rest become earlier discards in the rivers of seats 0 to 3 in turn (a
  // late hand). Throws std::invalid_argument when a tile is used up or a
  // flower would have to be discarded.
  void plant_wall(const std::vector<int>& next_draws, int live = -1);

  // Runs one frame of the current scene's handler; false when the scene
  // has no handler here.
  bool run_frame();

  // Runs frames until g_scene is `scene`, checking the invariants after
  // each; the frames run, or -1 (after a test failure) on a violation, a
  // scene without handler or more than `limit` frames.
  int run_until_scene(int scene, int limit = 5000);

  // Runs exactly n frames with the invariants checked after each.
  void run_frames(int n);

  void expect_invariants();

  TableInvariants invariants;
};

// A hand in play without balloons or flowers and with the shortest draws,
// so that scenario tests count only the frames of the scenes they test.
class PlayTableTest : public TableTest {
 protected:
  void SetUp() override;
};

