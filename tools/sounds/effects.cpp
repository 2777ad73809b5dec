// The six effects: a soft chime when a choice is confirmed, a tick for a
// selection, a wooden click for a discard, a rising chord when the tiles are
// dealt or a hand is opened, a double knock for a claim offer, a sparkle for
// flowers. Noise comes from a fixed-seed generator, so every run is the same.
#include <cmath>
#include <cstdint>
#include <vector>

#include "wave.h"

namespace sounds {

namespace {

constexpr float kTwoPi = 6.2831853f;

Samples silence(float seconds) { return Samples(static_cast<std::size_t>(seconds * kRate), 0.0f); }

// A struck bell: a few inharmonic partials with exponential decay.
void bell(Samples& s, float start, float freq, float gain, float decay) {
  constexpr float kPartials[4][2] = {{1.0f, 1.0f}, {2.76f, 0.35f}, {5.4f, 0.12f}, {2.0f, 0.25f}};
  const std::size_t from = static_cast<std::size_t>(start * kRate);
  for (std::size_t k = from; k < s.size(); ++k) {
    const float t = static_cast<float>(k - from) / kRate;
    float v = 0;
    for (const auto& p : kPartials) v += p[1] * std::sin(kTwoPi * freq * p[0] * t) * std::exp(-t * decay * p[0]);
    const float attack = std::min(1.0f, t * 400);
    s[k] += gain * attack * v;
  }
}

struct Noise {
  std::uint32_t state;
  float next() {
    state = state * 1664525u + 1013904223u;
    return static_cast<float>(state >> 8) / 8388608.0f - 1.0f;
  }
};

}  // namespace

Samples effect_ok() {
  Samples s = silence(0.45f);
  bell(s, 0.0f, 987.8f, 0.35f, 9);
  bell(s, 0.07f, 1318.5f, 0.35f, 8);
  return s;
}

Samples effect_select() {
  Samples s = silence(0.09f);
  bell(s, 0.0f, 1760.0f, 0.4f, 45);
  return s;
}

Samples effect_cut() {
  // A tile set down on the table: a sharp filtered click over a short low knock.
  Samples s = silence(0.12f);
  Noise noise{12345};
  float low = 0;
  for (std::size_t k = 0; k < s.size(); ++k) {
    const float t = static_cast<float>(k) / kRate;
    low += 0.35f * (noise.next() - low);
    const float click = (noise.next() - low) * std::exp(-t * 120);
    const float knock = std::sin(kTwoPi * 320 * t) * std::exp(-t * 60) + 0.5f * std::sin(kTwoPi * 1150 * t) * std::exp(-t * 90);
    s[k] = 0.5f * click + 0.45f * knock;
  }
  return s;
}

Samples effect_open() {
  Samples s = silence(0.9f);
  const float notes[4] = {523.3f, 659.3f, 784.0f, 1046.5f};
  for (int k = 0; k < 4; ++k) bell(s, 0.07f * static_cast<float>(k), notes[k], 0.25f, 5);
  return s;
}

Samples effect_naki() {
  Samples s = silence(0.32f);
  for (int k = 0; k < 2; ++k) {
    const std::size_t from = static_cast<std::size_t>((0.0f + 0.13f * static_cast<float>(k)) * kRate);
    for (std::size_t i = from; i < s.size(); ++i) {
      const float t = static_cast<float>(i - from) / kRate;
      const float f = k == 0 ? 740.0f : 988.0f;
      const float tone = std::sin(kTwoPi * f * t) + 0.3f * std::sin(kTwoPi * 2 * f * t) + 0.15f * std::sin(kTwoPi * 3 * f * t);
      s[i] += 0.35f * tone * std::min(1.0f, t * 300) * std::exp(-t * 22);
    }
  }
  return s;
}

Samples effect_hana() {
  Samples s = silence(0.75f);
  const float notes[6] = {1568.0f, 1760.0f, 2093.0f, 2349.3f, 2637.0f, 3136.0f};
  for (int k = 0; k < 6; ++k) bell(s, 0.045f * static_cast<float>(k), notes[k], 0.16f, 7);
  return s;
}

}  // namespace sounds
