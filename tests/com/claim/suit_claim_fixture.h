// A computer seat (seat 1; seat 0 is its left neighbour) deciding on a
// discard through one of the suit rules: its free tiles, melds, aim and
// figures, the discard on top of a river; the decision read back from the
// flags and the record, with the claim-rule contract checked on every run.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <string_view>
#include <vector>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/claim/claim_protocol.h"
#include "core/hai_table.h"
#include "flow/claim_offers.h"
#include "support/hand_builder.h"
#include "support/test_workdir.h"

// The call (0 none, else NakiCall), the chow shape and the reason.
struct SuitClaim {
  int call = 0, shape = 0, reason = 0;
  bool operator==(const SuitClaim&) const = default;
};
inline void PrintTo(const SuitClaim& c, std::ostream* os) {
  *os << "{call " << c.call << ", shape " << c.shape << ", reason " << c.reason << "}";
}
constexpr SuitClaim kNone{};
constexpr SuitClaim pung(int reason) { return {kNakiPung, 0, reason}; }
constexpr SuitClaim kong(int reason) { return {kNakiKong, 0, reason}; }
constexpr SuitClaim chow(int shape, int reason) { return {kNakiChow, shape, reason}; }

// Rank r to 10 - r within the suit; honours stay.
inline int mirrored(int tile) { return is_suited(tile) ? make_tile(suit_of(tile), 10 - rank_of(tile)) : tile; }

class SuitClaimTest : public ::testing::Test {
 public:
  static constexpr int kSeat = 1;
  static constexpr int kLeft = 0, kOpposite = 3;  // discarders: the left neighbour may be chowed

 protected:
  // The one-suit table is built once; the tests that read fixed shapes
  // switch it off, which leaves every distance at its worst, so no
  // simulated call can come nearer to ready.
  static void SetUpTestSuite() { build_hai_table(); }
  void SetUp() override {
    reset_program_state();
    g_hai_table_loaded = 1;
    g_wall_count = 40;
    AI[kSeat].min_shanten = 3;
    AI[kSeat].best_blocks = 4;
    AI[kSeat].best_pairs = 1;
  }
  void TearDown() override { g_hai_table_loaded = 1; }

  void aim(int yaku, int variant) {
    g_ai_target_yaku[kSeat] = yaku;
    g_ai_target_variant[kSeat] = variant;
  }

  // The seat's free tiles (melds added afterwards with add_meld), the
  // discard on top of `from`'s river, and the counts the decider prepares.
  void deal(const std::vector<int>& tiles, int discard, int from = kLeft) {
    std::array<int, kHandSlots> slots{};
    std::copy(tiles.begin(), tiles.end(), slots.begin());
    sort_hand_slots(slots.data());
    std::copy(slots.begin(), slots.end(), g_hand[kSeat]);
    g_discarder = from;
    g_river_count[from] = 0;
    g_river[from][g_river_count[from]++] = discard;
    recount();
  }
  void deal(std::string_view hand, std::string_view discard, int from = kLeft) {
    deal(parse_tiles(hand), parse_tiles(discard).at(0), from);
  }
  void recount() {
    count_hand_tiles(kSeat);
    count_visible_tiles(kSeat);
  }

  // Runs the rule as the decider would and reads its decision back. The
  // hand, melds and counts must be as they were, at most one flag set, and
  // the table's recheck must keep the decision.
  SuitClaim run(void (*rule)(int seat)) {
    for (auto& row : g_naki_flags) std::fill(std::begin(row), std::end(row), 0);
    g_chi_variant[kSeat] = 0;
    g_naki_decided = 0;
    AI[kSeat].naki_yaku = AI[kSeat].naki_reason = 0;
    const std::vector<int> before = table_words();
    rule(kSeat);
    EXPECT_EQ(table_words(), before) << "hand, melds, counts or target record not as before";
    SuitClaim out;
    for (int call = kNakiPung; call <= kNakiKong; ++call)
      if (g_naki_flags[kSeat][call] == 1) {
        EXPECT_EQ(out.call, 0) << "more than one flag";
        out.call = call;
      }
    EXPECT_EQ(g_naki_decided, out.call != 0 ? 1 : 0);
    if (out.call == 0) return out;
    EXPECT_EQ(AI[kSeat].naki_yaku, g_ai_target_yaku[kSeat]);
    out.reason = AI[kSeat].naki_reason;
    if (out.call == kNakiChow) out.shape = g_chi_variant[kSeat];
    recheck_naki_flags();
    EXPECT_EQ(g_naki_flags[kSeat][out.call], 1) << "the table withdrew the claim";
    return out;
  }

 private:
  static std::vector<int> table_words() {
    std::vector<int> v(g_hand[kSeat], g_hand[kSeat] + kHandSlots);
    v.insert(v.end(), g_melds[kSeat], g_melds[kSeat] + kMeldSlots);
    v.insert(v.end(), g_hand_counts, g_hand_counts + kTileCodes);
    v.insert(v.end(), g_visible_counts, g_visible_counts + kTileCodes);
    v.insert(v.end(), g_seen_counts, g_seen_counts + kTileCodes);
    v.insert(v.end(), {g_ai_target_yaku[kSeat], g_ai_target_variant[kSeat]});
    v.insert(v.end(), g_ai_chow_candidates[kSeat], g_ai_chow_candidates[kSeat] + kChowCandidates);
    v.insert(v.end(), g_ai_chow_candidate_variants[kSeat], g_ai_chow_candidate_variants[kSeat] + kChowCandidates);
    return v;
  }
};
