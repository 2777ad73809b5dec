#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <climits>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <cstdint>
#include <vector>

#include "base/options.h"
#include "base/stats.h"
#include "base/table_state.h"
#include "base/yaku_table.h"
#include "core/hai_table.h"
#include "platform/headless/headless.h"
#include "shell/data_files.h"
#include "shell/shell_state.h"
#include "shell/window_pos.h"
#include "support/test_workdir.h"
#include "support/word_files.h"

namespace {

class DataFiles : public ::testing::Test {
 protected:
  void SetUp() override { reset_program_state(); }
  std::vector<std::int32_t> words(const char* name, std::size_t* bytes) { return read_le_words(dir_.file(name), bytes); }
  TestWorkdir dir_{false};
};

// A distinct value for every statistics word, from its character, block and index.
int stat_value(int block, int c, int index) { return block * 100000 + c * 1000 + index + 1; }

void fill_saved_stats() {
  for (int c = 0; c < kPlayerCharacters; ++c) {
    for (int w = 0; w < kStatsBasicWords; ++w) g_stats_basic[c].words[w] = stat_value(1, c, w);
    for (int r = 0; r < kRecentMatches; ++r)
      for (int w = 0; w < kStatsRecentWords; ++w) g_stats_recent[c][r].words[w] = w == kRecentPlace ? r % 4 + 1 : stat_value(2, c, r * 10 + w);
    for (int w = 0; w < kStatsAiWords; ++w) g_stats_ai[c].words[w] = stat_value(3, c, w);
    for (int w = 0; w < kStatsYakuWords; ++w) g_stats_yaku[c].words[w] = w * 100 + c;
  }
}

// Checks every word of the four blocks at its byte offset `base` + its place in the file's order.
void expect_stats_at(const std::vector<std::int32_t>& file, std::size_t base, const StatsBlocks& b) {
  const std::size_t w0 = base / 4;
  for (int c = 0; c < kPlayerCharacters; ++c) {
    for (int w = 0; w < kStatsBasicWords; ++w) ASSERT_EQ(file[w0 + c * 9 + w], b.basic[c].words[w]);
    for (int r = 0; r < kRecentMatches; ++r)
      for (int w = 0; w < kStatsRecentWords; ++w) ASSERT_EQ(file[w0 + 63 + (c * 10 + r) * 6 + w], b.recent[c][r].words[w]);
    for (int w = 0; w < kStatsAiWords; ++w) ASSERT_EQ(file[w0 + 483 + c * 30 + w], b.ai[c].words[w]);
    for (int w = 0; w < kStatsYakuWords; ++w) ASSERT_EQ(file[w0 + 693 + c * 84 + w], b.yaku[c].words[w]);
  }
}

TEST_F(DataFiles, SettingFilesHaveTheirSizesAndWordOrderAndReadBack) {
  for (int i = 0; i < kOptionWords; ++i) g_options[i] = i % 2;
  g_options[opt_ai_tile_choice] = 6;
  for (int i = 0; i < kRuleYakuWords; ++i) g_rule_yaku[i] = i % 3 == 0;
  g_local_yaku[1] = 1;
  ASSERT_TRUE(save_option_file() && save_rule_yaku_file() && save_local_yaku_file());
  ASSERT_TRUE(write_window_pos({123, 45}));

  std::size_t bytes = 0;
  const std::vector<std::int32_t> options = words("data/option.dat", &bytes);
  EXPECT_EQ(bytes, 88u);
  for (int i = 0; i < kOptionWords; ++i) EXPECT_EQ(options[i], g_options[i]) << i;
  EXPECT_EQ(words("data/rule_yaku.dat", &bytes), std::vector<std::int32_t>(g_rule_yaku.begin(), g_rule_yaku.end()));
  EXPECT_EQ(bytes, 52u);
  EXPECT_EQ(words("data/local_yaku.dat", &bytes), (std::vector<std::int32_t>{0, 1, 0}));
  EXPECT_EQ(bytes, 12u);
  EXPECT_EQ(words("data/win_xy.dat", &bytes), (std::vector<std::int32_t>{123, 45}));
  EXPECT_EQ(bytes, 8u);

  const auto written = g_options;
  reset_options();
  reset_yaku_switches();
  load_option_file();
  load_rule_yaku_file();
  load_local_yaku_file();
  EXPECT_EQ(g_options, written);
  for (int i = 0; i < kRuleYakuWords; ++i) EXPECT_EQ(g_rule_yaku[i], i % 3 == 0);
  EXPECT_EQ(g_local_yaku[1], 1);
}

TEST_F(DataFiles, SaveFileHoldsTheFourBlocksInOrderAndReadsBack) {
  fill_saved_stats();
  const StatsBlocks written = saved_stats();
  ASSERT_TRUE(save_save_file());
  std::size_t bytes = 0;
  const std::vector<std::int32_t> file = words("data/save.dat", &bytes);
  ASSERT_EQ(bytes, 5124u);
  expect_stats_at(file, 0, written);

  reset_stats_state();
  load_save_file();
  expect_stats_at(file, 0, saved_stats());
}

TEST_F(DataFiles, RestartFileHoldsItsTenFieldsAtTheirOffsets) {
  const int seats[4] = {0, 4, 2, 6};
  std::copy(seats, seats + 4, g_seat_character);
  fill_saved_stats();
  copy_saved_stats_to_match();
  g_round_wind = 2;
  g_dealer = 3;
  g_first_dealer = 1;
  g_turn_seat = 2;
  g_shown_points = 17;
  g_hands_left_out = 1;
  const int scores[4] = {-40, 12, 100, -72};
  std::copy(scores, scores + 4, g_scores);
  ASSERT_TRUE(write_suspended_match());

  std::size_t bytes = 0;
  const std::vector<std::int32_t> file = words("data/restart.dat", &bytes);
  ASSERT_EQ(bytes, 5208u);
  EXPECT_EQ(file[0], 1);
  for (int s = 0; s < 4; ++s) EXPECT_EQ(file[1 + s], seats[s]);
  expect_stats_at(file, 20, g_match_stats);
  EXPECT_EQ(file[5144 / 4], 2);
  EXPECT_EQ(file[5148 / 4], 1) << "the hands left out, in the word after the round wind";
  EXPECT_EQ(file[5160 / 4], 3);
  EXPECT_EQ(file[5164 / 4], g_hai_table_loaded);
  EXPECT_EQ(file[5168 / 4], 2);
  EXPECT_EQ(file[5172 / 4], 17);
  EXPECT_EQ(file[5176 / 4], 1);
  for (int s = 0; s < 4; ++s) EXPECT_EQ(file[5192 / 4 + s], scores[s]);

  RestartData read{};
  ASSERT_TRUE(read_restart_file(read));
  reset_table_state();
  reset_stats_state();
  apply_restart_data(read);
  for (int s = 0; s < 4; ++s) EXPECT_EQ(g_seat_character[s], seats[s]);
  for (int s = 0; s < 4; ++s) EXPECT_EQ(g_scores[s], scores[s]);
  EXPECT_EQ(g_round_wind, 2);
  EXPECT_EQ(g_dealer, 3);
  EXPECT_EQ(g_first_dealer, 1);
  expect_stats_at(file, 20, g_match_stats);
}

TEST_F(DataFiles, ResumeIgnoresTheWorkWordsOfTheFile) {
  g_seat_character[1] = 1, g_seat_character[2] = 2, g_seat_character[3] = 3;
  g_dealer = 1;  // a hand after the first
  ASSERT_TRUE(write_suspended_match());
  std::vector<std::int32_t> file = words("data/restart.dat", nullptr);
  for (int i : {5148, 5152, 5156, 5164, 5168, 5172, 5180, 5184, 5188}) file[i / 4] = 77;
  write_le_words(dir_.file("data/restart.dat"), file);
  const int loaded = g_hai_table_loaded;
  g_turn_seat = 1;
  g_shown_points = 5;
  RestartData read{};
  ASSERT_TRUE(read_restart_file(read));
  apply_restart_data(read);
  EXPECT_EQ(g_hai_table_loaded, loaded);
  EXPECT_EQ(g_turn_seat, 1);
  EXPECT_EQ(g_shown_points, 5);
  ASSERT_TRUE(write_suspended_match());
  EXPECT_EQ(words("data/restart.dat", nullptr)[5148 / 4], 0) << "a work word there tells of no hands left out";
}

TEST_F(DataFiles, MissingFilesLeaveDefaultsAndClearTheStatistics) {
  g_options[opt_com_speed] = 4;
  fill_saved_stats();
  load_option_file();
  load_rule_yaku_file();
  load_local_yaku_file();
  load_save_file();
  EXPECT_EQ(g_options[opt_com_speed], 4) << "a missing option file leaves memory as it is";
  for (int i = 0; i < kRuleYakuWords; ++i) EXPECT_EQ(g_rule_yaku[i], i == 11 ? 0 : 1);
  for (int c = 0; c < kPlayerCharacters; ++c) {
    for (int w = 0; w < 3; ++w) EXPECT_EQ(g_stats_basic[c].words[w], stat_value(1, c, w));
    for (int w = 3; w < kStatsBasicWords; ++w) EXPECT_EQ(g_stats_basic[c].words[w], 0);
    EXPECT_EQ(g_stats_recent[c][9].words[2], 0);
    EXPECT_EQ(g_stats_ai[c].words[29], 0);
    EXPECT_EQ(g_stats_yaku[c].words[83], 0);
  }
  EXPECT_FALSE(suspended_match_waits());
}

// A file that is there but cannot be read, whether it will not open or its
// read fails part-way, is passed over as a missing one is, named once in the
// run, and never written over in it.
TEST_F(DataFiles, AFileThatCannotBeReadIsNamedOnceAndKeepsItsBytes) {
  struct Case {
    const char* file;
    std::size_t bytes;
    void (*load)();
    bool (*save)();
  };
  const Case cases[] = {
      {"data/win_xy.dat", 8, [] { read_window_pos(); }, [] { return write_window_pos({3, 4}); }},
      {"data/save.dat", 5124, load_save_file, save_save_file},
      {"data/option.dat", 88, load_option_file, save_option_file},
      {"data/rule_yaku.dat", 52, load_rule_yaku_file, save_rule_yaku_file},
      {"data/local_yaku.dat", 12, load_local_yaku_file, save_local_yaku_file},
      {"data/restart.dat", 5208, [] { suspended_match_waits(); }, write_suspended_match},
  };
  for (const bool part_way : {false, true})
    for (const Case& c : cases) {
      const std::string what = std::string(c.file) + (part_way ? ", failing part-way" : ", not opening");
      reset_program_state();
      const std::filesystem::path path = dir_.file(c.file);
      write_raw_bytes(path, c.bytes, 0x01);
      struct stat before {};
      ASSERT_EQ(::stat(path.c_str(), &before), 0);
      fill_saved_stats();
      {
        std::optional<UnreadableFile> unreadable;
        std::optional<FailingReads> failing;
        if (part_way) failing.emplace(path);
        else unreadable.emplace(path);
        c.load();
        EXPECT_EQ(newly_unreadable_data_files(), std::vector<std::string>{c.file}) << what;
        EXPECT_FALSE(c.save()) << what;
        c.load();
        EXPECT_TRUE(newly_unreadable_data_files().empty()) << what << ": named once";
        struct stat during {};
        ASSERT_EQ(::stat(path.c_str(), &during), 0);
        EXPECT_EQ(during.st_ino, before.st_ino) << what;
        EXPECT_EQ(during.st_mode & 07777, part_way ? before.st_mode & 07777 : 0u) << what;
      }
      std::size_t bytes = 0;
      EXPECT_EQ(read_le_words(path, &bytes), std::vector<std::int32_t>(c.bytes / 4, 0x01010101)) << what;
      EXPECT_EQ(g_stats_basic[1].words[3], std::string(c.file) == "data/save.dat" ? 0 : stat_value(1, 1, 3))
          << what << ": only the statistics file clears the statistics, as a missing one";
      std::filesystem::remove(path);
    }
  reset_program_state();
  write_raw_bytes(dir_.file("data/option.dat"), 88, 0x01);
  write_raw_bytes(dir_.file("data/save.dat"), 5124, 0x01);
  UnreadableFile option(dir_.file("data/option.dat"));
  UnreadableFile save(dir_.file("data/save.dat"));
  load_option_file();
  load_save_file();
  EXPECT_EQ(newly_unreadable_data_files(), (std::vector<std::string>{"data/save.dat", "data/option.dat"}));
}

TEST_F(DataFiles, ShortFilesFillOnlyTheWordsTheyHold) {
  write_le_words(dir_.file("data/option.dat"), {5, 1, 1, 1, 1, 0, 0, 0, 1, 0});
  g_options[opt_voices] = 0;
  load_option_file();
  EXPECT_EQ(g_options[opt_com_speed], 5);
  EXPECT_EQ(g_options[opt_suspend], 1);
  EXPECT_EQ(g_options[opt_voice_balloons], 0);
  EXPECT_EQ(g_options[opt_voices], 0) << "word 12 lies past the file's 40 bytes";

  write_le_words(dir_.file("data/save.dat"), {1, 0, 0, 42});
  load_save_file();
  EXPECT_EQ(g_stats_basic[0].words[kBasicMatches], 42);
  EXPECT_EQ(g_stats_basic[1].words[kBasicBuiltIn], 1);
}

TEST_F(DataFiles, WordsOutOfRangeTakeTheirDefaultsOrAreClamped) {
  std::vector<std::int32_t> options(22, 1);
  options[opt_com_speed] = 6;
  options[opt_ai_tile_choice] = -1;
  options[opt_flowers] = 1000;
  write_le_words(dir_.file("data/option.dat"), options);
  write_le_words(dir_.file("data/rule_yaku.dat"), {2, 0, 1, -1, 1, 1, 1, 1, 1, 1, 1, 1, 7});
  write_le_words(dir_.file("data/local_yaku.dat"), {1, 5, 0});
  load_option_file();
  load_rule_yaku_file();
  load_local_yaku_file();
  EXPECT_EQ(g_options[opt_com_speed], 2);
  EXPECT_EQ(g_options[opt_ai_tile_choice], 0);
  EXPECT_EQ(g_options[opt_flowers], 2);
  EXPECT_EQ(g_options[opt_open_hands], 1);
  EXPECT_EQ(g_rule_yaku[0], 1);
  EXPECT_EQ(g_rule_yaku[3], 1);
  EXPECT_EQ(g_rule_yaku[11], 1);
  EXPECT_EQ(g_rule_yaku[12], 1);
  EXPECT_EQ(g_local_yaku[1], 0);

  std::vector<std::int32_t> save(5124 / 4, 0);
  save[9 * 2 + kBasicMatches] = -3;                     // COM2's matches played
  save[9 * 2 + 0] = -8;                                 // carried word, left alone
  save[63 + (2 * 10 + 4) * 6 + kRecentPlace] = 9;       // a recent row's place
  save[63 + (2 * 10 + 4) * 6 + kRecentScore] = -200;
  save[483 + 2 * 30 + kAiLowestScore] = -150;
  save[483 + 2 * 30 + kAiWins] = -1;
  save[693 + 2 * 84 + 5] = 123456;
  write_le_words(dir_.file("data/save.dat"), save);
  load_save_file();
  EXPECT_EQ(g_stats_basic[2].words[kBasicMatches], 0);
  EXPECT_EQ(g_stats_basic[2].words[0], -8);
  EXPECT_EQ(g_stats_recent[2][4].words[kRecentPlace], 4);
  EXPECT_EQ(g_stats_recent[2][4].words[kRecentScore], -200);
  EXPECT_EQ(g_stats_ai[2].words[kAiLowestScore], -150);
  EXPECT_EQ(g_stats_ai[2].words[kAiWins], 0);
  EXPECT_EQ(g_stats_yaku[2].words[5], kYakuCountCap);
}

// Two displays side by side, the second shorter: a position on either is
// kept, one off both goes to the nearest point where 64 pixels of the
// window's corner show.
TEST_F(DataFiles, TheStoredWindowPositionIsJudgedAgainstEveryDisplay) {
  headless::set_displays({{0, 0, 1920, 1080}, {1920, 0, 3200, 720}});
  const auto stored = [&](std::int32_t left, std::int32_t top) {
    write_le_words(dir_.file("data/win_xy.dat"), {left, top});
    const WindowPos pos = read_window_pos();
    return std::vector<int>{pos.left, pos.top};
  };
  EXPECT_EQ(stored(2500, 300), (std::vector<int>{2500, 300})) << "on the second display";
  EXPECT_EQ(stored(3136, 656), (std::vector<int>{3136, 656})) << "the second display's last reachable corner";
  EXPECT_EQ(stored(1000, 1000), (std::vector<int>{1000, 1000})) << "low on the first";
  EXPECT_EQ(stored(3137, 100), (std::vector<int>{3136, 100}));
  EXPECT_EQ(stored(2500, 900), (std::vector<int>{2500, 656})) << "below the second, nearer it than the first";
  EXPECT_EQ(stored(2000, 1200), (std::vector<int>{1856, 1016})) << "below both, nearer the first's corner";
  EXPECT_EQ(stored(9000, 9000), (std::vector<int>{3136, 656}));
  EXPECT_EQ(stored(-40, 2000), (std::vector<int>{0, 1016}));

  headless::set_displays({{0, 0, 1000, 1000}, {2000, 0, 3000, 1000}});
  EXPECT_EQ(stored(1468, 100), (std::vector<int>{936, 100})) << "halfway between: the first display";
  headless::set_displays({{-1280, 0, 0, 1024}, {0, 0, 1920, 1080}});
  EXPECT_EQ(stored(-600, 200), (std::vector<int>{0, 200})) << "a negative value still becomes 0";
  headless::set_displays({});
  EXPECT_EQ(stored(5000, 4000), (std::vector<int>{5000, 4000})) << "no display to judge by";
}

TEST_F(DataFiles, StartUpRemovesOnlyTheStaleTemporariesOfTheDataFiles) {
  const std::vector<std::string> stale{".save.dat.Q1w2E3", ".option.dat.abcdef", ".win_xy.dat.000000", ".restart.dat.Zz9Zz9"};
  const std::vector<std::string> foreign{".save.dat.Q1w2E", ".hai.dat.abcdef", ".notes.txt.abcdef", "save.dat"};
  TestWorkdir sounds;
  for (const std::string& name : stale) write_raw_bytes(sounds.file("data/" + name), 8, 1);
  for (const std::string& name : foreign) write_raw_bytes(sounds.file("data/" + name), 8, 2);
  const auto an_hour_ago = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  for (const auto& entry : std::filesystem::directory_iterator(sounds.file("data")))
    std::filesystem::last_write_time(entry.path(), an_hour_ago);
  open_headless_program();
  std::set<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(sounds.file("data")))
    left.insert(entry.path().filename().string());
  EXPECT_EQ(left, std::set<std::string>(foreign.begin(), foreign.end()));
}

TEST_F(DataFiles, TheStoredWindowPositionIsKeptOnTheDesktop) {
  headless::set_displays({{0, 0, 1600, 900}});
  EXPECT_EQ(read_window_pos().left, 0) << "no file";
  const auto stored = [&](std::int32_t left, std::int32_t top) {
    write_le_words(dir_.file("data/win_xy.dat"), {left, top});
    const WindowPos pos = read_window_pos();
    return std::vector<int>{pos.left, pos.top};
  };
  EXPECT_EQ(stored(-20, 35), (std::vector<int>{0, 35}));
  EXPECT_EQ(stored(-5, -5), (std::vector<int>{0, 0}));
  EXPECT_EQ(stored(300, 120), (std::vector<int>{300, 120}));
  const std::vector<int> far = stored(5000, 4000);
  EXPECT_GE(far[0], 0);
  EXPECT_LT(far[0], 1600) << "a position left by a larger desktop still shows the window";
  EXPECT_LT(far[1], 900);
  write_le_words(dir_.file("data/win_xy.dat"), {70});
  EXPECT_EQ(read_window_pos().left, 70) << "a short file gives what it holds";
  EXPECT_EQ(read_window_pos().top, 0);
}

// A valid suspended match as file words, for the corruption cases below.
std::vector<std::int32_t> valid_restart_words() {
  std::vector<std::int32_t> w(5208 / 4, 0);
  w[0] = 1;
  w[1] = 0, w[2] = 6, w[3] = 1, w[4] = 3;
  w[5144 / 4] = 3;
  w[5160 / 4] = 2;
  w[5176 / 4] = 0;
  return w;
}

TEST_F(DataFiles, OnlyAWholeConsistentRestartFileCountsAsASuspendedMatch) {
  const auto path = dir_.file("data/restart.dat");
  write_le_words(path, valid_restart_words());
  EXPECT_TRUE(suspended_match_waits());

  struct Case {
    int word;
    int value;
  };
  for (Case bad : std::vector<Case>{{0, 2}, {0, 0}, {1, 1}, {2, 0}, {2, 7}, {3, 6}, {4, -1},
                                    {5144 / 4, 4}, {5160 / 4, -1}, {5176 / 4, 5}, {5192 / 4, INT_MIN},
                                    {5192 / 4 + 3, INT_MAX}, {5192 / 4 + 1, 1'000'001}, {5192 / 4 + 2, -1'000'001}}) {
    std::vector<std::int32_t> w = valid_restart_words();
    w[bad.word] = bad.value;
    write_le_words(path, w);
    EXPECT_FALSE(suspended_match_waits()) << "word " << bad.word << " = " << bad.value;
  }
  std::vector<std::int32_t> w = valid_restart_words();
  for (int seat = 0; seat < 4; ++seat) w[5192 / 4 + seat] = seat % 2 == 0 ? 1'000'000 : -1'000'000;
  write_le_words(path, w);
  EXPECT_TRUE(suspended_match_waits()) << "far, but not past any match's reach";
  w = valid_restart_words();
  w.pop_back();
  write_le_words(path, w);
  EXPECT_FALSE(suspended_match_waits()) << "short";
  write_le_words(path, valid_restart_words());
  write_raw_bytes(path, 5209, 0);
  EXPECT_FALSE(suspended_match_waits()) << "one byte too long";
  write_raw_bytes(path, 5208, 0xFF);
  EXPECT_FALSE(suspended_match_waits()) << "garbage";
}

// The scores of a suspended match sum to zero, and it was stored after a
// hand: in the first round the dealer has moved on from the first dealer.
TEST_F(DataFiles, ARestartFileThatContradictsItselfIsNoSuspendedMatch) {
  const auto path = dir_.file("data/restart.dat");
  constexpr int kScores = 5192 / 4, kRound = 5144 / 4, kDealer = 5160 / 4, kFirstDealer = 5176 / 4;
  struct Case {
    const char* what;
    std::vector<std::pair<int, int>> words;
    bool waits;
  };
  const std::vector<Case> cases{
      {"scores summing to 1", {{kScores, 31}, {kScores + 1, -10}, {kScores + 2, 3}, {kScores + 3, -23}}, false},
      {"scores summing to -30", {{kScores, -30}}, false},
      {"scores summing to 0", {{kScores, 31}, {kScores + 1, -10}, {kScores + 2, 2}, {kScores + 3, -23}}, true},
      {"far scores summing to 4,000,000", {{kScores, 1'000'000}, {kScores + 1, 1'000'000}, {kScores + 2, 1'000'000}, {kScores + 3, 1'000'000}}, false},
      {"the first hand of the match", {{kRound, 0}, {kDealer, 2}, {kFirstDealer, 2}}, false},
      {"the second hand of the match", {{kRound, 0}, {kDealer, 3}, {kFirstDealer, 2}}, true},
      {"the first hand of the second round", {{kRound, 1}, {kDealer, 2}, {kFirstDealer, 2}}, true},
  };
  for (const Case& c : cases) {
    std::vector<std::int32_t> w = valid_restart_words();
    for (auto [word, value] : c.words) w[word] = value;
    write_le_words(path, w);
    RestartData read{};
    EXPECT_EQ(read_restart_file(read), c.waits) << c.what;
    EXPECT_EQ(suspended_match_waits(), c.waits) << c.what;
  }
  std::vector<std::int32_t> w = valid_restart_words();
  w.pop_back();
  write_le_words(path, w);
  RestartData read{};
  EXPECT_FALSE(read_restart_file(read)) << "a short file is refused whatever its flag";
}

TEST_F(DataFiles, AFailedWriteIsReportedAndLeavesTheOldFile) {
  g_options[opt_com_speed] = 1;
  ASSERT_TRUE(save_option_file());
  g_options[opt_com_speed] = 5;
  {
    FailingWrites failing;
    EXPECT_FALSE(save_option_file());
    EXPECT_FALSE(save_save_file());
    EXPECT_FALSE(write_suspended_match());
  }
  EXPECT_EQ(words("data/option.dat", nullptr)[opt_com_speed], 1);
  EXPECT_FALSE(std::filesystem::exists(dir_.file("data/save.dat")));
}

}  // namespace
