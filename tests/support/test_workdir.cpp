#include "support/test_workdir.h"

#include <cstdint>
#include <fstream>
#include <random>
#include <vector>

#include "base/sound.h"
#include "platform/headless/headless.h"
#include "shell/app.h"

namespace fs = std::filesystem;

namespace {

void put_u32(std::ofstream& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.put(static_cast<char>(v >> (8 * i)));
}
void put_u16(std::ofstream& out, std::uint16_t v) {
  out.put(static_cast<char>(v));
  out.put(static_cast<char>(v >> 8));
}

}  // namespace

void write_test_wave(const fs::path& path) {
  fs::create_directories(path.parent_path());
  constexpr std::uint32_t kRate = 8000;
  constexpr std::uint32_t kSamples = 80;
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4);
  put_u32(out, 36 + 2 * kSamples);
  out.write("WAVEfmt ", 8);
  put_u32(out, 16);
  put_u16(out, 1);
  put_u16(out, 1);
  put_u32(out, kRate);
  put_u32(out, 2 * kRate);
  put_u16(out, 2);
  put_u16(out, 16);
  out.write("data", 4);
  put_u32(out, 2 * kSamples);
  for (std::uint32_t i = 0; i < kSamples; ++i) put_u16(out, static_cast<std::uint16_t>(i % 2 ? 3000 : -3000));
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
