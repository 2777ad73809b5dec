// The tile-range claim rules on worked hands in dots: the simulated calls
// of the lower and upper tiles, the pung shapes, the leftover chows with
// the lower rule's cases mirrored into the upper rule's, the edge flag.
#include "com/claim/claim_rules.h"
#include "com/claim/suit_claim_fixture.h"
#include <string>

#include "support/hand_builder.h"

namespace {

constexpr int H = kChiDiscardHighest, M = kChiDiscardMiddle, L = kChiDiscardLowest;
constexpr int kOpp = SuitClaimTest::kOpposite;

class Range : public SuitClaimTest {
 protected:
  SuitClaim claim(int yaku, void (*rule)(int), std::string_view hand, std::string_view discard, int from = kLeft) {
    aim(yaku, 0);
    deal(hand, discard, from);
    return run(rule);
  }
  SuitClaim lower(std::string_view hand, std::string_view discard, int from = kLeft) {
    return claim(61, naki_lower_tiles, hand, discard, from);
  }
  SuitClaim upper(std::string_view hand, std::string_view discard, int from = kLeft) {
    return claim(59, naki_upper_tiles, hand, discard, from);
  }
  SuitClaim middle(std::string_view hand, std::string_view discard, int from = kLeft) {
    return claim(60, naki_middle_tiles, hand, discard, from);
  }
};

TEST_F(Range, CallsAreMadeOnlyWhenTheyBringTheRangeNearer) {
  // Eight tiles outside the range: the stripped hand stands at 8, the pung at 5.
  EXPECT_EQ(lower("11233p 789m 789s 99m", "1p", kOpp), pung(920));
  // The same dots in a ready hand of the range: no gain, the pung shape decides.
  EXPECT_EQ(lower("11233p 123123m 44s", "1p", kOpp), pung(101));
  // From the left the chow 1-2-3 brings it as near as the pung: neither.
  EXPECT_EQ(lower("11233p 789m 789s 99m", "1p"), pung(101));
  // The middle tiles simulate nothing: the pair is the leftover's pung.
  EXPECT_EQ(lower("44p 19m 19s 1234567z", "4p", kOpp), pung(920));
  EXPECT_EQ(middle("44p 19m 19s 1234567z", "4p", kOpp), pung(10));
  // The upper tiles' mirror image.
  EXPECT_EQ(upper("99877p 123m 123s 11m", "9p", kOpp), pung(920));
}

TEST_F(Range, TakeOnlyTheirOwnRanks) {
  g_hai_table_loaded = 0;
  EXPECT_EQ(lower("55p 46p", "5p"), kNone);
  EXPECT_EQ(lower("44z 46p", "4z"), kNone);
  EXPECT_EQ(upper("55p 46p", "5p"), kNone);
  EXPECT_EQ(middle("33p 24p", "3p"), kNone);
  EXPECT_EQ(middle("77p 68p", "7p"), kNone);
  EXPECT_EQ(g_naki_tile, 17);
  aim(59, 0);
  EXPECT_EQ(run(naki_lower_tiles), kNone);
}

// A hand of dots and the lower rule's decision on a discard of `rank`; the
// mirrored hand and discard must meet the upper rule's `upper` decision.
struct RangeRow {
  const char* hand;
  int rank;
  SuitClaim lower;
  SuitClaim upper;
  int from = SuitClaimTest::kLeft;
};
void PrintTo(const RangeRow& r, std::ostream* os) { *os << r.hand << " + " << r.rank << "p"; }

class RangeMirrors : public Range, public ::testing::WithParamInterface<RangeRow> {};

TEST_P(RangeMirrors, LowerAndUpperMeetTheirCases) {
  g_hai_table_loaded = 0;
  const RangeRow& row = GetParam();
  const std::vector<int> tiles = parse_tiles(row.hand);
  aim(61, 0);
  deal(tiles, make_tile(kDots, row.rank), row.from);
  EXPECT_EQ(run(naki_lower_tiles), row.lower);
  std::vector<int> mirror;
  for (int t : tiles) mirror.push_back(mirrored(t));
  aim(59, 0);
  deal(mirror, make_tile(kDots, 10 - row.rank), row.from);
  EXPECT_EQ(run(naki_upper_tiles), row.upper) << "mirrored";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, RangeMirrors, ::testing::Values(
    // Pung shapes: the discard lowest, middle, highest of three ranks.
    RangeRow{"11233p", 1, pung(101), pung(109), kOpp},
    RangeRow{"23344p", 3, pung(102), pung(108), kOpp},
    RangeRow{"23344p", 4, pung(103), pung(107), kOpp},
    RangeRow{"1144p", 1, pung(10), pung(10), kOpp},    // no neighbour: no shape, the pair is left
    RangeRow{"112233p", 1, kNone, kNone, kOpp},        // 2 + 2 beside it: no shape, two chows set aside
    RangeRow{"11123p", 1, pung(10), pung(10), kOpp},   // the chow comes off before the pung
    RangeRow{"1113p", 2, kNone, kNone},                // the pung of 1s set aside leaves no chow
    // Leftover chows.
    RangeRow{"12p", 3, chow(H, 1), chow(L, 1)},
    RangeRow{"13p", 2, chow(M, 2), chow(M, 2)},
    RangeRow{"23p", 1, chow(L, 3), chow(H, 3)},
    RangeRow{"34p", 2, chow(L, 4), chow(H, 6)},
    RangeRow{"24p", 3, chow(M, 5), chow(M, 5)},
    RangeRow{"23p", 4, chow(H, 6), chow(L, 4)},
    RangeRow{"12p", 3, kNone, kNone, kOpp}));
// clang-format on

struct EdgeRow {
  const char* hand;  // beside 1 1 2 4 of dots
  struct {
    int kind, tile;  // a declared meld; kind 0 none
  } meld;
  bool edge;
};
void PrintTo(const EdgeRow& r, std::ostream* os) { *os << r.hand << " meld " << r.meld.kind << "/" << r.meld.tile; }

class RangeEdge : public Range, public ::testing::WithParamInterface<EdgeRow> {};

// Leftovers 1 1 2 _ 4 and a discarded 3: 2-3-4 when a set touches the 4, else 1-2-3.
TEST_P(RangeEdge, ChoosesTheChowAwayFromTheEdge) {
  g_hai_table_loaded = 0;
  const EdgeRow& row = GetParam();
  const std::vector<int> tiles = parse_tiles(std::string("1124p ") + row.hand);
  const auto setup = [&](bool mirror, int edge_tile) {
    std::vector<int> hand;
    for (int t : tiles) hand.push_back(mirror ? mirrored(t) : t);
    deal(hand, mirror ? 17 : 13);
    if (row.meld.kind != 0) add_meld(kSeat, row.meld.kind, edge_tile, 0);
    recount();
  };
  aim(61, 0);
  setup(false, row.meld.tile);
  EXPECT_EQ(run(naki_lower_tiles), row.edge ? chow(M, 0) : chow(H, 1));
  // The upper tiles' edge is the 6: a meld of 4 there becomes one of 6 (green for North).
  const int tile = row.meld.tile;
  const int upper_tile = tile == 34 ? 36 : row.meld.kind == kMeldChow ? mirrored(tile + 2) : mirrored(tile);
  aim(59, 0);
  setup(true, upper_tile);
  EXPECT_EQ(run(naki_upper_tiles), row.edge ? chow(M, 0) : chow(L, 1)) << "mirrored";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Sources, RangeEdge, ::testing::Values(
    EdgeRow{"", {0, 0}, false},
    EdgeRow{"", {kMeldPung, 34}, true},   // North ends in 4
    EdgeRow{"", {kMeldPung, 33}, false},
    EdgeRow{"", {kMeldMeldedKong, 4}, true},
    EdgeRow{"", {kMeldChow, 22}, true},   // 2-3-4 of bamboo
    EdgeRow{"", {kMeldChow, 21}, false},
    EdgeRow{"", {kMeldChow, 24}, false},  // 4-5-6: a chow must start at the 2
    EdgeRow{"234s", {0, 0}, true},
    EdgeRow{"123s", {0, 0}, false},
    EdgeRow{"444m", {0, 0}, true},
    EdgeRow{"333m", {0, 0}, false}));
// clang-format on

TEST_F(Range, MiddleTilesCases) {
  g_hai_table_loaded = 0;
  EXPECT_EQ(middle("45p", "6p"), chow(H, 0));
  EXPECT_EQ(middle("46p", "5p"), chow(M, 1));
  EXPECT_EQ(middle("56p", "4p"), chow(L, 2));
  EXPECT_EQ(middle("44566p", "4p", kOpp), pung(104));
  EXPECT_EQ(middle("45566p", "5p", kOpp), pung(105));
  EXPECT_EQ(middle("44566p", "6p", kOpp), pung(106));
  EXPECT_EQ(middle("44p", "4p", kOpp), pung(10));
}

}  // namespace
