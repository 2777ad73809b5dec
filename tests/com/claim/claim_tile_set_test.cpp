// Reversible tiles, all green and all fives: the pattern's sets set aside,
// a chow of the pattern from what is left, else a pung.
#include "com/claim/set_claim_case.h"

namespace set_claims {
namespace {

class TileSetClaims : public SetClaimTest {};

TEST_P(TileSetClaims, Decide) {
  const Case& c = GetParam();
  set_up(c);
  EXPECT_EQ(run(rule_of(c.target)), c.expect);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TileSetClaims,
    ::testing::Values(
        Case{"CharactersNotReversible", 41, 0, "66m 99p 22s", "6m", kNone, {}, 2},
        Case{"ReversiblePair", 41, 0, "99p 22s 5z", "9p", pung(10), {}, 2},
        Case{"ReversiblePairNoChowShape", 41, 0, "99p 22s 5z", "9p", pung(10)},
        Case{"LeftoversChow", 41, 0, "12p 444p 22s 88s 5z", "3p", chow(1, 0)},
        Case{"OnlyFromTheLeft", 41, 0, "12p 444p 22s 88s 5z", "3p", kNone, {}, 3},
        Case{"TripleSetAside", 41, 0, "3p 444p 22s 88s 5z", "5p", kNone},
        Case{"ChowsSetAsideFirst", 41, 0, "12345p 22s 88s", "3p", chow(3, 2)},
        Case{"ReversibleMiddleChow", 41, 0, "23p 22s 88s", "4p", chow(1, 0)},
        Case{"ReversibleMiddle", 41, 0, "13p 22s 88s 5z", "2p", chow(2, 1)},
        Case{"ReversibleBamboo", 41, 0, "22s 56s 88s 99p", "4s", chow(3, 2)},
        Case{"ReversibleFiveOfBamboo", 41, 0, "46s 22s 88s", "5s", chow(2, 1)},
        Case{"FourPairsChow", 41, 0, "12p 99p 22s 44s 88s 5z", "3p", chow(1, 0)},
        Case{"FivePairsNoChow", 41, 0, "12p 99p 22s 44s 88s 55z", "3p", kNone},
        Case{"MeldedPairCounts", 41, 0, "12p 99p 44s 88s 55z", "3p", kNone, {{kMeldPung, 22, 0}}},
        Case{"DeclaredChowIgnoresPairs", 41, 0, "45p 99p 22s 88s 55z", "3p", chow(3, 2), {{kMeldChow, 13, 0}}},
        Case{"MeldCopiesNoPair", 41, 0, "2s 99p 5z", "2s", kNone, {{kMeldChow, 22, 0}}, 2},
        Case{"SevenOfBambooNotGreen", 78, 0, "77s 22s", "7s", kNone, {}, 2},
        Case{"GreenHighest", 78, 0, "23s 66z 88s", "4s", chow(1, 0)},
        Case{"GreenMiddle", 78, 0, "24s 66z 88s", "3s", chow(2, 1)},
        Case{"GreenLowest", 78, 0, "34s 66z 88s", "2s", chow(3, 2)},
        Case{"GreenChowSetAside", 78, 0, "234s 23s 66z", "4s", chow(1, 0)},
        Case{"GreenTripleSetAside", 78, 0, "222s 3s 66z", "4s", kNone},
        Case{"GreenDragonPair", 78, 0, "66z 22s", "6z", pung(10)},
        Case{"FourGreenPairsChow", 78, 0, "2233s 66s 88s 6z", "4s", chow(1, 0)},
        Case{"FiveGreenPairsNoChow", 78, 0, "2233s 66s 88s 66z", "4s", kNone},
        Case{"EightNotFive", 52, 0, "88m 55p 55s", "8m", kNone, {}, 2},
        Case{"TwoPairsOfFivesPung", 52, 0, "44p 55m 55s", "4p", pung(10), {}, 2},
        Case{"OnePairOfFives", 52, 0, "44p 55m 5s", "4p", kNone, {}, 2},
        Case{"FivesInChowsDoNotCount", 52, 0, "44p 55m 3455s", "4p", kNone, {}, 2},
        Case{"ThreeCopiesNoPung", 52, 0, "444p 55m 55s", "4p", kNone, {}, 2},
        Case{"FivesHighest", 52, 0, "34m 99p", "5m", chow(1, 0)},
        Case{"FivesMiddle", 52, 0, "46m 99p", "5m", chow(2, 1)},
        Case{"FivesLowest", 52, 0, "45m 99p", "3m", chow(3, 2)},
        Case{"FivesChowOrder", 52, 0, "34567m", "5m", chow(3, 2)},
        Case{"FivesDotsSeven", 52, 0, "56p 99s", "7p", chow(1, 0)},
        Case{"FivesBambooLowest", 52, 0, "45s 99p", "3s", chow(3, 2)}),
    case_name);

// A pair of every tile discarded from across the table (for all fives
// beside pairs of the other suits' 5): only the pattern's own tiles are called.
TEST(TileSetClaimsByTile, PairOfEachTile) {
  for (const auto& [yaku, own_text] : {std::pair{41, "1234589p 245689s 5z"}, {78, "23468s 6z"}, {52, "34567m 34567p 34567s"}}) {
    const std::vector<int> own = parse_tiles(own_text);
    for (int t : kPlayingTiles) {
      std::vector<int> hand{t, t};
      for (int five : {5, 15, 25})
        if (yaku == 52 && suit_of(five) != suit_of(t) && hand.size() < 6) hand.insert(hand.end(), {five, five});
      const std::string hand_text = format_tiles(hand), discard = format_tiles(std::vector<int>{t});
      set_up(Case{"", yaku, 0, hand_text.c_str(), discard.c_str(), kNone, {}, 2});
      const bool called = std::find(own.begin(), own.end(), t) != own.end();
      EXPECT_EQ(run(rule_of(yaku)), called ? pung(10) : kNone) << yaku << " " << discard;
    }
  }
}

}  // namespace
}  // namespace set_claims
