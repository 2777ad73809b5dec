#include <gtest/gtest.h>

#include <ctime>

#include "platform/headless/headless.h"
#include "platform/platform.h"

namespace {

// The generator written with 64-bit arithmetic and an explicit modulus.
struct Reference {
  std::uint64_t state;
  int next() {
    state = (state * 1103515245ull + 12345ull) % 4294967296ull;
    return static_cast<int>(state / 65536 % 32768);
  }
};

}  // namespace

TEST(Rand15, FollowsTheClassicSequenceForAnySeed) {
  platform::rand_seed(1);
  const int known[] = {16838, 5758, 10113, 17515, 31051};
  for (int value : known) EXPECT_EQ(platform::rand15(), value);

  for (std::uint32_t seed : {0u, 42u, 0x7FFFFFFFu, 0xFFFFFFFFu, 1733500000u}) {
    platform::rand_seed(seed);
    Reference ref{seed};
    for (int i = 0; i < 1000; ++i) {
      const int value = platform::rand15();
      ASSERT_EQ(value, ref.next()) << "seed " << seed << " draw " << i;
      ASSERT_GE(value, 0);
      ASSERT_LE(value, 32767);
    }
  }
}

TEST(Rand15, SeedFromTimeSeedsTheGeneratorWithTheTimeOrTheFixedSeed) {
  platform::reset_platform_state();
  headless::reset();
  const auto before = static_cast<std::uint32_t>(std::time(nullptr));
  const std::uint32_t seed = platform::seed_from_time();
  const auto after = static_cast<std::uint32_t>(std::time(nullptr));
  EXPECT_GE(seed, before);
  EXPECT_LE(seed, after);
  Reference ref{seed};
  EXPECT_EQ(platform::rand15(), ref.next());

  headless::set_time_seed(99);
  EXPECT_EQ(platform::seed_from_time(), 99u);
  Reference fixed{99};
  EXPECT_EQ(platform::rand15(), fixed.next());
  headless::reset();
}
