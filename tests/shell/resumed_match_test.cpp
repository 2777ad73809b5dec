// A suspended match carries a copy of the statistics as they stood when it
// began. Resumed, it is booked onto the statistics as they stand then: the
// copy only when it was built on them, else the match's standings and its
// hands after the resume, and the menu says what was left out. Each case
// plays whole matches through the window, one run a step, with a data file
// made unreadable for some steps.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/stats.h"
#include "base/table_state.h"
#include "platform/headless/headless.h"
#include "screens/front_end_layout.h"
#include "screens/screen_state.h"
#include "screens/screens.h"
#include "support/draw_calls.h"
#include "support/scripted_user.h"
#include "support/test_workdir.h"
#include "support/word_files.h"

namespace {

enum class Act {
  Book,              // a new match played to its standings and booked
  Suspend,           // a new match suspended at its first hand's result
  Resume,            // the suspended match resumed, played to its standings and booked
  ResumeAndSuspend,  // the suspended match resumed and suspended again after a hand
  Delete,            // the statistics deleted from the menu
};

struct Step {
  Act act;
  const char* unreadable = nullptr;  // a data file that cannot be read during the step's run
  bool same_run = false;             // played on from the menu the step before left, not in a run of its own
};

struct Case {
  const char* name;
  std::vector<Step> steps;
  bool copy_built_on_file;  // whether the first resume finds the statistics the stored copy began from
};

const Case kCases[] = {
    {"NothingUnreadable", {{Act::Book}, {Act::Book}, {Act::Suspend}, {Act::Resume}}, true},
    {"StatisticsUnreadableWhenSuspended",
     {{Act::Book}, {Act::Book}, {Act::Suspend, "data/save.dat"}, {Act::Resume}},
     false},
    {"MatchBookedWhileTheStoredOneWasUnreadable",
     {{Act::Book}, {Act::Book}, {Act::Suspend}, {Act::Book, "data/restart.dat"}, {Act::Resume},
      {Act::Book, nullptr, true}},
     false},
    {"StatisticsDeletedWhileTheStoredOneWasUnreadable",
     {{Act::Book}, {Act::Book}, {Act::Suspend}, {Act::Delete, "data/restart.dat"}, {Act::Resume}},
     false},
    {"StatisticsUnreadableWhenResumed",
     {{Act::Book}, {Act::Book}, {Act::Suspend}, {Act::Resume, "data/save.dat"}},
     false},
    {"SuspendedAgainAfterAResumeOntoOtherStatistics",
     {{Act::Book}, {Act::Suspend}, {Act::Book, "data/restart.dat"}, {Act::ResumeAndSuspend}, {Act::Resume}},
     false},
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

constexpr const char* kLeftOutNote = "中断前の局の成績（和了・放銃・役など）は記録していません";

constexpr int kUser = 0;  // the user's character, at seat 0 in every match

// The user's figures that save.dat should hold, kept by the rules of booking.
struct Figures {
  int matches = 0;
  int hands = 0;
  int score_sum = 0;
};

class ResumedMatch : public ::testing::TestWithParam<Case> {
 protected:
  // One step; false when it could not be played.
  bool run(const Step& step, unsigned seed) {
    std::unique_ptr<UnreadableFile> unreadable;
    if (step.unreadable) unreadable = std::make_unique<UnreadableFile>(dir_.file(step.unreadable));
    if (step.act == Act::Delete) return delete_statistics(seed);
    ScriptedUser user;
    user.resume = step.act == Act::Resume || step.act == Act::ResumeAndSuspend;
    user.suspend_after = step.act == Act::Suspend || step.act == Act::ResumeAndSuspend ? 1 : 0;
    const std::vector<std::string> problems = step.same_run ? user.play_on() : user.play_match(seed);
    for (const std::string& p : problems) ADD_FAILURE() << p;
    if (!problems.empty()) return false;
    const int played = user.tally.hands;
    left_out_ = user.resume && (left_out_ || !stored_counts_);
    if (user.suspend_after > 0) {
      // A copy stored by a resumed match was built on the statistics as they stood then.
      stored_hands_ = (user.resume && stored_counts_ ? stored_hands_ : 0) + played;
      stored_counts_ = user.resume || GetParam().copy_built_on_file;
      return g_scene == SCENE_SUSPENDED;
    }
    const int score = g_scores[0];
    headless::left_click_at(300, 300);  // the standings: booked and saved
    if (g_scene != SCENE_MAIN_MENU) return false;
    EXPECT_EQ(draws_text(scene_main_menu, kLeftOutNote), left_out_) << "after step " << seed;
    if (step.unreadable && std::string(step.unreadable) == "data/save.dat") return true;  // the save is refused
    expected_.matches += 1;
    expected_.hands += played + (user.resume && stored_counts_ ? stored_hands_ : 0);
    expected_.score_sum += score;
    return true;
  }

  bool delete_statistics(unsigned seed) {
    open_headless_program(seed);
    headless::left_click_at(10, 10);
    const HitBox item = menu_left_box(6);
    headless::left_click_at(item.left + 5, item.top + 5);
    headless::left_click_at(kDeleteBox.left + 5, kDeleteBox.top + 5);
    if (g_stats_deleted != 1) return false;
    expected_ = Figures{};
    return true;
  }

  TestWorkdir dir_;
  Figures expected_;
  int stored_hands_ = 0;       // hands the suspended match played, as its stored copy counts them
  bool stored_counts_ = false;  // whether that copy was built on the statistics the resume finds
  bool left_out_ = false;       // whether the match in play left out hands at a resume
};

TEST_P(ResumedMatch, BooksOntoTheStatisticsAsTheyStandAndSaysWhatWasLeftOut) {
  unsigned seed = 1;
  for (const Step& step : GetParam().steps) ASSERT_TRUE(run(step, seed++)) << "step " << seed - 1;

  const std::vector<std::int32_t> file = read_le_words(dir_.file("data/save.dat"));
  ASSERT_EQ(file.size(), 5124u / 4);
  EXPECT_EQ(file[9 * kUser + kBasicMatches], expected_.matches);
  EXPECT_EQ(file[9 * kUser + kBasicScoreSum], expected_.score_sum);
  EXPECT_EQ(file[1932 / 4 + 30 * kUser + kAiHands], expected_.hands);

  headless::key(platform::kVkReturn);
  headless::left_click_at(10, 10);
  EXPECT_FALSE(draws_text(scene_main_menu, kLeftOutNote)) << "said once";
  EXPECT_EQ(g_stats_basic[kUser].words[kBasicMatches], expected_.matches) << "the next title click reads them back";
}

// Whether a stored copy was built on the statistics a resume finds is told
// by the figures booked only when a match ends; those of its hands change
// as the match goes on.
TEST(FinishedMatches, OnlyFiguresBookedAtAMatchsEndTellStatisticsApart) {
  struct Row {
    const char* what;
    void (*change)(StatsBlocks&);
    bool apart;
  };
  const Row rows[] = {
      {"matches played", [](StatsBlocks& b) { b.basic[6].words[kBasicMatches] += 1; }, true},
      {"score sum", [](StatsBlocks& b) { b.basic[2].words[kBasicScoreSum] -= 30; }, true},
      {"fourth places", [](StatsBlocks& b) { b.basic[0].words[kBasicFirstPlaces + 3] += 1; }, true},
      {"a recent match's score", [](StatsBlocks& b) { b.recent[3][9].words[kRecentScore] += 8; }, true},
      {"a recent match's wins", [](StatsBlocks& b) { b.recent[1][0].words[kRecentWins] += 1; }, true},
      {"highest final score", [](StatsBlocks& b) { b.ai[5].words[kAiHighestScore] += 1; }, true},
      {"lowest final score", [](StatsBlocks& b) { b.ai[4].words[kAiLowestScore] -= 1; }, true},
      {"hands played", [](StatsBlocks& b) { b.ai[0].words[kAiHands] += 1; }, false},
      {"highest win", [](StatsBlocks& b) { b.ai[6].words[kAiHighestWin] = 88; }, false},
      {"deal-ins", [](StatsBlocks& b) { b.ai[1].words[kAiDealIns] += 1; }, false},
      {"a pattern's wins", [](StatsBlocks& b) { b.yaku[2].words[83] += 1; }, false},
  };
  const StatsBlocks file = kBuiltInStats;
  for (const Row& row : rows) {
    StatsBlocks copy = file;
    row.change(copy);
    EXPECT_EQ(same_finished_matches(copy, file), !row.apart) << row.what;
    EXPECT_EQ(same_finished_matches(file, copy), !row.apart) << row.what;
  }
}

INSTANTIATE_TEST_SUITE_P(Shards, ResumedMatch, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
