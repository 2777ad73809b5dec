// The program's state as the reliability runs judge it after anything a
// damaged file or a random click could do: every word a file feeds within
// the range the program indexes and draws with, the match's seats, round,
// dealer and scores sound, the scene one the dispatcher knows.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

// One line per word out of range; empty when all is well.
std::vector<std::string> state_out_of_range();

// A size of a reliability run from the environment (a positive integer), so
// that the suite runs small and script/soak large; `fallback` otherwise.
inline int size_from_env(const char* name, int fallback) {
  const char* text = std::getenv(name);
  const int value = text != nullptr ? std::atoi(text) : 0;
  return value > 0 ? value : fallback;
}
