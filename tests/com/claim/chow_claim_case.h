// One chow-pattern or fixed-layout claim rule deciding for seat 1 on a
// discard: the hand and melds, the discard on top of a river, the target and
// one chow-pattern candidate; the decision read back, checked to be one the
// table keeps and to name the target as its motive.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "com/claim/claim_protocol.h"
#include "com/target/com_target.h"
#include "core/ai_record.h"
#include "core/visible.h"
#include "support/hand_builder.h"
#include "support/table_scenes.h"
#include "support/test_workdir.h"
#include "table/claim_offers.h"
#include "table/table_state.h"

namespace chow_claims {

constexpr int kSeat = 1;  // South in the East round; seat 0 is its left neighbour

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

struct Case {
  const char* name;
  void (*rule)(int seat);
  int target, variant;
  const char* hand;  // free tiles, at most 13 with the melds
  const char* discard;
  Claim expect;
  std::vector<MeldSpec> melds = {};
  int from = 0;                    // the discarder: 0 left, 2 right, 3 opposite
  std::array<int, 2> candidate{};  // id and variant in candidate slot 0
  int open_calls = -1;             // -1: the open melds
};
inline void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
inline std::string case_name(const ::testing::TestParamInfo<Case>& info) { return info.param.name; }

// The seat as the decider leaves it for its rules.
inline void set_up(const Case& c) {
  reset_program_state();
  set_hand(kSeat, c.hand);
  int open = 0;
  for (const MeldSpec& m : c.melds) open += is_open_meld(add_meld(kSeat, m.kind, m.tile, m.source));
  g_seat_state[kSeat].open_naki_count = c.open_calls >= 0 ? c.open_calls : open;
  add_discards(c.from, c.discard);
  g_discarder = c.from;
  g_ai_target_yaku[kSeat] = c.target;
  g_ai_target_variant[kSeat] = c.variant;
  g_ai_chow_candidates[kSeat][0] = c.candidate[0];
  g_ai_chow_candidate_variants[kSeat][0] = c.candidate[1];
  count_visible_tiles(kSeat);
  count_hand_tiles(kSeat);
}

// Runs the rule and reads the decision back; a decision names the target as
// its motive and survives the table's recheck.
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

class ClaimCaseTest : public ::testing::TestWithParam<Case> {};

}  // namespace chow_claims
