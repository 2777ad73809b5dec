#include "com/claim/claim_rules.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "base/table_state.h"
#include "com/aimed/aimed_protocol.h"
#include "com/claim/claim_protocol.h"
#include "com/target/com_target.h"
#include "com/turn/rule_shapes.h"
#include "core/tiles.h"
#include "base/yaku_table.h"
#include "table/claim_actions.h"

// Claims toward the three template chows of a chow pattern, the set and the
// pair outside them, and for the mixed shifted chows a few honour calls and
// the chows that move the template one rank.

namespace {

constexpr int kTemplateTiles = 9;
using Template = std::array<int, kTemplateTiles>;  // chow j at 3j..3j+2, lowest tile first

// The template of a chow-pattern aim; false for a variant outside the ranges
// target selection stores (its chows would leave their suits).
bool build_template(int yaku, int v, Template& t) {
  std::array<int, 3> lowest{};
  const int high = v / 10, low = v % 10;
  switch (yaku) {
    case kYaku27MixedShiftedChows: {  // suit order x 10 + start rank
      if (v < 0 || high >= kKnittedArrangements || low < 1 || low > 5) return false;
      const auto& suit = kKnittedSuits[high];
      lowest = {make_tile(suit[0], low), make_tile(suit[1], low + 1), make_tile(suit[2], low + 2)};
      break;
    }
    case kYaku33MixedTripleChow:  // start rank, the same chow in every suit
      if (v < 1 || v > 7) return false;
      lowest = {make_tile(kCharacters, v), make_tile(kDots, v), make_tile(kBamboo, v)};
      break;
    case kYaku35MixedStraight: {  // suit order
      if (v < 0 || v >= kKnittedArrangements) return false;
      const auto& suit = kKnittedSuits[v];
      lowest = {make_tile(suit[0], 1), make_tile(suit[1], 4), make_tile(suit[2], 7)};
      break;
    }
    case kYaku47PureShiftedChows: {  // suit x 10 + layout: 0-4 one rank apart, 5-7 two
      if (v < 0 || high > kBamboo || low > 7) return false;
      const int start = low <= 4 ? low + 1 : low - 4;
      const int step = low <= 4 ? 1 : 2;
      lowest = {make_tile(high, start), make_tile(high, start + step), make_tile(high, start + 2 * step)};
      break;
    }
    default:  // pure straight: the suit
      if (v < 0 || v > kBamboo) return false;
      lowest = {make_tile(v, 1), make_tile(v, 4), make_tile(v, 7)};
  }
  for (int i = 0; i < kTemplateTiles; ++i) t[i] = lowest[i / 3] + i % 3;
  return true;
}

// Everything one call reads, worked out once.
struct ChowScene {
  int seat = 0;
  int yaku = 0;
  int variant = 0;
  int d = 0;                                      // the discard
  bool from_left = false;                         // it may be chowed
  Template t{};
  std::array<int, kTemplateTiles> covered{};      // by a melded chow or a hand tile
  int outside_melds = 0;                          // declared melds that are no template chow
  HeldCounts hand{};                              // the seat's free tiles
  HeldCounts left{};                              // those the template does not take
  int sets = 0, chows = 0, pungs = 0, pairs = 0;  // read from the leftover
};

int covered_in_chow(const ChowScene& s, int j) {
  const auto first = s.covered.begin() + 3 * j;
  return static_cast<int>(std::count(first, first + 3, 1));
}

// A melded template chow covers its three places and leaves the hand's
// copies of its tiles in the leftover; a hand tile covers one place, so a
// tile standing at two places needs two copies.
void cover_template(ChowScene& s) {
  s.left = s.hand;
  int template_melds = 0;
  for (int j = 0; j < 3; ++j) {
    if (declared_chows_at(s.seat, s.t[3 * j]) > 0) {
      ++template_melds;
      for (int i = 3 * j; i < 3 * j + 3; ++i) s.covered[i] = 1;
      continue;
    }
    for (int i = 3 * j; i < 3 * j + 3; ++i) {
      if (s.left[s.t[i]] == 0) continue;
      --s.left[s.t[i]];
      s.covered[i] = 1;
    }
  }
  const int* melds = g_melds[s.seat];
  const int declared = static_cast<int>(std::count_if(melds, melds + kMeldSlots, [](int c) { return c > 0; }));
  s.outside_melds = declared - template_melds;
}

// Takes `need[k]` copies of the tile k ranks above `tile` when every one is there.
bool take_shape(HeldCounts& w, int tile, std::initializer_list<int> need) {
  int k = 0;
  for (int n : need)
    if (count_at(w.data(), tile, k++) < n) return false;
  k = 0;
  for (int n : need) w[tile + k++] -= n;
  return true;
}

// Three ranks of one suit, each held once or twice, four tiles in all: a
// chow and a pair waiting to be told apart.
bool has_chow_pair_tangle(const HeldCounts& left) {
  for (int suit = kCharacters; suit <= kBamboo; ++suit) {
    for (int r = 1; r <= 7; ++r) {
      const int t = make_tile(suit, r);
      const bool each = std::all_of(&left[t], &left[t + 3], [](int n) { return n == 1 || n == 2; });
      if (each && left[t] + left[t + 1] + left[t + 2] == 4) return true;
    }
  }
  return false;
}

// The leftover's sets, chows, pungs and pairs. A run with a pair beside it
// settles the count at one set and one pair whatever came before.
void read_leftover(ChowScene& s) {
  HeldCounts w = s.left;
  s.sets = s.outside_melds;
  const auto each_start = [&](int last_rank, auto&& fn) {
    for (int suit = kCharacters; suit <= kBamboo; ++suit)
      for (int r = 1; r <= last_rank; ++r) fn(make_tile(suit, r));
  };
  each_start(6, [&](int t) { if (take_shape(w, t, {2, 1, 1, 1})) s.sets = s.chows = s.pairs = 1; });
  each_start(6, [&](int t) { if (take_shape(w, t, {1, 1, 1, 2})) s.sets = s.chows = s.pairs = 1; });
  each_start(7, [&](int t) { if (take_shape(w, t, {1, 1, 1})) { ++s.sets; ++s.chows; } });
  if (s.sets >= 2 && has_chow_pair_tangle(s.left)) {
    --s.sets;
    ++s.pairs;
  }
  for (int t = 1; t <= kRed; ++t) {
    if (w[t] < 3) continue;
    w[t] -= 3;
    ++s.sets;
    ++s.pungs;
  }
  for (int t = 1; t <= kRed; ++t) {
    if (w[t] < 2) continue;
    w[t] -= 2;
    ++s.pairs;
  }
}

bool honour_pair_held(const ChowScene& s) {
  return std::any_of(&s.hand[kEast], &s.hand[kRed + 1], [](int n) { return n >= 2; });
}

bool decide(const ChowScene& s, NakiCall call, int shape, int reason) {
  decide_claim(s.seat, call, shape, s.yaku, reason);
  return true;
}
bool chow(const ChowScene& s, int shape, int reason) { return decide(s, kNakiChow, shape, reason); }
bool pung(const ChowScene& s, int reason) { return decide(s, kNakiPung, 0, reason); }

// Mixed shifted chows without a set outside the template: a value honour
// pair is punged, and a 1, a 9 or an honour held three times is konged while
// another honour pair stays for the hand's pair.
bool claim_honour(const ChowScene& s) {
  const int held = s.hand[s.d];
  const bool value = is_value_honour(s.seat, s.d);
  if (s.yaku != kYaku27MixedShiftedChows || (value && held >= 3) || s.outside_melds >= 1) return false;
  if (held == 2 && value) return pung(s, 800);
  const int start = s.variant % 10;
  const bool spare = (is_terminal(s.d) && (rank_of(s.d) == 9 || start >= 2)) || is_honour(s.d);
  if (held == 3 && honour_pair_held(s) && spare) return decide(s, kNakiKong, 0, 810);
  return false;
}

bool melds_all_suited(int seat) {
  return std::all_of(std::begin(g_melds[seat]), std::end(g_melds[seat]), [](int c) { return meld_tile(c) < kEast; });
}

// A hand of suited tiles (at most one honour, no honour meld) keeps moving
// its template only with a pair of its own outside the template.
bool shift_vetoed(const ChowScene& s) {
  const int seat = s.seat;
  for (int t = kEast; t <= kRed; ++t)
    if (s.hand[t] >= 3 && is_value_honour(seat, t)) return true;
  for (int code : g_melds[seat])
    if (is_value_honour(seat, meld_tile(code))) return true;
  if (!melds_all_suited(seat)) return false;
  if (s.chows >= 1 && !honour_pair_held(s)) return true;
  int honours = 0;
  for (int t = kEast; t <= kRed; ++t) honours += s.hand[t];
  const bool suited_pair = std::any_of(&s.left[1], &s.left[kEast], [](int n) { return n >= 2; });
  return honours < 2 && !suited_pair;
}

// Mixed shifted chows with every template chow at least two-thirds there: a
// chow that moves chow 0 up or chow 2 down by a rank, the other end not yet started.
bool claim_shift_chow(const ChowScene& s) {
  if (s.yaku != kYaku27MixedShiftedChows || !s.from_left) return false;
  for (int j = 0; j < 3; ++j)
    if (covered_in_chow(s, j) < 2) return false;
  if (shift_vetoed(s)) return false;
  const Template& t = s.t;
  const int d = s.d;
  const auto& n = s.hand;
  if (n[d] != 0) return false;
  if (d == t[0] + 3 && declared_chows_at(s.seat, t[6]) == 0 && n[t[8]] == 0 && n[d - 2] >= 1 && n[d - 1] >= 1)
    return chow(s, kChiDiscardHighest, 703);
  if (d == t[8] - 3 && declared_chows_at(s.seat, t[0]) == 0 && n[t[0]] == 0 && n[d + 1] >= 1 && n[d + 2] >= 1)
    return chow(s, kChiDiscardLowest, 701);
  return false;
}

// The discard at place p of template chow j, the chow's two other places covered.
bool completes(const ChowScene& s, int j, int p) {
  if (s.d != s.t[3 * j + p]) return false;
  for (int q = 0; q < 3; ++q)
    if (q != p && s.covered[3 * j + q] == 0) return false;
  return true;
}

// The same with the discard held already, each other tile of the chow once
// less: a second run of the chow with no pair outside the template.
bool completes_again(const ChowScene& s, int j, int p) {
  if (!completes(s, j, p) || s.hand[s.d] < 2) return false;
  for (int q = 0; q < 3; ++q)
    if (q != p && s.hand[s.t[3 * j + q]] != s.hand[s.d] - 1) return false;
  return true;
}

bool claim_template_chow(const ChowScene& s) {
  if (!s.from_left) return false;
  const auto fills = [&](int j, int p) { return completes(s, j, p) && s.covered[3 * j + p] == 0; };
  for (int j : {0, 2})
    if (fills(j, 1)) return chow(s, kChiDiscardMiddle, 0);
  constexpr std::array<int, 3> kOpenReasons{3, 2, 1};  // by place
  for (int p : {0, 1, 2})
    for (int j = 0; j < 3; ++j)
      if (fills(j, p)) return chow(s, chi_shape_at(p), kOpenReasons[p]);
  if (s.pairs != 0) return false;
  constexpr std::array<int, 3> kAgainReasons{13, 12, 11};
  for (int p : {0, 1, 2}) {
    for (int j = 0; j < 3; ++j) {
      // The middle chow of the pure shifted chows shares its ends with the others.
      if (j == 1 && p != 1 && s.yaku == kYaku47PureShiftedChows) continue;
      if (completes_again(s, j, p)) return chow(s, chi_shape_at(p), kAgainReasons[p]);
    }
  }
  return false;
}

// A hand short of a tile its template repeats (only the pure shifted chows
// repeat one).
bool short_of_repeated_tile(const ChowScene& s) {
  for (int tile : s.t) {
    const auto places = std::count(s.t.begin(), s.t.end(), tile);
    if ((places == 2 && s.hand[tile] == 0) || (places == 3 && s.hand[tile] < 2)) return true;
  }
  return false;
}

bool only_concealed_kongs(int seat) {
  return std::all_of(std::begin(g_melds[seat]), std::end(g_melds[seat]),
                     [](int c) { return c == 0 || meld_kind(c) == kMeldConcealedKong; });
}

// No claim for the set and the pair outside the template.
bool outside_closed(const ChowScene& s) {
  if (s.outside_melds >= 2 || (s.sets >= 1 && s.pairs >= 1) || (s.sets >= 2 && s.pungs >= 1)) return true;
  if (only_concealed_kongs(s.seat) && short_of_repeated_tile(s)) return true;
  if (g_melds[s.seat][0] != 0) return false;
  for (int j = 0; j < 3; ++j)
    if (covered_in_chow(s, j) == 1) return true;
  return s.yaku == kYaku27MixedShiftedChows && honour_pair_held(s);
}

// A chow of the leftover beside its one pair or its one triple. Neighbours
// outside the suit count 0, which keeps every shape inside its ranks.
bool claim_outside_chow(const ChowScene& s) {
  if (!s.from_left) return false;
  const int twice = static_cast<int>(std::count(&s.left[1], &s.left[kRed + 1], 2));
  const int thrice = static_cast<int>(std::count_if(&s.left[1], &s.left[kRed + 1], [](int n) { return n >= 3; }));
  const auto at = [&](int offset) { return count_at(s.left.data(), s.d, offset); };
  if (twice == 1 && thrice == 0) {
    if (at(0) == 2 && at(1) >= 1 && at(2) >= 1 && at(3) == 0) return chow(s, kChiDiscardLowest, 103);
    if (at(-2) == 0 && at(-1) >= 1 && at(0) == 2 && at(1) >= 1 && at(2) == 0) return chow(s, kChiDiscardMiddle, 102);
    if (at(-3) == 0 && at(-2) >= 1 && at(-1) >= 1 && at(0) == 2) return chow(s, kChiDiscardHighest, 101);
    if (at(-4) == 0 && at(-3) >= 2 && at(-2) >= 1 && at(-1) >= 1 && at(0) == 0) return chow(s, kChiDiscardHighest, 111);
    if (at(0) == 0 && at(1) >= 1 && at(2) >= 1 && at(3) >= 2 && at(4) == 0) return chow(s, kChiDiscardLowest, 123);
  }
  if (twice == 0 && thrice == 1) {
    const auto beside_triple = [&](int a, int b) { return (at(a) >= 3 && at(b) == 1) || (at(a) == 1 && at(b) >= 3); };
    if (at(0) == 0 && at(3) == 0 && beside_triple(1, 2)) return chow(s, kChiDiscardLowest, 203);
    if (at(-3) == 0 && at(0) == 0 && beside_triple(-2, -1)) return chow(s, kChiDiscardHighest, 201);
  }
  return false;
}

// The leftover still holds a pair once the chow's two hand tiles are taken from it.
bool pair_beside_chow(const ChowScene& s, int shape) {
  HeldCounts rest = s.left;
  return take_chow_partners(rest, s.d, shape) && std::any_of(&rest[1], &rest[kRed + 1], [](int n) { return n >= 2; });
}

// A mixed shifted chows aim with no other chow pattern in view pungs a pair
// only where the pung will not block a chow: a terminal without an honour
// pair, or a middle tile when every start lies in 2 to 4 and no terminal or
// honour pair is held. (A value honour pair never gets here: the honour calls
// pung it, or a meld outside the template closes the outside set.)
bool pung_fits_shifted_chows(const ChowScene& s) {
  const int* ids = g_ai_chow_candidates[s.seat];
  const int* variants = g_ai_chow_candidate_variants[s.seat];
  if (s.yaku != kYaku27MixedShiftedChows ||
      std::any_of(ids, ids + kChowCandidates, [](int id) { return id != 0 && id != kYaku27MixedShiftedChows; }))
    return true;
  if (honour_pair_held(s)) return false;
  if (is_terminal(s.d)) return true;
  bool terminal_pair = false;
  for (int t = 1; t < kEast; ++t) terminal_pair = terminal_pair || (is_terminal(t) && s.hand[t] >= 2);
  const auto middle_start = [](int v) { return v % 10 >= 2 && v % 10 <= 4; };
  bool starts = middle_start(s.variant);
  for (int k = 0; k < kChowCandidates; ++k)
    if (ids[k] == kYaku27MixedShiftedChows) starts = starts && middle_start(variants[k]);
  return !terminal_pair && starts && is_suited(s.d);
}

void claim_outside_with_pair(const ChowScene& s) {
  if (s.sets != 0 && s.pungs == 0) return;
  if (s.from_left) {
    constexpr std::array<int, 3> kShapes{kChiDiscardLowest, kChiDiscardMiddle, kChiDiscardHighest};
    constexpr std::array<int, 3> kReasons{303, 302, 301};
    for (int k = 0; k < 3; ++k)
      if (pair_beside_chow(s, kShapes[k])) {
        chow(s, kShapes[k], kReasons[k]);
        return;
      }
  }
  if (s.left[s.d] == 2 && s.pairs >= 2 && pung_fits_shifted_chows(s)) pung(s, 400);
}

}  // namespace

void naki_chow_patterns(int seat) {
  if (!aims_at_any(seat, {27, 33, 35, 47, 49})) return;
  ChowScene s;
  s.seat = seat;
  s.yaku = g_ai_target_yaku[seat];
  s.variant = g_ai_target_variant[seat];
  if (!build_template(s.yaku, s.variant, s.t)) return;
  s.d = latest_discard_tile();  // read only: this rule leaves g_naki_tile alone
  s.from_left = may_chow(seat, s.d);
  s.hand = free_tile_counts(seat);
  cover_template(s);
  read_leftover(s);
  if (claim_honour(s) || claim_shift_chow(s) || claim_template_chow(s) || outside_closed(s)) return;
  if (claim_outside_chow(s)) return;
  claim_outside_with_pair(s);
}
