#include "wave.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace sounds {

namespace {

void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) b.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
}
void put16(std::vector<std::uint8_t>& b, std::uint16_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
std::uint32_t get32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

}  // namespace

bool write_wave(const std::string& path, const Samples& samples) {
  const std::uint32_t data = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<std::uint8_t> b;
  b.insert(b.end(), {'R', 'I', 'F', 'F'});
  put32(b, 36 + data);
  b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put32(b, 16);
  put16(b, 1);  // PCM
  put16(b, 1);  // mono
  put32(b, kRate);
  put32(b, kRate * 2);
  put16(b, 2);
  put16(b, 16);
  b.insert(b.end(), {'d', 'a', 't', 'a'});
  put32(b, data);
  for (float s : samples) {
    const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
    put16(b, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
  }
  std::FILE* f = std::fopen(path.c_str(), "wb");
  bool ok = f && std::fwrite(b.data(), 1, b.size(), f) == b.size();
  if (f && std::fclose(f) != 0) ok = false;
  if (!ok) std::fprintf(stderr, "ruvelka-gen-sounds: cannot write %s\n", path.c_str());
  return ok;
}

bool parse_wave(const std::vector<std::uint8_t>& bytes, Samples& out) {
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
    return false;
  std::size_t at = 12;
  bool format_ok = false;
  while (at + 8 <= bytes.size()) {
    const std::uint32_t size = get32(bytes, at + 4);
    if (std::memcmp(bytes.data() + at, "fmt ", 4) == 0 && at + 24 <= bytes.size()) {
      const int channels = bytes[at + 10] | bytes[at + 11] << 8;
      const int bits = bytes[at + 22] | bytes[at + 23] << 8;
      format_ok = channels == 1 && bits == 16 && get32(bytes, at + 12) == kRate;
    } else if (std::memcmp(bytes.data() + at, "data", 4) == 0) {
      const std::size_t end = std::min(bytes.size(), at + 8 + static_cast<std::size_t>(size));
      out.clear();
      for (std::size_t k = at + 8; k + 1 < end; k += 2)
        out.push_back(static_cast<float>(static_cast<std::int16_t>(bytes[k] | bytes[k + 1] << 8)) / 32768.0f);
      return format_ok;
    }
    at += 8 + size + (size & 1);
  }
  return false;
}

void trim_and_normalise(Samples& s, float peak) {
  constexpr float kQuiet = 0.01f;
  const auto loud = [](float v) { return std::fabs(v) > kQuiet; };
  const auto first = std::find_if(s.begin(), s.end(), loud);
  const auto last = std::find_if(s.rbegin(), s.rend(), loud).base();
  if (first >= last) return s.clear();
  s = Samples(first, last);
  float top = 0;
  for (float v : s) top = std::max(top, std::fabs(v));
  for (float& v : s) v *= peak / top;
  const std::size_t fade = std::min<std::size_t>(s.size() / 4, kRate / 100);  // 10 ms against clicks
  for (std::size_t k = 0; k < fade; ++k) {
    const float g = static_cast<float>(k) / static_cast<float>(fade);
    s[k] *= g;
    s[s.size() - 1 - k] *= g;
  }
}

}  // namespace sounds
