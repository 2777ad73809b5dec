#include "support/table_fixture.h"

#include <array>
#include <stdexcept>
#include <string>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/scorer.h"
#include "base/sound.h"
#include "base/table_state.h"
#include "base/waits.h"
#include "base/win_eval.h"
#include "com/target/com_target.h"
#include "com/turn/com_turn.h"
#include "flow/deal.h"
#include "flow/new_hand.h"
#include "platform/platform.h"
#include "shell/scene_table.h"
#include "support/hand_builder.h"
#include "support/test_workdir.h"

namespace {

void discard_to_river(int seat, int tile) {
  if (!is_playing_tile(tile)) throw std::invalid_argument("plant_wall: cannot discard " + format_tiles(std::vector<int>{tile}));
  g_river[seat][g_river_count[seat]++] = tile;
  g_discard_history[seat][g_discard_history_count[seat]++] = tile;
}

}  // namespace

void TableTest::SetUp() {
  reset_program_state();
  platform::rand_seed(kSeed);
  invariants = TableInvariants{};
}

void TableTest::start_hand(int dealer) {
  g_dealer = dealer;
  setup_new_hand();
  g_scene = SCENE_DEAL;
  g_scene_frame = 0;
  invariants.begin_hand();
}

void TableTest::plant_wall(const std::vector<int>& next_draws, int live) {
  std::array<int, kTileCodes> left{};
  for (int tile = 1; tile < kTileCodes; ++tile)
    left[tile] = is_playing_tile(tile) ? 4 : is_flower(tile) && option(opt_flowers) != 0 ? 1 : 0;
  for (const PlacedTile& placed : tiles_off_the_wall()) --left.at(placed.tile);
  for (int tile : next_draws) --left.at(tile);
  std::vector<int> wall;
  for (int tile = 1; tile < kTileCodes; ++tile) {
    if (left[tile] < 0) throw std::invalid_argument("plant_wall: too many of " + format_tiles(std::vector<int>{tile}));
    wall.insert(wall.end(), left[tile], tile);
  }
  wall.insert(wall.end(), next_draws.rbegin(), next_draws.rend());
  const int discarded = live < 0 ? 0 : static_cast<int>(wall.size()) - live;
  if (discarded < 0 || (live >= 0 && live < static_cast<int>(next_draws.size())))
    throw std::invalid_argument("plant_wall: a live wall of " + std::to_string(live) + " does not fit");
  for (int i = 0; i < discarded; ++i) discard_to_river(i % kSeats, wall[i]);
  std::copy(wall.begin() + discarded, wall.end(), g_wall);
  g_wall_count = static_cast<int>(wall.size()) - discarded;
  invariants.begin_hand();
}

bool TableTest::run_frame() { return dispatch_scene(g_scene); }

int TableTest::run_until_scene(int scene, int limit) {
  for (int frames = 0; frames <= limit; ++frames) {
    if (g_scene == scene) return frames;
    if (!run_frame()) {
      ADD_FAILURE() << "no handler for scene " << g_scene << " on the way to scene " << scene;
      return -1;
    }
    const std::vector<std::string> violations = invariants.check();
    if (!violations.empty()) {
      ADD_FAILURE() << "after frame " << frames + 1 << " (now scene " << g_scene << ", frame " << g_scene_frame
                    << "):\n" << join_lines(violations);
      return -1;
    }
  }
  ADD_FAILURE() << "scene " << scene << " not reached in " << limit << " frames";
  return -1;
}

void TableTest::run_frames(int n) {
  for (int i = 0; i < n; ++i) {
    ASSERT_TRUE(run_frame()) << "no handler for scene " << g_scene;
    const std::vector<std::string> violations = invariants.check();
    ASSERT_TRUE(violations.empty()) << "after frame " << i + 1 << " (scene " << g_scene << "):\n"
                                    << join_lines(violations);
  }
}

void TableTest::expect_invariants() {
  const std::vector<std::string> violations = invariants.check();
  EXPECT_TRUE(violations.empty()) << join_lines(violations);
}

void PlayTableTest::SetUp() {
  TableTest::SetUp();
  g_options[opt_voice_balloons] = 0;
  g_options[opt_flowers] = 0;
  g_draw_anim_frames = kDrawFrames[0];
}

