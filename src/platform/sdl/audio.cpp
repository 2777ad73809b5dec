// Sound on SDL: one wave file at a time from the audio queue.
#include "platform/sdl/sdl_state.h"
#include "platform/wave.h"

namespace sdl {

namespace {

constexpr Uint16 kBufferFrames = 1024;

// The device takes the play format as it is; SDL converts to the hardware's.
bool ensure_audio() {
  if (g_audio_tried) return g_audio_device != 0;
  g_audio_tried = true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  SDL_AudioSpec want{};
  want.freq = platform::kPlayRate;
  want.format = AUDIO_S16SYS;
  want.channels = platform::kPlayChannels;
  want.samples = kBufferFrames;
  g_audio_device = SDL_OpenAudioDevice(nullptr, 0, &want, &g_audio_spec, 0);
  if (g_audio_device == 0) return false;
  SDL_PauseAudioDevice(g_audio_device, 0);
  return true;
}

// The file's samples in the play format, decoded once; empty when the file
// cannot be played, so that it is not read again.
const std::vector<std::int16_t>& decoded(const std::string& path) {
  if (const auto found = g_sounds.find(path); found != g_sounds.end()) return found->second;
  std::vector<std::int16_t> samples;
  platform::load_wave(path, samples);
  return g_sounds.emplace(path, std::move(samples)).first->second;
}

}  // namespace

}  // namespace sdl

namespace platform {

void play_sound(const std::string& path) {
  if (!sdl::ensure_audio()) return;
  const std::vector<std::int16_t>& samples = sdl::decoded(native_path(path));
  if (samples.empty()) return;
  SDL_ClearQueuedAudio(sdl::g_audio_device);  // the new sound replaces the one playing
  SDL_QueueAudio(sdl::g_audio_device, samples.data(), static_cast<Uint32>(samples.size() * sizeof samples[0]));
}

}  // namespace platform
