#include "base/visible.h"

#include <gtest/gtest.h>

#include "base/table_state.h"
#include "support/hand_builder.h"

namespace {

void set_river(int seat, std::vector<int> entries) {
  for (size_t i = 0; i < entries.size(); ++i) g_river[seat][i] = entries[i];
  g_river_count[seat] = static_cast<int>(entries.size());
}

// Seat 0: chow 345m, concealed kong of North, 7 free tiles and a drawn 9s.
// Seat 1: pung of 5z and a pung of 9p upgraded by an added kong.
// Seat 2: melded kong of 1s, concealed kong of 9s.
// Rivers: 9p 1m on offer (+200), a won-on entry (0), a stale entry past the count.
class VisibleCounts : public testing::Test {
 protected:
  void SetUp() override {
    reset_table_state();
    reset_visible_state();
    set_hand(0, "44m 99p 1s 2f");
    add_meld(0, kMeldChow, 3, 1);
    add_meld(0, kMeldConcealedKong, kNorth);
    g_hand[0][kDrawSlot] = 29;
    set_hand(1, "1234m");
    add_meld(1, kMeldPung, kWhite, 2);
    add_meld(1, kMeldPung, 19, 1);
    g_melds[1][1] += kAddedKongStep;
    set_hand(2, "7z");
    add_meld(2, kMeldMeldedKong, 21, 0);
    add_meld(2, kMeldConcealedKong, 29);
    set_river(0, {4});
    set_river(1, {1, 0});
    set_river(3, {9, 201});
    g_river[3][2] = 5;  // left behind by a claim that took the count down
  }
};

TEST_F(VisibleCounts, CountRiversAndShownMelds) {
  count_visible_tiles(0);
  EXPECT_EQ(g_visible_counts[1], 2);   // a discard and the one on offer
  EXPECT_EQ(g_visible_counts[3], 1);   // the chow
  EXPECT_EQ(g_visible_counts[4], 2);   // chow and river
  EXPECT_EQ(g_visible_counts[5], 1);   // chow only: the stale river entry is past the count
  EXPECT_EQ(g_visible_counts[9], 1);
  EXPECT_EQ(g_visible_counts[kWhite], 3);
  EXPECT_EQ(g_visible_counts[19], 4);  // added kong
  EXPECT_EQ(g_visible_counts[21], 4);
  EXPECT_EQ(g_visible_counts[29], 0);  // a concealed kong shows nothing
  EXPECT_EQ(g_visible_counts[kNorth], 0);
  EXPECT_EQ(g_visible_counts[0], 0);
  int total = 0;
  for (int c : g_visible_counts) total += c;
  EXPECT_EQ(total, 2 + 1 + 2 + 1 + 1 + 3 + 4 + 4);
}

TEST_F(VisibleCounts, SeenAddsTheSeatsOwnTilesAndConcealedKongs) {
  count_visible_tiles(0);
  EXPECT_EQ(g_seen_counts[4], 4);       // two in hand, chow, river
  EXPECT_EQ(g_seen_counts[19], 6);      // two in hand on top of a visible kong: not capped
  EXPECT_EQ(g_seen_counts[21], 5);
  EXPECT_EQ(g_seen_counts[29], 1);      // the drawn tile in slot 13; seat 2's kong stays hidden
  EXPECT_EQ(g_seen_counts[kNorth], 4);  // own concealed kong
  EXPECT_EQ(g_seen_counts[5], 1);       // marked chow slots are counted once, as the meld
  EXPECT_EQ(g_seen_counts[kFirstFlower + 1], 0);

  count_visible_tiles(2);
  EXPECT_EQ(g_seen_counts[29], 4);
  EXPECT_EQ(g_seen_counts[kNorth], 0);
  EXPECT_EQ(g_seen_counts[kRed], 1);
  EXPECT_EQ(g_seen_counts[21], 4);
  EXPECT_EQ(g_seen_counts[4], 2);
}

TEST_F(VisibleCounts, EveryCallStartsAfresh) {
  count_visible_tiles(0);
  set_river(0, {});
  g_melds[1][1] = 0;
  count_visible_tiles(1);
  EXPECT_EQ(g_visible_counts[4], 1);
  EXPECT_EQ(g_visible_counts[19], 0);
  EXPECT_EQ(g_seen_counts[kNorth], 0);
  EXPECT_EQ(g_seen_counts[2], 1);
}

// Slots that hold no free playing tile (codes between the suits, past the
// dragons, a flower, a value out of range) and the empty ones count nowhere.
TEST_F(VisibleCounts, CodesOfNoPlayingTileStayZero) {
  g_hand[1][10] = 10;
  g_hand[1][11] = 38;
  g_hand[1][12] = -3;
  g_hand[1][kDrawSlot] = 40;
  count_visible_tiles(1);
  for (int t = 0; t < kTileCodes; ++t) {
    if (is_playing_tile(t)) continue;
    EXPECT_EQ(g_seen_counts[t], 0) << t;
    EXPECT_EQ(g_visible_counts[t], 0) << t;
  }
  EXPECT_EQ(g_seen_counts[1], 3);  // two in the rivers (one on offer) and the hand's
}

}  // namespace

namespace {

// count_seat from given visible counts, as a scoring publishes them. The
// seat holds 1m 1m 5p 5p 9s 7z, a flower, an empty slot, a value past the tile
// codes and a negative one in its free slots, and two marked slots of its
// declared 345m chow; it has a concealed kong of 2s and a pung of 7z.
struct SeatCase {
  int tile;
  int visible;
  int seen;
};

class CountSeat : public ::testing::TestWithParam<SeatCase> {
 protected:
  static TileCounts counted() {
    int visible[kTileCodes]{};
    visible[1] = 2;
    visible[3] = 1;  // the chow shows 345m
    visible[4] = 1;
    visible[5] = 1;
    visible[10] = 2;  // no tile has code 10: what the visible counts say stands
    visible[kRed] = 3;
    visible[kRed + 1] = 1;
    const int hand[kHandSlots] = {1, 1, 15, 29, 42, 0, 60, -3, make_slot(3, kChowSlot), make_slot(4, kChowSlot),
                                  10, kRed, 0, 15};
    const int melds[kMeldSlots] = {make_meld(0, kMeldChow, 3), make_meld(0, kMeldConcealedKong, 22),
                                   make_meld(0, kMeldPung, kRed), 0};
    TileCounts c;
    std::fill(std::begin(c.visible), std::end(c.visible), 7);
    std::fill(std::begin(c.seen), std::end(c.seen), 7);
    count_seat(visible, hand, melds, c);
    return c;
  }
};

TEST_P(CountSeat, SeenAddsTheFreePlayingTilesAndOwnConcealedKongs) {
  const SeatCase& s = GetParam();
  const TileCounts c = counted();
  EXPECT_EQ(c.visible[s.tile], s.visible) << s.tile;
  EXPECT_EQ(c.seen[s.tile], s.seen) << s.tile;
}

INSTANTIATE_TEST_SUITE_P(Tiles, CountSeat, ::testing::Values(
    SeatCase{1, 2, 4},        // two in the rivers, two in hand
    SeatCase{3, 1, 1},        // the chow's tile: its marked slot adds nothing
    SeatCase{4, 1, 1},
    SeatCase{15, 0, 2},       // two free 5p
    SeatCase{29, 0, 1},
    SeatCase{22, 0, 4},       // the seat's own concealed kong
    SeatCase{kRed, 3, 4},     // the pung shows itself; the seat adds its free one
    SeatCase{0, 0, 0},        // empty slots
    SeatCase{10, 2, 2},       // a slot of no tile's code adds nothing
    SeatCase{kRed + 1, 1, 1},
    SeatCase{42, 0, 0},       // a flower
    SeatCase{2, 0, 0},
    SeatCase{kTileCodes - 1, 0, 0}));

// The seat with no meld of its own, and every other code untouched by it:
// seen equals visible.
TEST(CountSeatPlain, WithoutHandTilesSeenIsVisible) {
  int visible[kTileCodes];
  for (int t = 0; t < kTileCodes; ++t) visible[t] = t % 5;
  const int hand[kHandSlots]{};
  const int melds[kMeldSlots]{};
  TileCounts c;
  count_seat(visible, hand, melds, c);
  for (int t = 0; t < kTileCodes; ++t) {
    EXPECT_EQ(c.visible[t], t % 5) << t;
    EXPECT_EQ(c.seen[t], t % 5) << t;
  }
}

// Only the last seat's last meld slot holds a meld: it is counted.
TEST_F(VisibleCounts, AMeldInTheLastSlotOfTheLastSeatIsCounted) {
  for (auto& row : g_melds) std::fill(std::begin(row), std::end(row), 0);
  g_melds[3][3] = make_meld(1, kMeldPung, 8);
  count_visible_tiles(0);
  EXPECT_EQ(g_visible_counts[8], 3);
  EXPECT_EQ(g_seen_counts[8], 3);
  EXPECT_EQ(g_seen_counts[kNorth], 0);  // seat 0's kong is gone with its melds
}

}  // namespace
