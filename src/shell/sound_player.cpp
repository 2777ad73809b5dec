#include "shell/sound_player.h"

#include <string>
#include <vector>

#include "base/options.h"
#include "base/sound.h"
#include "platform/platform.h"

namespace {

constexpr int kFemaleVoiceOffset = 28;  // the user's female set follows the six COM sets

// Lowest requested index, or -1.
int first_request(const int* flags, int count) {
  for (int i = 0; i < count; ++i)
    if (flags[i] == 1) return i;
  return -1;
}

}  // namespace

bool load_sound_files() {
  std::vector<std::string> files;
  for (int i = 0; i < kSoundEffects; ++i) files.emplace_back(se_file(i));
  for (int i = 0; i < kVoices; ++i) files.emplace_back(voice_file(i));
  // Only a file that cannot be opened or read whole stops the program; an
  // empty one reads whole, and so does one of any size. Whether a file can
  // be played is found when it is: one that cannot is not played. The
  // message's second line names the file, so a start from the wrong folder
  // or before the sounds were generated says what is missing.
  for (const std::string& file : files) {
    const std::string path = platform::native_path(file);
    if (!platform::file_reads_whole(path)) {
      platform::message_box("wavファイルが正しく読み込めませんでした\n" + path, "エラーにより強制終了します");
      return false;
    }
  }
  return true;
}

void play_pending_voice() {
  const int i = first_request(g_voice_request, kVoices);
  if (i < 0) return;
  const int index = i < 4 && option_on(opt_player_female) ? i + kFemaleVoiceOffset : i;
  if (option_on(opt_voices)) platform::play_sound(platform::native_path(voice_file(index)));
  g_voice_request[i] = 0;
}

void play_pending_se() {
  const int i = first_request(g_se_request, kSoundEffects);
  if (i < 0) return;
  if (option_on(opt_sound_effects)) platform::play_sound(platform::native_path(se_file(i)));
  g_se_request[i] = 0;
}
