#include "base/options.h"

#include <cassert>

int option(OptionWord word) {
  assert(word >= 0 && word < kOptionWords);
  const OptionRange range = kOptionRanges[word];
  const int value = g_options[word];
  return value < 0 || value > range.max ? range.fallback : value;
}
