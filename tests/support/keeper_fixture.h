// A deciding seat set up for the keepers of aimed patterns: the generic
// rules' seat (rule_fixture.h) with declared melds, alternative chow-pattern
// targets and a record left by an earlier rule, and one keeper run with the
// tiles it took out of the pool.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "support/rule_fixture.h"

using Keeper = void (*)(int seat);

struct Meld {
  int kind;  // MeldKind
  int tile;  // the lowest tile of a chow
};

// A worked example: the seat, the keeper, the tiles it must take out.
struct KeeperCase {
  const char* name;
  Keeper keeper;
  int target;
  int variant = 0;
  const char* hand;
  const char* kept = "";     // taken out of the pool, first copies in slot order
  int yaku = 0;              // the record written; 0: left as it was
  int subcode = 0;
  std::vector<Meld> melds = {};
  const char* pool = "";     // "" = the hand's free tiles
  std::vector<std::pair<int, int>> alternates = {};  // (pattern id, variant), slot order
  const char* visible = "";
  const char* not_neutral = "";
  bool rebuilds = false;     // the pool ends as the planner builds it from the hand
};

void PrintTo(const KeeperCase& c, std::ostream* os);

// The record an earlier rule of the decision left.
constexpr int kOldYaku = 27;
constexpr int kOldSubcode = 5;

class KeeperTest : public RuleTest {
 protected:
  // Declared melds (the hand must leave three empty slots for each), counted
  // as the seat's calls.
  static void declare(const std::vector<Meld>& melds);
  static void set_alternates(const std::vector<std::pair<int, int>>& alternates);
  static std::string pool_text();
  // The pool with the first copy of each listed tile emptied, a tile listed
  // twice emptying two slots.
  static std::string pool_without(const char* tiles);

  // Sets up the case, runs the keeper, compares the pool and the record.
  void check(const KeeperCase& c);
};

std::string keeper_case_name(const ::testing::TestParamInfo<KeeperCase>& info);
