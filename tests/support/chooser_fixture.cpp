#include "support/chooser_fixture.h"

#include <algorithm>
#include <string>
#include <vector>

#include "com/target/com_target.h"
#include "com/turn/planner_state.h"
#include "core/ai_record.h"
#include "support/hand_builder.h"

Proposal ChooserTest::run_chooser(Chooser chooser) {
  std::array<int, kHandSlots> before{};
  std::copy(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), before.begin());
  const int target = g_ai_target_yaku[kSeat];
  const int variant = g_ai_target_variant[kSeat];
  AI[kSeat].discard_yaku = AI[kSeat].discard_reason = AI[kSeat].discard_subcode = 0;
  g_ai_discard_count = 0;
  chooser(kSeat);
  EXPECT_EQ(g_ai_target_yaku[kSeat], target);
  EXPECT_EQ(g_ai_target_variant[kSeat], variant);
  EXPECT_EQ(AI[kSeat].discard_reason, 0);
  for (int i = 0; i < kHandSlots; ++i)
    EXPECT_TRUE(g_ai_work_hand[i] == before[i] || g_ai_work_hand[i] == 0) << "pool slot " << i << " rewritten";
  EXPECT_LE(g_ai_discard_count, 1);
  if (g_ai_discard_count == 0) return {0, AI[kSeat].discard_yaku, AI[kSeat].discard_subcode};
  const int tile = g_ai_discard_candidates[0];
  EXPECT_TRUE(is_playing_tile(tile)) << tile;
  bool emptied = false;
  for (int i = 0; i < kHandSlots; ++i) emptied |= before[i] == tile && g_ai_work_hand[i] == 0;
  EXPECT_TRUE(emptied) << "no pool slot of " << tile << " emptied";
  return {tile, AI[kSeat].discard_yaku, AI[kSeat].discard_subcode};
}

namespace {

// The tiles of `text`, in its order, with every suit moved `shift` suits on.
std::string shifted(const char* text, int shift) {
  std::vector<int> tiles = parse_tiles(text);
  for (int& t : tiles)
    if (is_suited(t)) t = make_tile((suit_of(t) + shift) % 3, rank_of(t));
  return format_tiles(tiles);
}

}  // namespace

void ChooserTest::check(const ChooserCase& c, int shift) {
  const auto text = [shift](const char* t) { return shifted(t, shift); };
  set_hand(text(c.hand), text(c.pool));
  for (int code : c.melds)
    if (code != 0) add_meld(kSeat, meld_kind(code), meld_tile(code));
  set_visible(text(c.visible));
  set_target(c.target, c.variant);
  const Proposal got = run_chooser(c.chooser);
  const bool none = *c.expect == '\0';
  const Proposal want{none ? 0 : parse_tiles(text(c.expect)).at(0), none ? 0 : c.target, none ? 0 : c.subcode};
  EXPECT_EQ(describe(got), describe(want)) << "hand " << text(c.hand);
  if (c.left != nullptr) {
    EXPECT_EQ(format_tiles(g_ai_work_hand, kHandSlots), text(c.left)) << "the pool left";
  }
  if (c.then == nullptr) return;
  std::vector<int> more;
  for (int tile = run_chooser(c.chooser).tile; tile != 0; tile = run_chooser(c.chooser).tile) more.push_back(tile);
  EXPECT_EQ(format_tiles(more), text(c.then)) << "what further runs propose";
}

void PrintTo(const ChooserCase& c, std::ostream* os) { *os << c.name; }
std::string chooser_case_name(const ::testing::TestParamInfo<ChooserCase>& info) { return info.param.name; }
