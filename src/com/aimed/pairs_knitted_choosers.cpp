// Choosers of the closed patterns judged by single tiles and pairs rather
// than sets: seven pairs, greater honours and knitted, thirteen orphans.
// Their later rules load the seat's whole hand into the pool, so the
// keepers, the danger filters and the level's removals make no difference
// to them; a call that finds nothing puts the pool back as it found it.
#include <algorithm>
#include <array>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "com/aimed/aimed_protocol.h"
#include "com/aimed/aimed_rules.h"
#include "com/hand_terms.h"
#include "com/turn/rule_shapes.h"
#include "base/yaku_table.h"

namespace {


// The pool on entry, and the seat's whole hand loaded in its place: the
// free slots in the hand's (ascending) order, marked slots as 0.
class WholeHandReload {
 public:
  explicit WholeHandReload(int seat) {
    for (int i = 0; i < kHandSlots; ++i) g_ai_work_hand[i] = is_free_slot(g_hand[seat][i]) ? g_hand[seat][i] : 0;
  }
  // Every rule found nothing: the call has had no effect on the pool.
  void put_back() const { entry_.put_back(); }

 private:
  PoolCopy entry_;  // made before the constructor's body reloads the pool
};

// From the middle of the suits outwards: 5, then 4 and 6, ... 1 and 9.
template <class Fn>
bool each_middle_out(Fn&& fn) {
  for (int d = 4; d >= 0; --d)
    if (each_by_distance(d, d, fn)) return true;
  return false;
}

// ================================================================= seven pairs
constexpr int kSevenPairs = kYaku56SevenPairs;

// What all pairs had in common when the aim was chosen (variants 1 to 13;
// 0 none): the tiles thrown first at each visibility, and the code of that
// scan (the scan for any remaining tile takes the code + 100).
struct PairsVariant {
  int code;
  bool honours;        // honours are off
  int off_ranks;       // bit r: suited rank r is off
  int off_suits;       // bit s: every tile of suit s is off
};
constexpr int ranks(int first, int last) { return ((1 << (last + 1)) - 1) & ~((1 << first) - 1); }
constexpr int kVariantCount = 14;
constexpr std::array<PairsVariant, kVariantCount> kPairsVariants{{
    {0, false, 0, 0},                                // 0: none in common
    {20, true, ranks(1, 1) | ranks(9, 9), 0},        // 1: simples
    {21, false, ranks(2, 8), 0},                     // 2: terminals and honours
    {22, true, ranks(5, 9), 0},                      // 3: ranks 1 to 4
    {23, true, ranks(1, 5), 0},                      // 4: ranks 6 to 9
    {22, true, ranks(5, 9), 0},                      // 5: ranks 1 to 3
    {25, true, ranks(1, 3) | ranks(7, 9), 0},        // 6: ranks 4 to 6
    {23, true, ranks(1, 5), 0},                      // 7: ranks 7 to 9
    {27, false, 0, 1 << kDots | 1 << kBamboo},       // 8: characters and honours
    {28, false, 0, 1 << kCharacters | 1 << kBamboo}, // 9: dots and honours
    {29, false, 0, 1 << kCharacters | 1 << kDots},   // 10: bamboo and honours
    {27, false, 0, 1 << kDots | 1 << kBamboo},       // 11: characters only
    {28, false, 0, 1 << kCharacters | 1 << kBamboo}, // 12: dots only
    {29, false, 0, 1 << kCharacters | 1 << kDots},   // 13: bamboo only
}};
static_assert(ranks(2, 8) == 0b111111100 && ranks(1, 1) == 0b10);

bool is_off(const PairsVariant& v, int tile) {
  if (is_honour(tile)) return v.honours;
  return (v.off_ranks >> rank_of(tile) & 1) != 0 || (v.off_suits >> suit_of(tile) & 1) != 0;
}

class SevenPairs {
 public:
  SevenPairs(int seat, int variant) : seat_(seat), variant_(variant) {
    for (int t : kPlayingTiles) {
      pairs_ += held(t) / 2;
      if (held(t) == 3) ++triples_;
    }
  }

  void choose() const {
    if ((pairs_ == 4 && four_pairs()) || (pairs_ == 5 && five_pairs())) return;
    WholeHandReload reload(seat_);
    for (int t : kPlayingTiles) keep_copies(t, held(t) / 2 * 2);
    if (!remaining()) reload.put_back();
  }

 private:
  template <class Want>
  bool pick(int code, Want&& want) const {
    return pick_first(seat_, kSevenPairs, code, want);
  }
  bool neutral(int tile) const { return is_neutral(seat_, tile); }

  bool four_pairs() const {
    if (pick_most_visible(seat_, kSevenPairs, 200, 3, [](int t) { return is_honour(t) && held(t) == 1; })) return true;
    // An isolated single: held once, no tile of its suit within two ranks.
    // The rank group decides before the visibility.
    for (int d = 0; d <= 4; ++d) {
      const bool fired = each_count_down(3, [&](int n) {
        return each_by_distance(d, d, [&](int slot, int t) {
          return seen_by_all(t) == n && side_run(g_hand_counts, t, kTowardOne, -2, {0, 0, 1, 0, 0}) &&
                 pick_for(seat_, slot, kSevenPairs, 210);
        });
      });
      if (fired) return true;
    }
    return false;
  }

  bool five_pairs() const {
    const int shanten = AI[seat_].min_shanten;
    if (triples_ == 1 && pick(900, [&](int t) { return held(t) == 3 && neutral(t); })) return true;
    if (pick(910, [&](int t) { return held(t) == 1 && neutral(t) && seen_by_all(t) == 3; })) return true;
    if (shanten >= 2 && pick(920, [](int t) { return held(t) == 3; })) return true;
    // One away: of a four-tile run with its top (bottom) tile doubled, the
    // far end goes.
    return shanten == 1 && pick_either_side(seat_, kSevenPairs, 801, 809, [](int t, int side) {
             return side_rank(t, side) <= 6 && side_run(g_hand_counts, t, side, -1, {0, 1, 1, 1, 2});
           });
  }

  // On the whole hand less its pairs: the singles and third copies.
  bool remaining() const {
    if (pick(0, [](int t) { return seen_by_all(t) == 3; })) return true;
    if (pick(1, [](int t) { return held(t) == 3 && seen_by_all(t) == 1; })) return true;
    if (variant_ != 0) {
      const PairsVariant& v = kPairsVariants[variant_];
      return each_count_down(3, [&](int n) {
        return pick(v.code, [&](int t) { return seen_by_all(t) == n && is_off(v, t); }) ||
               pick(v.code + 100, [&](int t) { return seen_by_all(t) == n; });
      });
    }
    if (pairs_ == 5 && pick(10, [](int t) { return held(t) == 3; })) return true;
    const auto by_visibility = [&](int n, int suited_code, int honour_code) {
      return each_middle_out([&](int slot, int t) {
               return seen_by_all(t) == n && pick_for(seat_, slot, kSevenPairs, suited_code);
             }) ||
             pick(honour_code, [n](int t) { return is_honour(t) && seen_by_all(t) == n; });
    };
    return by_visibility(3, 900, 901) || by_visibility(2, 900, 901) || by_visibility(1, 910, 911) ||
           by_visibility(0, 910, 911);
  }

  int seat_;
  int variant_;      // 0 to 13
  int pairs_ = 0;    // pairs in hand; four of a kind counts two, three one
  int triples_ = 0;  // kinds held exactly three times
};

// ==================================================== greater honours and knitted
constexpr int kHonoursKnitted = kYaku57GreaterHonoursKnitted;
constexpr int kThirteenOrphans = kYaku77ThirteenOrphans;
constexpr int kEnoughOrphans = 8;  // kinds held from which a lone suited terminal is kept

using Row = std::array<int, 16>;
bool in_row(const Row& row, int tile) { return std::find(row.begin(), row.end(), tile) != row.end(); }

class HonoursKnitted {
 public:
  HonoursKnitted(int seat, const Row& row) : seat_(seat), row_(row) {
    for (int t : kPlayingTiles) surplus_[t] = held(t) - (in_row(row_, t) && held(t) > 0 ? 1 : 0);
    if (orphan_kinds() >= kEnoughOrphans)
      for (int t : kPlayingTiles)
        if (is_terminal(t) && held(t) == 1 && surplus_[t] == 1) surplus_[t] = 0;
    for (int t = kEast; t <= kRed; ++t) {
      if (held(t) >= 1) ++honours_held_;
      if (held(t) == 2) ++honour_pairs_;
      if (held(t) >= 3) ++honour_triples_;
    }
  }

  void choose() {
    WholeHandReload reload(seat_);
    if (!(honours() || surplus_singles() || undecided_row() || off_row())) reload.put_back();
  }

 private:
  template <class Want>
  bool pick(int code, Want&& want) const {
    return pick_first(seat_, kHonoursKnitted, code, want);
  }
  int surplus_at(int tile, int offset) const { return count_at(surplus_.data(), tile, offset); }

  // Orphan kinds held; none counts while any orphan is dead.
  static int orphan_kinds() {
    int kinds = 0;
    for (int t : g_terminal_honour_tiles) {
      if (seen_by_all(t) == 4) return 0;
      if (held(t) >= 1) ++kinds;
    }
    return kinds;
  }

  bool honours() const {
    const int own = seat_wind(seat_);
    const int round = round_wind();
    const auto triple = [](int t) { return is_honour(t) && held(t) == 3; };
    if (pick(100, [](int t) { return is_honour(t) && held(t) == 4; })) return true;
    if ((honour_pairs_ >= 3 || (honour_pairs_ == 2 && honour_triples_ >= 1)) &&
        pick(120, [](int t) { return is_honour(t) && held(t) == 2; }))
      return true;
    if (honour_triples_ < 2) return false;
    return pick(120, [&](int t) { return triple(t) && t != own && t != round && !is_dragon(t); }) ||
           (own == round && pick(121, [&](int t) { return triple(t) && t != own; })) || pick(122, triple);
  }

  // A suited tile the row does not use, the loneliest first.
  bool surplus_singles() const {
    const auto isolated = [&](int t) {
      return surplus_at(t, 0) == 1 && surplus_at(t, -1) == 0 && surplus_at(t, 1) == 0;
    };
    return each_by_distance(0, 4, [&](int slot, int t) {
             return isolated(t) && surplus_at(t, -2) == 0 && surplus_at(t, 2) == 0 &&
                    pick_for(seat_, slot, kHonoursKnitted, 130);
           }) ||
           pick_either_side(seat_, kHonoursKnitted, 141, 149, [&](int t, int side) {
             return side_rank(t, side) == 1 && side_run(surplus_.data(), t, side, 0, {1, 1, 0});
           }) ||
           each_by_distance(0, 4, [&](int slot, int t) {
             return isolated(t) && pick_for(seat_, slot, kHonoursKnitted, 150);
           });
  }

  // Two arrangements equally far on: with five honour kinds, the sets go.
  bool undecided_row() const {
    std::array<int, kKnittedArrangements> held_of_row{};
    for (int a = 0; a < kKnittedArrangements; ++a)
      for (int t : g_knitted_tiles[a])
        if (held(t) >= 1) ++held_of_row[a];
    const int best = *std::max_element(held_of_row.begin(), held_of_row.end());
    if (std::count(held_of_row.begin(), held_of_row.end(), best) < 2 || honours_held_ < 5) return false;
    return pick(0, [](int t) { return held(t) == 3; }) || pick(1, [](int t) { return held(t) == 4; }) ||
           pick(2, [](int t) { return held(t) == 2; });
  }

  // One copy of every row tile leaves the pool (unless that would leave it
  // empty); what stays is thrown by visibility, then by its surplus.
  bool off_row() {
    const PoolCopy whole;
    for (int t : row_) keep_copies(t, 1);
    whole.give_back_if_emptied();
    const auto single = [](bool (*kind)(int)) { return [kind](int t) { return kind(t) && held(t) == 1; }; };
    if (pick_most_visible(seat_, kHonoursKnitted, 10, 3, single(is_middle_rank)) ||
        pick_most_visible(seat_, kHonoursKnitted, 11, 3, single(is_suited)) ||
        pick_most_visible(seat_, kHonoursKnitted, 12, 3, single(is_playing_tile)))
      return true;
    KindCounts standing{};
    count_pool(standing.data());
    for (int t : kPlayingTiles) surplus_[t] = standing[t] - (in_row(row_, t) && standing[t] > 0 ? 1 : 0);
    // Code and count, in the order tried.
    constexpr std::pair<int, int> kBySurplus[] = {{34, 4}, {32, 2}, {33, 3}};
    constexpr std::pair<int, int> kByCount[] = {{24, 4}, {22, 2}, {20, 3}};
    for (const auto& [code, n] : kBySurplus)
      if (pick(code, [&, n = n](int t) { return surplus_[t] == n; })) return true;
    for (const auto& [code, n] : kByCount)
      if (pick(code, [n = n](int t) { return held(t) == n; })) return true;
    return false;
  }

  int seat_;
  const Row& row_;
  KindCounts surplus_{};  // copies beyond the one the row uses
  int honours_held_ = 0;    // honour kinds held at least once
  int honour_pairs_ = 0;    // held exactly twice
  int honour_triples_ = 0;  // held three or four times
};

// =============================================================== thirteen orphans
void thirteen_orphans(int seat, const std::array<int, 9>& row) {
  const auto pick = [seat](int code, auto&& want) { return pick_first(seat, kThirteenOrphans, code, want); };
  WholeHandReload reload(seat);
  int orphan_pairs = 0;
  for (int t : g_terminal_honour_tiles)
    if (held(t) >= 2) ++orphan_pairs;
  const auto row_tile = [&row](int t) { return std::find(row.begin(), row.end(), t) != row.end(); };
  if (pick(900, [](int t) { return is_middle_rank(t) && held(t) >= 2; }) ||
      (orphan_pairs >= 2 && (pick(910, [](int t) { return is_honour(t) && held(t) >= 2; }) ||
                             pick(911, [](int t) { return is_terminal(t) && held(t) >= 2; }))) ||
      pick(10, [](int t) { return held(t) >= 3; }) ||
      pick(20, [&](int t) { return is_middle_rank(t) && (!row_tile(t) || held(t) >= 2); }) ||
      pick(21, [](int t) { return is_suited(t) && rank_of(t) >= 4 && rank_of(t) <= 6; }) || pick(22, is_middle_rank))
    return;
  // The orphans leave, and one more copy of the first that still stands: the
  // pair. (Past the rules above, the hand has no middle tile, no triple and
  // at most one orphan pair, so nothing is left for the last scan; it stays
  // in the rules' order.)
  for (int t : g_terminal_honour_tiles) keep_copies(t, 1);
  if (pool_has_playing_tile())
    for (int t : g_terminal_honour_tiles)
      if (keep_copies(t, 1) == 1) break;
  for (int n = 1; n <= 4; ++n)
    if (pick(23, [n](int t) { return held(t) == n; })) return;
  reload.put_back();
}

// A variant that names no knitted arrangement: the rule does nothing.
bool is_row(int variant) { return variant >= 0 && variant < kKnittedArrangements; }

}  // namespace

void discard_seven_pairs(int seat) {
  if (!aims_at_any(seat, {kSevenPairs})) return;
  const int variant = g_ai_target_variant[seat];
  if (variant < 0 || variant >= kVariantCount) return;
  SevenPairs(seat, variant).choose();
}

void discard_greater_honours_knitted(int seat) {
  if (!aims_at_any(seat, {kHonoursKnitted}) || !is_row(g_ai_target_variant[seat])) return;
  HonoursKnitted(seat, g_knitted_honour_tiles[g_ai_target_variant[seat]]).choose();
}

void discard_thirteen_orphans(int seat) {
  if (!aims_at_any(seat, {kThirteenOrphans}) || !is_row(g_ai_target_variant[seat])) return;
  thirteen_orphans(seat, g_knitted_tiles[g_ai_target_variant[seat]]);
}
