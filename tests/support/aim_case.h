// One target selector on a worked hand: the seat's hand and declared melds,
// the counts the target script would have built, its distances to ready and
// the target record as earlier selectors left it; after the call, the
// record as text, "49:2 | 27:1 27:2 | near 1" (target:variant, the
// alternative chow-pattern targets, the near-ready flag).
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
  const char* visible = ""; // copies out elsewhere (the seat's own melds and the discard are added)
  const char* record = "";  // the record before the call, as `expect`; "" empty
  int min_shanten = 1;
  int min_shanten_kokushi = 8;
  int min_shanten_knitted = 8;
  const char* discard = ""; // the latest discard, the last tile in `discarder`'s river
  int discarder = 0;        // seat 1 is the next seat after seat 0
  int dealer = 0;
  int round_wind = 0;
  int open_calls = -1;      // open_naki_count; -1: the open melds declared
};

void PrintTo(const AimCase& c, std::ostream* os);
std::string aim_case_name(const ::testing::TestParamInfo<AimCase>& info);

class AimCaseTest : public ::testing::TestWithParam<AimCase> {
 protected:
  static constexpr int kSeat = 1;

  void SetUp() override;
  // Sets the case up, calls its selector and compares the record.
  void check(const AimCase& c);
};

// The seat's target record as text, in the form of AimCase::expect.
std::string describe_target_record(int seat);
