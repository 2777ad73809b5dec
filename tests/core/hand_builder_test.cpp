// The hand builder is shared by many test programs; a wrong code here would
// silently turn every test that uses it into a test of another hand.
#include <gtest/gtest.h>

#include <stdexcept>

#include "base/table_state.h"
#include "support/hand_builder.h"

TEST(HandBuilder, ParsesEverySuitLetter) {
  EXPECT_EQ(parse_tiles("19m 19p 19s 1234567z 18f"),
            (std::vector<int>{1, 9, 11, 19, 21, 29, 31, 32, 33, 34, 35, 36, 37, 41, 48}));
  EXPECT_EQ(parse_tiles("5m5p,5s"), (std::vector<int>{5, 15, 25}));
  EXPECT_TRUE(parse_tiles("  ").empty());
}

TEST(HandBuilder, RejectsMalformedText) {
  for (const char* bad : {"123", "0m", "8z", "9f", "12x", "m", "11m 2"})
    EXPECT_THROW(parse_tiles(bad), std::invalid_argument) << bad;
  EXPECT_THROW(make_hand("123456789m 123456p"), std::invalid_argument);
}

TEST(HandBuilder, SetHandSortsWithEmptySlotsLast) {
  reset_table_state();
  g_hand[2][13] = 5;
  set_hand(2, "7z 11m 9p");
  const int expected[kHandSlots] = {1, 1, 19, 37};
  for (int i = 0; i < kHandSlots; ++i) EXPECT_EQ(g_hand[2][i], expected[i]) << i;
}

TEST(HandBuilder, AddMeldWritesCodeAndMarkedSlots) {
  reset_table_state();
  set_hand(1, "55z 123p 9s");
  EXPECT_EQ(add_meld(1, kMeldChow, 3, 2), 2103);
  EXPECT_EQ(add_meld(1, kMeldConcealedKong, 31), 1331);
  EXPECT_EQ(g_melds[1][0], 2103);
  EXPECT_EQ(g_melds[1][1], 1331);
  const int expected[kHandSlots] = {11, 12, 13, 29, 35, 35, 103, 104, 105, 331, 331, 331, 0, 0};
  for (int i = 0; i < kHandSlots; ++i) EXPECT_EQ(g_hand[1][i], expected[i]) << i;
  EXPECT_EQ(format_tiles(g_hand[1], kHandSlots), "123p 9s 55z 345m(1) 111z(3)");
  EXPECT_THROW(add_meld(1, kMeldPung, 5), std::invalid_argument);  // one empty slot left
  EXPECT_THROW(add_meld(1, kMeldChow, 8), std::invalid_argument);
}
