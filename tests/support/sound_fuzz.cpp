// The sound files' part of the data-file fuzz (data_fuzz.h).
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/sound.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "support/data_fuzz.h"
#include "support/state_ranges.h"
#include "support/test_workdir.h"
#include "support/wave_builder.h"

namespace fs = std::filesystem;

namespace {

constexpr int kProblemLimit = 30;
constexpr std::size_t kWaveFrames = 400;
constexpr std::size_t kHeaderWords = kWaveHeaderBytes / 4;
constexpr std::size_t kRateWord = kWaveRateOffset / 4;
// One voice and one effect are served a frame, so the voices take this many.
constexpr int kFramesToPlayAll = kVoices;

std::vector<std::string> sound_files() {
  std::vector<std::string> files;
  for (int i = 0; i < kSoundEffects; ++i) files.push_back(platform::native_path(se_file(i)));
  for (int i = 0; i < kVoices; ++i) files.push_back(platform::native_path(voice_file(i)));
  return files;
}

DamagedForm bytes_form(const std::string& label, const std::vector<unsigned char>& bytes) {
  return {label, [bytes](const std::string& p) { write_file_bytes(p, bytes); }, true};
}

// What a wave's decoder must survive besides the forms of every data file:
// each header word at each extreme, the rates that once sized a conversion
// in gigabytes, a data chunk of one byte and many samples at a rate of 1.
std::vector<DamagedForm> wave_forms(const std::vector<unsigned char>& valid) {
  std::vector<DamagedForm> forms;
  for (std::size_t w = 0; w < kHeaderWords; ++w)
    for (std::int32_t v : kFuzzExtremes) forms.push_back(word_form(valid, w, v));
  for (std::int32_t rate : {1, 2}) forms.push_back(word_form(valid, kRateWord, rate));
  std::vector<unsigned char> one_byte(valid.begin(), valid.begin() + kWaveHeaderBytes + 1);
  one_byte[kWaveDataSizeOffset] = 1;
  std::fill_n(one_byte.begin() + kWaveDataSizeOffset + 1, 3, 0);
  forms.push_back(bytes_form("one data byte", one_byte));
  WaveSpec long_slow;
  long_slow.rate = 1;
  long_slow.samples.assign(400'000, 0x5A);
  forms.push_back(bytes_form("400 KB of samples at a rate of 1", wave_bytes(long_slow)));
  return forms;
}

class SoundFuzzer {
 public:
  SoundFuzzer(std::uint32_t seed, FuzzTally& tally) : seed_(seed), files_(sound_files()), tally_(tally) {}

  // Every sound file damaged alike, the program started and every sound played.
  void run_on_every_file(const DamagedForm& form, bool playable = false) {
    tally_.files += static_cast<int>(files_.size());
    for (const std::string& file : files_) put(form, file);
    all_damaged_ = true;
    const std::string label = "every sound file " + form.label + ": ";
    try {
      open_headless_program(next_seed());
      for (int& flag : g_se_request) flag = 1;
      for (int& flag : g_voice_request) flag = 1;
      headless::step_frames(kFramesToPlayAll);
      tally_.frames += kFramesToPlayAll;
      if (headless::sound_log().size() != files_.size()) note(label + "not every sound was asked for");
      if (playable && headless::played_sounds().size() != files_.size()) note(label + "a sound did not play");
    } catch (const headless::ExitRequested& exit) {
      note(label + "the program exited with code " + std::to_string(exit.code));
    }
    for (const std::string& p : state_out_of_range()) note(label + p);
  }

  // One sound file that cannot be read: start-up ends with the message and no window.
  void run_on_one_file(const DamagedForm& form, const std::string& file, const DamagedForm& sound) {
    ++tally_.files;
    if (all_damaged_)
      for (const std::string& other : files_) put(sound, other);
    all_damaged_ = false;
    put(form, file);
    const std::string label = file + " " + form.label + ": ";
    try {
      open_headless_program(next_seed());
      note(label + "start-up went on");
    } catch (const headless::ExitRequested& exit) {
      if (exit.code != -1) note(label + "the exit code was " + std::to_string(exit.code));
    }
    if (headless::window_shown()) note(label + "the window was shown");
    if (headless::message_log().size() != 1) note(label + "no single fatal message");
    put(sound, file);
  }

 private:
  // A regular file is written over in place: removing and creating
  // thousands of files costs the file system more than the runs.
  static void put(const DamagedForm& form, const std::string& file) {
    std::error_code ec;
    if (!form.regular || !fs::is_regular_file(fs::symlink_status(file, ec))) fs::remove_all(file, ec);
    form.put(file);
  }
  std::uint32_t next_seed() { return seed_ + static_cast<std::uint32_t>(tally_.files); }
  void note(const std::string& problem) {
    if (tally_.problems.size() < kProblemLimit) tally_.problems.push_back(problem);
  }

  std::uint32_t seed_;
  std::vector<std::string> files_;
  FuzzTally& tally_;
  bool all_damaged_ = true;  // every sound file may hold a damaged form
};

}  // namespace

void fuzz_sound_files(std::uint32_t seed, int rounds, int part, int parts, FuzzTally& tally) {
  const std::vector<unsigned char> valid = game_like_wave(kWaveFrames);
  const DamagedForm sound = bytes_form("sound", valid);
  SoundFuzzer fuzzer(seed, tally);
  if (part == 0) fuzzer.run_on_every_file(sound, true);
  int index = 0;
  const auto run = [&](const DamagedForm& form) {
    if (index++ % parts != part) return;
    if (form.regular) {
      fuzzer.run_on_every_file(form);
      return;
    }
    for (const std::string& file : sound_files()) fuzzer.run_on_one_file(form, file, sound);
  };
  for_each_damaged_form(valid, seed, rounds, run);
  for (const DamagedForm& form : wave_forms(valid)) run(form);
}
