// Damaged data files, generated here: each file the program reads, empty,
// truncated, oversized, of random bytes, with every word, one word or the
// words from one on at 0, -1, INT_MIN, INT_MAX or a large value, with one
// bit flipped, as a directory, as a link to /dev/zero and as a dangling
// link. Each is followed by a start-up, the title click that loads the
// files, a resume when one is offered and frames of play by the monkey, and
// a frame of every screen that shows what the file holds; then the
// program's state must be in range.
#pragma once

#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct FuzzTally {
  int files = 0;   // damaged files started with
  int frames = 0;
  std::vector<std::string> problems;
};

// The files, as data/option.dat etc.
const std::vector<std::string>& fuzzed_files();

// The values a damaged word takes.
constexpr std::int32_t kFuzzExtremes[] = {0, -1, INT_MIN, INT_MAX, 1 << 24};

// One damaged form: a label, how to put it at a path, and whether what it
// puts there is a regular file (a directory and the links are not).
struct DamagedForm {
  std::string label;
  std::function<void(const std::string& path)> put;
  bool regular;
};

// The valid file with one word set to `value`.
DamagedForm word_form(const std::vector<unsigned char>& valid, std::size_t word, std::int32_t value);

// Runs every damaged form of a valid file: the fixed ones, then `rounds`
// rounds of the random ones drawn from `seed`.
void for_each_damaged_form(const std::vector<unsigned char>& valid, std::uint32_t seed, int rounds,
                           const std::function<void(const DamagedForm&)>& run);

// Fuzzes one file in the current working directory (a TestWorkdir): the
// random forms `rounds` times, the fixed ones once, each with `play_frames`
// frames of play after a resume.
void fuzz_data_file(const std::string& file, std::uint32_t seed, int rounds, int play_frames, FuzzTally& tally);

// Fuzzes the 6 effect and 32 voice files in the current working directory
// (a TestWorkdir): each damaged form of a short wave, and each of its
// header words at every extreme, put in place of every sound file at once,
// then the program started and every sound played; and each form that is
// not a regular file put in place of one sound file at a time, which must
// end start-up with the fatal message before the window is shown. Runs
// every `parts`-th form from `part` on (the check that every sound plays
// unharmed in part 0).
void fuzz_sound_files(std::uint32_t seed, int rounds, int part, int parts, FuzzTally& tally);
