#include <gtest/gtest.h>

#include <filesystem>

#include "base/options.h"
#include "base/sound.h"
#include "base/table_state.h"
#include "platform/headless/headless.h"
#include "shell/app.h"
#include "shell/sound_player.h"
#include "shell/start_files.h"
#include "support/test_workdir.h"
#include "support/wave_builder.h"
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
  request_voice(1, VOICE_FUU);
  play_frame();
  ASSERT_EQ(log().size(), 3u);
  EXPECT_EQ(log()[0], "voice/char2_fuu.wav");
  EXPECT_EQ(log()[1], "voice/char8_kan.wav");
  EXPECT_EQ(log()[2], "voice/char3_fuu.wav") << "COM1's win shout, the first after the user's set";
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
  EXPECT_FALSE(headless::window_shown()) << "the message comes without a window";
}

TEST_F(Sound, AFolderInPlaceOfASoundFileStopsStartUpAndAGoodStartShowsTheWindow) {
  TestWorkdir dir;
  open_headless_program();
  EXPECT_TRUE(headless::window_shown());
  std::filesystem::remove(dir.file("wave/cut.wav"));
  std::filesystem::create_directory(dir.file("wave/cut.wav"));
  EXPECT_THROW(open_headless_program(), headless::ExitRequested);
  EXPECT_FALSE(headless::window_shown());
  EXPECT_EQ(headless::message_log().size(), 1u);
}

// A wave that cannot be played starts the program and is ignored when its
// sound is asked for; the others still play.
struct DamagedWave {
  const char* what;
  std::vector<std::uint8_t> bytes;
};

std::vector<DamagedWave> damaged_waves() {
  std::vector<DamagedWave> waves;
  const std::vector<std::uint8_t> good = game_like_wave();
  std::vector<std::uint8_t> rate_one = good;
  rate_one[kWaveRateOffset] = 1, rate_one[kWaveRateOffset + 1] = 0;
  waves.push_back({"a sample rate of 1", rate_one});
  waves.push_back({"truncated after its header", {good.begin(), good.begin() + kWaveHeaderBytes}});
  std::vector<std::uint8_t> one_byte(good.begin(), good.begin() + kWaveHeaderBytes + 1);
  one_byte[kWaveDataSizeOffset] = 1, one_byte[kWaveDataSizeOffset + 1] = 0;
  waves.push_back({"one data byte", one_byte});
  waves.push_back({"no data", wave_bytes(WaveSpec{})});
  waves.push_back({"cut before its data chunk", {good.begin(), good.begin() + kWaveHeaderBytes - 8}});
  WaveSpec long_one;
  long_one.rate = 1;
  long_one.samples.assign(400'000, 0x20);
  waves.push_back({"400 KB of samples at a rate of 1", wave_bytes(long_one)});
  waves.push_back({"six seconds", game_like_wave(6 * 22050)});
  return waves;
}

TEST_F(Sound, ADamagedWaveStartsAndIsIgnoredWhenPlayed) {
  for (const DamagedWave& wave : damaged_waves()) {
    TestWorkdir dir;
    write_file_bytes(dir.file("wave/ok.wav"), wave.bytes);
    open_headless_program();
    headless::left_click_at(10, 10);  // the title click asks for SE_OK
    request_voice(2, VOICE_PON);
    headless::step_frames(1);
    EXPECT_EQ(log(), (std::vector<std::string>{"voice/char4_pon.wav", "wave/ok.wav"})) << wave.what;
    EXPECT_EQ(headless::played_sounds(), std::vector<std::string>{"voice/char4_pon.wav"}) << wave.what;
    request_se(SE_OK);
    headless::step_frames(1);
    EXPECT_EQ(headless::played_sounds().size(), 1u) << wave.what << ": still ignored";
  }
}

TEST_F(Sound, AGameLikeWaveOfAnySizeOnDiskStartsAndPlays) {
  TestWorkdir dir;
  write_file_bytes(dir.file("wave/ok.wav"), game_like_wave());
  write_file_bytes(dir.file("wave/hana.wav"), game_like_wave());
  std::filesystem::resize_file(dir.file("wave/hana.wav"), platform::kMaxReadBytes + 1);
  open_headless_program();
  request_se(SE_OK);
  headless::step_frames(1);
  request_se(SE_HANA);
  headless::step_frames(1);
  EXPECT_EQ(headless::played_sounds(), std::vector<std::string>{"wave/ok.wav"}) << "too long a file is not played";
  EXPECT_EQ(log().size(), 2u);
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
