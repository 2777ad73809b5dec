// A deciding seat set up for the generic discard rules: its hand and
// concealed counts, the pool, visible and seen counts, the AI record's
// distances and the seat's aim, and one rule run with what it proposed.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

// One generic rule with its argument (mode or strict; ignored by the others).
using GenericRule = void (*)(int seat, int arg);

// What one run of a rule proposed; tile 0 when nothing.
struct Proposal {
  int tile;
  int reason;
  int subcode;
};

// A worked example: the seat's state, the rule run and what it must propose.
struct RuleCase {
  const char* name;  // the test's name: letters, digits, underscores
  GenericRule rule;
  int arg = 0;
  const char* hand = "";
  const char* pool = "";     // "" = the hand's free tiles
  const char* visible = "";  // one entry per visible copy
  const char* not_neutral = "";
  int target = 0;
  int best_blocks = 4;
  int best_pairs = 1;
  const char* expect = "";   // the tile proposed; "" = nothing
  int reason = 0;
  int subcode = 0;
  int pung = 0;              // a declared pung of this tile, 0 none
  int dealer = 0;
  int round_wind = 0;
  int target_variant = 0;
  // The sub-code when every suited tile of the case is mirrored (rank r to
  // 10 - r): the proposal must be the mirrored tile. -1: not checked.
  int mirror_subcode = -1;
};

// Names the case in gtest's messages.
void PrintTo(const RuleCase& c, std::ostream* os);

class RuleTest : public ::testing::Test {
 protected:
  static constexpr int kSeat = 1;  // South in the East round with dealer 0

  // Every subsystem the rules read reset; every tile neutral; best reading
  // of four blocks and one pair; no aim.
  void SetUp() override;

  // The seat's hand (free tiles) and its concealed counts; the pool the same
  // free tiles unless `pool` names them.
  // A declared pung of `pung` (0 none) joins the hand's marked slots.
  void set_hand(std::string_view hand, std::string_view pool = {}, int pung = 0);
  // Visible counts: every listed tile adds one copy. Seen counts follow as
  // the visible ones plus the concealed hand.
  void set_visible(std::string_view tiles);
  void set_not_neutral(std::string_view tiles);
  void set_target(int yaku, int variant = 0);

  // Runs the rule once and returns its proposal, checking the rule contract:
  // at most one candidate, taken from a pool slot that is now empty.
  Proposal run(GenericRule rule, int arg = 0);

  // Sets up the case, runs it and compares the proposal; then the same for
  // the mirrored case when it has a mirror sub-code.
  void check(const RuleCase& c);

 private:
  void check_once(const RuleCase& c, bool mirrored);
};

class RuleCaseTest : public RuleTest, public ::testing::WithParamInterface<RuleCase> {};

// Test names for INSTANTIATE_TEST_SUITE_P.
std::string case_name(const ::testing::TestParamInfo<RuleCase>& info);

std::string describe(const Proposal& p);
