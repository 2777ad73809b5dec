// A computer seat (seat 1, South under dealer 0) deciding on a discard: its
// hand and melds, the discard on top of the discarder's river, other visible
// copies, its target; the decision read back from the flags and the record.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "support/table_scenes.h"

// The call (0 none, 1 pung, 2 chow, 3 kong, 4 the win), the chow shape, motive and reason.
struct ClaimResult {
  int call = 0, shape = 0, motive = 0, reason = 0;
  bool operator==(const ClaimResult&) const = default;
};
void PrintTo(const ClaimResult& r, std::ostream* os);
constexpr ClaimResult kNoClaim{};
constexpr ClaimResult pung(int motive, int reason = 0) { return {1, 0, motive, reason}; }
constexpr ClaimResult kong(int motive, int reason = 0) { return {3, 0, motive, reason}; }
constexpr ClaimResult chow(int shape, int motive, int reason) { return {2, shape, motive, reason}; }

struct ClaimCase {
  const char* name;
  void (*rule)(int seat);  // nullptr: the whole decider
  const char* hand;
  const char* discard;
  ClaimResult expect;
  int target = 0, variant = 0;
  std::vector<MeldSpec> melds = {};
  int from = 0;              // the discarder; seat 0 is the left neighbour
  const char* visible = "";  // further copies in another river
  int calls = -1;            // naki_count; -1: one per meld
  int best_blocks = 0;       // of the seat's AI record
  int dealer = 0;
};
void PrintTo(const ClaimCase& c, std::ostream* os);

class ClaimTest : public ::testing::Test {
 public:
  static constexpr int kSeat = 1;

 protected:
  // The one-suit table the distances read, built once for the binary.
  static void SetUpTestSuite();
  void SetUp() override;
  void set_up(const ClaimCase& c);
  // The rule run on the counts the decider prepares for it (or the whole
  // decider); its decision, which recheck_naki_flags must keep.
  ClaimResult run(void (*rule)(int seat));
};

class ClaimCaseTest : public ClaimTest, public ::testing::WithParamInterface<ClaimCase> {};
inline std::string claim_case_name(const ::testing::TestParamInfo<ClaimCase>& info) { return info.param.name; }
