// One call of a target selector on a worked hand: the seat's free tiles,
// melds, the tiles seen on the table, its distances to ready and the aim it
// had before, and the aim the call must leave.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

#include "core/tiles.h"

constexpr int pung(int tile) { return make_meld(0, kMeldPung, tile); }
constexpr int chow(int low) { return make_meld(0, kMeldChow, low); }
constexpr int concealed_kong(int tile) { return make_meld(1, kMeldConcealedKong, tile); }
constexpr int melded_kong(int tile) { return make_meld(0, kMeldMeldedKong, tile); }

// A selector bound to the arguments a case passes: call<aim_triple_pung, 8>.
template <auto Selector, int... Args>
void call(int seat) {
  Selector(seat, Args...);
}

// Written positionally, a case names what it needs and leaves the rest.
struct FixedAimCase {
  const char* name;                     // the test's name: letters, digits, underscores
  void (*aim)(int seat);                // the selector with the arguments of the case
  const char* hand = "";                // free tiles, as hand_builder reads them
  int expect = 0;                       // the aim after the call
  int expect_variant = 0;
  std::array<int, kMeldSlots> melds{};  // declared melds (pung(), chow(), ...)
  const char* visible = "";             // tiles in another seat's river, one per copy
  int latest = 0;                       // the latest discard (also seen); 0 none
  int target = 0;                       // the aim before the call
  int variant = 0;
  std::array<int, 4> shanten{8, 8, 8, 8};  // normal, seven pairs, orphans, honours and knitted
  int calls = -1;                       // the seat's naki_count; -1: one per meld
  int tile_range_switch = 1;            // compound switch: seven pairs with the tile ranges
  int round_wind = 0;                   // 0 East .. 3 North
};

void PrintTo(const FixedAimCase& c, std::ostream* os);
std::string fixed_aim_case_name(const ::testing::TestParamInfo<FixedAimCase>& info);

// Sets the case up in a fresh program for seat 1 (South, dealer 0), runs
// its selector and compares the aim it leaves.
void check_fixed_aim_case(const FixedAimCase& c);

class FixedAimCaseTest : public ::testing::TestWithParam<FixedAimCase> {};
