// A deciding seat set up for one chooser of an aimed pattern, the chooser
// run once under the contract every chooser keeps, and worked examples.
#pragma once

#include <array>

#include "core/tiles.h"
#include "support/rule_fixture.h"

using Chooser = void (*)(int seat);

constexpr int pung_of(int tile) { return make_meld(0, kMeldPung, tile); }
constexpr int chow_at(int lowest) { return make_meld(0, kMeldChow, lowest); }

struct ChooserCase {
  const char* name;  // letters, digits, underscores
  Chooser chooser;
  int target;
  int variant = 0;
  const char* hand = "";
  const char* pool = "";     // "" = the hand's free tiles
  const char* visible = "";  // one entry per visible copy
  std::array<int, 2> melds{};  // declared beside the hand, 0 none
  const char* expect = "";     // the tile proposed; "" = nothing
  int subcode = 0;
  const char* left = nullptr;  // when set: the pool's tiles after the run
  const char* then = nullptr;  // when set: what runs again on that pool propose, until nothing
};

void PrintTo(const ChooserCase& c, std::ostream* os);
std::string chooser_case_name(const ::testing::TestParamInfo<ChooserCase>& info);

class ChooserTest : public RuleTest {
 protected:
  // Runs the chooser once and returns what it proposed (reason = the
  // discard_yaku it wrote), checking what every chooser keeps to: at most one
  // tile 1..37 proposed from a pool slot now empty, the pool only emptied,
  // discard_reason left 0, the target and its variant untouched.
  Proposal run_chooser(Chooser chooser);
  // Sets the case up with every suit moved `shift` suits on, runs it and
  // compares; the expected tiles move with it.
  void check(const ChooserCase& c, int shift = 0);
};

class ChooserCaseTest : public ChooserTest, public ::testing::WithParamInterface<ChooserCase> {};
