// One target selector on a worked hand: the seat's hand and declared melds,
// the tiles out on the table, its distances to ready and the target record
// as earlier selectors left it; after the call, the record as text,
// "49:2 | 27:1 27:2 | near 1" (target:variant, the alternative chow-pattern
// targets, the near-ready flag; parts left out are 0).
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

struct AimCase {
  const char* name;  // the test's name: letters, digits, underscores
  void (*call)(int seat);
  const char* hand;         // free tiles; 14 with the melds' tiles when a tile was just drawn
  const char* expect;       // the record after the call
  const char* melds = "";   // declared melds: c123m chow (its lowest tile), p5s pung, k7z concealed kong, g3p melded kong
  const char* visible = ""; // copies in another seat's river
  const char* record = "";  // the record before the call, as `expect`; "" empty
  int min_shanten = 1;
  int min_shanten_kokushi = 8;
  int min_shanten_knitted = 8;
  const char* discard = ""; // the latest discard, the last tile in `discarder`'s river
  int discarder = 0;        // seat 1 is the next seat after seat 0
  int dealer = 0;
  int round_wind = 0;
  int open_calls = -1;      // open_naki_count; -1: the open melds declared
  int calls = -1;           // naki_count; -1: one per meld
  int min_shanten_chiitoi = 8;
  int tile_range_switch = 1;  // compound switch: seven pairs with the tile ranges
};

// A selector bound to the arguments a case passes: call<aim_triple_pung, 8>.
template <auto Selector, int... Args>
void call(int seat) {
  Selector(seat, Args...);
}

void PrintTo(const AimCase& c, std::ostream* os);
std::string aim_case_name(const ::testing::TestParamInfo<AimCase>& info);

// The seat's target record as text, in the form of AimCase::expect.
std::string describe_target_record(int seat);

// Sets the case up in a fresh program for seat 1 (South under dealer 0),
// calls its selector and compares the record.
void check_aim_case(const AimCase& c);
// The keep test of a case that sets a target from an empty record: beside
// an earlier target of as many points the selector leaves the record alone;
// beside one of fewer points (the outside hand) it sets its own.
void check_aim_case_keep_test(const AimCase& c);

class AimCaseTest : public ::testing::TestWithParam<AimCase> {
 protected:
  static constexpr int kSeat = 1;
  void check(const AimCase& c) { check_aim_case(c); }
};
