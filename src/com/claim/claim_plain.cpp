#include <algorithm>
#include <array>

#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "base/yaku_table.h"
#include "base/table_state.h"

// Claims that serve no aimed pattern, the melded hand's calls, and the
// fallback that closes the chain. They decide from tile counts alone.

namespace {

constexpr int kMotiveExtraKong = 22;
constexpr int kMotiveTwoDragonPungs = 26;
constexpr int kMotiveMeldedHand = 32;
constexpr int kMotiveFallback = 33;

bool has_meld(int seat, bool (*test)(int code)) {
  return std::any_of(g_melds[seat], g_melds[seat] + kMeldSlots, [&](int code) { return code != 0 && test(code); });
}


// ---------------------------------------------------------- two dragon pungs

bool dragon_held(int seat, int dragon) { return held(dragon) >= 3 || declared_pungs_of(seat, dragon) > 0; }
bool dragon_live_pair(int dragon) { return held(dragon) == 2 && seen_by_all(dragon) < 2; }
bool dragon_counts(int seat, int dragon) { return dragon_held(seat, dragon) || dragon_live_pair(dragon); }

// Each of them held or a live pair also promises, but that is already one
// held, or two live pairs with few copies seen.
bool other_dragons_promise(int seat, int o1, int o2) {
  const bool few_visible = seen_by_all(o1) < 2 && seen_by_all(o2) < 2;
  return ((dragon_live_pair(o1) || dragon_live_pair(o2)) && few_visible) || dragon_held(seat, o1) ||
         dragon_held(seat, o2);
}

// Value the seat's other melds already carry: a terminal or wind set, and
// kongs (a concealed one twice).
int other_melded_value(int seat) {
  int value = 0;
  for (int code : g_melds[seat]) {
    if (code == 0 || meld_kind(code) < kMeldPung) continue;
    const int tile = meld_tile(code);
    if (is_terminal(tile) || is_wind(tile)) ++value;
    if (meld_kind(code) == kMeldConcealedKong) value += 2;
    if (meld_kind(code) == kMeldMeldedKong) ++value;
  }
  return value;
}

bool dragon_kong_wanted(int seat) {
  const bool all_dragons = dragon_counts(seat, kWhite) && dragon_counts(seat, kGreen) && dragon_counts(seat, kRed);
  int triples = 0;
  for (int dragon = kWhite; dragon <= kRed; ++dragon) triples += held(dragon) >= 3;
  return !all_dragons && triples < 2 && other_melded_value(seat) < 2;
}

// --------------------------------------------------------------- melded hand

enum Need : int { kAny = -1, kNone = 0, kSome = 1 };

// One chow case: the shape, the seat's copies of D-2 .. D+2, and the offset
// of a tile that must not be held as well (0: no such tile).
struct MeldedChowCase {
  int code;
  int shape;
  std::array<int, 5> need;
  int excluded;
};

constexpr std::array<MeldedChowCase, 8> kExcludingChowCases{{
    {0, kChiDiscardLowest, {kAny, kNone, kNone, kSome, kSome}, -2},
    {1, kChiDiscardHighest, {kSome, kSome, kNone, kNone, kAny}, 2},
    {2, kChiDiscardMiddle, {kNone, kSome, kNone, kSome, kAny}, -3},
    {3, kChiDiscardMiddle, {kAny, kSome, kNone, kSome, kNone}, 3},
    {10, kChiDiscardLowest, {kAny, kNone, kSome, kSome, kSome}, -2},
    {11, kChiDiscardHighest, {kSome, kSome, kSome, kNone, kAny}, 2},
    {12, kChiDiscardMiddle, {kNone, kSome, kSome, kSome, kAny}, -3},
    {13, kChiDiscardMiddle, {kAny, kSome, kSome, kSome, kNone}, 3},
}};

// 42, 51 and 52 never fire: an earlier case always takes the same tiles.
constexpr std::array<MeldedChowCase, 6> kAnyChowCases{{
    {40, kChiDiscardLowest, {kAny, kAny, kNone, kSome, kSome}, 0},
    {41, kChiDiscardHighest, {kSome, kSome, kNone, kAny, kAny}, 0},
    {42, kChiDiscardMiddle, {kAny, kSome, kNone, kSome, kAny}, 0},
    {50, kChiDiscardLowest, {kAny, kAny, kSome, kSome, kSome}, 0},
    {51, kChiDiscardHighest, {kSome, kSome, kSome, kAny, kAny}, 0},
    {52, kChiDiscardMiddle, {kAny, kSome, kSome, kSome, kAny}, 0},
}};

// In the order tried: 0 to 13, the same as 20 to 33 without their
// exclusions, then 40 to 52.
constexpr std::array<MeldedChowCase, 22> kMeldedChowCases = [] {
  std::array<MeldedChowCase, 22> all{};
  for (int i = 0; i < 8; ++i) {
    all[i] = all[8 + i] = kExcludingChowCases[i];
    all[8 + i].code += 20;
    all[8 + i].excluded = 0;
  }
  for (int i = 0; i < 6; ++i) all[16 + i] = kAnyChowCases[i];
  return all;
}();
static_assert(kMeldedChowCases[9].code == 21 && kMeldedChowCases[15].code == 33 && kMeldedChowCases[16].code == 40);

// The ranks of the discard each chow shape admits under the melded hand's
// variant: 0 and 1 any chow, 2 only chows of ranks 2 to 8.
bool shape_admits(int variant, int shape, int rank) {
  if (variant != 0 && variant != 1 && variant != 2) return false;
  const int narrow = variant == 2 ? 1 : 0;
  switch (shape) {
    case kChiDiscardLowest: return rank >= 1 + narrow && rank <= 7 - narrow;
    case kChiDiscardHighest: return rank >= 3 + narrow && rank <= 9 - narrow;
    default: return rank >= 2 + narrow && rank <= 8 - narrow;
  }
}

bool case_holds(const MeldedChowCase& c, int tile) {
  for (int k = -2; k <= 2; ++k) {
    const int need = c.need[k + 2];
    const int held = held_at(tile, k);
    if ((need == kNone && held != 0) || (need == kSome && held == 0)) return false;
  }
  return c.excluded == 0 || held_at(tile, c.excluded) == 0;
}

bool melded_hand_chow(int seat, int tile) {
  if (!may_chow(seat, tile)) return false;
  for (const MeldedChowCase& c : kMeldedChowCases) {
    if (!shape_admits(g_ai_target_variant[seat], c.shape, rank_of(tile)) || !case_holds(c, tile)) continue;
    decide_claim(seat, kNakiChow, c.shape, kMotiveMeldedHand, c.code);
    return true;
  }
  return false;
}

// Suited pungs: the first case keeps a tile with no lower neighbour, the
// second one with no upper neighbour.
bool melded_hand_pung(int seat, int tile) {
  const int variant = g_ai_target_variant[seat];
  if (held(tile) < 2) return false;
  if (is_suited(tile)) {
    const int rank = rank_of(tile);
    if (variant != 0 && !(variant == 2 && rank >= 2 && rank <= 8)) return false;
    int code = -1;
    if (held_at(tile, -1) == 0 && held_at(tile, -2) == 0)
      code = 100;
    else if (held_at(tile, 1) == 0 && held_at(tile, 2) == 0)
      code = 101;
    if (code < 0) return false;
    decide_claim(seat, kNakiPung, 0, kMotiveMeldedHand, code);
    return true;
  }
  const bool value_honour = tile == seat_wind_tile(seat, g_dealer) || tile == kEast + g_round_wind || is_dragon(tile);
  if (held(tile) != 2 || (variant != 0 && !value_honour)) return false;
  decide_claim(seat, kNakiPung, 0, kMotiveMeldedHand, 110);
  return true;
}

// Without a target: a seat whose only calls are concealed kongs.
void concealed_kongs_call(int seat, int tile) {
  const SeatState& state = g_seat_state[seat];
  if (state.naki_count == 0 || state.open_naki_count != 0) return;
  const int copies = held(tile);
  const bool outside = is_terminal_or_honour(tile);
  if (outside && copies == 2) decide_claim(seat, kNakiPung, 0, kMotiveMeldedHand, 900);
  // Suited tiles from 2m on below rank 9: the 1 of dots and of bamboo fall here too.
  else if (tile >= 2 && is_suited(tile) && rank_of(tile) < 9 && copies == 3)
    decide_claim(seat, kNakiKong, 0, kMotiveMeldedHand, 901);
  else if (outside && copies == 3)
    decide_claim(seat, kNakiKong, 0, kMotiveMeldedHand, 910);
}

// ------------------------------------------------------------------ fallback

bool aims_at_eight_points(int seat) {
  const int target = g_ai_target_yaku[seat];
  if (target != 0 && yaku_unit_points(target) >= 8) return true;
  for (int id : g_ai_chow_candidates[seat])
    if (id != 0 && yaku_unit_points(id) >= 8) return true;
  return false;
}

// Exactly one honour pair, no honour set in hand or declared.
bool one_honour_pair(int seat) {
  if (has_meld(seat, [](int code) { return meld_tile(code) > 30; })) return false;
  int pairs = 0;
  for (int t = kEast; t <= kRed; ++t) {
    if (held(t) >= 3) return false;
    pairs += held(t) == 2;
  }
  return pairs == 1;
}

enum ChowRating : int { kNoChow = 0, kComplete = 1, kOneShort = 2 };

// The chow with lowest tile `lowest` in the seat's declared chows or its free tiles.
int rate_chow(int seat, int lowest) {
  if (declared_chows_at(seat, lowest) > 0) return kComplete;
  const bool a = held(lowest) >= 1;
  const bool b = held(lowest + 1) >= 1;
  const bool c = held(lowest + 2) >= 1;
  if (a && b && c) return kComplete;
  if ((b && c && seen_by_all(lowest) < 4) || (a && c && seen_by_all(lowest + 1) < 4) ||
      (a && b && seen_by_all(lowest + 2) < 4))
    return kOneShort;
  return kNoChow;
}

// The same chow in the two other suits (taken in suit order after the
// discard's): one complete and the other at most one short.
bool other_suits_match(int seat, int tile, int lowest_rank) {
  const int suit = suit_of(tile);
  const int first = rate_chow(seat, make_tile((suit + 1) % 3, lowest_rank));
  const int second = rate_chow(seat, make_tile((suit + 2) % 3, lowest_rank));
  return (first == kComplete && second != kNoChow) || (first == kOneShort && second == kComplete);
}

}  // namespace

void naki_extra_kong(int seat) {
  if (g_ai_target_yaku[seat] != 0) return;
  const int tile = take_naki_tile();
  if (!has_meld(seat, is_kong_meld)) return;
  if (free_copies(seat, tile) == 3) decide_claim(seat, kNakiKong, 0, kMotiveExtraKong, 0);
}

void naki_two_dragon_pungs(int seat) {
  const int tile = take_naki_tile();
  if (g_ai_target_yaku[seat] != 0 || !is_dragon(tile) || held(tile) < 2) return;
  const int o1 = tile == kWhite ? kGreen : kWhite;
  const int o2 = tile == kRed ? kGreen : kRed;
  if (!other_dragons_promise(seat, o1, o2)) return;
  if (held(tile) == 2) {
    decide_claim(seat, kNakiPung, 0, kMotiveTwoDragonPungs, 0);
    return;
  }
  if (held(tile) == 3 && dragon_kong_wanted(seat)) decide_claim(seat, kNakiKong, 0, kMotiveTwoDragonPungs, 1);
}

void naki_melded_hand(int seat) {
  const int target = g_ai_target_yaku[seat];
  if (target != 0 && target != 32) return;
  const int tile = take_naki_tile();
  if (target == 0) {
    concealed_kongs_call(seat, tile);
    return;
  }
  if (melded_hand_chow(seat, tile) || melded_hand_pung(seat, tile)) return;
  if (is_honour(tile) && held(tile) == 3) decide_claim(seat, kNakiKong, 0, kMotiveMeldedHand, 200);
}

void naki_fallback(int seat) {
  if (aims_at_eight_points(seat) || !one_honour_pair(seat) || AI[seat].min_shanten == 0) return;
  const int tile = take_naki_tile();
  if (tile > 30) return;
  const int rank = rank_of(tile);
  const bool low_pair = held_at(tile, -2) == 1 && held_at(tile, -1) == 1 && rank >= 3;
  const bool high_pair = held_at(tile, 1) == 1 && held_at(tile, 2) == 1 && rank <= 7;
  if (!(low_pair || high_pair) || !may_chow(seat, tile)) return;
  if (high_pair && held(tile) == 0 && other_suits_match(seat, tile, rank)) {
    decide_claim(seat, kNakiChow, kChiDiscardLowest, kMotiveFallback, 3);
    return;
  }
  if (low_pair && held(tile) == 0 && other_suits_match(seat, tile, rank - 2))
    decide_claim(seat, kNakiChow, kChiDiscardHighest, kMotiveFallback, 1);
}
