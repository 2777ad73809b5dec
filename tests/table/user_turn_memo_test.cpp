// While the user's turn waits, the computer players' aims and the advised
// discard are computed again only when the game state changed: a frame over
// unchanged state computes nothing, and any change is computed afresh.
#include <array>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

#include "base/ai_record.h"
#include "base/base_state.h"
#include "base/options.h"
#include "base/scorer.h"
#include "base/seat_eval.h"
#include "base/table_state.h"
#include "com/com_state.h"
#include "com/hand_terms.h"
#include "com/target/chow_fit.h"
#include "com/target/target_script.h"
#include "com/turn/planner_decomposition.h"
#include "platform/platform.h"
#include "support/user_table.h"

namespace {

int g_selector_calls = 0;

// The real selectors, each counted.
template <std::size_t... I>
std::array<SelectorFn, kSelectorCount> counting_selectors(std::index_sequence<I...>) {
  return {[](int seat, const SelectorArgs& args) {
    ++g_selector_calls;
    kRealSelectors[I](seat, args);
  }...};
}

// A byte copy of every piece of state the turn's work may read or write.
class SavedState {
 public:
  SavedState() {
    for (const auto& list : pieces())
      for (const StateBytes& piece : list) {
        const auto* begin = static_cast<const unsigned char*>(piece.data);
        bytes_.emplace_back(begin, begin + piece.size);
      }
  }
  void restore() const {
    std::size_t k = 0;
    for (const auto& list : pieces())
      for (const StateBytes& piece : list) std::memcpy(const_cast<void*>(piece.data), bytes_[k++].data(), piece.size);
  }

 private:
  static std::array<std::span<const StateBytes>, 3> pieces() {
    return {base_state_bytes(), com_state_bytes(), platform::rand_state_bytes()};
  }
  std::vector<std::vector<unsigned char>> bytes_;
};

class UserTurnMemoTest : public UserTableTest {
 protected:
  void SetUp() override {
    UserTableTest::SetUp();
    user_turn("123m 345p 789s 11z 23s", kWhite);
    g_selector_table = counting_selectors(std::make_index_sequence<kSelectorCount>{});
    frames(3);  // the first run fills the records; the next finds them as it left them
    g_selector_calls = 0;
  }
};

TEST_F(UserTurnMemoTest, FramesOverAnUnchangedTableComputeNothing) {
  const int advice = g_suggested_discard;
  ASSERT_NE(advice, 0);
  frames(10);
  EXPECT_EQ(g_selector_calls, 0);
  EXPECT_EQ(g_suggested_discard, advice);
}

TEST_F(UserTurnMemoTest, ScribbledResultsAreComputedAgain) {
  const int advice = g_suggested_discard;
  const std::array<int, kSeats> targets = std::to_array(g_ai_target_yaku);
  g_suggested_discard = 0;
  g_ai_target_yaku[2] ^= 1;
  g_ai_target_yaku[3] ^= 1;
  frames(1);
  EXPECT_GT(g_selector_calls, 0);
  EXPECT_EQ(g_suggested_discard, advice);
  EXPECT_EQ(std::to_array(g_ai_target_yaku), targets);
}

// A run that changed the state does not vouch for its input: put back as it
// was before that run, the state is computed again.
TEST_F(UserTurnMemoTest, TheInputOfARunThatChangedThingsIsComputedAgain) {
  const int advice = g_suggested_discard;
  g_suggested_discard = 0;
  const SavedState before;
  frames(1);
  ASSERT_EQ(g_suggested_discard, advice);
  before.restore();
  g_selector_calls = 0;
  frames(1);
  EXPECT_GT(g_selector_calls, 0);
  EXPECT_EQ(g_suggested_discard, advice);
}

// The memos are keyed on all they answer from: emptied, they change no
// answer, so they are no reason to compute again.
TEST_F(UserTurnMemoTest, EmptiedMemosAreNoReasonToComputeAgain) {
  const int advice = g_suggested_discard;
  reset_scoring_memo();
  reset_seat_eval_memo();
  g_meld_tally_memo = MeldTallyMemo{};
  g_chow_fit_memos = ChowFitMemos{};
  frames(3);
  EXPECT_EQ(g_selector_calls, 0);
  EXPECT_EQ(g_suggested_discard, advice);
}

struct Change {
  const char* what;
  std::function<void()> apply;
};

// One change in each kind of state the work may read: the table, the
// options, the computer players' own working state, the random generator.
const Change kChanges[] = {
    {"a discard in seat 2's river", [] { g_river[2][g_river_count[2]++] = kNorth; }},
    {"the advisor's character", [] { g_options[opt_ai_tile_choice] = 4; }},
    {"the planner's decomposition", [] { g_decomposition_pick = 3; }},
    {"the random generator", [] { platform::rand15(); }},
};

TEST_F(UserTurnMemoTest, AnyChangeIsComputedAgain) {
  const SavedState settled;
  for (const Change& change : kChanges) {
    settled.restore();
    frames(1);
    g_selector_calls = 0;
    change.apply();
    frames(1);
    EXPECT_GT(g_selector_calls, 0) << change.what;
  }
}

}  // namespace
