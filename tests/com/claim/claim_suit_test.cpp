// The one-suit and tile-range claim rules on worked hands of a seat (seat 1;
// seat 0, its left neighbour, may be chowed) and their mirror images, then
// over seeded random states. Every run checks the claim-rule contract: hand,
// melds, counts and target record as before, at most one flag, the decision
// recorded and kept by the table's recheck, the discard stored.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "base/ai_record.h"
#include "base/seat_eval.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "core/hai_table.h"
#include "flow/claim_offers.h"
#include "support/hai_table_once.h"
#include "support/hand_builder.h"
#include "support/test_workdir.h"

namespace {

constexpr int kSeat = 1, kLeft = 0, kOpp = 3;
constexpr int H = kChiDiscardHighest, M = kChiDiscardMiddle, L = kChiDiscardLowest;

struct Claim {
  int call = 0, shape = 0, reason = 0;  // call 0 none, else a NakiCall
  bool operator==(const Claim&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Claim& c) {
  return os << "{call " << c.call << ", shape " << c.shape << ", reason " << c.reason << "}";
}
constexpr Claim kNone{}, kSkip{-1};
constexpr Claim pung(int reason) { return {kNakiPung, 0, reason}; }
constexpr Claim chow(int shape, int reason) { return {kNakiChow, shape, reason}; }

int mirrored(int tile) { return is_suited(tile) ? make_tile(suit_of(tile), 10 - rank_of(tile)) : tile; }

void (*rule_of(int yaku))(int) {
  return yaku == 61 ? naki_lower_tiles : yaku == 59 ? naki_upper_tiles : yaku == 60 ? naki_middle_tiles : naki_one_suit;
}

// How a worked hand is set up beyond its tiles. Without the one-suit table
// every distance stays at its worst, so no simulated call can come nearer
// to ready and the shapes and leftovers decide.
struct Opts {
  int yaku = 55, variant = kDots;
  int from = kLeft;
  bool table = false;
  int min_shanten = 3, blocks = 4, pairs = 1;
  const char* visible = "";     // copies in another river
  int meld_kind = 0, meld = 0;  // a declared meld (a chow by its lowest tile)
};
// The hand mirrored (rank r to 10 - r) meets the mirror rule (lower and
// upper tiles exchanged) with `mirror`; kSkip: not tried.
struct Row {
  const char* hand;
  const char* discard;
  Claim expect, mirror = kSkip;
  Opts o = {};
};

class SuitClaims : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { fill_hai_table_once(); }
  void SetUp() override { reset(); }
  void TearDown() override { g_hai_table_loaded = 1; }
  void reset() {
    reset_program_state();
    g_hai_table_loaded = 1;
    g_wall_count = 40;
  }

  void deal(const std::vector<int>& hand, int discard, int from) {
    std::array<int, kHandSlots> slots{};
    std::copy(hand.begin(), hand.end(), slots.begin());
    sort_hand_slots(slots.data());
    std::copy(slots.begin(), slots.end(), g_hand[kSeat]);
    g_discarder = from;
    g_river[from][g_river_count[from]++] = discard;
  }

  // The rule run as the decider runs it, its decision read back.
  Claim run(int yaku) {
    count_hand_tiles(kSeat);
    count_visible_tiles(kSeat);
    const std::vector<int> before = table_words();
    rule_of(yaku)(kSeat);
    EXPECT_EQ(table_words(), before) << "hand, melds, counts or target record changed";
    const bool served = yaku == 31 || yaku == 55 || yaku == 75 || yaku == 79 || (yaku >= 59 && yaku <= 61);
    EXPECT_EQ(g_naki_tile, served ? g_river[g_discarder][g_river_count[g_discarder] - 1] : 0);
    Claim out;
    for (int call = kNakiPung; call <= kNakiKong; ++call)
      if (g_naki_flags[kSeat][call] == 1) out.call = out.call == 0 ? call : -2;
    EXPECT_EQ(g_naki_decided, out.call != 0 ? 1 : 0);
    if (out.call <= 0) return out;
    EXPECT_EQ(AI[kSeat].naki_yaku, yaku);
    out = {out.call, out.call == kNakiChow ? g_chi_variant[kSeat] : 0, AI[kSeat].naki_reason};
    recheck_naki_flags();
    EXPECT_EQ(g_naki_flags[kSeat][out.call], 1) << "the table withdrew it";
    return out;
  }

  Claim run_row(const Row& row, bool mirror) {
    reset();
    const Opts& o = row.o;
    const auto tiles = [&](const char* text) {
      std::vector<int> t = parse_tiles(text);
      if (mirror) std::transform(t.begin(), t.end(), t.begin(), mirrored);
      return t;
    };
    const int yaku = !mirror ? o.yaku : o.yaku == 61 ? 59 : o.yaku == 59 ? 61 : o.yaku;
    g_ai_target_yaku[kSeat] = yaku;
    g_ai_target_variant[kSeat] = o.variant;
    AI[kSeat].min_shanten = o.min_shanten;
    AI[kSeat].best_blocks = o.blocks;
    AI[kSeat].best_pairs = o.pairs;
    for (int t : tiles(o.visible)) g_river[2][g_river_count[2]++] = t;
    deal(tiles(row.hand), tiles(row.discard).at(0), o.from);
    const int meld = !mirror ? o.meld : o.meld_kind == kMeldChow ? mirrored(o.meld + 2) : mirrored(o.meld);
    if (o.meld_kind != 0) add_meld(kSeat, o.meld_kind, meld);
    g_hai_table_loaded = o.table;
    return run(yaku);
  }

  void check(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
      SCOPED_TRACE(std::string(row.hand) + " + " + row.discard + " for " + std::to_string(row.o.yaku));
      EXPECT_EQ(run_row(row, false), row.expect);
      if (row.mirror.call != kSkip.call) {
        EXPECT_EQ(run_row(row, true), row.mirror) << "mirrored";
      }
    }
  }

 private:
  static std::vector<int> table_words() {
    std::vector<int> v(g_hand[kSeat], g_hand[kSeat] + kHandSlots);
    v.insert(v.end(), g_melds[kSeat], g_melds[kSeat] + kMeldSlots);
    for (const int* counts : {g_hand_counts, g_visible_counts, g_seen_counts})
      v.insert(v.end(), counts, counts + kTileCodes);
    v.insert(v.end(), {g_ai_target_yaku[kSeat], g_ai_target_variant[kSeat]});
    v.insert(v.end(), g_ai_chow_candidates[kSeat], g_ai_chow_candidates[kSeat] + kChowCandidates);
    return v;
  }
};

// A full-flush seat in dots.
TEST_F(SuitClaims, OneSuit) {
  constexpr Opts kPungs{.from = kOpp}, kBarePungs{.from = kOpp, .pairs = 0};
  constexpr Opts kSim{.table = true}, kSimPungs{.from = kOpp, .table = true};
  check({
      // Each shape case on a hand that holds its window, and its mirror image.
      {"13p", "2p", chow(M, 992), chow(M, 998), {.blocks = 9}},
      {"1334p", "2p", chow(M, 982), chow(M, 988)},
      {"13345p", "2p", chow(M, 972), chow(M, 978)},
      {"1123344p", "2p", chow(M, 962), chow(M, 968)},
      {"2456p", "3p", chow(M, 892), chow(M, 898)},
      {"3556p", "4p", chow(M, 882), chow(M, 888), {.blocks = 9}},
      {"1344p", "2p", chow(M, 882), chow(M, 888)},
      {"33345p", "6p", chow(H, 871), chow(L, 873)},
      {"111239p", "4p", chow(H, 871), chow(L, 873)},  // D-5 lies outside the suit; D+5 is no veto
      {"133345p", "6p", kNone},                       // D-5 is
      {"22456667p", "3p", chow(L, 863), chow(H, 861)},
      {"333456p", "7p", chow(H, 791), chow(L, 793)},
      {"333456p 8p", "7p", kNone},
      {"3345p", "6p", chow(H, 781), chow(L, 783)},
      {"1123p", "4p", chow(H, 781), chow(L, 783)},
      {"3345p", "6p", kNone, kNone, {.blocks = 5}},
      {"4456p", "5p", chow(M, 772), chow(M, 778)},
      {"3455p", "6p", chow(H, 761), chow(L, 763)},
      {"3455p", "6p", kNone, kSkip, {.visible = "44p"}},
      {"3455p", "6p", kNone, kSkip, {.blocks = 5}},
      {"2233456p", "7p", chow(H, 751), chow(L, 753)},
      {"2233456p", "7p", kNone, kNone, {.blocks = 5}},
      {"2345566p", "7p", chow(H, 741), chow(L, 743)},
      {"3344567p", "5p", chow(H, 731), chow(L, 733)},
      {"2345p", "6p", chow(H, 721), chow(L, 723)},
      {"2345p", "6p", kNone, kSkip, {.blocks = 5}},
      {"4567p", "5p", chow(L, 713), chow(H, 711)},
      {"2345p", "3p", chow(L, 713), chow(H, 711)},  // ranks 3 and 7
      {"6789p", "7p", chow(L, 713), chow(H, 711)},
      {"1234p", "2p", kNone, kNone},                // rank 2 (and 8) lie outside
      {"2345p 7p", "3p", kNone},                    // D+4 vetoes it
      {"4567p", "5p", kNone, kSkip, {.blocks = 5}},
      {"245566p", "3p", chow(M, 702), chow(M, 708)},
      {"3455p", "5p", chow(H, 693), chow(L, 697)},
      {"4456p", "4p", chow(L, 697)},   // 693's mirror reads 677's window first
      {"44568p", "4p", chow(L, 677)},  // unless an 8 vetoes it
      {"3345p", "5p", chow(H, 673)},
      {"1123p", "3p", chow(H, 673)},                          // its lowest rank
      {"7789p", "9p", chow(H, 673)},                          // and its highest
      {"5677p", "5p", kNone},                                 // it has no mirror image
      {"3345p", "5p", kNone, kSkip, {.blocks = 5}},
      {"3345p", "5p", kNone, kSkip, {.visible = "444p"}},     // every 4 seen
      {"3567p", "5p", chow(L, 663), chow(H, 667)},
      {"1345p", "3p", chow(L, 663), chow(H, 667)},
      {"1122345p", "1p", pung(591), pung(599), kPungs},
      {"1122345p", "2p", pung(582), pung(588), kPungs},
      {"33456p", "3p", pung(491), pung(499), kPungs},
      {"4445p", "4p", pung(481), pung(489), kPungs},
      {"1123456p", "1p", pung(471), pung(479), kBarePungs},
      {"11234568p", "1p", kNone, kSkip, kBarePungs},         // an 8 vetoes 471 on a 1
      {"4456789p 1s", "4p", pung(471), pung(479), kBarePungs},  // on a 4 the veto is no tile, not a 1s
      {"3345p", "3p", pung(461), pung(469), kBarePungs},
      {"3345p", "3p", kNone, kSkip, kPungs},
      {"24446p", "4p", pung(450), pung(450), kPungs},
      {"4446p", "4p", kNone, kSkip, kPungs},
      {"24446p", "4p", kNone, kSkip, kBarePungs},  // 450 wants a pair in the best reading
      {"13p", "2p", kNone, kSkip, kPungs},
      // B: best_blocks less the other suits' blocks (chows, pungs, pairs, runs, gaps in turn) below 5.
      {"333456p 1m 9s", "7p", chow(H, 791)},
      {"333456p 1m 9s", "7p", kNone, kSkip, {.blocks = 5}},
      {"333456p 1223m", "7p", chow(H, 791), kSkip, {.blocks = 5}},
      {"333456p 11123m", "7p", chow(H, 791), kSkip, {.blocks = 6}},
      {"333456p 12389m", "7p", chow(H, 791), kSkip, {.blocks = 6}},
      {"333456p 2479m", "7p", chow(H, 791), kSkip, {.blocks = 6}},
      {"333456p 999m", "7p", chow(H, 791), kSkip, {.blocks = 5}},
      {"333456p 13m 55s 99s", "7p", chow(H, 791), kSkip, {.blocks = 7}},
      {"333456p 1122m", "7p", kNone, kSkip, {.blocks = 7}},
      {"333456p 5556m", "7p", kNone, kSkip, {.blocks = 6}},
      {"333456p 2333m", "7p", kNone, kSkip, {.blocks = 6}},
      // The simulation: the one call that alone brings the suit nearer.
      {"13579p 112233z 45z", "2p", chow(M, 912), kSkip, kSim},
      {"12p 579p 112233z 45z", "3p", chow(H, 911), chow(L, 913), kSim},
      {"55p 19p 112233z 456z", "5p", pung(920), kSkip, kSimPungs},
      {"77z 159p 19s 123456z", "7z", pung(920), kSkip, kSimPungs},
      {"777z 159p 19s 12345z", "7z", kNone, kSkip, kSimPungs},  // an honour only from a pair
      {"1123344p 123456z", "2p", chow(M, 962), kSkip, kSim},     // two chows gain: the shapes decide
      {"13p 555777999p 11z", "2p", chow(M, 992), kSkip, {.table = true, .min_shanten = 2}},  // ready: no gain
      // What the best decomposition's sets leave.
      {"34p 8p 111z 222z", "5p", chow(H, 1), chow(L, 3)},
      {"124p 789p 111z", "3p", chow(H, 1), chow(L, 3)},
      {"334p 111z 222z", "5p", chow(H, 1)},
      {"3344p 111z 222z", "5p", chow(H, 1)},
      {"3344p 111z 222z", "5p", chow(H, 11), kSkip, {.blocks = 5}},  // 3-4 as a run leaves 3 4
      {"1234557p 111z 222z", "6p", chow(M, 12)},
      {"2335666p 111z 222z", "4p", chow(M, 12)},  // the run 2-3 too (else 28)
      {"466p 111z 222z 333z", "5p", chow(M, 2), chow(M, 2)},
      {"4466p 111z 222z 333z", "5p", kNone},
      {"3566789p 111z 222z", "4p", chow(M, 22)},  // 882 read on what 789 leaves
      {"55p 77z 111z 222z 333z", "5p", pung(10), kSkip, kPungs},
      {"123p 456p 789p 77z 1z", "7z", pung(11), kSkip, kPungs},
      {"55p 123p 789p 111z 7z", "5p", pung(12), kSkip, kPungs},
      {"55p 123p 789p 1z 19s", "5p", pung(13), kSkip, {.from = kOpp, .min_shanten = 1}},
      {"55p 123p 789p 1s 222z", "5p", pung(13), kSkip, kPungs},
      {"55p 123p 789p 111z", "5p", kNone, kSkip, kPungs},
      // Gates.
      {"13p 2m", "2m", kNone},
      {"13p 9s", "2p", kNone, kSkip, {.min_shanten = 1}},
      {"13p 19s", "2p", chow(M, 992), kSkip, {.min_shanten = 1}},
      {"13s", "2s", chow(M, 992), kSkip, {.yaku = 75, .variant = 10 * kBamboo + 1}},
      {"13p", "2p", kNone, kSkip, {.yaku = 75, .variant = kDots}},
      {"13p", "2p", kNone, kSkip, {.yaku = 54}},
  });
}

TEST_F(SuitClaims, TileRanges) {
  constexpr Opts kLow{.yaku = 61}, kLowPungs{.yaku = 61, .from = kOpp};
  constexpr Opts kMid{.yaku = 60}, kMidPungs{.yaku = 60, .from = kOpp};
  const auto low_with = [](int kind, int tile) { return Opts{.yaku = 61, .meld_kind = kind, .meld = tile}; };
  check({
      // Calls are made by the simulation only when alone they bring the range nearer.
      {"11233p 789m 789s 99m", "1p", pung(920), pung(920), {.yaku = 61, .from = kOpp, .table = true}},
      {"11233p 123123m 44s", "1p", pung(101), pung(109), {.yaku = 61, .from = kOpp, .table = true}},
      {"11233p 789m 789s 99m", "1p", pung(101), pung(109), {.yaku = 61, .table = true}},
      {"44p 19m 19s 1234567z", "4p", pung(920), kSkip, {.yaku = 61, .from = kOpp, .table = true}},
      {"44p 19m 19s 1234567z", "4p", pung(10), kSkip, {.yaku = 60, .from = kOpp, .table = true}},
      // Only the range's own ranks.
      {"55p 46p", "5p", kNone, kNone, kLow},
      {"44z 46p", "4z", kNone, kSkip, kLow},
      {"33p 24p", "3p", kNone, kNone, kMid},
      // Pung shapes, then the pair the range's sets leave.
      {"11233p", "1p", pung(101), pung(109), kLowPungs},
      {"1122233p", "1p", pung(101), pung(109), kLowPungs},
      {"23344p", "3p", pung(102), pung(108), kLowPungs},
      {"23344p", "4p", pung(103), pung(107), kLowPungs},
      {"112334p", "1p", kNone, kNone, kLowPungs},
      {"1144p", "1p", pung(10), pung(10), kLowPungs},
      {"44566p", "4p", pung(10), pung(10), kLowPungs},  // 5 and 6 lie outside the range
      {"112233p", "1p", kNone, kNone, kLowPungs},
      {"11123p", "1p", pung(10), pung(10), kLowPungs},  // the chow comes off before the pung
      {"11333p", "1p", pung(10), pung(10), kLowPungs},
      {"1113p", "2p", kNone, kNone, kLow},
      {"44566p", "4p", pung(104), pung(106), kMidPungs},
      {"45566p", "5p", pung(105), pung(105), kMidPungs},
      {"44p", "4p", pung(10), pung(10), kMidPungs},
      {"4456p", "4p", kNone, kNone, kMidPungs},  // 4-5-6 set aside
      // Leftover chows: the upper rule numbers the mirrors of lower cases 4 and 6 the other way round.
      {"12p", "3p", chow(H, 1), chow(L, 1), kLow},
      {"13p", "2p", chow(M, 2), chow(M, 2), kLow},
      {"23p", "1p", chow(L, 3), chow(H, 3), kLow},
      {"34p", "2p", chow(L, 4), chow(H, 6), kLow},
      {"24p", "3p", chow(M, 5), chow(M, 5), kLow},
      {"23p", "4p", chow(H, 6), chow(L, 4), kLow},
      {"12p", "3p", kNone, kNone, kLowPungs},
      {"45p", "6p", chow(H, 0), chow(L, 2), kMid},
      {"46p", "5p", chow(M, 1), chow(M, 1), kMid},
      // Leftovers 1 1 2 _ 4: 2-3-4 when a set touches the 4, else 1-2-3.
      {"1124p", "3p", chow(H, 1), chow(L, 1), kLow},
      {"1124p", "3p", chow(M, 0), chow(L, 1), low_with(kMeldPung, kNorth)},
      {"9986p", "7p", chow(M, 0), chow(H, 1), {.yaku = 59, .meld_kind = kMeldPung, .meld = kGreen}},
      {"1124p", "3p", chow(H, 1), chow(L, 1), low_with(kMeldPung, kWest)},
      {"1124p", "3p", chow(M, 0), chow(M, 0), low_with(kMeldMeldedKong, 4)},
      {"1124p", "3p", chow(M, 0), chow(M, 0), low_with(kMeldChow, 22)},
      {"1124p", "3p", chow(H, 1), chow(L, 1), low_with(kMeldChow, 21)},
      {"1124p", "3p", chow(H, 1), chow(L, 1), low_with(kMeldChow, 24)},
      {"1124p 234m", "3p", chow(M, 0), chow(M, 0), kLow},
      {"1124p 444s", "3p", chow(M, 0), chow(M, 0), kLow},
      {"1124p 444m", "3p", chow(M, 0), chow(M, 0), kLow},
      {"1124p 333m", "3p", chow(H, 1), chow(L, 1), kLow},
      {"1124p 234z", "3p", chow(H, 1), chow(L, 1), kLow},
      {"1124p 444z", "3p", chow(H, 1), chow(L, 1), kLow},
      {"124p", "3p", chow(H, 1), kSkip, low_with(kMeldPung, kNorth)},
      {"11244p", "3p", chow(H, 1), kSkip, low_with(kMeldPung, kNorth)},
  });
}

// Seeded random states: hands leaning to the aimed suit or range, melds,
// visible tiles, discards from every other seat, half of them without the
// one-suit table. Each run keeps the contract that run() checks.
TEST_F(SuitClaims, RandomStatesKeepTheContract) {
  std::mt19937 rng(20261109);
  const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  std::array<int, kTileCodes> used{};
  const auto draw = [&](int suit, int low, int high) {
    for (;;) {
      const int roll = pick(10);
      const int t = roll < 6   ? make_tile(suit < 0 ? pick(3) : suit, low + pick(high - low + 1))
                    : roll < 8 ? kEast + pick(7)
                               : make_tile(pick(3), 1 + pick(9));
      if (used[t] < 4) return ++used[t], t;
    }
  };
  constexpr int kAims[] = {31, 55, 75, 79, 61, 59, 60};
  int decisions = 0;
  for (int state = 0; state < 1400 && !HasFailure(); ++state) {
    reset();
    used.fill(0);
    const int yaku = kAims[state % 7], suit = pick(3);
    const int low = yaku == 59 ? 6 : yaku == 60 ? 4 : 1, high = yaku == 61 ? 4 : yaku == 60 ? 6 : 9;
    const int lean = yaku == 59 || yaku == 60 || yaku == 61 ? -1 : suit;
    g_ai_target_yaku[kSeat] = yaku;
    g_ai_target_variant[kSeat] = yaku == 75 ? 10 * suit + 1 + pick(3) : suit;
    const int melds = pick(3);
    std::vector<int> hand;
    for (int i = 0; i < 13 - 3 * melds; ++i) hand.push_back(draw(lean, low, high));
    for (int i = pick(12); i > 0; --i) g_river[2][g_river_count[2]++] = draw(-1, 1, 9);
    deal(hand, draw(lean, low, high), (kSeat + 1 + pick(3)) % kSeats);
    for (int m = 0; m < melds; ++m) {
      const int t = draw(lean, low, std::min(high, 7));
      if (is_suited(t) && rank_of(t) <= 7 && used[t + 1] < 4 && used[t + 2] < 4 && pick(2) == 0) {
        ++used[t + 1], ++used[t + 2];
        add_meld(kSeat, kMeldChow, t, 0);
      } else if (used[t] <= 2) {
        used[t] += 2;
        add_meld(kSeat, kMeldPung, t, 0);
      }
    }
    refresh_hand_evaluations();
    g_hai_table_loaded = state % 2;
    SCOPED_TRACE("state " + std::to_string(state) + ", target " + std::to_string(yaku));
    decisions += run(yaku).call != 0;
  }
  EXPECT_GT(decisions, 100) << "the states must bring decisions";
}

}  // namespace
