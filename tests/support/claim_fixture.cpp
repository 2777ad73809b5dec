#include "support/claim_fixture.h"

#include <algorithm>
#include <array>

#include "com/claim/claim_protocol.h"
#include "com/claim/com_claim.h"
#include "com/target/com_target.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "support/hai_table_once.h"
#include "support/hand_builder.h"
#include "support/test_workdir.h"
#include "flow/claim_offers.h"
#include "base/table_state.h"

void PrintTo(const ClaimResult& r, std::ostream* os) {
  *os << "{call " << r.call << " shape " << r.shape << " motive " << r.motive << " reason " << r.reason << "}";
}
void PrintTo(const ClaimCase& c, std::ostream* os) { *os << c.name; }

void ClaimTest::SetUpTestSuite() {
  fill_hai_table_once();
}

void ClaimTest::SetUp() {
  reset_program_state();
  g_wall_count = 60;
  std::fill(g_seat_character + 1, g_seat_character + kSeats, 1);
  AI[kSeat].min_shanten = 2;
}

void ClaimTest::set_up(const ClaimCase& c) {
  set_hand(kSeat, c.hand);
  for (const MeldSpec& m : c.melds) add_meld(kSeat, m.kind, m.tile, m.source);
  g_seat_state[kSeat].naki_count = c.calls >= 0 ? c.calls : static_cast<int>(c.melds.size());
  g_seat_state[kSeat].open_naki_count = std::count_if(g_melds[kSeat], g_melds[kSeat] + kMeldSlots, is_open_meld);
  add_discards(c.from == 3 ? 2 : 3, c.visible);
  add_discards(c.from, c.discard);
  g_discarder = c.from;
  g_ai_target_yaku[kSeat] = c.target;
  g_ai_target_variant[kSeat] = c.variant;
  AI[kSeat].best_blocks = c.best_blocks;
  g_dealer = c.dealer;
}

ClaimResult ClaimTest::run(void (*rule)(int seat)) {
  for (auto& row : g_naki_flags) std::fill(std::begin(row), std::end(row), 0);
  g_chi_variant[kSeat] = -1;
  if (rule == nullptr) {
    com_decide_naki(kSeat);
  } else {
    g_naki_decided = 0;
    count_visible_tiles(kSeat);
    count_hand_tiles(kSeat);
    rule(kSeat);
  }
  const int* flags = g_naki_flags[kSeat];
  const std::array<int, 4> decided{flags[0], flags[1], flags[2], flags[3]};
  recheck_naki_flags();
  EXPECT_TRUE(std::equal(decided.begin(), decided.end(), flags)) << "the table withdrew the decision";
  if (flags[0] == 1) return {4};
  const int call = static_cast<int>(std::find(flags + 1, flags + 4, 1) - flags) % 4;
  if (call == 0) return kNoClaim;
  // The simulated calls write the shape with every call, 0 with a pung or kong.
  const bool shape = call == kNakiChow || AI[kSeat].naki_yaku >= 90;
  return {call, shape ? g_chi_variant[kSeat] : 0, AI[kSeat].naki_yaku, AI[kSeat].naki_reason};
}
