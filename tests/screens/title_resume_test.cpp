#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "base/stats.h"
#include "base/table_state.h"
#include "platform/headless/headless.h"
#include "screens/front_end_layout.h"
#include "screens/screen_state.h"
#include "screens/screens.h"
#include "shell/data_files.h"
#include "shell/input_front_end.h"
#include "support/draw_calls.h"
#include "support/test_workdir.h"
#include "support/word_files.h"

namespace {

class TitleAndResume : public ::testing::Test {
 protected:
  void SetUp() override { open_headless_program(); }

  // A suspended match: COM5, COM2, COM3 at seats 1..3, South round, dealer 1,
  // first dealer 3, and in-match statistics built on empty saved ones: the
  // hands the match played so far.
  std::vector<std::int32_t> suspended_words() {
    std::vector<std::int32_t> w(5208 / 4, 0);
    w[0] = 1;
    w[1] = 0, w[2] = 5, w[3] = 2, w[4] = 3;
    for (int c = 0; c < kPlayerCharacters; ++c) w[5 + 9 * c + kBasicBuiltIn] = 1;
    w[1952 / 4 + 30 * 5 + kAiHands] = 7;  // COM5 has played 7 hands in the stored copy
    w[5144 / 4] = 1;
    w[5160 / 4] = 1;
    w[5176 / 4] = 3;
    const int scores[4] = {30, -12, 5, -23};
    for (int s = 0; s < 4; ++s) w[5192 / 4 + s] = scores[s];
    return w;
  }
  void store_suspended() { write_le_words(dir_.file("data/restart.dat"), suspended_words()); }
  std::vector<std::int32_t> restart_file() { return read_le_words(dir_.file("data/restart.dat")); }

  TestWorkdir dir_;
};

TEST_F(TitleAndResume, FirstStartWithoutFilesGoesToTheMenuWithDefaults) {
  ASSERT_EQ(g_scene, SCENE_TITLE);
  headless::left_click_at(500, 500);
  EXPECT_EQ(g_scene, SCENE_MAIN_MENU);
  EXPECT_EQ(g_se_request[SE_OK], 1);
  EXPECT_EQ(g_options, kOptionDefaults);
  for (int c = 0; c < kPlayerCharacters; ++c) {
    EXPECT_EQ(g_stats_basic[c].words[0], 1);
    for (int w = 1; w < kStatsBasicWords; ++w) EXPECT_EQ(g_stats_basic[c].words[w], 0);
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.file("data/save.dat"))) << "the title click writes nothing";
}

TEST_F(TitleAndResume, TheTitleClickLoadsEveryFileAndReloadsAfterEnter) {
  std::vector<std::int32_t> options(kOptionDefaults.begin(), kOptionDefaults.end());
  options[opt_com_speed] = 5;
  write_le_words(dir_.file("data/option.dat"), options);
  std::vector<std::int32_t> save(5124 / 4, 0);
  save[9 * 4 + kBasicMatches] = 12;
  write_le_words(dir_.file("data/save.dat"), save);
  store_suspended();

  headless::step_frames(2);
  EXPECT_EQ(g_options[opt_com_speed], 2) << "nothing is read before the click";
  headless::left_click_at(10, 10);
  EXPECT_EQ(g_scene, SCENE_RESUME_QUESTION);
  EXPECT_EQ(g_options[opt_com_speed], 5) << "the settings load before the question";
  EXPECT_EQ(g_stats_basic[4].words[kBasicMatches], 12) << "statistics come from save.dat";
  EXPECT_EQ(g_stats_ai[5].words[kAiHands], 0) << "not from the suspended match";
  EXPECT_EQ(g_seat_character[1], 0) << "the question reads only whether a match waits";

  g_options[opt_com_speed] = 0;
  headless::key(platform::kVkReturn);
  headless::left_click();
  EXPECT_EQ(g_options[opt_com_speed], 5) << "unsaved changes are undone by the next title click";
}

TEST_F(TitleAndResume, ResumingRestoresTheMatchAndClearsTheStoredFlag) {
  store_suspended();
  headless::left_click_at(10, 10);
  ASSERT_EQ(g_scene, SCENE_RESUME_QUESTION);
  g_se_request[SE_OK] = 0;
  headless::left_click_at(156, 326);
  EXPECT_EQ(g_scene, SCENE_DEAL);
  EXPECT_EQ(g_se_request[SE_OK], 0) << "resuming makes no sound";
  EXPECT_EQ(g_seat_character[1], 5);
  EXPECT_EQ(g_seat_character[3], 3);
  EXPECT_EQ(g_round_wind, 1);
  EXPECT_EQ(g_dealer, 1);
  EXPECT_EQ(g_first_dealer, 3);
  EXPECT_EQ(g_scores[1], -12);
  EXPECT_EQ(g_match_stats.ai[5].words[kAiHands], 7);
  EXPECT_EQ(g_stats_ai[5].words[kAiHands], 0) << "the saved statistics are untouched";
  EXPECT_GT(g_wall_count, 0) << "the next hand was set up";

  std::vector<std::int32_t> expected = suspended_words();
  expected[0] = 0;
  EXPECT_EQ(restart_file(), expected);

  headless::key(platform::kVkReturn);
  headless::left_click_at(10, 10);
  EXPECT_EQ(g_scene, SCENE_MAIN_MENU) << "a resumed match is not offered again";
}

TEST_F(TitleAndResume, AResumeThatCannotClearTheFlagStaysOnTheMenu) {
  store_suspended();
  headless::left_click_at(10, 10);
  {
    FailingWrites failing;
    headless::left_click_at(140, 310);
  }
  EXPECT_EQ(g_scene, SCENE_MAIN_MENU);
  EXPECT_EQ(g_last_write_failed, kWriteFailedResume);
  EXPECT_EQ(g_seat_character[1], 0) << "nothing of the stored match reached play";
  EXPECT_EQ(g_scores[1], 0);
  EXPECT_EQ(restart_file(), suspended_words()) << "the stored match stays for the next start";
  headless::step_frames(1);
  const platform::Surface failed = headless::screen();
  headless::left_click_at(600, 650);  // not an item: the note stays
  EXPECT_EQ(g_last_write_failed, kWriteFailedResume);
  g_last_write_failed = kWriteOk;
  headless::step_frames(1);
  EXPECT_NE(headless::screen().pixels, failed.pixels) << "the menu shows the failure";
}

TEST_F(TitleAndResume, ARestartFileNotMarkedAsSuspendedIsNotResumed) {
  store_suspended();
  headless::left_click_at(10, 10);
  std::vector<std::int32_t> w = suspended_words();
  w[0] = 2;
  write_le_words(dir_.file("data/restart.dat"), w);
  headless::left_click_at(140, 310);
  EXPECT_EQ(g_scene, SCENE_MAIN_MENU);
  EXPECT_EQ(g_last_write_failed, kReadFailedResume);
  EXPECT_EQ(g_seat_character[1], 0);
  EXPECT_EQ(restart_file(), w) << "a file that holds no match is left alone";
}

// The stored match made unreadable or removed while the question shows: the
// menu says the match could not be read (and names a file that is there),
// nothing is written, and once mended the match is offered again.
TEST_F(TitleAndResume, AResumeThatCannotReadTheStoredMatchSaysSoAndKeepsIt) {
  constexpr const char* kNotRead = "中断データを読み込めなかったため、再開を取りやめました";
  const std::filesystem::path file = dir_.file("data/restart.dat");
  for (const bool removed : {false, true}) {
    store_suspended();
    open_headless_program();
    headless::left_click_at(10, 10);
    ASSERT_EQ(g_scene, SCENE_RESUME_QUESTION);
    {
      std::unique_ptr<UnreadableFile> unreadable;
      if (removed) std::filesystem::rename(file, dir_.file("data/aside.dat"));
      else unreadable = std::make_unique<UnreadableFile>(file);
      headless::left_click_at(140, 310);
      EXPECT_EQ(g_scene, SCENE_MAIN_MENU) << removed;
      EXPECT_EQ(g_seat_character[1], 0) << removed;
      EXPECT_TRUE(draws_text(scene_main_menu, kNotRead)) << removed;
      EXPECT_EQ(draws_text(scene_main_menu, "data/restart.dat"), !removed) << "a file that is there is named";
    }
    if (removed) {
      EXPECT_FALSE(std::filesystem::exists(file)) << "nothing written in its place";
      std::filesystem::rename(dir_.file("data/aside.dat"), file);
    }
    EXPECT_EQ(restart_file(), suspended_words()) << removed;
    headless::key(platform::kVkReturn);
    headless::left_click_at(10, 10);
    EXPECT_FALSE(draws_text(scene_main_menu, kNotRead)) << "said once";
    EXPECT_EQ(g_scene, SCENE_RESUME_QUESTION) << "mended, the match is offered again";
  }
}

TEST_F(TitleAndResume, DecliningWritesTheFlagZeroFromMemory) {
  store_suspended();
  headless::left_click_at(10, 10);
  g_scores[2] = 44;
  headless::left_click_at(140, 366);
  EXPECT_EQ(g_scene, SCENE_MAIN_MENU);
  EXPECT_EQ(g_se_request[SE_OK], 1);
  std::size_t bytes = 0;
  const std::vector<std::int32_t> file = read_le_words(dir_.file("data/restart.dat"), &bytes);
  EXPECT_EQ(bytes, 5208u);
  EXPECT_EQ(file[0], 0);
  EXPECT_EQ(file[5192 / 4 + 2], 44);
  headless::key(platform::kVkReturn);
  headless::left_click_at(10, 10);
  EXPECT_EQ(g_scene, SCENE_MAIN_MENU) << "the question is not asked again";
}

TEST_F(TitleAndResume, ADeclineThatCannotBeWrittenStillOpensTheMenuAndKeepsTheStoredMatch) {
  store_suspended();
  headless::left_click_at(10, 10);
  {
    FailingWrites failing;
    headless::left_click_at(140, 350);
  }
  EXPECT_EQ(g_scene, SCENE_MAIN_MENU);
  EXPECT_EQ(g_last_write_failed, kWriteFailedDecline);
  EXPECT_EQ(restart_file(), suspended_words());
}

TEST_F(TitleAndResume, ChoiceBoxesAreInclusiveAndClicksElsewhereChangeNothing) {
  store_suspended();
  headless::left_click_at(10, 10);
  for (auto [x, y] : std::vector<std::pair<int, int>>{{157, 326}, {139, 310}, {150, 327}, {150, 349}, {157, 366}, {150, 367}}) {
    headless::left_click_at(x, y);
    EXPECT_EQ(g_scene, SCENE_RESUME_QUESTION) << x << "," << y;
  }
  EXPECT_EQ(restart_file(), suspended_words());

  auto choice_cells = [] {
    headless::step_frames(1);
    std::vector<std::uint32_t> cells;
    for (int y = 310; y < 326; ++y)
      for (int x = 140; x < 156; ++x) cells.push_back(headless::screen().at(x, y));
    return cells;
  };
  headless::mouse_move(157, 326);
  const auto plain = choice_cells();
  headless::mouse_move(156, 326);
  const auto marked = choice_cells();
  headless::mouse_move(140, 310);
  EXPECT_EQ(choice_cells(), marked);
  EXPECT_NE(plain, marked) << "the hover mark covers the choice at x 156";
}

TEST_F(TitleAndResume, TheSuspensionNoticeSaysWhenTheMatchCouldNotBeStored) {
  g_seat_character[1] = 1, g_seat_character[2] = 2, g_seat_character[3] = 3;
  ASSERT_TRUE(store_suspended_match());
  g_scene = SCENE_SUSPENDED;
  headless::step_frames(1);
  const platform::Surface stored = headless::screen();
  {
    FailingWrites failing;
    EXPECT_FALSE(store_suspended_match());
  }
  EXPECT_EQ(g_last_write_failed, kWriteFailedSuspend);
  headless::step_frames(1);
  EXPECT_NE(headless::screen().pixels, stored.pixels);
  EXPECT_EQ(read_le_words(dir_.file("data/restart.dat"))[0], 1) << "the earlier snapshot is intact";
}

TEST_F(TitleAndResume, TheResumeQuestionNamesAnUnreadableFileAndTheMatchEndsTheNotice) {
  store_suspended();
  write_raw_bytes(dir_.file("data/save.dat"), 5124, 0x01);
  UnreadableFile unreadable(dir_.file("data/save.dat"));
  headless::left_click_at(500, 500);
  ASSERT_EQ(g_scene, SCENE_RESUME_QUESTION);
  EXPECT_TRUE(draws_text(scene_resume_question, "data/save.dat"));
  headless::left_click_at(140, 310);
  ASSERT_EQ(g_scene, SCENE_DEAL);
  EXPECT_FALSE(draws_text(scene_main_menu, "data/save.dat")) << "the menu after the match does not name it again";
}

// Each file the title click reads, unreadable (restart.dat holding a
// suspended match): the first click's screen names it, and a second click
// after Return, with no menu click between, names nothing.
TEST_F(TitleAndResume, EachFileTheTitleClickReadsIsNamedByItsFirstScreenOnly) {
  struct Case {
    const char* file;
    bool asks_resume;  // another file holds a suspended match
  };
  const Case cases[] = {
      {"data/save.dat", true},        {"data/option.dat", false},  {"data/rule_yaku.dat", true},
      {"data/local_yaku.dat", false}, {"data/restart.dat", false},
  };
  for (const Case& c : cases) {
    open_headless_program();
    if (c.asks_resume || std::string(c.file) == "data/restart.dat") store_suspended();
    if (!std::filesystem::exists(dir_.file(c.file))) write_raw_bytes(dir_.file(c.file), 12, 0x01);
    const UnreadableFile unreadable(dir_.file(c.file));
    const int screen = c.asks_resume ? SCENE_RESUME_QUESTION : SCENE_MAIN_MENU;
    void (*const draw)() = c.asks_resume ? scene_resume_question : scene_main_menu;
    headless::left_click_at(500, 500);
    ASSERT_EQ(g_scene, screen) << c.file;
    EXPECT_TRUE(draws_text(draw, c.file)) << c.file;
    headless::key(platform::kVkReturn);
    headless::left_click_at(500, 500);
    ASSERT_EQ(g_scene, screen) << c.file;
    EXPECT_FALSE(draws_text(draw, "data/")) << c.file << ": a file named again by the second click";
    std::filesystem::remove(dir_.file(c.file));
    std::filesystem::remove(dir_.file("data/restart.dat"));
  }
}

TEST_F(TitleAndResume, AnOptionFileThatCannotBeReadIsNamedAndKeptWhateverIsChanged) {
  std::vector<std::int32_t> options(kOptionDefaults.begin(), kOptionDefaults.end());
  options[opt_com_speed] = 5;
  const std::filesystem::path file = dir_.file("data/option.dat");
  write_le_words(file, options);
  struct stat before {};
  ASSERT_EQ(::stat(file.c_str(), &before), 0);
  {
    UnreadableFile unreadable(file);
    headless::left_click_at(500, 500);
    ASSERT_EQ(g_scene, SCENE_MAIN_MENU);
    EXPECT_EQ(g_options, kOptionDefaults);
    EXPECT_TRUE(draws_text(scene_main_menu, "data/option.dat")) << "the menu names the file";
    headless::left_click_at(kMenuLeftX, menu_row_y(1));
    ASSERT_EQ(g_scene, SCENE_OPTIONS);
    headless::left_click_at(116, 166);
    headless::right_click_at(400, 400);
    EXPECT_EQ(g_scene, SCENE_MAIN_MENU);
    EXPECT_EQ(g_last_write_failed, kWriteFailedSettings);
    EXPECT_FALSE(draws_text(scene_main_menu, "data/option.dat")) << "gone with the menu click";
    struct stat during {};
    ASSERT_EQ(::stat(file.c_str(), &during), 0);
    EXPECT_EQ(during.st_ino, before.st_ino);
    EXPECT_EQ(during.st_mode & 07777, 0u);
  }
  EXPECT_EQ(read_le_words(file), options);
  headless::key(platform::kVkReturn);
  headless::left_click_at(500, 500);
  EXPECT_EQ(g_options[opt_com_speed], 5) << "mended, the file is read as it was";
  EXPECT_FALSE(draws_text(scene_main_menu, "data/option.dat")) << "named once a run";
}

}  // namespace
