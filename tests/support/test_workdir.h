// A temporary working directory for tests that run the program: it holds
// small valid sound files (start-up refuses to run without them) and is
// removed, and the old working directory restored, when the object dies.
#pragma once

#include <filesystem>
#include <string>

#include "shell/program_state.h"

class TestWorkdir {
 public:
  // with_sounds: write the 6 effects and 32 voices the program loads at start-up.
  explicit TestWorkdir(bool with_sounds = true);
  ~TestWorkdir();
  TestWorkdir(const TestWorkdir&) = delete;
  TestWorkdir& operator=(const TestWorkdir&) = delete;

  const std::filesystem::path& path() const { return dir_; }
  std::filesystem::path file(const std::string& relative) const { return dir_ / relative; }

 private:
  std::filesystem::path dir_;
  std::filesystem::path old_;
};

// Writes a short valid 16-bit mono wave file.
void write_test_wave(const std::filesystem::path& path);

// Opens the headless window over a fresh program with a fixed seed.
void open_headless_program(unsigned seed = 1);
