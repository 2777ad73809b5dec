// Choosers of the patterns built in one suit from a fixed shape: seven
// shifted pairs, pure terminal chows and nine gates. The variant names the
// suit (and for the pairs the first rank of their seven-rank window).
#include <array>

#include "com/aimed/aimed_rules.h"
#include "com/aimed/chooser_scans.h"
#include "com/hand_terms.h"

namespace {

constexpr int kPureTerminalChows = 68;
constexpr int kSevenShiftedPairs = 75;
constexpr int kNineGates = 79;

constexpr int kWindowRanks = 7;
constexpr int kLastWindowStart = 10 - kWindowRanks;  // the window ends at rank 9
constexpr std::array kNineGatesRanks{1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9};

constexpr bool is_suit_index(int suit) { return suit >= kCharacters && suit <= kBamboo; }
bool in_suit(int tile, int suit) { return suit_of(tile) == suit; }

// Seven shifted pairs: by how often a tile is held (singles first, pairs
// last), then honour, another suit, outside the window, and for triples
// and quads any tile of the suit.
struct HeldStep {
  int held;
  int first_code;
  bool any_of_suit;
};
constexpr std::array kShiftedPairSteps{
    HeldStep{1, 10, false}, HeldStep{3, 20, true}, HeldStep{4, 30, true}, HeldStep{2, 40, false}};

// A tile of the window held once or twice is never chosen, except when
// its other copies are all visible (code 0).
void discard_shifted_pairs(int seat, int suit, int start) {
  if (pick_first(seat, kSevenShiftedPairs, 0, three_visible)) return;
  const auto other_suit = [=](int tile) { return !in_suit(tile, suit); };
  const auto outside = [=](int tile) {
    return in_suit(tile, suit) && (rank_of(tile) < start || rank_of(tile) >= start + kWindowRanks);
  };
  const auto of_suit = [=](int tile) { return in_suit(tile, suit); };
  for (const HeldStep& step : kShiftedPairSteps) {
    const auto pick = [&](int code, auto kind) {
      const auto qualifies = [&](int tile) { return held(tile) == step.held && kind(tile); };
      return pick_first(seat, kSevenShiftedPairs, code, qualifies);
    };
    const int code = step.first_code;
    if (pick(code, is_honour) || pick(code + 1, other_suit) || pick(code + 2, outside)) return;
    if (step.any_of_suit && pick(code + 3, of_suit)) return;
  }
}

// The first rules of pure terminal chows and nine gates: single honours,
// most visible first; tiles of the other suits, least held first; honour
// sets. Their codes differ between the two patterns.
struct OffSuitCodes {
  int single_honour;
  int other_suit;
  int honour_set;
};

bool pick_off_suit(int seat, int yaku, int suit, const OffSuitCodes& codes) {
  const auto single_honour = [](int tile) { return is_honour(tile) && held_once(tile); };
  if (pick_most_visible(seat, yaku, codes.single_honour, 3, single_honour)) return true;
  if (pick_least_held(seat, yaku, codes.other_suit, [=](int tile) { return !in_suit(tile, suit); }, 1, 3)) return true;
  return pick_least_held(seat, yaku, codes.honour_set, is_honour, 2);
}

}  // namespace

void discard_seven_shifted_pairs(int seat) {
  if (!aims_at_any(seat, {kSevenShiftedPairs})) return;
  const int suit = g_ai_target_variant[seat] / 10;
  const int start = g_ai_target_variant[seat] % 10;
  if (!is_suit_index(suit) || start < 1 || start > kLastWindowStart) return;
  discard_shifted_pairs(seat, suit, start);
}

void discard_pure_terminal_chows(int seat) {
  if (!aims_at_any(seat, {kPureTerminalChows})) return;
  const int suit = g_ai_target_variant[seat];
  if (!is_suit_index(suit)) return;
  if (pick_off_suit(seat, kPureTerminalChows, suit, {0, 1, 2})) return;
  const auto set_of_suit = [=](int tile) { return in_suit(tile, suit) && held(tile) >= 3; };
  const auto four_or_six = [=](int tile) { return in_suit(tile, suit) && (rank_of(tile) == 4 || rank_of(tile) == 6); };
  if (pick_first(seat, kPureTerminalChows, 3, set_of_suit)) return;
  pick_first(seat, kPureTerminalChows, 4, four_or_six);
}

// Code 20 takes what is left beside the template 1112345678999 of the suit;
// when nothing is, the pool goes back as it was.
void discard_nine_gates(int seat) {
  if (!aims_at_any(seat, {kNineGates})) return;
  const int suit = g_ai_target_variant[seat];
  if (!is_suit_index(suit)) return;
  if (pick_off_suit(seat, kNineGates, suit, {0, 10, 1})) return;
  const PoolCopy entry;
  for (int rank : kNineGatesRanks) keep_copies(make_tile(suit, rank), 1);
  if (pick_first(seat, kNineGates, 20, any_tile)) return;
  entry.give_back_if_emptied();
}
