// The counting-rules help shows example hands and tells what the scorer
// makes of them: each picture's hand, and each claim of the texts that a
// hand can show, is scored here by the program's own evaluation.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/table_state.h"
#include "core/yaku_table.h"
#include "draw/help_pictures.h"
#include "support/scoring_fixture.h"

namespace {

using Ids = std::set<int>;

// The patterns the pictures' lines talk about: the chow families, the
// three-chow patterns beside them, and the pung patterns of the last picture.
const Ids kPictureTold{kYaku0PureDoubleChow, kYaku1MixedDoubleChow, kYaku2TwoTerminalChows, kYaku3TerminalHonourPung,
                       kYaku4ShortStraight,  kYaku12DragonPung,     kYaku15DoublePung,      kYaku33MixedTripleChow,
                       kYaku49PureStraight,  kYaku53PureTripleChow};
const Ids kChowFamilies{kYaku0PureDoubleChow, kYaku1MixedDoubleChow, kYaku2TwoTerminalChows, kYaku4ShortStraight};

// A pair picture completed by pungs of the round and seat winds and a third
// wind's pair: no pattern the texts talk about comes from them.
const std::string kPairFiller = " / 31 31 31 / 32 32 32 / 33 + 33";

// A claim of the texts: a hand, how it is won, the patterns the claim is
// about and those of them the hand holds, with their points.
struct Claim {
  std::string hand;
  Ids about;
  Found found;
  int by_discard = 1;
  bool last_tile = false;  // won with the wall empty
};

class HelpPictureHands : public ScoringTest {
 protected:
  Found told(const std::string& hand, const Ids& about, int by_discard = 1) {
    const WinScore s = win(hand, by_discard);
    EXPECT_TRUE(s.valid) << hand;
    Found kept;
    for (const auto& [id, points] : s.found)
      if (about.contains(id)) kept[id] = points;
    return kept;
  }
};

TEST_F(HelpPictureHands, EachPictureHoldsWhatItsLinesSay) {
  const std::vector<Found> expected{
      {{kYaku1MixedDoubleChow, 2}, {kYaku4ShortStraight, 1}},  // the short straights count once after two mixed pairs
      {{kYaku0PureDoubleChow, 1}},
      {{kYaku1MixedDoubleChow, 1}},
      {{kYaku2TwoTerminalChows, 1}},
      {{kYaku4ShortStraight, 1}},
      {{kYaku33MixedTripleChow, 8}},  // no mixed double chow beside it
      {{kYaku4ShortStraight, 1}, {kYaku53PureTripleChow, 24}},  // no pure double chow
      {{kYaku49PureStraight, 16}},    // no short straight, no two terminal chows
      {{kYaku3TerminalHonourPung, 2}, {kYaku12DragonPung, 2}},
  };
  for (int k = 0; k < kHelpPictureCount; ++k) {
    std::string hand = kHelpPictures[k].tiles;
    if (k >= kHelpPairFirst && k < kHelpCaptionFirst) hand += kPairFiller;
    EXPECT_EQ(told(hand, kPictureTold), expected[k]) << "picture " << k << ": " << hand;
  }
}

TEST_F(HelpPictureHands, TheTextsClaimsHold) {
  const Ids kongs{kYaku5MeldedKong, kYaku17ConcealedKong, kYaku22TwoMeldedKongs, kYaku64ThreeKongs};
  Ids straight = kChowFamilies;
  straight.insert(kYaku49PureStraight);
  const std::vector<Claim> claims{
      // Four identical concealed tiles are two pairs; seven pairs adds no
      // concealed hand and no single wait.
      {"1 1 1 1 3 3 5 5 7 7 9 9 12 + 12",
       {kYaku56SevenPairs, kYaku21ConcealedHand, kYaku10SingleWait},
       {{kYaku56SevenPairs, 24}}},
      // Beside a pure straight only the first chow family found stays.
      {"1 2 3 / 1 2 3 / 4 5 6 / 7 8 9 / 22 + 22", straight, {{kYaku0PureDoubleChow, 1}, {kYaku49PureStraight, 16}}},
      // A concealed kong is a concealed pung too, a melded one is not.
      {"11 11 11 / 3 4 5 / 23 24 25 / 29 + 29 / (2 2 2 2)", {kYaku16TwoConcealedPungs, kYaku51ThreeConcealedPungs},
       {{kYaku16TwoConcealedPungs, 2}}},
      {"13 13 13 / 11 11 11 / 3 4 5 / 29 + 29 / [2 2 2 2]", {kYaku16TwoConcealedPungs, kYaku51ThreeConcealedPungs},
       {{kYaku16TwoConcealedPungs, 2}}},
      {"3 4 5 / 23 24 25 / 29 + 29 / (2 2 2 2) / [11 11 11 11]", kongs,
       {{kYaku17ConcealedKong, 2}, {kYaku22TwoMeldedKongs, 4}}},
      {"3 4 + 5 / 29 29 / (2 2 2 2) / [11 11 11 11] / [15 15 15 15]", kongs,
       {{kYaku17ConcealedKong, 2}, {kYaku64ThreeKongs, 32}}},
      {"35 35 35 / 36 36 36 / 1 2 3 / 4 5 6 / 9 + 9", {kYaku12DragonPung, kYaku26TwoDragonPungs},
       {{kYaku26TwoDragonPungs, 6}}},
      // The last draw, concealed: no self-drawn point, the fully concealed one stays.
      {"1 2 3 / 4 5 6 / 13 14 15 / 22 23 + 24 / 37 37",
       {kYaku11SelfDrawn, kYaku25FullyConcealed, kYaku38LastDraw},
       {{kYaku25FullyConcealed, 4}, {kYaku38LastDraw, 8}},
       0,
       true},
  };
  for (const Claim& c : claims) {
    g_wall_count = c.last_tile ? 0 : kWallLeft;
    EXPECT_EQ(told(c.hand, c.about, c.by_discard), c.found) << c.hand;
  }
}

}  // namespace
