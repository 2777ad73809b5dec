#include "shell/sound.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "shell/options.h"

int g_se_request[kSoundEffects];
int g_voice_request[kVoices];

namespace {

constexpr std::array<const char*, kSoundEffects> kSeFiles{
    "wave\\ok.wav", "wave\\select.wav", "wave\\cut.wav", "wave\\open.wav", "wave\\naki.wav", "wave\\hana.wav"};

// Voice set 0 is the user (male), 1..6 COM1..COM6, 7 the user (female); the
// file digit of each set.
constexpr std::array<int, kVoiceSets> kVoiceFileDigit{1, 3, 4, 5, 6, 7, 8, 2};
constexpr std::array<const char*, 4> kShoutWords{"fuu", "chi", "pon", "kan"};

const std::array<std::string, kVoices> kVoiceFiles = [] {
  std::array<std::string, kVoices> names;
  for (int set = 0; set < kVoiceSets; ++set)
    for (int shout = 0; shout < 4; ++shout)
      names[4 * set + shout] =
          "voice\\char" + std::to_string(kVoiceFileDigit[set]) + "_" + kShoutWords[shout] + ".wav";
  return names;
}();

constexpr int kFemaleVoiceOffset = 28;  // the user's female set follows the six COM sets

// Lowest requested index, or -1.
int first_request(const int* flags, int count) {
  for (int i = 0; i < count; ++i)
    if (flags[i] == 1) return i;
  return -1;
}

}  // namespace

const char* se_file(int effect) { return kSeFiles.at(effect); }
const char* voice_file(int index) { return kVoiceFiles.at(index).c_str(); }

void request_se(int effect) {
  if (effect >= 0 && effect < kSoundEffects) g_se_request[effect] = 1;
}

void request_voice(int character, int shout) {
  // The user's female set is reached only through the swap at playback.
  if (character < 0 || character >= kVoiceSets - 1 || shout < 0 || shout > 3) return;
  g_voice_request[4 * character + shout] = 1;
}

bool load_sound_files() {
  std::vector<std::string> files(kSeFiles.begin(), kSeFiles.end());
  files.insert(files.end(), kVoiceFiles.begin(), kVoiceFiles.end());
  std::vector<std::uint8_t> bytes;
  // Only a file that cannot be opened or read whole stops the program; an
  // empty one reads whole.
  for (const std::string& file : files) {
    if (!platform::read_bytes(platform::native_path(file), bytes)) {
      platform::message_box("wavファイルが正しく読み込めませんでした", "エラーにより強制終了します");
      return false;
    }
  }
  return true;
}

void play_pending_voice() {
  const int i = first_request(g_voice_request, kVoices);
  if (i < 0) return;
  const int index = i < 4 && option(opt_player_female) == 1 ? i + kFemaleVoiceOffset : i;
  if (option(opt_voices) == 1) platform::play_sound(platform::native_path(kVoiceFiles[index]));
  g_voice_request[i] = 0;
}

void play_pending_se() {
  const int i = first_request(g_se_request, kSoundEffects);
  if (i < 0) return;
  if (option(opt_sound_effects) == 1) platform::play_sound(platform::native_path(kSeFiles[i]));
  g_se_request[i] = 0;
}

void reset_sound_state() {
  std::memset(g_se_request, 0, sizeof g_se_request);
  std::memset(g_voice_request, 0, sizeof g_voice_request);
}
