// Wave files decoded for playing. Both backends play through this one
// decoder (the window queues what it returns, the headless backend records
// whether a file would play), so every wave the game plays passes the same
// bounds. The game never includes this header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

// The one format every sound is played in: 16-bit signed samples, two
// channels interleaved, at kPlayRate frames a second.
constexpr int kPlayRate = 44100;
constexpr int kPlayChannels = 2;

// The game's own sounds last about a second; a wave longer than this is
// taken for a damaged one and not converted.
constexpr int kMaxSoundSeconds = 5;

// The accepted sample rates (Hz): below telephone quality or above studio
// rates the file is taken for a damaged one.
constexpr int kMinWaveRate = 8000;
constexpr int kMaxWaveRate = 192000;

// Largest wave file read for playing: the longest sound in the widest
// format accepted (192 kHz, two channels of 32 bits) with room for the
// file's other chunks.
constexpr std::size_t kMaxWaveFileBytes = 8u << 20;

// Decodes a RIFF WAVE file (integer samples of 8, 16, 24 or 32 bits or
// 32-bit floats, one or two channels) into the play format. False, with
// `out` untouched, for any other format, a rate outside the accepted ones, a
// file with no whole sample frame and one longer than kMaxSoundSeconds.
// A data chunk cut short by the file's end gives the frames it holds.
bool decode_wave(std::span<const std::uint8_t> file, std::vector<std::int16_t>& out);

// Reads a wave file of at most kMaxWaveFileBytes and decodes it.
bool load_wave(const std::string& path, std::vector<std::int16_t>& out);

}  // namespace platform
