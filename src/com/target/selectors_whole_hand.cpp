#include "com/target/selectors.h"

#include <algorithm>
#include <array>

#include "com/hand_terms.h"
#include "com/target/chicken_templates.h"
#include "com/target/com_target.h"
#include "com/target/seat_facts.h"
#include "com/target/seat_winds.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "base/yaku_table.h"
#include "base/table_state.h"

// Whole-hand selectors: all types, the chicken hand and the melded hand.

namespace {

// ---------------------------------------------------------------- all types

enum TileType : int { kTypeWinds = 3, kTypeDragons = 4 };  // 0..2 the suits
int type_of(int tile) { return is_suited(tile) ? suit_of(tile) : is_wind(tile) ? kTypeWinds : kTypeDragons; }

// Two tiles n, n+1 of a suit whose outer neighbours are not both dead.
bool live_adjacent(int tile) {
  const int n = rank_of(tile);
  return (n > 1 && !out_of_play(tile - 1)) || (n < 8 && !out_of_play(tile + 2));
}

bool run_held(int tile) { return held(tile) && held(tile + 1) && held(tile + 2); }

int suit_partials(int suit) {
  int partials = 0;
  for (int n = 1; n <= 8; ++n) {
    const int t = make_tile(suit, n);
    partials += held(t) && held(t + 1) && live_adjacent(t);
  }
  for (int n = 1; n <= 7 && partials == 0; ++n) {
    const int t = make_tile(suit, n);
    if (held(t) && !held(t + 1) && held(t + 2) && !out_of_play(t + 1)) ++partials;
  }
  return partials;
}

AllTypes count_types(int seat) {
  AllTypes g{};
  for (int code : g_melds[seat]) {
    if (code == 0) continue;
    TypeGroups& type = g[type_of(meld_tile(code))];
    type.tiles += 3;
    ++type.melds;
    ++type.sets;
    type.doubled = true;
  }
  for (int t : kPlayingTiles) {
    TypeGroups& type = g[type_of(t)];
    type.tiles += held(t);
    type.sets += held(t) >= 3;
    type.pairs += held(t) == 2;
    type.doubled = type.doubled || held(t) >= 2;
    if (is_suited(t) && rank_of(t) <= 7) type.sets += run_held(t);
  }
  for (int suit = kCharacters; suit <= kBamboo; ++suit)
    if (g[suit].sets == 0) g[suit].partials = suit_partials(suit);
  return g;
}

// A free tile or a meld of the winds or of the dragons: every route to all
// types asks for both.
bool holds_honour_type(int seat, int type) {
  const int first = type == kTypeWinds ? kEast : kWhite;
  const int last = type == kTypeWinds ? kNorth : kRed;
  for (int t = first; t <= last; ++t)
    if (held(t) > 0) return true;
  return std::any_of(g_melds[seat], g_melds[seat] + kMeldSlots,
                     [type](int code) { return code != 0 && type_of(meld_tile(code)) == type; });
}

// A value honour set or live pair, a concealed kong or two terminal or
// honour sets (melded kongs counted among them) beside all types.
bool extra_mark(int seat) {
  int big_sets = 0;
  for (int code : g_melds[seat]) {
    if (code == 0) continue;
    const int t = meld_tile(code);
    if (is_value_honour_of(seat, t) || meld_kind(code) == kMeldConcealedKong) return true;
    big_sets += (is_pung_meld(code) && is_terminal_or_honour(t)) || meld_kind(code) == kMeldMeldedKong;
  }
  if (big_sets >= 2) return true;
  for (int t = kEast; t <= kRed; ++t)
    if (is_value_honour_of(seat, t) && (held(t) >= 3 || is_live_pair(t))) return true;
  return false;
}

// Levels 3 and 5: a group of some kind in every type.
bool every_type_grouped(const AllTypes& g, int level) {
  int with_set = 0, with_pair = 0, with_partial = 0;
  for (const TypeGroups& type : g) {
    if (type.tiles == 0) return false;
    with_set += type.sets > 0;
    with_pair += type.sets == 0 && type.pairs > 0;
    with_partial += type.sets == 0 && type.pairs == 0 && type.partials > 0;
  }
  const int grouped = with_set + with_pair + with_partial;
  const int unfinished = with_pair + with_partial;
  if (with_set == 4) return true;
  if (grouped >= 5 && with_set == 2 && with_pair >= 1) return true;
  if (grouped >= 5 && with_set == 3) return true;
  if (with_set >= 3 && unfinished == 1 && g[kTypeWinds].doubled && g[kTypeDragons].doubled) return true;
  return level == 5 && with_set >= 3 && unfinished == 1;
}

bool honours_show_group(const AllTypes& g, int type, bool mark) {
  const int first = type == kTypeWinds ? kEast : kWhite;
  const int last = type == kTypeWinds ? kNorth : kRed;
  for (int t = first; t <= last; ++t) {
    if (held(t) >= 3) return true;
    if (held(t) == 2 && (mark || seen_by_all(t) < 2)) return true;
  }
  return g[type].melds > 0;
}

bool suit_shows_group(const AllTypes& g, int suit) {
  if (g[suit].melds > 0) return true;
  for (int n = 1; n <= 9; ++n) {
    const int t = make_tile(suit, n);
    const int c = held(t);
    if (c >= 3 || (c == 2 && seen_by_all(t) < 2)) return true;
    if (n <= 7 && (run_held(t) || (held(t) && held(t + 2) && !out_of_play(t + 1)))) return true;
    if (n <= 8 && held(t) && held(t + 1) && live_adjacent(t)) return true;
  }
  return false;
}

// Levels 0 to 2: the winds and the dragons show a group; levels 0 and 1 also two suits.
bool honour_anchored(const AllTypes& g, int level, bool mark) {
  if (!honours_show_group(g, kTypeWinds, mark) || !honours_show_group(g, kTypeDragons, mark)) return false;
  if (level == 2) return true;
  int suits = 0;
  for (int suit = kCharacters; suit <= kBamboo; ++suit) suits += suit_shows_group(g, suit);
  return suits >= 2;
}

bool two_melds_of_one_type(const AllTypes& g) {
  return std::any_of(g.begin(), g.end(), [](const TypeGroups& type) { return type.melds >= 2; });
}

// All types is a normal-form hand: a seat nearer to thirteen orphans or to
// honours and knitted, or near enough to either, leaves it alone.
bool normal_form_nearest(int seat) {
  const SeatAiRecord& ai = AI[seat];
  const int other_forms = std::min(ai.min_shanten_kokushi, ai.min_shanten_knitted);
  return other_forms >= ai.min_shanten && other_forms > 3;
}

// --------------------------------------------------------------- chicken hand

bool chicken_row_fits(int seat, const ChickenTemplate& row) {
  std::array<bool, 3> filled{};
  bool pung = false;
  int matched = 0;
  for (int code : g_melds[seat]) {
    if (code == 0) continue;
    const int t = meld_tile(code);
    if (meld_kind(code) == kMeldChow) {
      for (int i = 0; i < 3; ++i) {
        if (t != row.partials[i] && t != row.partials[i] - 1) continue;
        filled[i] = true;
        ++matched;
        break;
      }
    } else if (std::find(row.pungs.begin(), row.pungs.end(), t) != row.pungs.end()) {
      pung = true;
      ++matched;
    }
  }
  const auto gone = [](int t) { return !held(t) && out_of_play(t); };
  for (int i = 0; i < 3; ++i) {
    const int p = row.partials[i];
    filled[i] = filled[i] || (held(p) && held(p + 1) && !(gone(p - 1) && gone(p + 2)));
  }
  for (int t : row.pungs) pung = pung || held(t) >= 3;
  const bool all_filled = filled[0] && filled[1] && filled[2];
  return matched == g_seat_state[seat].naki_count && all_filled && pung;
}

// ---------------------------------------------------------------- melded hand

// Chow melds of `suit` from rank `low`.
int chows_of(const MeldTally& m, int suit, int low) { return m.chows_from[make_tile(suit, low)]; }

// Chow melds that make patterns together; counted once a second meld is down.
int chow_pattern_bonus(const MeldTally& m) {
  int bonus = 0;
  for (int n = 1; n <= 7; ++n) {
    int suits = 0;
    for (int s = 0; s < 3; ++s) {
      bonus += chows_of(m, s, n) == 2;
      suits += chows_of(m, s, n) > 0;
    }
    bonus += suits >= 2;
  }
  for (int s = 0; s < 3; ++s) bonus += chows_of(m, s, 1) == 1 && chows_of(m, s, 7) == 1;
  for (int n = 1; n <= 6; ++n) {
    bool shifted = false;
    for (int s = 0; s < 3; ++s) shifted = shifted || (chows_of(m, s, n) > 0 && chows_of(m, s, n + 1) > 0);
    bonus += shifted;
  }
  return bonus;
}

// The points the melds promise beside the melded hand itself.
int melded_hand_bonus(int seat, const MeldTally& m) {
  int bonus = m.melded_kongs;
  for (int t : kPlayingTiles) {
    if (m.pungs[t] == 0) continue;
    bonus += is_value_honour_of(seat, t) ? 2 : is_terminal_or_honour(t) ? 1 : 0;
    if (is_suited(t))
      for (int low = chow_starts_holding(t).first; low <= chow_starts_holding(t).last; ++low)
        bonus += 2 * m.chows_from[low];
  }
  // A double pung scores alike for every rank.
  for (int n = 1; n <= 9; ++n)
    bonus += 2 * ((m.pungs[n] > 0) + (m.pungs[10 + n] > 0) + (m.pungs[20 + n] > 0) == 2);
  if (m.melds >= 2) bonus += chow_pattern_bonus(m);
  for (int s = 0; s < 3; ++s) {
    bool empty = true;
    for (int n = 1; n <= 9; ++n) empty = empty && chows_of(m, s, n) == 0 && m.pungs[make_tile(s, n)] == 0 && !held(make_tile(s, n));
    if (empty) {
      ++bonus;
      break;
    }
  }
  const bool honour_pung = std::any_of(&m.pungs[kEast], &m.pungs[kRed] + 1, [](int c) { return c > 0; });
  bonus += !honour_pung && !honour_held_twice();
  return bonus;
}

// Variant 2: every set and tile a simple; variant 1: chows only.
int melded_hand_route(const MeldTally& m) {
  bool edge_chow = false, big_pung = false, any_pung = false, terminal = false;
  for (int s = 0; s < 3; ++s) edge_chow = edge_chow || chows_of(m, s, 1) > 0 || chows_of(m, s, 7) > 0;
  for (int t : kPlayingTiles) {
    any_pung = any_pung || m.pungs[t] > 0;
    big_pung = big_pung || (m.pungs[t] > 0 && is_terminal_or_honour(t));
    terminal = terminal || (is_terminal(t) && held(t));
  }
  if (!edge_chow && !big_pung && !terminal && !honour_held_twice()) return 2;
  if (!any_pung && !honour_held_twice()) return 1;
  return -1;
}

}  // namespace

void aim_all_types(int seat, int level) {
  if (keeps_current_target(seat, kYaku30AllTypes) || !normal_form_nearest(seat)) return;
  if (!holds_honour_type(seat, kTypeWinds) || !holds_honour_type(seat, kTypeDragons)) return;
  const AllTypes& g = seat_fact(seat, &SeatFacts::types, [seat] { return count_types(seat); });
  if (two_melds_of_one_type(g)) return;
  const bool mark = extra_mark(seat);
  if (level == 1 && !mark) return;
  const bool by_types = (level == 3 || level == 5) && every_type_grouped(g, level);
  const bool by_honours = level >= 0 && level <= 2 && honour_anchored(g, level, mark);
  if (by_types || by_honours) write_target(seat, kYaku30AllTypes, 0);
}

void aim_chicken_hand(int seat) {
  if (keeps_current_target(seat, kYaku40ChickenHand) || !honour_held_twice()) return;
  for (int code : g_melds[seat]) {
    const int t = meld_tile(code);
    if (is_kong_meld(code) || (meld_kind(code) == kMeldPung && is_terminal_or_honour(t))) return;
  }
  for (int row = 0; row < static_cast<int>(kChickenTemplates.size()); ++row) {
    if (chicken_row_fits(seat, kChickenTemplates[row])) {
      write_target(seat, kYaku40ChickenHand, row);
      return;
    }
  }
}

void aim_melded_hand(int seat) {
  if (g_ai_target_yaku[seat] != 0 || g_seat_state[seat].naki_count == 0) return;
  for (int code : g_melds[seat])
    if (code != 0 && meld_kind(code) == kMeldConcealedKong) return;
  const MeldTally& m = tally_melds(seat);
  const int variant = melded_hand_bonus(seat, m) >= 2 ? 0 : melded_hand_route(m);
  if (variant >= 0) write_target(seat, kYaku32MeldedHand, variant);
}
