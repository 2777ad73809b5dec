#include "support/wave_builder.h"

#include <fstream>

namespace {

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void put_id(std::vector<std::uint8_t>& out, const char* id) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(id[i]));
}

}  // namespace

std::vector<std::uint8_t> wave_bytes(const WaveSpec& wave) {
  const std::uint32_t align = wave.block_align >= 0 ? static_cast<std::uint32_t>(wave.block_align)
                                                    : wave.channels * wave.bits / 8u;
  const auto data_size = static_cast<std::uint32_t>(wave.data_size >= 0 ? wave.data_size : wave.samples.size());
  std::vector<std::uint8_t> out;
  put_id(out, "RIFF");
  put(out, static_cast<std::uint32_t>(36 + wave.samples.size()), 4);
  put_id(out, "WAVE");
  put_id(out, "fmt ");
  put(out, 16, 4);
  put(out, wave.tag, 2);
  put(out, wave.channels, 2);
  put(out, wave.rate, 4);
  put(out, wave.rate * align, 4);
  put(out, align, 2);
  put(out, wave.bits, 2);
  put_id(out, "data");
  put(out, data_size, 4);
  out.insert(out.end(), wave.samples.begin(), wave.samples.end());
  return out;
}

std::vector<std::uint8_t> pcm16(const std::vector<std::int16_t>& samples) {
  std::vector<std::uint8_t> out;
  for (std::int16_t s : samples) put(out, static_cast<std::uint16_t>(s), 2);
  return out;
}

std::vector<std::uint8_t> game_like_wave(std::size_t frames) {
  std::vector<std::int16_t> samples(frames);
  for (std::size_t i = 0; i < frames; ++i) samples[i] = i / 50 % 2 ? 6000 : -6000;
  WaveSpec wave;
  wave.samples = pcm16(samples);
  return wave_bytes(wave);
}

void write_file_bytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
