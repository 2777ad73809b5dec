#include "support/test_workdir.h"

#include <cstdint>
#include <random>
#include <vector>

#include "base/sound.h"
#include "platform/headless/headless.h"
#include "shell/app.h"
#include "support/wave_builder.h"

namespace fs = std::filesystem;

void write_test_wave(const fs::path& path) {
  std::vector<std::int16_t> samples(80);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = i % 2 ? 3000 : -3000;
  WaveSpec wave;
  wave.rate = 8000;
  wave.samples = pcm16(samples);
  write_file_bytes(path, wave_bytes(wave));
}

TestWorkdir::TestWorkdir(bool with_sounds) : old_(fs::current_path()) {
  std::random_device rd;
  dir_ = fs::temp_directory_path() / ("ruvelka-test-" + std::to_string(rd()) + std::to_string(rd()));
  fs::create_directories(dir_);
  fs::current_path(dir_);
  if (!with_sounds) return;
  for (int i = 0; i < kSoundEffects; ++i) write_test_wave(platform::native_path(se_file(i)));
  for (int i = 0; i < kVoices; ++i) write_test_wave(platform::native_path(voice_file(i)));
}

TestWorkdir::~TestWorkdir() {
  std::error_code ec;
  fs::current_path(old_, ec);
  fs::remove_all(dir_, ec);
}

void open_headless_program(unsigned seed) {
  reset_program_state();
  set_fixed_seed(seed);
  headless::open(app_window_config());
}
