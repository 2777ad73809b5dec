#include "shell/sound_player.h"

#include <string>

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
