#include "base/options.h"

#include <cassert>

std::array<int, kOptionWords> g_options = kOptionDefaults;

int option(OptionWord word) {
  assert(word >= 0 && word < kOptionWords);
  const OptionRange range = kOptionRanges[word];
  const int value = g_options[word];
  return value < 0 || value > range.max ? range.fallback : value;
}

void reset_options() { g_options = kOptionDefaults; }
