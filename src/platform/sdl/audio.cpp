// Sound on SDL: one wave file at a time from the audio queue.
#include <cstring>

#include "platform/sdl/sdl_state.h"

namespace sdl {

namespace {

constexpr int kRate = 44100;
constexpr Uint16 kBufferFrames = 1024;

bool ensure_audio() {
  if (g_audio_tried) return g_audio_device != 0;
  g_audio_tried = true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  SDL_AudioSpec want{};
  want.freq = kRate;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = kBufferFrames;
  g_audio_device = SDL_OpenAudioDevice(nullptr, 0, &want, &g_audio_spec, SDL_AUDIO_ALLOW_ANY_CHANGE);
  if (g_audio_device == 0) return false;
  SDL_PauseAudioDevice(g_audio_device, 0);
  return true;
}

// The file's samples in the device's format, read and converted once.
const std::vector<Uint8>* converted(const std::string& path) {
  if (const auto found = g_sounds.find(path); found != g_sounds.end()) return &found->second;
  SDL_AudioSpec wav_format{};
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV(path.c_str(), &wav_format, &samples, &length)) return nullptr;
  SDL_AudioCVT cvt;
  const int built = SDL_BuildAudioCVT(&cvt, wav_format.format, wav_format.channels, wav_format.freq, g_audio_spec.format,
                                      g_audio_spec.channels, g_audio_spec.freq);
  if (built < 0) {
    SDL_FreeWAV(samples);
    return nullptr;
  }
  std::vector<Uint8> pcm(static_cast<std::size_t>(length) * static_cast<std::size_t>(cvt.len_mult));
  std::memcpy(pcm.data(), samples, length);
  SDL_FreeWAV(samples);
  cvt.buf = pcm.data();
  cvt.len = static_cast<int>(length);
  cvt.len_cvt = static_cast<int>(length);
  if (built > 0 && SDL_ConvertAudio(&cvt) != 0) return nullptr;
  pcm.resize(static_cast<std::size_t>(cvt.len_cvt));
  return &g_sounds.emplace(path, std::move(pcm)).first->second;
}

}  // namespace

}  // namespace sdl

namespace platform {

void play_sound(const std::string& path) {
  if (!sdl::ensure_audio()) return;
  const std::vector<Uint8>* pcm = sdl::converted(native_path(path));
  if (!pcm) return;
  SDL_ClearQueuedAudio(sdl::g_audio_device);  // the new sound replaces the one playing
  SDL_QueueAudio(sdl::g_audio_device, pcm->data(), static_cast<Uint32>(pcm->size()));
}

}  // namespace platform
