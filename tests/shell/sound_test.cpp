#include <gtest/gtest.h>

#include "base/options.h"
#include "base/sound.h"
#include "base/table_state.h"
#include "platform/headless/headless.h"
#include "shell/app.h"
#include "shell/sound_player.h"
#include "support/test_workdir.h"
#include "table/shout.h"

namespace {

class Sound : public ::testing::Test {
 protected:
  void SetUp() override { reset_program_state(); }
  void play_frame() {
    play_pending_voice();
    play_pending_se();
  }
  const std::vector<std::string>& log() { return headless::sound_log(); }
};

TEST_F(Sound, OneVoiceThenOneEffectPerFrameLowestFirst) {
  request_voice(2, VOICE_PON);
  request_se(SE_HANA);
  request_se(SE_CUT);
  play_frame();
  ASSERT_EQ(log().size(), 2u);
  EXPECT_EQ(log()[0], "voice/char4_pon.wav");
  EXPECT_EQ(log()[1], "wave/cut.wav");
  play_frame();
  ASSERT_EQ(log().size(), 3u);
  EXPECT_EQ(log()[2], "wave/hana.wav");
  play_frame();
  EXPECT_EQ(log().size(), 3u);
}

TEST_F(Sound, FemalePlayerSwapsOnlyTheUsersVoice) {
  g_options[opt_player_female] = 1;
  request_voice(0, VOICE_FUU);
  play_frame();
  request_voice(6, VOICE_KAN);
  play_frame();
  ASSERT_EQ(log().size(), 2u);
  EXPECT_EQ(log()[0], "voice/char2_fuu.wav");
  EXPECT_EQ(log()[1], "voice/char8_kan.wav");
}

TEST_F(Sound, SilencedRequestsAreDroppedNotKept) {
  g_options[opt_voices] = 0;
  g_options[opt_sound_effects] = 0;
  request_voice(1, VOICE_CHI);
  request_voice(3, VOICE_CHI);
  request_se(SE_OK);
  play_frame();
  EXPECT_EQ(g_voice_request[4 + VOICE_CHI], 0);
  EXPECT_EQ(g_voice_request[12 + VOICE_CHI], 1) << "one voice request served per frame";
  g_options[opt_voices] = 1;
  g_options[opt_sound_effects] = 1;
  play_frame();
  ASSERT_EQ(log().size(), 1u);
  EXPECT_EQ(log()[0], "voice/char5_chi.wav");
}

TEST_F(Sound, OutOfRangeVoiceRequestsAreIgnored) {
  request_voice(7, VOICE_FUU);
  request_voice(-1, VOICE_FUU);
  request_voice(2, 4);
  for (int flag : g_voice_request) EXPECT_EQ(flag, 0);
}

// A seat whose character lies outside the voice sets shouts without a voice.
TEST_F(Sound, AShoutOfAnUnknownCharacterRequestsNothing) {
  g_options[opt_voice_balloons] = 0;
  g_seat_character[2] = 7;
  shout(2, VOICE_PON);
  g_seat_character[3] = -1;
  shout(3, VOICE_KAN);
  for (int flag : g_voice_request) EXPECT_EQ(flag, 0);
  g_seat_character[1] = 6;
  shout(1, VOICE_KAN);
  EXPECT_EQ(g_voice_request[27], 1);
}

// Through the window: each painted frame starts the lowest voice, then the
// lowest effect; the rest wait for later frames.
TEST_F(Sound, EachFrameStartsOneVoiceAndOneEffect) {
  TestWorkdir dir;
  open_headless_program();
  request_se(SE_NAKI);
  request_se(SE_OPEN);
  request_voice(0, VOICE_KAN);
  request_voice(0, VOICE_FUU);
  g_options[opt_player_female] = 1;
  headless::step_frames(1);
  EXPECT_EQ(log(), (std::vector<std::string>{"voice/char2_fuu.wav", "wave/open.wav"}));
  headless::step_frames(2);
  EXPECT_EQ(log(), (std::vector<std::string>{"voice/char2_fuu.wav", "wave/open.wav", "voice/char2_kan.wav",
                                             "wave/naki.wav"}));
}

// The female voice replaces the user's own shouts only: COM1's first shout,
// the next in the table, keeps its own file.
TEST_F(Sound, TheFemaleVoiceLeavesTheComputerPlayersShouts) {
  TestWorkdir dir;
  open_headless_program();
  g_options[opt_player_female] = 1;
  request_voice(1, VOICE_FUU);
  headless::step_frames(1);
  EXPECT_EQ(headless::sound_log(), std::vector<std::string>{"voice/char3_fuu.wav"});
}

TEST_F(Sound, StartUpEndsWhenASoundFileIsMissing) {
  TestWorkdir dir;
  std::filesystem::remove(dir.file("voice/char8_kan.wav"));
  set_fixed_seed(1);
  try {
    open_headless_program();
    FAIL() << "start-up went on without a voice file";
  } catch (const headless::ExitRequested& exit) {
    EXPECT_EQ(exit.code, -1);
  }
  ASSERT_EQ(headless::message_log().size(), 1u);
  EXPECT_NE(headless::message_log()[0].find("wavファイルが正しく読み込めませんでした"), std::string::npos);
  EXPECT_NE(headless::message_log()[0].find("エラーにより強制終了します"), std::string::npos);
}

// An empty file is read whole (nothing is missing from it); only a file that
// cannot be opened or read stops the program.
TEST_F(Sound, AnEmptySoundFileDoesNotStopStartUp) {
  TestWorkdir dir;
  std::filesystem::resize_file(dir.file("wave/hana.wav"), 0);
  std::filesystem::resize_file(dir.file("voice/char2_kan.wav"), 0);
  EXPECT_TRUE(load_sound_files());
  EXPECT_TRUE(headless::message_log().empty());
  std::filesystem::remove(dir.file("wave/hana.wav"));
  EXPECT_FALSE(load_sound_files());
}

}  // namespace
