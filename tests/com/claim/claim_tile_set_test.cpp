// Reversible tiles, all green and all fives: the pattern's sets set aside,
// a chow of the pattern from what is left, else a pung.
#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "com/claim/claim_rules.h"
#include "core/tiles.h"
#include "support/claim_fixture.h"
#include "support/hand_builder.h"

namespace {

INSTANTIATE_TEST_SUITE_P(TileSets, ClaimCaseTest, ::testing::Values(
    ClaimCase{"ReversiblePairNoChowShape", naki_reversible_tiles, "99p 22s 5z", "9p", pung(41, 10), 41, 0},
    ClaimCase{"LeftoversChow", naki_reversible_tiles, "12p 444p 22s 88s 5z", "3p", chow(1, 41, 0), 41, 0},
    ClaimCase{"OnlyFromTheLeft", naki_reversible_tiles, "12p 444p 22s 88s 5z", "3p", kNoClaim, 41, 0, {}, 3},
    ClaimCase{"TripleSetAside", naki_reversible_tiles, "3p 444p 22s 88s 5z", "5p", kNoClaim, 41, 0},
    ClaimCase{"ChowsSetAsideFirst", naki_reversible_tiles, "12345p 22s 88s", "3p", chow(3, 41, 2), 41, 0},
    ClaimCase{"ReversibleMiddleChow", naki_reversible_tiles, "23p 22s 88s", "4p", chow(1, 41, 0), 41, 0},
    ClaimCase{"ReversibleMiddle", naki_reversible_tiles, "13p 22s 88s 5z", "2p", chow(2, 41, 1), 41, 0},
    ClaimCase{"ReversibleBamboo", naki_reversible_tiles, "22s 56s 88s 99p", "4s", chow(3, 41, 2), 41, 0},
    ClaimCase{"ReversibleFiveOfBamboo", naki_reversible_tiles, "46s 22s 88s", "5s", chow(2, 41, 1), 41, 0},
    ClaimCase{"FourPairsChow", naki_reversible_tiles, "12p 99p 22s 44s 88s 5z", "3p", chow(1, 41, 0), 41, 0},
    ClaimCase{"FivePairsNoChow", naki_reversible_tiles, "12p 99p 22s 44s 88s 55z", "3p", kNoClaim, 41, 0},
    ClaimCase{"MeldedPairCounts", naki_reversible_tiles, "12p 99p 44s 88s 55z", "3p", kNoClaim, 41, 0, {{kMeldPung, 22, 0}}},
    ClaimCase{"DeclaredChowIgnoresPairs", naki_reversible_tiles, "45p 99p 22s 88s 55z", "3p", chow(3, 41, 2), 41, 0, {{kMeldChow, 13, 0}}},
    ClaimCase{"MeldCopiesNoPair", naki_reversible_tiles, "2s 99p 5z", "2s", kNoClaim, 41, 0, {{kMeldChow, 22, 0}}, 2},
    ClaimCase{"GreenHighest", naki_all_green, "23s 66z 88s", "4s", chow(1, 78, 0), 78, 0},
    ClaimCase{"GreenMiddle", naki_all_green, "24s 66z 88s", "3s", chow(2, 78, 1), 78, 0},
    ClaimCase{"GreenLowest", naki_all_green, "34s 66z 88s", "2s", chow(3, 78, 2), 78, 0},
    ClaimCase{"GreenChowSetAside", naki_all_green, "234s 23s 66z", "4s", chow(1, 78, 0), 78, 0},
    ClaimCase{"GreenTripleSetAside", naki_all_green, "222s 3s 66z", "4s", kNoClaim, 78, 0},
    ClaimCase{"FourGreenPairsChow", naki_all_green, "2233s 66s 88s 6z", "4s", chow(1, 78, 0), 78, 0},
    ClaimCase{"FiveGreenPairsNoChow", naki_all_green, "2233s 66s 88s 66z", "4s", kNoClaim, 78, 0},
    ClaimCase{"TwoPairsOfFivesPung", naki_all_fives, "44p 55m 55s", "4p", pung(52, 10), 52, 0, {}, 2},
    ClaimCase{"OnePairOfFives", naki_all_fives, "44p 55m 5s", "4p", kNoClaim, 52, 0, {}, 2},
    ClaimCase{"FivesInChowsDoNotCount", naki_all_fives, "44p 55m 3455s", "4p", kNoClaim, 52, 0, {}, 2},
    ClaimCase{"ThreeCopiesNoPung", naki_all_fives, "444p 55m 55s", "4p", kNoClaim, 52, 0, {}, 2},
    ClaimCase{"FivesHighest", naki_all_fives, "34m 99p", "5m", chow(1, 52, 0), 52, 0},
    ClaimCase{"FivesMiddle", naki_all_fives, "46m 99p", "5m", chow(2, 52, 1), 52, 0},
    ClaimCase{"FivesLowest", naki_all_fives, "45m 99p", "3m", chow(3, 52, 2), 52, 0},
    ClaimCase{"FivesChowOrder", naki_all_fives, "34567m", "5m", chow(3, 52, 2), 52, 0},
    ClaimCase{"FivesDotsSeven", naki_all_fives, "56p 99s", "7p", chow(1, 52, 0), 52, 0},
    ClaimCase{"FivesBambooLowest", naki_all_fives, "45s 99p", "3s", chow(3, 52, 2), 52, 0}),
    claim_case_name);

// A pair of every tile discarded from across the table (for all fives
// beside pairs of the other suits' 5): only the pattern's own tiles are called.
TEST_F(ClaimTest, TileSetPairOfEachTile) {
  const std::array<std::tuple<void (*)(int), int, const char*>, 3> sets{
      {{naki_reversible_tiles, 41, "1234589p 245689s 5z"}, {naki_all_green, 78, "23468s 6z"}, {naki_all_fives, 52, "34567m 34567p 34567s"}}};
  for (const auto& [rule, yaku, own_text] : sets) {
    const std::vector<int> own = parse_tiles(own_text);
    for (int t : kPlayingTiles) {
      std::vector<int> hand{t, t};
      for (int five : {5, 15, 25})
        if (yaku == 52 && suit_of(five) != suit_of(t) && hand.size() < 6) hand.insert(hand.end(), {five, five});
      const std::string hand_text = format_tiles(hand), discard = format_tiles(std::vector<int>{t});
      SetUp();  // a fresh table for each tile
      set_up(ClaimCase{"", rule, hand_text.c_str(), discard.c_str(), kNoClaim, yaku, 0, {}, 2});
      const bool called = std::find(own.begin(), own.end(), t) != own.end();
      EXPECT_EQ(run(rule), called ? pung(yaku, 10) : kNoClaim) << discard;
    }
  }
}

}  // namespace
