// Mono 16-bit PCM at 22050 Hz: the one format of the program's sound files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sounds {

constexpr int kRate = 22050;

using Samples = std::vector<float>;  // -1..1

// Writes a RIFF/WAVE file; false (with a message) on failure.
bool write_wave(const std::string& path, const Samples& samples);

// Reads the samples of a 16-bit mono RIFF/WAVE stream held in memory. A
// streamed header may give no sizes; the data then runs to the end.
bool parse_wave(const std::vector<std::uint8_t>& bytes, Samples& out);

// The six effects, synthesized.
Samples effect_ok();
Samples effect_select();
Samples effect_cut();
Samples effect_open();
Samples effect_naki();
Samples effect_hana();

// Cuts silence from both ends and scales the peak to `peak`.
void trim_and_normalise(Samples& s, float peak);

}  // namespace sounds
