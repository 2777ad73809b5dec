#include "com/target/selectors.h"

#include <algorithm>
#include <array>

#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "com/target/seat_facts.h"
#include "com/target/seat_winds.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "base/yaku_table.h"
#include "base/table_state.h"

// The outside-hand selector: every set and the pair with a terminal or an
// honour, by one of four routes that the variant records.

namespace {

enum OutsideRoute : int {
  kRouteGeneral = 0,       // modes 2 and 3
  kRouteTerminalChows = 1,
  kRouteDoubleWind = 2,
  kRoutePungs = 3,
  kRouteConcealed = 4,     // one group of each kind, or a concealed hand
};

using Counts = KindCounts;

int pung_melds(int seat) {
  const MeldTally& m = tally_melds(seat);
  return m.melds - m.chows;
}

// A chow 2-3-4 to 6-7-8 or a pung of 2 to 8 keeps a set without a terminal.
bool has_inner_meld(int seat) {
  for (int code : g_melds[seat]) {
    const int t = meld_tile(code);
    if (code == 0 || !is_suited(t)) continue;
    if (meld_kind(code) == kMeldChow && rank_of(t) >= 2 && rank_of(t) <= 6) return true;
    if (meld_kind(code) != kMeldChow && rank_of(t) >= 2 && rank_of(t) <= 8) return true;
  }
  return false;
}

// Mode 2 looks only at a hand close to ready with at most one middle tile
// (4 to 6), or two while it holds a drawn tile.
bool few_middle_tiles(int seat) {
  if (AI[seat].min_shanten >= 2) return false;
  int middle = 0;
  for (int suit = kCharacters; suit <= kBamboo; ++suit)
    for (int n = 4; n <= 6; ++n) middle += held(make_tile(suit, n));
  return middle < 2 || (middle == 2 && g_hand[seat][kDrawSlot] != 0);
}

int orphan_pung_route_count(int seat) {
  int k = pung_melds(seat);
  for (int t : g_terminal_honour_tiles) k += held(t) >= 3 || is_live_pair(t);
  return k;
}

// Four passes over the suits, each taking 1-2-3 and 7-8-9 once where held.
int take_terminal_chows(Counts& r) {
  int chows = 0;
  for (int pass = 0; pass < 4; ++pass)
    for (int suit = kCharacters; suit <= kBamboo; ++suit)
      for (int first : {1, 7}) {
        const int t = make_tile(suit, first);
        if (r[t] == 0 || r[t + 1] == 0 || r[t + 2] == 0) continue;
        --r[t], --r[t + 1], --r[t + 2];
        ++chows;
      }
  return chows;
}

// The two-tile shapes next to a terminal, once each per suit, while the
// tile that completes them is not all seen: 1-2 and 8-9 (edges), 1-3 and
// 7-9 (closed), 2-3 and 7-8. `edge_or_closed` notes one of the first four.
int take_terminal_partials(Counts& r, bool* edge_or_closed = nullptr) {
  struct Shape {
    int low, high, completing;
  };
  constexpr std::array<Shape, 6> kShapes{{{1, 2, 3}, {8, 9, 7}, {1, 3, 2}, {7, 9, 8}, {2, 3, 1}, {7, 8, 9}}};
  int partials = 0;
  for (int suit = kCharacters; suit <= kBamboo; ++suit)
    for (std::size_t i = 0; i < kShapes.size(); ++i) {
      const Shape& s = kShapes[i];
      const int low = make_tile(suit, s.low), high = make_tile(suit, s.high);
      if (r[low] == 0 || r[high] == 0 || g_seen_counts[make_tile(suit, s.completing)] >= 4) continue;
      --r[low], --r[high];
      ++partials;
      if (edge_or_closed != nullptr && i < 4) *edge_or_closed = true;
    }
  return partials;
}

// Route 1: terminal chows, made or waiting, with a pair of 1s or 9s.
bool terminal_chows_route(int seat) {
  Counts r = free_tile_counts();
  const int chows = take_terminal_chows(r) + tally_melds(seat).chows;
  const int partials = take_terminal_partials(r);
  int pairs = 0;
  for (int suit = kCharacters; suit <= kBamboo; ++suit)
    for (int n : {1, 9}) {
      const int t = make_tile(suit, n);
      if (r[t] < 2) continue;
      r[t] -= 2;
      ++pairs;
    }
  const bool honour_pair = honour_held_twice();
  return (chows + partials >= 4 && pairs >= 1) || (chows >= 2 && chows + partials >= 5 && !honour_pair);
}

// The double wind (the seat's wind when it is the round's): 1 as a set, 2 as a live pair.
int double_wind_mark(int seat) {
  const int wind = own_wind_tile(seat);
  if (wind != round_wind_tile()) return 0;
  for (int code : g_melds[seat])
    if (is_pung_meld(code) && meld_tile(code) == wind) return 1;
  if (held(wind) >= 3) return 1;
  return held(wind) == 2 && seen_by_all(wind) < 2 ? 2 : 0;
}

// A pair of orphans still worth keeping: fewer copies out the better; a
// terminal taken from three (the third in a chow) only when none is out.
bool orphan_pair(int t) {
  const int copies = held(t), out = seen_by_all(t);
  if (is_honour(t)) return out <= 2;
  return (copies == 2 && out <= 2) || (copies == 3 && out <= 1) || copies == 4;
}

OutsideCount count_outside(int seat) {
  OutsideCount c;
  Counts r = free_tile_counts();
  c.sets = take_terminal_chows(r) + tally_melds(seat).chows + pung_melds(seat);
  for (int t : g_terminal_honour_tiles) {
    if (r[t] < 3) continue;
    r[t] -= 3;
    ++c.sets;
  }
  for (int suit = kCharacters; suit <= kBamboo; ++suit) {
    const int one = make_tile(suit, 1), nine = make_tile(suit, 9);
    if (r[one] == 2 && (r[one + 1] == 1 || r[one + 2] == 1)) r[one] -= 2, ++c.pairs;
    if (r[nine] == 2 && (r[nine - 1] == 1 || r[nine - 2] == 1)) r[nine] -= 2, ++c.pairs;
  }
  c.partials = take_terminal_partials(r, &c.edge_or_closed);
  for (int t : g_terminal_honour_tiles) {
    if (r[t] == 2 && orphan_pair(t)) r[t] -= 2, ++c.pairs;
    c.single = c.single || (r[t] == 1 && g_seen_counts[t] < 4);
  }
  return c;
}

// The route the general count supports, or -1.
int general_route(int seat, int mode, const OutsideCount& c) {
  const int s = c.sets + c.partials + c.pairs;
  const int mark = double_wind_mark(seat);
  const bool concealed = g_seat_state[seat].naki_count == 0;
  if (mark != 0 && s >= 5 && c.pairs >= 1) return kRouteDoubleWind;
  if (mark == 1 && s >= 5) return kRouteDoubleWind;
  if (concealed && c.sets >= 1 && s >= 5 && c.pairs >= 1) return kRouteConcealed;
  if (mode == 1 && ((s >= 4 && c.sets >= 1) || (concealed && s >= 5))) return kRouteConcealed;
  if (mode == 2) {
    const bool two_partials = s >= 5 && c.sets >= 3 && c.partials >= 2;
    if ((s >= 5 && c.sets >= 2 && c.pairs >= 1) || (two_partials && c.edge_or_closed) ||
        (two_partials && !concealed) || (s == 4 && c.sets >= 3 && c.pairs >= 1 && c.single) ||
        (s == 4 && c.sets == 4 && c.single))
      return kRouteGeneral;
  }
  if (mode == 3 && ((s >= 5 && c.sets >= 1) || (s >= 4 && c.sets >= 2 && c.single))) return kRouteGeneral;
  return -1;
}

}  // namespace

void aim_outside_hand(int seat, int min_open_calls, int mode) {
  if (keeps_current_target(seat, kYaku23OutsideHand) || has_inner_meld(seat)) return;
  if (mode == 2 && !few_middle_tiles(seat)) return;
  // The pung route passes on its count alone.
  const bool declared = tally_melds(seat).melds > 0;
  int route = -1;
  if (declared && orphan_pung_route_count(seat) >= 4) {
    route = kRoutePungs;
  } else if (g_seat_state[seat].open_naki_count < min_open_calls) {
    return;
  } else if (pung_melds(seat) == 0 &&
             seat_fact(seat, &SeatFacts::terminal_chows_route, [seat] { return terminal_chows_route(seat); })) {
    route = kRouteTerminalChows;
  } else {
    route = general_route(seat, mode, seat_fact(seat, &SeatFacts::outside, [seat] { return count_outside(seat); }));
  }
  if (route >= 0) write_target(seat, kYaku23OutsideHand, route);
}
