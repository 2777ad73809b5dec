// One honour, tile-set, whole-hand or outside-hand claim rule deciding for
// seat 1 (South under dealer 0 in the East round; seat 0 is its left
// neighbour) on a discard: the hand and melds, the discard on top of a river,
// other visible copies, the target, the record the rule reads; the decision
// read back, checked to name the target and to be one the table keeps.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "flow/claim_offers.h"
#include "support/hand_builder.h"
#include "support/table_scenes.h"
#include "support/test_workdir.h"

namespace set_claims {

constexpr int kSeat = 1;

struct Claim {
  int call = 0, shape = 0, reason = 0;  // NakiCall (0 none), chow shape, reason code
  bool operator==(const Claim&) const = default;
};
inline void PrintTo(const Claim& c, std::ostream* os) {
  *os << "{call " << c.call << ", shape " << c.shape << ", reason " << c.reason << "}";
}
constexpr Claim kNone{};
constexpr Claim chow(int shape, int reason) { return {kNakiChow, shape, reason}; }
constexpr Claim pung(int reason) { return {kNakiPung, 0, reason}; }
constexpr Claim kong(int reason) { return {kNakiKong, 0, reason}; }

// The rules of these patterns, by target.
struct AimedRule {
  int yaku;
  void (*rule)(int seat);
};
constexpr std::array<AimedRule, 8> kRules{{{23, naki_outside_hand},
                                          {30, naki_all_types},
                                          {40, naki_chicken_hand},
                                          {41, naki_reversible_tiles},
                                          {52, naki_all_fives},
                                          {73, naki_big_four_winds},
                                          {74, naki_big_three_dragons},
                                          {78, naki_all_green}}};
inline void (*rule_of(int yaku))(int) {
  return std::find_if(kRules.begin(), kRules.end(), [&](const AimedRule& r) { return r.yaku == yaku; })->rule;
}

struct Case {
  const char* name;
  int target, variant;
  const char* hand;  // free tiles, at most 13 with the melds
  const char* discard;
  Claim expect;
  std::vector<MeldSpec> melds = {};
  int from = 0;              // the discarder: 0 left, 2 opposite, 3 right
  const char* visible = "";  // further copies in another river
  int calls = -1;            // naki_count; -1: one per meld
  int blocks = 4;            // best_blocks
  int dealer = 0;
};
inline void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
inline std::string case_name(const ::testing::TestParamInfo<Case>& info) { return info.param.name; }

// The seat as the decider leaves it for its rules.
inline void set_up(const Case& c) {
  reset_program_state();
  set_hand(kSeat, c.hand);
  for (const MeldSpec& m : c.melds) add_meld(kSeat, m.kind, m.tile, m.source);
  g_seat_state[kSeat].naki_count = c.calls >= 0 ? c.calls : static_cast<int>(c.melds.size());
  add_discards(c.from == 3 ? 2 : 3, c.visible);
  add_discards(c.from, c.discard);
  g_discarder = c.from;
  g_dealer = c.dealer;
  g_ai_target_yaku[kSeat] = c.target;
  g_ai_target_variant[kSeat] = c.variant;
  AI[kSeat].best_blocks = c.blocks;
  count_visible_tiles(kSeat);
  count_hand_tiles(kSeat);
}

// Runs the rule and reads the decision back.
inline Claim run(void (*rule)(int seat)) {
  g_naki_decided = 0;
  rule(kSeat);
  const int* flags = g_naki_flags[kSeat];
  const auto set = std::find(flags, flags + 4, 1);
  if (set == flags + 4) return kNone;
  EXPECT_EQ(g_naki_decided, 1);
  EXPECT_EQ(AI[kSeat].naki_yaku, g_ai_target_yaku[kSeat]);
  const std::array<int, 4> decided{flags[0], flags[1], flags[2], flags[3]};
  recheck_naki_flags();
  EXPECT_TRUE(std::equal(decided.begin(), decided.end(), flags)) << "withdrawn by the table";
  const int call = static_cast<int>(set - flags);
  return {call, call == kNakiChow ? g_chi_variant[kSeat] : 0, AI[kSeat].naki_reason};
}

class SetClaimTest : public ::testing::TestWithParam<Case> {};

}  // namespace set_claims
