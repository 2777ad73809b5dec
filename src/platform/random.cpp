// The program's one random-number generator.
#include <ctime>

#include "platform/platform_state.h"

namespace platform {

void rand_seed(std::uint32_t seed) { g_rand_state = seed; }

int rand15() {
  g_rand_state = g_rand_state * 1103515245u + 12345u;  // wraps modulo 2^32
  return static_cast<int>((g_rand_state >> 16) & 0x7FFF);
}

std::span<const StateBytes> rand_state_bytes() {
  static constexpr StateBytes kPieces[] = {state_bytes(g_rand_state)};
  return kPieces;
}

std::uint32_t seed_from_time() {
  const std::uint32_t seed = g_fixed_time_seed >= 0
                                 ? static_cast<std::uint32_t>(g_fixed_time_seed)
                                 : static_cast<std::uint32_t>(std::time(nullptr));
  rand_seed(seed);
  return seed;
}

}  // namespace platform
