// Bit counting for the tile masks. std::popcount is a library call on the
// baseline x86-64 target (its popcnt instruction came later), so the count
// is the constant-time sum of bit fields instead.
#pragma once

#include <cstdint>

constexpr int bit_count(std::uint64_t x) {
  x -= x >> 1 & 0x5555555555555555ULL;
  x = (x & 0x3333333333333333ULL) + (x >> 2 & 0x3333333333333333ULL);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
  return static_cast<int>(x * 0x0101010101010101ULL >> 56);
}

static_assert(bit_count(0) == 0 && bit_count(~0ULL) == 64 && bit_count(0x8000000000000001ULL) == 2 &&
              bit_count(0xF0F0) == 8);
