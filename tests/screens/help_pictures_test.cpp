// The counting-rules help shows example hands and tells what the scorer
// makes of them: each picture's hand, and each claim of the texts that a
// hand can show, is scored here by the program's own evaluation.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/yaku_table.h"
#include "draw/help_pictures.h"
#include "support/scoring_fixture.h"

namespace {

// The patterns the texts talk about: the chow families, the three-chow
// patterns beside them, and the pung patterns of the last picture.
const std::set<int> kTold{kYaku0PureDoubleChow, kYaku1MixedDoubleChow, kYaku2TwoTerminalChows, kYaku3TerminalHonourPung,
                          kYaku4ShortStraight, kYaku12DragonPung, kYaku15DoublePung, kYaku33MixedTripleChow,
                          kYaku49PureStraight, kYaku53PureTripleChow, kYaku56SevenPairs};

// A pair picture completed by pungs of the round and seat winds and a third
// wind's pair: no pattern the texts talk about comes from them.
const std::string kPairFiller = " / 31 31 31 / 32 32 32 / 33 + 33";

struct Told {
  std::string hand;
  Found found;  // every told pattern the hand holds, with its points
};

class HelpPictureHands : public ScoringTest {
 protected:
  Found told(const std::string& hand) {
    const WinScore s = win(hand);
    EXPECT_TRUE(s.valid) << hand;
    Found kept;
    for (const auto& [id, points] : s.found)
      if (kTold.contains(id)) kept[id] = points;
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
    EXPECT_EQ(told(hand), expected[k]) << "picture " << k << ": " << hand;
  }
}

TEST_F(HelpPictureHands, TheTextsClaimsHold) {
  const std::vector<Told> claims{
      // Four identical concealed tiles are two pairs of seven pairs.
      {"1 1 1 1 3 3 5 5 7 7 9 9 12 + 12", {{kYaku56SevenPairs, 24}}},
      // Beside a pure straight only the first chow family found stays.
      {"1 2 3 / 1 2 3 / 4 5 6 / 7 8 9 / 22 + 22", {{kYaku0PureDoubleChow, 1}, {kYaku49PureStraight, 16}}},
  };
  for (const Told& c : claims) EXPECT_EQ(told(c.hand), c.found) << c.hand;
}

}  // namespace
