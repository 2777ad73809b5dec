// Damaged data files, generated here: each file the program reads, empty,
// truncated, oversized, of random bytes, with every word, one word or the
// words from one on at 0, -1, INT_MIN, INT_MAX or a large value, with one
// bit flipped, as a directory, as a link to /dev/zero and as a dangling
// link. Each is followed by a start-up, the title click that loads the
// files, a resume when one is offered and frames of play by the monkey, and
// a frame of every screen that shows what the file holds; then the
// program's state must be in range.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FuzzTally {
  int files = 0;   // damaged files started with
  int frames = 0;
  std::vector<std::string> problems;
};

// The files, as data/option.dat etc.
const std::vector<std::string>& fuzzed_files();

// Fuzzes one file in the current working directory (a TestWorkdir): the
// random forms `rounds` times, the fixed ones once, each with `play_frames`
// frames of play after a resume.
void fuzz_data_file(const std::string& file, std::uint32_t seed, int rounds, int play_frames, FuzzTally& tally);
