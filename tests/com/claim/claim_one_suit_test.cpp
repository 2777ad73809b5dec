// The one-suit claim rule on worked hands of a full-flush seat in dots:
// every shape case and its mirror image, the suit's block count, the
// simulated calls, the leftover stage and the gates.
#include <string>

#include "com/claim/claim_rules.h"
#include "com/claim/suit_claim_fixture.h"

namespace {

constexpr int H = kChiDiscardHighest, M = kChiDiscardMiddle, L = kChiDiscardLowest;

class OneSuit : public SuitClaimTest {
 protected:
  void SetUp() override {
    SuitClaimTest::SetUp();
    aim(55, kDots);
  }
};

// A hand of dots that holds one case's window exactly; the discard's rank.
// The mirror image (every rank r to 10 - r) must meet the mirror case.
struct ShapeRow {
  const char* hand;
  int rank;
  SuitClaim expect;
  int mirror_reason = 0;  // 0: not checked
  int from = SuitClaimTest::kLeft;
  int best_pairs = 1;
};
void PrintTo(const ShapeRow& r, std::ostream* os) { *os << r.hand << " + " << r.rank << "p"; }

class OneSuitShapes : public OneSuit, public ::testing::WithParamInterface<ShapeRow> {};

TEST_P(OneSuitShapes, MeetTheirCaseAndItsMirror) {
  const ShapeRow& row = GetParam();
  g_hai_table_loaded = 0;
  AI[kSeat].best_pairs = row.best_pairs;
  const std::vector<int> tiles = parse_tiles(row.hand);
  const int discard = make_tile(kDots, row.rank);
  deal(tiles, discard, row.from);
  EXPECT_EQ(run(naki_one_suit), row.expect);
  if (row.mirror_reason == 0) return;
  std::vector<int> mirror;
  for (int t : tiles) mirror.push_back(mirrored(t));
  deal(mirror, mirrored(discard), row.from);
  const SuitClaim& e = row.expect;
  EXPECT_EQ(run(naki_one_suit), (SuitClaim{e.call, e.shape == 0 ? 0 : 4 - e.shape, row.mirror_reason})) << "mirrored";
}

constexpr int kOpp = SuitClaimTest::kOpposite;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, OneSuitShapes, ::testing::Values(
    ShapeRow{"13p", 2, chow(M, 992), 998},
    ShapeRow{"1334p", 2, chow(M, 982), 988},
    ShapeRow{"13345p", 2, chow(M, 972), 978},
    ShapeRow{"1123344p", 2, chow(M, 962), 968},
    ShapeRow{"2456p", 3, chow(M, 892), 898},
    ShapeRow{"3556p", 4, chow(M, 882), 888},
    ShapeRow{"33345p", 6, chow(H, 871), 873},
    ShapeRow{"22456667p", 3, chow(L, 863), 861},
    ShapeRow{"333456p", 7, chow(H, 791), 793},
    ShapeRow{"3345p", 6, chow(H, 781), 783},
    ShapeRow{"4456p", 5, chow(M, 772), 778},
    ShapeRow{"3455p", 6, chow(H, 761), 763},
    ShapeRow{"2233456p", 7, chow(H, 751), 753},
    ShapeRow{"2345566p", 7, chow(H, 741), 743},
    ShapeRow{"3344567p", 5, chow(H, 731), 733},
    ShapeRow{"2345p", 6, chow(H, 721), 723},
    ShapeRow{"4567p", 5, chow(L, 713), 711},
    ShapeRow{"245566p", 3, chow(M, 702), 708},
    ShapeRow{"3455p", 5, chow(H, 693), 697},
    ShapeRow{"4456p", 4, chow(L, 697)},   // 693's mirror reads 677's window first
    ShapeRow{"44568p", 4, chow(L, 677)},  // unless an 8 vetoes it
    ShapeRow{"3345p", 5, chow(H, 673)},
    ShapeRow{"3567p", 5, chow(L, 663), 667},
    ShapeRow{"1122345p", 1, pung(591), 599, kOpp},
    ShapeRow{"1122345p", 2, pung(582), 588, kOpp},
    ShapeRow{"33456p", 3, pung(491), 499, kOpp},
    ShapeRow{"4445p", 4, pung(481), 489, kOpp},
    ShapeRow{"1123456p", 1, pung(471), 479, kOpp, 0},
    ShapeRow{"3345p", 3, pung(461), 469, kOpp, 0},
    ShapeRow{"24446p", 4, pung(450), 450, kOpp},
    // The chows only from the left neighbour.
    ShapeRow{"13p", 2, kNone, 0, kOpp},
    // An 8 vetoes case 471 on a 1; on a 4 the veto would be an 11, no tile of the suit.
    ShapeRow{"11234568p", 1, kNone, 0, kOpp, 0},
    ShapeRow{"4456789p", 4, pung(471), 479, kOpp, 0}));
// clang-format on

// The other suits' blocks come off best_blocks: with one block too many
// left for the suit, case 791 (B below 5) no longer holds.
struct BlockRow {
  const char* others;
  int blocks;
};
void PrintTo(const BlockRow& r, std::ostream* os) { *os << r.others; }

class OneSuitBlocks : public OneSuit, public ::testing::WithParamInterface<BlockRow> {};

TEST_P(OneSuitBlocks, LeaveTheSuitItsOwn) {
  g_hai_table_loaded = 0;
  deal(std::string("333456p ") + GetParam().others, "7p");
  AI[kSeat].best_blocks = 4 + GetParam().blocks;
  EXPECT_EQ(run(naki_one_suit), chow(H, 791));
  AI[kSeat].best_blocks = 5 + GetParam().blocks;
  EXPECT_EQ(run(naki_one_suit), kNone);
}

INSTANTIATE_TEST_SUITE_P(Others, OneSuitBlocks,
                         ::testing::Values(BlockRow{"1m 9s", 0}, BlockRow{"123m", 1}, BlockRow{"1223m", 1},
                                           BlockRow{"1111m", 1}, BlockRow{"11123m", 2}, BlockRow{"12345m", 2},
                                           BlockRow{"2468m", 2}, BlockRow{"13m 55s 9s", 2}));

TEST_F(OneSuit, SimulationDecidesTheOneCallThatBringsTheSuitNearer) {
  // 3 from ready; the chow 1-2-3 and one honour thrown leave 2.
  deal("13579p 112233z 45z", "2p");
  EXPECT_EQ(run(naki_one_suit), chow(M, 912));
  // Nothing to chow from across the table; the pair of 5s makes a pung.
  deal("55p 19p 112233z 456z", "5p", kOpposite);
  EXPECT_EQ(run(naki_one_suit), pung(920));
}

TEST_F(OneSuit, TwoImprovingCallsOrNoneLeaveItToTheShapes) {
  // Both chows bring the hand from 4 to 3: neither is made by the simulation.
  deal("1123344p 123456z", "2p");
  EXPECT_EQ(run(naki_one_suit), chow(M, 962));
  // A ready hand gains nothing by the chow.
  AI[kSeat].min_shanten = 2;
  deal("13p 555777999p 11z", "2p");
  EXPECT_EQ(run(naki_one_suit), chow(M, 992));
}

struct LeftoverRow {
  const char* hand;
  const char* discard;
  SuitClaim expect;
  int from = SuitClaimTest::kLeft;
};
void PrintTo(const LeftoverRow& r, std::ostream* os) { *os << r.hand << " + " << r.discard; }

class OneSuitLeftovers : public OneSuit, public ::testing::WithParamInterface<LeftoverRow> {};

TEST_P(OneSuitLeftovers, DecideOnWhatTheSetsLeave) {
  g_hai_table_loaded = 0;
  deal(GetParam().hand, GetParam().discard, GetParam().from);
  EXPECT_EQ(run(naki_one_suit), GetParam().expect);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, OneSuitLeftovers, ::testing::Values(
    LeftoverRow{"34p 789p 111z 22z", "5p", chow(H, 1)},
    LeftoverRow{"67p 123p 111z 22z", "5p", chow(L, 3)},
    // 4-5 of 4 5 5 7 taken as a middle run leaves 5 _ 7.
    LeftoverRow{"1234557p 111z 222z", "6p", chow(M, 12)},
    // Case 882 read on what 789 leaves.
    LeftoverRow{"3566789p 111z 222z", "4p", chow(M, 22)},
    LeftoverRow{"55p 77z 111z 222z 333z", "5p", pung(10), SuitClaimTest::kOpposite},
    LeftoverRow{"123p 456p 789p 77z 1z", "7z", pung(11), SuitClaimTest::kOpposite},
    LeftoverRow{"55p 123p 789p 123z", "5p", pung(12), SuitClaimTest::kOpposite},
    LeftoverRow{"55p 123p 789p 19s", "5p", pung(13), SuitClaimTest::kOpposite},
    LeftoverRow{"55p 123p 789p 111z", "5p", kNone, SuitClaimTest::kOpposite}));
// clang-format on

TEST_F(OneSuit, GatesOnTheAimAndItsSuit) {
  g_hai_table_loaded = 0;
  deal("13p 2m", "2m");
  EXPECT_EQ(run(naki_one_suit), kNone);
  EXPECT_EQ(g_naki_tile, 2);
  // Near ready with a single tile of another suit: nothing to call for.
  AI[kSeat].min_shanten = 1;
  deal("13p 9s", "2p");
  EXPECT_EQ(run(naki_one_suit), kNone);
  deal("13p 19s", "2p");
  EXPECT_EQ(run(naki_one_suit), chow(M, 992));
  aim(75, 10 * kDots + 2);
  EXPECT_EQ(run(naki_one_suit), chow(M, 992));
  aim(75, kDots);  // suit 0: characters
  EXPECT_EQ(run(naki_one_suit), kNone);
  aim(54, kDots);
  EXPECT_EQ(run(naki_one_suit), kNone);
}

}  // namespace
