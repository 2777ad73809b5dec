// Choosers of the outside hand (every set and the pair with a terminal or an
// honour) and of all types (a group of each of the five types). Both read
// the whole hand through g_hand_counts and take one tile from the pool.
#include <array>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "com/aimed/aimed_protocol.h"
#include "com/aimed/aimed_rules.h"
#include "com/turn/rule_shapes.h"
#include "base/yaku_table.h"

namespace {

// ================================================================ outside hand
constexpr int kOutside = kYaku23OutsideHand;
constexpr int kTerminalChowRoute = 1;  // the only route the rules tell apart
constexpr int kFullBlocks = 5;         // best_blocks from which the complete-hand steps run

// A tile of rank 2, 3, 7 or 8 inside its terminal chow 1-2-3 or 7-8-9.
struct Edge {
  int tile;
  int terminal;  // the chow's 1 or 9
  int other;     // the chow's third tile
};
constexpr Edge edge_of(int tile) {
  const int rank = rank_of(tile);
  return {tile, make_tile(suit_of(tile), rank < 5 ? 1 : 9), make_tile(suit_of(tile), rank < 5 ? 5 - rank : 15 - rank)};
}
static_assert(edge_of(12).other == 13 && edge_of(13).other == 12);
static_assert(edge_of(27).other == 28 && edge_of(28).terminal == 29);

constexpr bool is_edge_rank(int tile) {
  return is_suited(tile) && (rank_of(tile) == 2 || rank_of(tile) == 3 || rank_of(tile) == 7 || rank_of(tile) == 8);
}

// One scan over the tiles of the given ranks (2, 3, 7, 8), each proposed
// with code base + its rank when test(edge) holds.
template <class Test>
bool scan_edges(int seat, int base, std::initializer_list<int> ranks, Test&& test) {
  return pick_first_coded(seat, kOutside, [&](int tile) {
    if (!is_suited(tile)) return kNoCode;
    for (int rank : ranks)
      if (rank_of(tile) == rank && test(edge_of(tile))) return base + rank;
    return kNoCode;
  });
}

// Four scans, ranks 2, 3, 7 and 8 in turn.
template <class Test>
bool scan_each_edge(int seat, int base, Test&& test) {
  for (int rank : {2, 3, 7, 8})
    if (scan_edges(seat, base, {rank}, test)) return true;
  return false;
}

// Dead and fourth honours, a terminal quad with nothing beside it, and on the
// terminal-chow route every single honour.
bool outside_first(int seat) {
  if (pick_first(seat, kOutside, 900, [](int t) { return is_honour(t) && held(t) == 1 && seen_by_all(t) == 3; }))
    return true;
  if (pick_first(seat, kOutside, 910, [](int t) { return is_honour(t) && held(t) == 4; })) return true;
  if (AI[seat].best_blocks >= kFullBlocks &&
      pick_either_side(seat, kOutside, 921, 929, [](int t, int side) {
        return side_rank(t, side) == 1 && side_run(g_hand_counts, t, side, 0, {4, 0, 0});
      }))
    return true;
  if (g_ai_target_variant[seat] != kTerminalChowRoute) return false;
  return pick_first(seat, kOutside, 100, [&](int t) { return is_guest_wind(seat, t) && held(t) == 1; }) ||
         pick_first(seat, kOutside, 101, [](int t) { return is_honour(t) && held(t) == 1; });
}

// Tiles that can no longer join a terminal chow, and the middle ranks.
bool outside_middle_tiles(int seat) {
  const bool dead_terminal = pick_first_coded(seat, kOutside, [](int t) {
    if (!is_edge_rank(t)) return kNoCode;
    const int side = rank_of(t) < 5 ? kTowardOne : kTowardNine;
    const bool lone = side_run(g_hand_counts, t, side, -1, {0, 1, 0, 0});
    return lone && seen_by_all(edge_of(t).terminal) == 4 ? side_code(side, 201, 209) : kNoCode;
  });
  if (dead_terminal) return true;
  const bool dead_neighbour = pick_first_coded(seat, kOutside, [](int t) {
    if (!is_suited(t)) return kNoCode;
    const int r = rank_of(t);
    if ((r == 2 || r == 7) && count_at(g_visible_counts, t, 1) == 4) return 212;
    return (r == 3 || r == 8) && count_at(g_visible_counts, t, -1) == 4 ? 218 : kNoCode;
  });
  if (dead_neighbour) return true;
  if (pick_first(seat, kOutside, 5, [](int t) { return is_suited(t) && rank_of(t) == 5; })) return true;
  // A 4 (a 6) held once beside 2-3 (7-8) without the 1 (the 9) may still
  // take the place of the missing terminal; only a seat that has called
  // throws it (codes 14 and 16).
  for (int side : {kTowardOne, kTowardNine}) {
    const bool fired = pick_first(seat, kOutside, side_code(side, 114, 116), [side](int t) {
      return is_suited(t) && side_rank(t, side) == 4 &&
             !side_run(g_hand_counts, t, side, -3, {0, kSomeCount, kSomeCount, 1});
    });
    if (fired) return true;
  }
  return false;
}

// Surplus copies of 2, 3, 7 and 8 over their terminal, and honour pairs on
// the terminal-chow route.
bool outside_surplus(int seat) {
  if (scan_each_edge(seat, 110, [](const Edge& e) { return held(e.tile) >= held(e.terminal) + 2; })) return true;
  if (scan_each_edge(seat, 120, [](const Edge& e) { return held(e.terminal) > 0 && held(e.terminal) < held(e.tile); }))
    return true;
  if (g_ai_target_variant[seat] != kTerminalChowRoute) return false;
  return pick_first(seat, kOutside, 120, [&](int t) { return is_guest_wind(seat, t) && held(t) == 2; }) ||
         pick_first(seat, kOutside, 121, [](int t) { return is_honour(t) && held(t) == 2; });
}

// A pair of 2 or 3 (7 or 8) beside a pung of its terminal and without the
// chow's third tile.
bool beside_terminal_pung(const Edge& e) { return held(e.terminal) >= 3 && held(e.tile) >= 2 && held(e.other) == 0; }
// As many copies as the terminal's pair or more, the chow's third tile missing.
bool beside_terminal_pair(const Edge& e) {
  return held(e.terminal) >= 2 && held(e.tile) >= 2 && held(e.other) == 0 && held(e.tile) <= held(e.terminal);
}
bool above_terminal_and_other(const Edge& e) {
  return held(e.terminal) < held(e.tile) && held(e.other) < held(e.tile);
}

bool outside_shapes(int seat) {
  const bool full = AI[seat].best_blocks >= kFullBlocks;
  if (scan_edges(seat, 900, {2, 8}, beside_terminal_pung) || scan_edges(seat, 900, {3, 7}, beside_terminal_pung))
    return true;
  if (full && scan_each_edge(seat, 130, [](const Edge& e) {
        return held(e.terminal) < held(e.tile) && held(e.other) == 0;
      }))
    return true;
  // Kept in the rules' order although the surplus and lone-edge scans above
  // always take such a tile first.
  return full && scan_each_edge(seat, 140, above_terminal_and_other);
}

// Single honours, most visible first: guest winds, then (when the seat and
// the round share a wind) every honour but that wind, then any.
bool outside_single_honours(int seat) {
  const int own = seat_wind(seat);
  const bool double_wind = own == round_wind();
  return each_count_down(3, [&](int n) {
    const auto single = [n](int t) { return is_honour(t) && held(t) == 1 && seen_by_all(t) == n; };
    return pick_first(seat, kOutside, 800, [&](int t) { return single(t) && is_guest_wind(seat, t); }) ||
           (double_wind && pick_first(seat, kOutside, 810, [&](int t) { return single(t) && t != own; })) ||
           pick_first(seat, kOutside, 820, single);
  });
}

bool outside_late(int seat) {
  const bool full = AI[seat].best_blocks >= kFullBlocks;
  if (full && pick_either_side(seat, kOutside, 21, 29, [](int t, int side) {
        return side_rank(t, side) == 1 && side_run(g_hand_counts, t, side, 0, {2, 1, 1, 0}) && seen_by_all(t) == 2;
      }))
    return true;
  if (g_seat_state[seat].naki_count > 0) {
    if (pick_first(seat, kOutside, 14, [](int t) { return is_suited(t) && rank_of(t) == 4; })) return true;
    if (pick_first(seat, kOutside, 16, [](int t) { return is_suited(t) && rank_of(t) == 6; })) return true;
  }
  if (scan_each_edge(seat, 150, above_terminal_and_other)) return true;
  const bool lone_terminal = each_count_down(3, [&](int n) {
    return pick_either_side(seat, kOutside, 701, 709, [n](int t, int side) {
      return side_rank(t, side) == 1 && side_run(g_hand_counts, t, side, 0, {1, 0, 0}) && seen_by_all(t) == n;
    });
  });
  if (lone_terminal) return true;
  return scan_edges(seat, 900, {2, 8}, beside_terminal_pair) || scan_edges(seat, 910, {3, 7}, beside_terminal_pair);
}

// The weaker of the edge shapes 1-2, 1-3, 8-9 and 7-9, by the copies the seat
// knows of the tile the shape lacks or holds once: for k = 4 down to 0, and
// below 4 only for tiles whose discard keeps the distance to ready.
bool outside_edge_shapes(int seat) {
  const auto seen = [](int tile) { return g_seen_counts[tile]; };
  for (int k = 4; k >= 0; --k) {
    const auto allowed = [&](const Edge& e) { return k == 4 || is_neutral(seat, e.tile); };
    const auto closed_edge = [&](const Edge& e) {
      return allowed(e) && held(e.terminal) >= 1 && held(e.tile) >= 1 && held(e.other) == 0 &&
             held(e.tile) <= held(e.terminal) && seen(e.other) == k;
    };
    const auto paired_edge = [&](const Edge& e) {
      return allowed(e) && held(e.terminal) >= 2 && held(e.tile) >= 2 && held(e.other) == 1 &&
             held(e.tile) <= held(e.terminal) && seen(e.other) == k;
    };
    const auto open_edge = [&](const Edge& e) {
      return allowed(e) && held(e.terminal) == 0 && held(e.tile) >= 1 && held(e.other) >= 1 &&
             held(e.other) <= held(e.tile) && seen(e.terminal) == k;
    };
    if (scan_edges(seat, 920, {2, 8}, closed_edge) || scan_edges(seat, 930, {3, 7}, closed_edge) ||
        scan_edges(seat, 940, {2, 8}, paired_edge) || scan_edges(seat, 950, {3, 7}, paired_edge) ||
        scan_edges(seat, 960, {2, 8}, open_edge))
      return true;
  }
  return AI[seat].best_blocks >= kFullBlocks &&
         scan_each_edge(seat, 160, [](const Edge& e) { return held(e.terminal) < held(e.tile); });
}

// =================================================================== all types
constexpr int kAllTypes = kYaku30AllTypes;

// Shapes of a suit as ranks, in the order the rules try them.
using Ranks3 = std::array<int, 3>;
using Ranks2 = std::array<int, 2>;
constexpr std::array<Ranks3, 7> kChowTemplates{
    {{1, 2, 3}, {7, 8, 9}, {2, 3, 4}, {6, 7, 8}, {3, 4, 5}, {5, 6, 7}, {4, 5, 6}}};
constexpr std::array<Ranks2, 8> kRuns{{{2, 3}, {7, 8}, {3, 4}, {6, 7}, {4, 5}, {5, 6}, {1, 2}, {8, 9}}};
constexpr int kMiddleRuns = 6;  // 2-3 to 5-6
constexpr std::array<Ranks2, 7> kGappedPairs{{{1, 3}, {2, 4}, {3, 5}, {4, 6}, {5, 7}, {6, 8}, {7, 9}}};

// Copies held of rank r of suit s; 0 outside ranks 1..9.
int held_rank(int s, int r) { return r >= 1 && r <= 9 ? held(make_tile(s, r)) : 0; }

template <class Shape>
bool shape_held(int s, const Shape& ranks) {
  for (int r : ranks)
    if (held_rank(s, r) == 0) return false;
  return true;
}
bool doubled(int s, const Ranks2& run) {
  return shape_held(s, run) && (held_rank(s, run[0]) >= 2 || held_rank(s, run[1]) >= 2);
}
template <class Shape>
bool in_shape(const Shape& ranks, int r) {
  for (int x : ranks)
    if (x == r) return true;
  return false;
}
// A tile whose rank is not one of the shape's, or is but held more than once.
template <class Shape>
bool not_only_copy(const Shape& ranks, int tile) {
  return !in_shape(ranks, rank_of(tile)) || held(tile) > 1;
}

bool holds_pair(int s) {
  for (int r = 1; r <= 9; ++r)
    if (held_rank(s, r) >= 2) return true;
  return false;
}
bool holds_run(int s, int first_start = 1, int last_start = 8) {
  for (int r = first_start; r <= last_start; ++r)
    if (held_rank(s, r) >= 1 && held_rank(s, r + 1) >= 1) return true;
  return false;
}
bool holds_gapped(int s, int first_start, int last_start) {
  for (int r = first_start; r <= last_start; ++r)
    if (held_rank(s, r) >= 1 && held_rank(s, r + 2) >= 1) return true;
  return false;
}
// A gapped pair whose middle rank is not held and still has a live copy.
bool holds_live_gap(int s) {
  for (const Ranks2& g : kGappedPairs) {
    const int middle = make_tile(s, g[0] + 1);
    if (shape_held(s, g) && held(middle) == 0 && seen_by_all(middle) <= 3) return true;
  }
  return false;
}

// A neighbour one rank away is not held.
bool has_open_side(int tile) { return held_at(tile, -1) == 0 || held_at(tile, 1) == 0; }

bool has_meld_where(int seat, bool (*where)(int tile)) {
  for (int code : g_melds[seat])
    if (code > 0 && where(meld_tile(code))) return true;
  return false;
}

int kinds_held(bool (*kind)(int tile), int at_least) {
  int n = 0;
  for (int t = kEast; t <= kRed; ++t)
    if (kind(t) && held(t) >= at_least) ++n;
  return n;
}

class AllTypes {
 public:
  explicit AllTypes(int seat) : seat_(seat) {}

  bool honours() const {
    const bool winds = has_meld_where(seat_, is_wind) || kinds_held(is_wind, 2) > 0;
    const bool dragons = has_meld_where(seat_, is_dragon) || kinds_held(is_dragon, 2) > 0;
    return pick(0, [](int t) { return held(t) == 4; }) ||
           pick(1, [](int t) { return is_honour(t) && held(t) == 1 && seen_by_all(t) == 3; }) ||
           (winds && pick(10, [this](int t) { return is_guest_wind(seat_, t) && held(t) == 1; })) ||
           (winds && pick(11, [](int t) { return is_wind(t) && held(t) == 1; })) ||
           (dragons && pick(12, [](int t) { return is_dragon(t) && held(t) == 1; })) || honour_pairs() ||
           own_wind_pairs() || pairs_by_visibility() || beside_honour_sets();
  }

  bool suits() {
    return declared_suits() || beside_triples() || beside_templates() || isolated_ends() || weakest_singles() ||
           weakest_shapes();
  }

 private:
  template <class Want>
  bool pick(int code, Want&& want) const {
    return pick_first(seat_, kAllTypes, code, want);
  }
  template <class Want>
  bool pick_in_suit(int s, int code, Want&& want) const {
    return pick(code, [&](int t) { return is_suited(t) && suit_of(t) == s && want(t); });
  }
  bool pick_rank(int s, int r, int code) const {
    const int slot = pool_slot_of(make_tile(s, r));
    return slot >= 0 && pick_for(seat_, slot, kAllTypes, code);
  }

  bool honour_pairs() const {
    const auto pair_seen_twice = [](bool (*kind)(int)) {
      return [kind](int t) { return kind(t) && held(t) == 2 && seen_by_all(t) == 2; };
    };
    const auto pair_of = [](bool (*kind)(int)) { return [kind](int t) { return kind(t) && held(t) == 2; }; };
    return (kinds_held(is_wind, 2) >= 2 && pick(20, pair_seen_twice(is_wind))) ||
           (kinds_held(is_dragon, 2) >= 2 && pick(21, pair_seen_twice(is_dragon))) ||
           (kinds_held(is_wind, 3) > 0 && pick(30, pair_of(is_wind))) ||
           (kinds_held(is_dragon, 3) > 0 && pick(31, pair_of(is_dragon)));
  }

  // A live pair of the seat or round wind keeps the other winds out.
  bool own_wind_pairs() const {
    const int ws = seat_wind(seat_);
    const int wr = round_wind();
    const auto live_pair = [](int w, int n) { return held(w) == 2 && seen_by_all(w) == n; };
    const auto other_wind = [](int w) {
      return [w](int t) { return is_wind(t) && t != w && (held(t) == 1 || held(t) == 2); };
    };
    return (live_pair(ws, 0) && pick(40, other_wind(ws))) || (live_pair(wr, 0) && pick(41, other_wind(wr))) ||
           (live_pair(ws, 1) && pick(42, other_wind(ws))) || (live_pair(wr, 1) && pick(43, other_wind(wr)));
  }

  bool pairs_by_visibility() const {
    const auto keep_pair = [this](int first, int last, int code) {
      return each_count_down(2, [&](int n) {
        for (int kept = first; kept <= last; ++kept) {
          if (held(kept) != 2 || seen_by_all(kept) != n) continue;
          const bool wind = is_wind(kept);
          if (pick(code, [&](int t) { return t != kept && (wind ? is_wind(t) : is_dragon(t)); })) return true;
        }
        return false;
      });
    };
    return keep_pair(kEast, kNorth, 50) || keep_pair(kWhite, kRed, 51);
  }

  // Around a declared honour set or a triple in hand, the other honours of
  // its type go, singles first.
  bool beside_honour_sets() const {
    const bool wind_meld = has_meld_where(seat_, is_wind);
    const bool dragon_meld = has_meld_where(seat_, is_dragon);
    for (int n = 1; n <= 3; ++n) {
      if (wind_meld && pick(700, [n](int t) { return is_wind(t) && held(t) == n; })) return true;
      if (dragon_meld && pick(701, [n](int t) { return is_dragon(t) && held(t) == n; })) return true;
      if (beside_triple(kEast, kNorth, n, 710) || beside_triple(kWhite, kRed, n, 711)) return true;
    }
    return false;
  }
  bool beside_triple(int first, int last, int n, int code) const {
    for (int triple = first; triple <= last; ++triple) {
      if (held(triple) != 3) continue;
      if (pick(code, [&](int t) { return t >= first && t <= last && t != triple && held(t) == n; })) return true;
    }
    return false;
  }

  // ----------------------------------------------------------- suits
  bool declared_suits() {
    for (int s : kEverySuit) {
      if (!has_meld_in_suit(s)) continue;
      if (pick_in_suit(s, 0, [](int) { return true; })) return true;
      settled_[s] = true;
    }
    return false;
  }
  bool has_meld_in_suit(int s) const {
    for (int code : g_melds[seat_])
      if (code > 0 && is_suited(meld_tile(code)) && suit_of(meld_tile(code)) == s) return true;
    return false;
  }

  // For each open suit and each of `groups` held there (held_group(s, g)),
  // the suit's tiles the group can spare (spare(g, tile)): first those with
  // an open side (code_open), then any (code_any). A suit in which a group
  // has nothing to spare is settled, and its remaining groups are still tried.
  template <class Groups, class Held, class Spare>
  bool beside_groups(const Groups& groups, Held&& held_group, Spare&& spare, int code_open, int code_any) {
    for (int s : kEverySuit) {
      if (settled_[s]) continue;
      for (const auto& g : groups)
        if (held_group(s, g) && pick_in_suit(s, code_open, [&](int t) { return spare(g, t) && has_open_side(t); }))
          return true;
    }
    for (int s : kEverySuit) {
      if (settled_[s]) continue;
      for (const auto& g : groups) {
        if (!held_group(s, g)) continue;
        if (pick_in_suit(s, code_any, [&](int t) { return spare(g, t); })) return true;
        settled_[s] = true;
      }
    }
    return false;
  }
  // A triple of a rank spares the suit's other ranks.
  bool beside_triples() {
    static constexpr std::array<int, 9> kRanks{1, 2, 3, 4, 5, 6, 7, 8, 9};
    return beside_groups(
        kRanks, [](int s, int rank) { return held_rank(s, rank) >= 3; },
        [](int rank, int t) { return rank_of(t) != rank; }, 10, 11);
  }
  bool beside_templates() {
    return beside_groups(
        kChowTemplates, [](int s, const Ranks3& ranks) { return shape_held(s, ranks); },
        [](const Ranks3& ranks, int t) { return not_only_copy(ranks, t); }, 20, 21);
  }

  int suit_total(int s) const {
    int n = 0;
    for (int r = 1; r <= 9; ++r) n += held_rank(s, r);
    for (int code : g_melds[seat_])
      if (code > 0 && is_suited(meld_tile(code)) && suit_of(meld_tile(code)) == s) n += 3;
    return n;
  }

  // Lone and loosely joined tiles at the ends of every suit, settled or not.
  bool isolated_ends() const {
    const auto run = [](int t, int side, int first, std::initializer_list<int> wanted) {
      return side_run(g_hand_counts, t, side, first, wanted);
    };
    const auto long_suit = [this](int t) { return suit_total(suit_of(t)) >= 4; };
    return pick_either_side(seat_, kAllTypes, 31, 39, [&](int t, int side) {
             return long_suit(t) && side_rank(t, side) == 1 && run(t, side, 0, {1, 0, 0});
           }) ||
           pick_either_side(seat_, kAllTypes, 42, 48, [&](int t, int side) {
             return long_suit(t) && side_rank(t, side) == 2 && run(t, side, -1, {0, 1, 0, 0});
           }) ||
           pick_either_side(seat_, kAllTypes, 101, 109, [&](int t, int side) {
             return side_rank(t, side) == 1 && run(t, side, 0, {1, kSomeCount, 0, kSomeCount});
           }) ||
           pick_either_side(seat_, kAllTypes, 111, 119, [&](int t, int side) {
             return side_rank(t, side) == 1 && run(t, side, 0, {1, 0, kSomeCount, kSomeCount});
           }) ||
           pick_either_side(seat_, kAllTypes, 121, 129, [&](int t, int side) {
             return side_rank(t, side) <= 6 && run(t, side, -1, {0, 1, 0, kSomeCount, kSomeCount, 0});
           });
  }

  // Open suits that already hold a shape give up their lone tiles.
  bool weakest_singles() const {
    for (int s : kEverySuit) {
      if (settled_[s] || !(holds_pair(s) || holds_run(s) || holds_live_gap(s))) continue;
      const bool fired = each_by_distance(0, 4, [&](int slot, int t) {
        return suit_of(t) == s && held(t) == 1 && side_run(g_hand_counts, t, kTowardOne, -2, {0, 0, 1, 0, 0}) &&
               pick_for(seat_, slot, kAllTypes, 200);
      });
      if (fired) return true;
    }
    const auto lone_rank = [this](int code, bool (*gaps)(int s, int r)) {
      for (int s : kEverySuit) {
        if (settled_[s] || !(holds_pair(s) || holds_run(s))) continue;
        for (int r = 1; r <= 9; ++r)
          if (held_rank(s, r) == 1 && held_rank(s, r - 1) == 0 && held_rank(s, r + 1) == 0 && gaps(s, r) &&
              pick_rank(s, r, code))
            return true;
      }
      return false;
    };
    return lone_rank(210, [](int s, int r) { return held_rank(s, r - 2) == 0 && held_rank(s, r + 2) == 0; }) ||
           open_edges() ||
           lone_rank(230, [](int s, int r) { return (held_rank(s, r - 2) > 0) != (held_rank(s, r + 2) > 0); }) ||
           lone_rank(240, [](int, int) { return true; });
  }

  // 1-2 without the 3 (8-9 without the 7) beside another shape of the suit.
  bool open_edges() const {
    for (int s : kEverySuit) {
      if (settled_[s]) continue;
      if (held_rank(s, 1) == 1 && held_rank(s, 2) == 1 && held_rank(s, 3) == 0 &&
          (holds_pair(s) || holds_run(s, 4, 8) || holds_gapped(s, 2, 7)) && pick_rank(s, 1, 221))
        return true;
      if (held_rank(s, 7) == 0 && held_rank(s, 8) == 1 && held_rank(s, 9) == 1 &&
          (holds_pair(s) || holds_run(s, 1, 5) || holds_gapped(s, 1, 4)) && pick_rank(s, 9, 229))
        return true;
    }
    return false;
  }

  // Past the lone tiles: what lies outside the suit's strongest shapes.
  bool weakest_shapes() const {
    const auto outside = [](const Ranks2& shape) { return [&shape](int t) { return !in_shape(shape, rank_of(t)); }; };
    const auto each_open_suit = [this](auto&& fn) {
      for (int s : kEverySuit)
        if (!settled_[s] && fn(s)) return true;
      return false;
    };
    const auto runs = [&](int first, int last, bool need_double, int code) {
      return each_open_suit([&](int s) {
        for (int i = first; i < last; ++i)
          if ((need_double ? doubled(s, kRuns[i]) : shape_held(s, kRuns[i])) &&
              pick_in_suit(s, code, outside(kRuns[i])))
            return true;
        return false;
      });
    };
    const bool single_honour = kinds_held(is_honour, 1) > kinds_held(is_honour, 2);  // one held exactly once
    return runs(0, kMiddleRuns, true, 300) || (single_honour && runs(0, kMiddleRuns, false, 303)) ||
           each_open_suit([&](int s) {
             for (const Ranks2& g : kGappedPairs)
               if (doubled(s, g) && pick_in_suit(s, 301, outside(g))) return true;
             return false;
           }) ||
           runs(kMiddleRuns, static_cast<int>(kRuns.size()), true, 302) ||
           each_open_suit([&](int s) {
             for (const Ranks2& run : kRuns)
               if (shape_held(s, run) && pick_in_suit(s, 311, [&](int t) { return not_only_copy(run, t); }))
                 return true;
             return false;
           }) ||
           spaced_singles() ||
           each_open_suit([&](int s) {
             for (const Ranks2& g : kGappedPairs)
               if (shape_held(s, g) && pick_in_suit(s, 312, [&](int t) { return not_only_copy(g, t); })) return true;
             return false;
           }) ||
           each_open_suit([&](int s) {
             for (int r = 1; r <= 9; ++r)
               if (held_rank(s, r) >= 2 && pick_in_suit(s, 310, [r](int t) { return rank_of(t) != r; })) return true;
             return false;
           });
  }

  // Four singles two ranks apart (1-3-5-7, 2-4-6-8, 3-5-7-9): the end tile goes.
  bool spaced_singles() const {
    const auto spaced = [](int s, int from, int step) {
      for (int k = 0; k < 4; ++k)
        if (held_rank(s, from + 2 * k * step) != 1) return false;
      for (int k = 0; k < 3; ++k)
        if (held_rank(s, from + (2 * k + 1) * step) != 0) return false;
      return true;
    };
    for (int r0 = 1; r0 <= 3; ++r0)
      for (int s : kEverySuit) {
        if (settled_[s]) continue;
        const bool fired = pick_first_coded(seat_, kAllTypes, [&](int t) {
          if (!is_suited(t) || suit_of(t) != s) return kNoCode;
          if (rank_of(t) == r0 && spaced(s, r0, 1)) return 313;
          return rank_of(t) == 10 - r0 && spaced(s, 10 - r0, -1) ? 314 : kNoCode;
        });
        if (fired) return true;
      }
    return false;
  }

  int seat_;
  std::array<bool, kEverySuit.size()> settled_{};  // a suit with a group the pattern can use; its tiles are kept
};

}  // namespace

void discard_outside_hand(int seat) {
  if (!aims_at_any(seat, {kOutside})) return;
  (void)(outside_first(seat) || outside_middle_tiles(seat) || outside_surplus(seat) || outside_shapes(seat) ||
         outside_single_honours(seat) || outside_late(seat) || outside_edge_shapes(seat));
}

void discard_all_types(int seat) {
  if (!aims_at_any(seat, {kAllTypes})) return;
  AllTypes rules(seat);
  (void)(rules.honours() || rules.suits());
}
