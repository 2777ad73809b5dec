#include "base/seat_eval.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "base/shanten.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "core/hai_table.h"
#include "support/distance_reference.h"
#include "support/evaluation_fixture.h"
#include "support/hand_builder.h"

namespace {

class SeatEval : public HandEvaluationTest {
 protected:
  void SetUp() override {
    HandEvaluationTest::SetUp();
    reset_seat_eval_memo();
  }
  static int slot_of(int seat, int tile) {
    return static_cast<int>(std::find(g_hand[seat], g_hand[seat] + kHandSlots, tile) - g_hand[seat]);
  }
};

std::vector<int> counts_without(int seat, int skip) {
  std::vector<int> counts(kTileCodes, 0);
  for (int slot = 0; slot < kHandSlots; ++slot)
    if (slot != skip && is_free_slot(g_hand[seat][slot]) && g_hand[seat][slot] <= kRed) ++counts[g_hand[seat][slot]];
  return counts;
}

int meld_count(int seat) { return static_cast<int>(std::count_if(g_melds[seat], g_melds[seat] + kMeldSlots, [](int c) { return c != 0; })); }

// Checks one slot's four rows against the slow references.
void expect_slot_matches_references(int seat, int slot) {
  const std::vector<int> c = counts_without(seat, slot);
  const int melds = meld_count(seat);
  const SeatAiRecord& ai = AI[seat];
  const std::string hand = format_tiles(g_hand[seat], kHandSlots) + " slot " + std::to_string(slot);
  EXPECT_EQ(ai.syanten[kShantenNormal][slot],
            std::min(reference_normal_distance(c.data(), melds), reference_knitted_straight_distance(c.data(), melds)))
      << hand;
  EXPECT_EQ(ai.syanten[kShantenChiitoi][slot], melds ? kWorstChiitoi : reference_seven_pairs_distance(c.data())) << hand;
  EXPECT_EQ(ai.syanten[kShantenKokushi][slot], melds ? kWorstKokushi : reference_thirteen_orphans_distance(c.data()))
      << hand;
  EXPECT_EQ(ai.syanten[kShantenKnitted][slot], melds ? kWorstKnitted : reference_honours_knitted_distance(c.data()))
      << hand;
}

TEST_F(SeatEval, EveryDiscardOfFourSeatsMatchesTheReferences) {
  std::mt19937 rng(31);
  for (int round = 0; round < 150; ++round) {
    reset_table_state();
    std::vector<int> wall;
    for (int t : kPlayingTiles) wall.insert(wall.end(), 4, t);
    std::shuffle(wall.begin(), wall.end(), rng);
    for (int seat = 0; seat < kSeats; ++seat) {
      const int melds = (round + seat) % 5 == 4 ? 1 + seat % 2 : 0;
      const bool drawn = seat != round % 4;  // one seat waits between turns with slot 13 empty
      const int tiles = 14 - 3 * melds - (drawn ? 0 : 1);
      std::copy(wall.end() - tiles, wall.end(), g_hand[seat]);
      wall.resize(wall.size() - tiles);
      sort_hand_slots(g_hand[seat]);
      for (int m = 0; m < melds; ++m) add_meld(seat, kMeldChow, make_tile(m, 1));
    }
    refresh_hand_evaluations();
    for (int seat = 0; seat < kSeats; ++seat) {
      const SeatAiRecord& ai = AI[seat];
      int minima[kShantenForms] = {kWorstNormal, kWorstChiitoi, kWorstKokushi, kWorstKnitted};
      for (int slot = 0; slot < kHandSlots; ++slot) {
        const int v = g_hand[seat][slot];
        if (v == 0) {
          expect_slot_matches_references(seat, slot);  // the whole 13-tile hand
        } else if (is_free_slot(v)) {
          if (g_hand[seat][kDrawSlot] != 0) expect_slot_matches_references(seat, slot);
          EXPECT_EQ(ai.hai_syanten[v], ai.syanten[kShantenNormal][slot]);
        } else {
          EXPECT_EQ(ai.syanten[kShantenNormal][slot], kWorstNormal);
          EXPECT_EQ(ai.syanten[kShantenChiitoi][slot], kWorstChiitoi);
          EXPECT_EQ(ai.syanten[kShantenKokushi][slot], kWorstKokushi);
          EXPECT_EQ(ai.syanten[kShantenKnitted][slot], kWorstKnitted);
          continue;
        }
        for (int f = 0; f < kShantenForms; ++f) minima[f] = std::min(minima[f], ai.syanten[f][slot]);
      }
      EXPECT_EQ(ai.min_shanten, minima[kShantenNormal]);
      EXPECT_EQ(ai.min_shanten_chiitoi, minima[kShantenChiitoi]);
      EXPECT_EQ(ai.min_shanten_kokushi, minima[kShantenKokushi]);
      EXPECT_EQ(ai.min_shanten_knitted, minima[kShantenKnitted]);
      for (int t = 0; t < kHaiSyantenEntries; ++t) {
        const bool held = t != 0 && std::find(g_hand[seat], g_hand[seat] + kHandSlots, t) != g_hand[seat] + kHandSlots;
        EXPECT_TRUE(held || ai.hai_syanten[t] == kWorstNormal) << t;
      }
    }
  }
}

// What a refresh must leave for the seat, found as refreshes once found it:
// every discard judged alone by calc_shanten, then the minima, the best
// discard (lowest distance, most pairs, most blocks) and the per-kind rows.
// `last` is the reading of the seat's last new tile kind.
struct SlotBySlot {
  SeatAiRecord ai = kFreshAiRecord;
  bool any = false;
  ShantenResult last;
};

SlotBySlot refresh_slot_by_slot(int seat) {
  constexpr int kWorst[kShantenForms] = {kWorstNormal, kWorstChiitoi, kWorstKokushi, kWorstKnitted};
  SlotBySlot out;
  SeatAiRecord& ai = out.ai;
  int* minima[kShantenForms] = {&ai.min_shanten, &ai.min_shanten_chiitoi, &ai.min_shanten_kokushi,
                                &ai.min_shanten_knitted};
  std::vector<ShantenResult> found(kHandSlots);
  std::vector<bool> evaluated(kHandSlots, false);
  for (int slot = 0; slot < kHandSlots; ++slot) {
    const int v = g_hand[seat][slot];
    if (v < 0 || v > kRed) continue;
    calc_shanten(seat, slot);
    found[slot] = g_shanten;
    evaluated[slot] = true;
    if (std::find(g_hand[seat], g_hand[seat] + slot, v) == g_hand[seat] + slot) out.any = true, out.last = g_shanten;
    const int form[kShantenForms] = {g_shanten.normal, g_shanten.chiitoi, g_shanten.kokushi, g_shanten.knitted};
    for (int f = 0; f < kShantenForms; ++f) {
      ai.syanten[f][slot] = form[f];
      *minima[f] = std::min(*minima[f], form[f]);
    }
  }
  for (int slot = 0; slot < kHandSlots; ++slot) {
    const ShantenResult& r = found[slot];
    if (!evaluated[slot] || r.normal != ai.min_shanten) continue;
    if (std::pair(r.pairs, r.blocks) > std::pair(ai.best_pairs, ai.best_blocks)) ai.best_pairs = r.pairs, ai.best_blocks = r.blocks;
  }
  for (int slot = 0; slot < kHandSlots; ++slot) {
    const int v = g_hand[seat][slot];
    if (v >= 1 && v <= kRed) ai.hai_syanten[v] = ai.syanten[kShantenNormal][slot];
    for (int f = 0; f < kShantenForms && !evaluated[slot]; ++f) EXPECT_EQ(ai.syanten[f][slot], kWorst[f]);
  }
  return out;
}

// 1 when the distance fields differ (the first difference reported).
int differs(const SeatAiRecord& got, const SeatAiRecord& want, const std::string& what) {
  const auto same = [](const auto& a, const auto& b) { return std::equal(std::begin(a), std::end(a), std::begin(b)); };
  bool rows = true;
  for (int f = 0; f < kShantenForms; ++f) rows = rows && same(got.syanten[f], want.syanten[f]);
  const bool equal = rows && same(got.hai_syanten, want.hai_syanten) && got.min_shanten == want.min_shanten &&
                     got.min_shanten_chiitoi == want.min_shanten_chiitoi &&
                     got.min_shanten_kokushi == want.min_shanten_kokushi &&
                     got.min_shanten_knitted == want.min_shanten_knitted && got.best_pairs == want.best_pairs &&
                     got.best_blocks == want.best_blocks;
  EXPECT_TRUE(equal) << what;
  return equal ? 0 : 1;
}

// Random tables: plain hands, hands between turns, with a declared pung, a
// flower, most of a knitted arrangement or a fifth copy; rivers showing all
// four copies of some tiles. Each is refreshed twice, the second time with
// one seat's hand changed, so that the other seats' answers come from the
// memo and a stale one would show.
TEST_F(SeatEval, ARefreshLeavesWhatSlotBySlotEvaluationFinds) {
  std::mt19937 rng(20261207);
  int mismatches = 0;
  for (int round = 0; round < 160 && mismatches < 5; ++round) {
    reset_table_state();
    std::vector<int> wall;
    for (int t : kPlayingTiles) wall.insert(wall.end(), 4, t);
    std::shuffle(wall.begin(), wall.end(), rng);
    const std::array<int, 9>& arrangement = g_knitted_tiles[round % kKnittedArrangements];
    for (int seat = 0; seat < kSeats; ++seat) {
      const int variant = (round + seat) % 6;
      std::vector<int> tiles(wall.end() - 14, wall.end());
      wall.resize(wall.size() - 14);
      if (variant == 4) std::copy(arrangement.begin() + round % 2, arrangement.end(), tiles.begin());
      if (variant == 5) std::fill(tiles.begin(), tiles.begin() + 5, tiles[0]);
      if (variant == 3) tiles[round % 14] = kFirstFlower;
      std::fill(g_hand[seat], g_hand[seat] + kHandSlots, 0);
      std::copy(tiles.begin(), tiles.end() - (variant == 1 ? 1 : variant == 2 ? 3 : 0), g_hand[seat]);
      sort_hand_slots(g_hand[seat]);
      if (variant == 2) add_meld(seat, kMeldPung, tiles.back());
    }
    // Four copies shown of one arrangement tile and of one random tile.
    for (int k = 0; k < kMaxCopies; ++k) {
      g_river[k][g_river_count[k]++] = arrangement[round % 9];
      g_river[k][g_river_count[k]++] = wall[k == 0 ? 0 : round % 7] + (k == 3 ? 200 : 0);
    }
    for (int t = 0; t < kTileCodes; ++t) g_seen_counts[t] = 50 + t, g_visible_counts[t] = 9;
    for (int pass = 0; pass < 2; ++pass) {
      if (pass == 1) g_hand[round % kSeats][round % 11] = wall[8];
      refresh_hand_evaluations();
      const ShantenResult left = g_shanten;
      const SeatAiRecord got[kSeats] = {AI[0], AI[1], AI[2], AI[3]};
      TileCounts counts;
      count_tiles(g_river, g_river_count, g_melds, g_hand[0], 0, counts);
      EXPECT_TRUE(std::equal(counts.visible, counts.visible + kTileCodes, g_visible_counts));
      for (int t = 0; t < kTileCodes; ++t) EXPECT_EQ(g_seen_counts[t], 50 + t);
      ShantenResult last{};
      for (int seat = 0; seat < kSeats; ++seat) {
        const SlotBySlot want = refresh_slot_by_slot(seat);
        if (want.any) last = want.last;
        mismatches += differs(got[seat], want.ai,
                              "round " + std::to_string(round) + " pass " + std::to_string(pass) + " seat " +
                                  std::to_string(seat) + ": " + format_tiles(g_hand[seat], kHandSlots));
      }
      EXPECT_TRUE(left.normal == last.normal && left.chiitoi == last.chiitoi && left.kokushi == last.kokushi &&
                  left.knitted == last.knitted && left.blocks == last.blocks && left.pairs == last.pairs)
          << "round " << round;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST_F(SeatEval, BestDiscardPrefersPairsThenBlocks) {
  set_hand(1, "123m 456p 445s 789s 11z");  // 4s leaves a two-sided wait, 5s two pairs
  set_hand(2, "123m 45p 78p 34s 68s 11z 2z");  // the honour leaves one partial more
  set_hand(3, "123m 456p 789s 11z 2z 5s");  // between turns
  refresh_hand_evaluations();
  EXPECT_EQ(AI[1].min_shanten, 0);
  EXPECT_EQ(AI[1].syanten[kShantenNormal][slot_of(1, 24)], 0);
  EXPECT_EQ(AI[1].best_pairs, 2);
  EXPECT_EQ(AI[1].best_blocks, 5);
  EXPECT_EQ(AI[2].min_shanten, 2);
  EXPECT_EQ(AI[2].best_pairs, 1);
  EXPECT_EQ(AI[2].best_blocks, 6);
  EXPECT_EQ(AI[3].syanten[kShantenNormal][kDrawSlot], 1);
  EXPECT_EQ(AI[3].min_shanten, 1);
  EXPECT_EQ(AI[3].hai_syanten[32], 1);
  EXPECT_EQ(AI[3].hai_syanten[31], 2);
}

TEST_F(SeatEval, DeclaredMeldsAndFlowersTakeNoPart) {
  set_hand(0, "123m 456p 11z 45s 3f");
  add_meld(0, kMeldPung, kRed);
  refresh_hand_evaluations();
  const SeatAiRecord& ai = AI[0];
  for (int slot = 0; slot < kHandSlots; ++slot) {
    if (is_free_slot(g_hand[0][slot]) && g_hand[0][slot] <= kRed) continue;
    EXPECT_EQ(ai.syanten[kShantenNormal][slot], kWorstNormal) << slot;
    EXPECT_EQ(ai.syanten[kShantenChiitoi][slot], kWorstChiitoi) << slot;
    EXPECT_EQ(ai.syanten[kShantenKokushi][slot], kWorstKokushi) << slot;
    EXPECT_EQ(ai.syanten[kShantenKnitted][slot], kWorstKnitted) << slot;
  }
  EXPECT_EQ(ai.min_shanten, 1);  // the flower is declared, never thrown: it is not a discard here
  EXPECT_EQ(ai.min_shanten_chiitoi, kWorstChiitoi);
  EXPECT_EQ(ai.min_shanten_kokushi, kWorstKokushi);
  EXPECT_EQ(ai.min_shanten_knitted, kWorstKnitted);
  EXPECT_EQ(ai.hai_syanten[kRed], kWorstNormal);
}

TEST_F(SeatEval, AHandWithNothingToEvaluateKeepsTheWorstValues) {
  set_hand(0, "1234f");
  for (int slot = 4; slot < kHandSlots; ++slot) g_hand[0][slot] = make_slot(kRed, kPungSlot);
  refresh_hand_evaluations();
  EXPECT_EQ(AI[0].min_shanten, kWorstNormal);
  EXPECT_EQ(AI[0].best_blocks, 0);
  EXPECT_EQ(AI[0].best_pairs, 0);
}

// No real hand holds a fifth copy; a put-together one is hopeless unless
// the discard is one of the five.
TEST_F(SeatEval, AFifthCopyLeavesOnlyItsOwnDiscardsJudged) {
  set_hand(0, "11111m 234p 567s 99s 1z");
  refresh_hand_evaluations();
  for (int slot = 0; slot < kHandSlots; ++slot) {
    if (g_hand[0][slot] == 1) {
      expect_slot_matches_references(0, slot);
      EXPECT_EQ(AI[0].syanten[kShantenNormal][slot], 1) << slot;  // 1m 1z beside three sets and a pair
      continue;
    }
    EXPECT_EQ(AI[0].syanten[kShantenNormal][slot], kWorstNormal) << slot;
    EXPECT_EQ(AI[0].syanten[kShantenChiitoi][slot], kWorstChiitoi) << slot;
    EXPECT_EQ(AI[0].syanten[kShantenKokushi][slot], kWorstKokushi) << slot;
    EXPECT_EQ(AI[0].syanten[kShantenKnitted][slot], kWorstKnitted) << slot;
  }
}

// The shared distance area is left as the last evaluation of one slot left
// it: seat 3 has nothing to evaluate, so seat 2's last tile kind (East).
TEST_F(SeatEval, TheSharedDistancesAreThoseOfTheLastSlotEvaluated) {
  set_hand(2, "123m 456p 11z 45s 77s 88s");
  set_hand(3, "1234f");
  for (int slot = 4; slot < kHandSlots; ++slot) g_hand[3][slot] = make_slot(kRed, kPungSlot);
  refresh_hand_evaluations();
  const ShantenResult left = g_shanten;
  calc_shanten(2, slot_of(2, kEast));
  EXPECT_EQ(left.normal, g_shanten_normal);
  EXPECT_EQ(left.blocks, g_shanten_blocks);
  EXPECT_EQ(left.pairs, g_shanten_pairs);
  EXPECT_EQ(left.chiitoi, g_shanten_chiitoi);

  g_hand[3][0] = 5;  // one free tile, in slot 0: the last evaluation is of slot 0
  refresh_hand_evaluations();
  const ShantenResult only = g_shanten;
  calc_shanten(3, 0);
  EXPECT_EQ(only.normal, g_shanten_normal);
  EXPECT_EQ(only.blocks, g_shanten_blocks);
  EXPECT_EQ(only.blocks, 0);
}

TEST_F(SeatEval, DeadArrangementsAreJudgedOnTheTableAsItStands) {
  set_hand(0, "147m 258p 36s 123m 55z");  // lacks 9s: ready only while a 9s is live
  for (int i = 0; i < 4; ++i) g_river[1 + i % 3][g_river_count[1 + i % 3]++] = 29;
  for (int t = 0; t < kTileCodes; ++t) g_seen_counts[t] = 100 + t;
  g_visible_counts[29] = 0;  // counted before the last 9s was thrown
  refresh_hand_evaluations();
  EXPECT_GT(AI[0].syanten[kShantenNormal][kDrawSlot], 0);
  for (int t = 0; t < kTileCodes; ++t) EXPECT_EQ(g_seen_counts[t], 100 + t);

  g_river_count[1] = 0;  // now a 9s is live again, though the old count says otherwise
  g_visible_counts[29] = 4;
  refresh_hand_evaluations();
  EXPECT_EQ(AI[0].syanten[kShantenNormal][kDrawSlot], 0);
}

// An answer found before the one-suit table was loaded is not kept after.
TEST_F(SeatEval, ARefreshAfterTheTableIsLoadedReadsTheNormalFormAgain) {
  set_hand(0, "123m 456p 789s 11z 22z 5m");
  g_hai_table_loaded = 0;
  refresh_hand_evaluations();
  g_hai_table_loaded = 1;
  EXPECT_EQ(AI[0].min_shanten, kWorstNormal);
  refresh_hand_evaluations();
  EXPECT_EQ(AI[0].min_shanten, 0);
  EXPECT_EQ(AI[0].hai_syanten[5], 0);
}

// Each refresh answers for the table as it stands, whatever the refresh
// before it saw: a new tile, the same tiles in other slots, a declared
// meld, and the seats that did not move.
TEST_F(SeatEval, ARefreshAfterAnotherReadsTheHandsAsTheyAreNow) {
  const auto expect_every_discard_matches = [](int seat) {
    for (int slot = 0; slot < kHandSlots; ++slot)
      if (is_free_slot(g_hand[seat][slot])) expect_slot_matches_references(seat, slot);
  };
  set_hand(0, "123m 456p 789s 11z 22z 5m");
  set_hand(1, "147m 258p 369s 1234z 5z");
  refresh_hand_evaluations();
  const SeatAiRecord seat1 = AI[1];
  EXPECT_EQ(AI[0].syanten[kShantenNormal][slot_of(0, 5)], 0);

  set_hand(0, "123m 456p 789s 11z 2z 57m");  // the 5m stays, one 2z became a 7m
  refresh_hand_evaluations();
  expect_every_discard_matches(0);
  EXPECT_EQ(AI[0].syanten[kShantenNormal][slot_of(0, 32)], 0);  // waiting on 6m
  EXPECT_EQ(AI[0].syanten[kShantenNormal][slot_of(0, 5)], 1);
  for (int slot = 0; slot < kHandSlots; ++slot)
    for (int f = 0; f < kShantenForms; ++f) EXPECT_EQ(AI[1].syanten[f][slot], seat1.syanten[f][slot]) << slot;

  std::swap(g_hand[0][0], g_hand[0][kDrawSlot]);  // the 2z to slot 0, the 1m to slot 13
  refresh_hand_evaluations();
  expect_every_discard_matches(0);
  EXPECT_EQ(AI[0].syanten[kShantenNormal][0], 0);
  EXPECT_EQ(AI[0].syanten[kShantenNormal][kDrawSlot], 1);

  set_hand(0, "456p 789s 11z 2z 57m");
  add_meld(0, kMeldChow, 1);  // the 123m declared
  refresh_hand_evaluations();
  expect_every_discard_matches(0);
  EXPECT_EQ(AI[0].min_shanten, 0);
}

}  // namespace
