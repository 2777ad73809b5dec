// The generic rules' seat (rule_fixture.h) set up for the keepers of aimed
// patterns: declared melds, alternative chow-pattern targets, a record an
// earlier rule left, and one keeper run with the tiles it took out.
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

struct KeeperCase {
  const char* name;
  Keeper keeper;
  int target;
  int variant = 0;
  const char* hand = "";
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

inline void PrintTo(const KeeperCase& c, std::ostream* os) { *os << c.name; }
inline std::string keeper_case_name(const ::testing::TestParamInfo<KeeperCase>& info) { return info.param.name; }

// The record an earlier rule of the decision left.
constexpr int kOldYaku = 27;
constexpr int kOldSubcode = 5;

class KeeperTest : public RuleTest {
 protected:
  // Declared melds (three empty hand slots each), counted as calls.
  static void declare(const std::vector<Meld>& melds);
  static void set_alternates(const std::vector<std::pair<int, int>>& alternates);
  static std::string pool_text();
  // Sets up the case, runs the keeper, compares the pool and the record.
  void check(const KeeperCase& c);
};
