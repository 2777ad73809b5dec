#include <string>
#include <vector>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "support/table_fixture.h"

namespace {

struct Fault {
  const char* name;
  void (*plant)();
  const char* expected;  // part of one violation line
};

// A different playing tile than the slot's.
int other_tile(int slot) { return tile_of(slot) == 5 ? 6 : 5; }

const Fault kFaults[] = {
    {"LostTile", [] { g_hand[2][0] = 0; }, "3 times, expected 4"},
    {"TileTurnedIntoAnother", [] { g_hand[2][0] = other_tile(g_hand[2][0]); }, "5 times, expected 4"},
    {"WallEntryChanged", [] { g_wall[0] = other_tile(g_wall[0]); }, "wall entry 0 changed"},
    {"WallGrew", [] { ++g_wall_count; }, "wall grew"},
    {"MeldWithoutSlots", [] { g_melds[1][0] = make_meld(0, kMeldPung, 5); }, "do not match the melds"},
    {"MarkedSlotWithoutMeld", [] { g_hand[1][0] = make_slot(tile_of(g_hand[1][0]), kPungSlot); }, "do not match"},
    {"RiverEntryBeyondCount", [] { g_river[0][3] = 7; }, "beyond the count"},
    {"FlowerRecordHoldsATile", [] { g_hana[1] = HanaRecord{{5}, 1, 0}; }, "flower record entry 0"},
    {"HandOneShort", [] { g_hand[3][0] = 0; }, "12 tiles"},
    {"TwoSeatsToMove",
     [] {
       g_hand[0][13] = g_wall[--g_wall_count];
       g_hand[1][13] = g_wall[--g_wall_count];
     },
     "2 seats hold 14 tiles"},
};

class TableInvariantsCatch : public TableTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(TableInvariantsCatch, PlantedFault) {
  g_options[opt_flowers_after_deal] = 1;
  start_hand(2);
  ASSERT_GT(run_until_scene(seat_draw_scene(2)), 0);
  ASSERT_TRUE(invariants.check().empty());
  GetParam().plant();
  const std::vector<std::string> violations = invariants.check();
  bool found = false;
  for (const std::string& line : violations) found = found || line.find(GetParam().expected) != std::string::npos;
  EXPECT_TRUE(found) << "expected a line with \"" << GetParam().expected << "\", got:\n" << join_lines(violations);
}

INSTANTIATE_TEST_SUITE_P(Faults, TableInvariantsCatch, ::testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<Fault>& info) { return std::string(info.param.name); });

TEST_F(TableTest, InvariantsCountNoFlowerWhenFlowersAreOff) {
  g_options[opt_flowers] = 0;
  start_hand(0);
  expect_invariants();
  g_hand[0][0] = 41;
  const std::vector<std::string> violations = invariants.check();
  EXPECT_NE(join_lines(violations).find("1f is on the table 1 times, expected 0"), std::string::npos)
      << join_lines(violations);
}

}  // namespace
