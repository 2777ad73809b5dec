// Wave decoding: the chunks found by walking the RIFF list, every sample
// read by its format and resampled linearly to the play rate. Every length
// comes from the file, so each is held against what the file really holds.
#include "platform/wave.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/platform.h"

namespace platform {

namespace {

constexpr std::size_t kRiffHeaderBytes = 12;  // "RIFF", the list's size, "WAVE"
constexpr std::size_t kChunkHeaderBytes = 8;  // the chunk's id and size
constexpr std::size_t kFormatBytes = 16;      // the fields of "fmt " that are read
constexpr std::uint32_t kTagInteger = 1;
constexpr std::uint32_t kTagFloat = 3;
constexpr std::uint32_t kMaxChannels = 2;
constexpr float kSampleMax = 32767.0f;

// The little-endian unsigned value of `bytes` bytes (1 to 4).
std::uint32_t le(const std::uint8_t* p, std::size_t bytes) {
  std::uint32_t value = 0;
  for (std::size_t i = bytes; i > 0; --i) value = value << 8 | p[i - 1];
  return value;
}

bool has_id(std::span<const std::uint8_t> file, std::size_t at, const char* id) {
  return std::memcmp(file.data() + at, id, 4) == 0;
}

struct Chunks {
  std::span<const std::uint8_t> format;
  std::span<const std::uint8_t> data;
};

// The first non-empty "fmt " and "data" chunks. A chunk whose size runs past
// the file's end is cut there and ends the walk.
Chunks find_chunks(std::span<const std::uint8_t> file) {
  Chunks found;
  if (file.size() < kRiffHeaderBytes || !has_id(file, 0, "RIFF") || !has_id(file, 8, "WAVE")) return found;
  std::size_t at = kRiffHeaderBytes;
  while (file.size() - at >= kChunkHeaderBytes) {
    const std::size_t declared = le(file.data() + at + 4, 4);
    const std::size_t body = at + kChunkHeaderBytes;
    const std::size_t size = std::min(declared, file.size() - body);
    if (has_id(file, at, "fmt ") && found.format.empty()) found.format = file.subspan(body, size);
    if (has_id(file, at, "data") && found.data.empty()) found.data = file.subspan(body, size);
    // A chunk of odd size is followed by one pad byte.
    const std::size_t next = body + size + size % 2;
    if (size < declared || next > file.size()) break;
    at = next;
  }
  return found;
}

struct Format {
  std::uint32_t tag = 0;
  std::uint32_t channels = 0;
  std::uint32_t rate = 0;         // frames a second
  std::uint32_t sample_bytes = 0;  // bytes of one channel's sample
  std::uint32_t frame_bytes = 0;   // bytes of one frame, every channel
};

bool read_format(std::span<const std::uint8_t> chunk, Format& f) {
  if (chunk.size() < kFormatBytes) return false;
  const std::uint8_t* p = chunk.data();
  f.tag = le(p, 2);
  f.channels = le(p + 2, 2);
  f.rate = le(p + 4, 4);
  f.frame_bytes = le(p + 12, 2);
  const std::uint32_t bits = le(p + 14, 2);
  f.sample_bytes = bits / 8;
  const bool integer = f.tag == kTagInteger && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
  const bool floating = f.tag == kTagFloat && bits == 32;
  return (integer || floating) && f.channels >= 1 && f.channels <= kMaxChannels && f.rate >= kMinWaveRate &&
         f.rate <= kMaxWaveRate && f.frame_bytes == f.channels * f.sample_bytes;
}

// One sample as a value from -1 to 1.
float sample_at(const std::uint8_t* p, const Format& f) {
  const std::uint32_t raw = le(p, f.sample_bytes);
  if (f.tag == kTagFloat) {
    float value = 0;
    std::memcpy(&value, &raw, sizeof value);
    return std::isfinite(value) ? std::clamp(value, -1.0f, 1.0f) : 0.0f;
  }
  if (f.sample_bytes == 1) return (static_cast<float>(raw) - 128.0f) / 128.0f;  // 8-bit samples are unsigned
  const std::uint32_t unused_bits = 32 - 8 * f.sample_bytes;
  const std::int32_t value = static_cast<std::int32_t>(raw << unused_bits) >> unused_bits;
  return static_cast<float>(value) / static_cast<float>(1u << (8 * f.sample_bytes - 1));
}

std::int16_t to_play_sample(float value) {
  return static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * kSampleMax));
}

// Linear interpolation between the two source frames around each played
// frame; a mono source feeds both channels.
void resample(std::span<const std::uint8_t> data, const Format& f, std::size_t frames, std::vector<std::int16_t>& out) {
  const std::size_t played = std::max<std::size_t>(1, frames * kPlayRate / f.rate);
  out.assign(played * kPlayChannels, 0);
  for (std::size_t i = 0; i < played; ++i) {
    const std::uint64_t position = static_cast<std::uint64_t>(i) * f.rate;  // in source frames times kPlayRate
    const std::size_t before = position / kPlayRate;
    const std::size_t after = std::min(before + 1, frames - 1);
    const float weight = static_cast<float>(position % kPlayRate) / kPlayRate;
    for (std::size_t c = 0; c < kPlayChannels; ++c) {
      const std::size_t offset = std::min<std::size_t>(c, f.channels - 1) * f.sample_bytes;
      const float a = sample_at(data.data() + before * f.frame_bytes + offset, f);
      const float b = sample_at(data.data() + after * f.frame_bytes + offset, f);
      out[i * kPlayChannels + c] = to_play_sample(a + (b - a) * weight);
    }
  }
}

}  // namespace

bool decode_wave(std::span<const std::uint8_t> file, std::vector<std::int16_t>& out) {
  const Chunks chunks = find_chunks(file);
  Format format;
  if (!read_format(chunks.format, format)) return false;
  const std::size_t frames = chunks.data.size() / format.frame_bytes;
  if (frames == 0 || frames > static_cast<std::size_t>(format.rate) * kMaxSoundSeconds) return false;
  resample(chunks.data, format, frames, out);
  return true;
}

bool load_wave(const std::string& path, std::vector<std::int16_t>& out) {
  std::vector<std::uint8_t> bytes;
  return read_bytes(path, bytes, kMaxWaveFileBytes) && decode_wave(bytes, out);
}

}  // namespace platform
