// Wave files built byte by byte for tests, independently of the decoder: a
// RIFF list with a "fmt " chunk and a "data" chunk whose fields can each be
// set to anything, sound or not.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

struct WaveSpec {
  std::uint16_t tag = 1;  // 1 integer samples, 3 floats
  std::uint16_t channels = 1;
  std::uint32_t rate = 22050;
  std::uint16_t bits = 16;
  int block_align = -1;         // -1: channels x bits / 8
  std::int64_t data_size = -1;  // the data chunk's size word; -1: the samples' length
  std::vector<std::uint8_t> samples;
};

// Offsets of the header words a test may damage.
constexpr std::size_t kWaveRateOffset = 24;
constexpr std::size_t kWaveDataSizeOffset = 40;
constexpr std::size_t kWaveHeaderBytes = 44;

std::vector<std::uint8_t> wave_bytes(const WaveSpec& wave);

// 16-bit samples, little-endian.
std::vector<std::uint8_t> pcm16(const std::vector<std::int16_t>& samples);

// The game's own kind of sound: 22,050 Hz, mono, 16-bit, `frames` frames of a square wave.
std::vector<std::uint8_t> game_like_wave(std::size_t frames = 2000);

void write_file_bytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
