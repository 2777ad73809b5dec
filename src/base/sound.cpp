#include "base/sound.h"

#include <array>
#include <string>

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
