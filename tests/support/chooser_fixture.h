// A deciding seat set up for the aimed-pattern choosers, and one chooser run
// with the chooser contract checked.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "support/rule_fixture.h"

// A chooser with its flag (the choosers without one ignore it).
using Chooser = void (*)(int seat, int flag);

// What one run proposed, in order; no tiles when nothing.
struct Proposals {
  std::vector<int> tiles;
  int yaku;
  int subcode;
};

// The rest of a worked example's seat.
struct ChooserSeat {
  int variant = 0;
  const char* visible = "";  // one entry per visible copy
  const char* pool = "";     // "" = the hand's free tiles
  const char* not_neutral = "";
  int meld = 0;  // one declared meld: kind x 100 + tile (the lowest of a chow); 0 none
  int best_blocks = 4;
  int min_shanten = 1;
  int flag = 0;
  int dealer = 0;  // seat 1 is South with dealer 0, East with dealer 1, North with dealer 2
  int round_wind = 0;
  int target = 0;  // 0: the suite's pattern
  const char* left = nullptr;  // when set: the pool's tiles after the run
  const char* then = nullptr;  // when set: what runs again on that pool propose, one tile each, until none
};

// A worked example: the tiles proposed in order ("" nothing) and the code.
struct ChooserCase {
  const char* name;  // the test's name: letters, digits, underscores
  const char* hand;
  const char* expect;
  int subcode;
  ChooserSeat seat = {};
};
void PrintTo(const ChooserCase& c, std::ostream* os);
std::string chooser_case_name(const ::testing::TestParamInfo<ChooserCase>& info);

// A chooser with the pattern it serves, for a suite over several choosers.
struct AimedChooser {
  int target;
  Chooser rule;
};

class ChooserTest : public RuleTest {
 protected:
  void arrange(const ChooserCase& c, int target);
  // Runs the chooser once and checks the contract: one tile at most (the
  // full-flush chooser excepted), each 1..37 and from a pool slot now empty
  // (for the choosers that reload the whole hand: a tile of the hand, the
  // pool afterwards within the hand less the tiles proposed), discard_yaku
  // the chooser's pattern, discard_reason left 0, the target and its variant
  // untouched, and without a proposal nothing changed at all. The choosers
  // that clear groups out of the pool on their way (all fives, the two pung
  // twins, all honours, nine gates) may leave more slots emptied, with or
  // without a proposal.
  Proposals run_chooser(Chooser rule, int flag = 0);
  void check(Chooser rule, int target, const ChooserCase& c);
  // check() with the chooser that serves the case's seat.target.
  void check_by_target(std::span<const AimedChooser> choosers, const ChooserCase& c);
};

class ChooserCaseTest : public ChooserTest, public ::testing::WithParamInterface<ChooserCase> {};
