#include "com/target/selectors.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "com/hand_terms.h"
#include "com/target/aim_tools.h"
#include "com/target/com_target.h"
#include "com/target/seat_facts.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "base/yaku_table.h"
#include "base/table_state.h"

// Pung-family selectors: all pungs and its concealed and even cousins, and
// the pungs laid out over a window of tiles (one number in three suits, or
// consecutive numbers in one or three suits).

namespace {

// A kind held exactly twice of which nobody has seen a copy; the latest
// discard may be the one copy seen.
bool is_fresh_pair(int tile) {
  return held(tile) == 2 && seen_by_all(tile) < (tile == target_latest_discard() ? 2 : 1);
}

// ------------------------------------------------------------- all pungs

PungTally tally_pungs(const MeldTally& m) {
  PungTally p;
  for (int t : kPlayingTiles) {
    const int copies = held(t);
    if (copies >= 3) {
      ++p.hand_pungs;
      ++p.pungs;
      p.in_pung[t] = true;
    } else if (copies == 2) {
      ++p.pairs;
      p.in_pair[t] = true;
      p.live_pairs += is_live_pair(t) ? 1 : 0;
      p.fresh_pairs += is_fresh_pair(t) ? 1 : 0;
      p.pair_visible += seen_by_all(t);
    }
    if (m.pungs[t]) {
      ++p.pungs;
      p.in_pung[t] = true;
    }
  }
  return p;
}

// The hand is far enough on to be worth the extras test.
bool all_pungs_gate(int seat, const MeldTally& m, const PungTally& p) {
  const int calls = g_seat_state[seat].naki_count;
  const bool second_meld = g_melds[seat][1] != 0;
  const bool pairs_fit = p.pair_visible == 1 ? p.live_pairs >= 2 : p.fresh_pairs >= 2;
  const bool gate = (calls == 0 && p.pungs == 2 && pairs_fit) ||
                    (calls >= 1 && p.pungs == 2 && p.live_pairs >= 2) ||
                    (calls >= 1 && second_meld && p.pungs == 2 && p.pairs >= 2) ||
                    (calls >= 1 && p.pungs == 3 && p.pairs >= 1);
  if (!gate) return false;
  // A closed hand of many pairs is on its way to seven pairs instead (five
  // pairs cannot go with the two pungs that the closed gate asks for).
  return m.melds != 0 || !(p.pungs == 2 && p.pairs == 4);
}

bool no_terminal_or_honour_in(const PungTally& p) {
  for (int t : g_terminal_honour_tiles)
    if (p.in_pung[t] || p.in_pair[t]) return false;
  return true;
}

bool number_pung_in_two_suits(const PungTally& p) {
  for (int rank = 1; rank <= 9; ++rank) {
    int suits = 0;
    for (int suit = kCharacters; suit <= kBamboo; ++suit) suits += p.in_pung[make_tile(suit, rank)] ? 1 : 0;
    if (suits >= 2) return true;
  }
  return false;
}

// One extra that the all-pungs hand carries on its own is enough.
bool has_large_extra(int seat, const MeldTally& m, const PungTally& p) {
  const std::array<int, 5> value_honours{seat_wind_tile(seat, g_dealer), kEast + g_round_wind, kWhite, kGreen, kRed};
  for (int t : value_honours)
    if (p.in_pung[t]) return true;
  return m.concealed_kongs > 0 || p.hand_pungs >= 2 || number_pung_in_two_suits(p) ||
         (p.pungs + p.pairs >= 5 && no_terminal_or_honour_in(p));
}

bool suit_left_empty(const PungTally& p) {
  for (int suit = kCharacters; suit <= kBamboo; ++suit) {
    bool empty = true;
    for (int rank = 1; rank <= 9; ++rank) {
      const int t = make_tile(suit, rank);
      empty = empty && !p.in_pung[t] && !p.in_pair[t];
    }
    if (empty) return true;
  }
  return false;
}

int small_extras(const MeldTally& m, const PungTally& p) {
  int n = m.melded_kongs;
  for (int t : g_terminal_honour_tiles) n += p.in_pung[t] ? 1 : 0;
  if (p.pungs + p.pairs >= 5) {
    bool honour_kept = false;
    for (int t = kEast; t <= kRed; ++t) honour_kept = honour_kept || p.in_pung[t] || p.in_pair[t];
    n += suit_left_empty(p) ? 1 : 0;
    n += honour_kept ? 0 : 1;
  }
  return n;
}

bool all_pungs_fits(int seat, int level, const MeldTally& m, const PungTally& p) {
  switch (level) {
    case 1:  // with chows ruled out, any meld is a pung meld
      return m.melds > 0 && (p.pungs >= 3 || p.pungs + p.live_pairs >= 4);
    case 2:
      return g_seat_state[seat].naki_count != 0 && p.pungs == 2 && p.live_pairs == 3;
    default:
      return all_pungs_gate(seat, m, p) && (has_large_extra(seat, m, p) || small_extras(m, p) >= 2);
  }
}

// ------------------------------------------------------- number windows

struct WindowCount {
  int done = 0;   // tiles melded as a pung or held 3 or more times
  int fresh = 0;  // the rest held twice with no copy visible
  int thin = 0;   // the rest held twice with one copy visible
};

// Tiles melded as a pung or held at least twice, one bit per tile code:
// every window fit below asks that of each of its tiles.
static_assert(kRed < 64);
std::uint64_t pung_ready_tiles(const MeldTally& m) {
  std::uint64_t bits = 0;
  for (int t : kPlayingTiles)
    if (m.pungs[t] || held(t) >= 2) bits |= std::uint64_t{1} << t;
  return bits;
}

// Bit o set when every tile of the window, moved o ranks up, is ready.
template <std::size_t N>
std::uint64_t ready_shifts(std::uint64_t ready, const std::array<int, N>& tiles) {
  std::uint64_t shifts = ~std::uint64_t{0};
  for (int t : tiles) shifts &= ready >> t;
  return shifts;
}
constexpr bool has_shift(std::uint64_t shifts, int o) { return (shifts >> o & 1) != 0; }

// Counts a window of tiles that each want a pung; nothing counts when two
// or more declared melds lie outside the window.
template <std::size_t N>
WindowCount count_window(const MeldTally& m, const std::array<int, N>& tiles) {
  WindowCount w;
  if (m.melds - pung_melds_among(m, tiles) >= 2) return w;
  for (int t : tiles) {
    const int copies = held(t);
    if (m.pungs[t] || copies >= 3) {
      ++w.done;
    } else if (copies >= 2 && seen_by_all(t) == 0) {
      ++w.fresh;
    } else if (copies >= 2 && seen_by_all(t) == 1) {
      ++w.thin;
    }
  }
  return w;
}

bool is_end_number(int rank) { return rank == 1 || rank == 9; }

bool triple_pung_fits(int level, int rank, const WindowCount& w) {
  switch (level) {
    case 9: return w.done == 3;
    case 8: return w.done == 2 && (w.fresh == 1 || w.thin == 1);
    case 7:
      return (w.done == 1 && w.fresh == 2) || (is_end_number(rank) && w.done == 1 && w.fresh == 1 && w.thin == 1);
    default: return is_end_number(rank) && w.fresh == 3;  // level 6
  }
}

bool shifted_pungs_fit(int level, const WindowCount& w) {
  switch (level) {
    case 9: return w.done == 3;
    case 8: return w.done == 2 && (w.fresh == 1 || w.thin == 1);
    default: return w.done == 1 && (w.fresh == 2 || (w.fresh == 1 && w.thin == 1));  // level 7
  }
}

// Consecutive tiles of one suit from `low` upward.
template <std::size_t N>
std::array<int, N> run_from(int low) {
  std::array<int, N> tiles{};
  for (std::size_t i = 0; i < N; ++i) tiles[i] = low + static_cast<int>(i);
  return tiles;
}

// Mixed shifted pungs: which suit carries the lowest, middle and highest
// number, as the tiles of the window starting at 1.
constexpr int kSuitOrders = 6;
constexpr std::array<std::array<int, 3>, kSuitOrders> kShiftedPungBases{{
    {1, 12, 23}, {1, 22, 13}, {11, 2, 23}, {11, 22, 3}, {21, 2, 13}, {21, 12, 3},
}};
constexpr int kShiftedPungOffsets = 7;  // lowest number 1..7

// Every tile melded, held 3 or more times or as a pair seen at most once.
// The levels (7 to 9) ask for more than three pairs, hence for a pung.
bool mixed_shifted_window_fits(const MeldTally& m, const std::array<int, 3>& tiles, int level) {
  if (m.melds - pung_melds_among(m, tiles) >= 2) return false;
  int sum = 0;
  for (int t : tiles) {
    const int copies = m.pungs[t] ? 3 : held(t);
    if (copies < 3 && (copies != 2 || seen_by_all(t) >= 2)) return false;
    sum += copies;
  }
  return sum >= level;
}

}  // namespace

PungFacts pung_facts(const MeldTally& m) { return {tally_pungs(m), pung_ready_tiles(m)}; }

void aim_all_pungs(int seat, int level) {
  if (keeps_current_target(seat, kYaku28AllPungs)) return;
  const MeldTally& m = tally_melds(seat);
  if (m.chows > 0) return;
  if (all_pungs_fits(seat, level, m, seat_facts(seat).pung.tally)) write_target(seat, kYaku28AllPungs, 0);
}

void aim_all_even_pungs(int seat) {
  if (keeps_current_target(seat, kYaku58AllEvenPungs)) return;
  const MeldTally& m = tally_melds(seat);
  if (m.chows > 0) return;
  int pungs = 0;
  int live_pairs = 0;
  for (int t : kPlayingTiles) {
    const bool even = is_suited(t) && rank_of(t) % 2 == 0;
    if (!even && (held(t) >= 3 || m.pungs[t])) return;
    if (!even) continue;
    pungs += held(t) >= 3 ? 1 : 0;
    live_pairs += is_live_pair(t) ? 1 : 0;
  }
  const bool fits = m.melds > 0 ? pungs >= 1 && pungs + live_pairs >= 4 : pungs >= 2 && pungs + live_pairs == 4;
  if (fits) write_target(seat, kYaku58AllEvenPungs, 0);
}

void aim_four_concealed_pungs(int seat) {
  if (keeps_current_target(seat, kYaku71FourConcealedPungs)) return;
  if (g_seat_state[seat].naki_count != 0) return;
  int pungs = tally_melds(seat).concealed_kongs;
  int live_pairs = 0;
  for (int t : kPlayingTiles) {
    pungs += held(t) >= 3 ? 1 : 0;
    live_pairs += held(t) == 2 && seen_by_all(t) <= 1 ? 1 : 0;
  }
  if (pungs == 2 && live_pairs == 3) write_target(seat, kYaku71FourConcealedPungs, 0);
}

void aim_three_concealed_pungs(int seat) {
  // Unlike the other selectors, an aim of equal points gives way.
  const int current = g_ai_target_yaku[seat];
  if (current > 0 && g_yaku_table[current].points > g_yaku_table[kYaku51ThreeConcealedPungs].points) return;
  int pungs = 0;
  for (int t : kPlayingTiles) pungs += held(t) >= 3 ? 1 : 0;
  if (pungs == 3) write_target(seat, kYaku51ThreeConcealedPungs, 0);
}

void aim_triple_pung(int seat, int level) {
  if (keeps_current_target(seat, kYaku50TriplePung)) return;
  const MeldTally& m = tally_melds(seat);
  const std::uint64_t shifts = ready_shifts(seat_facts(seat).pung.ready, std::array{1, 11, 21});
  if (shifts == 0) return;
  for (int rank = 1; rank <= 9; ++rank) {
    const std::array<int, 3> tiles{rank, 10 + rank, 20 + rank};
    if (has_shift(shifts, rank - 1) && triple_pung_fits(level, rank, count_window(m, tiles))) {
      write_target(seat, kYaku50TriplePung, rank);
      return;
    }
  }
}

void aim_pure_shifted_pungs(int seat, int level) {
  if (keeps_current_target(seat, kYaku54PureShiftedPungs)) return;
  const MeldTally& m = tally_melds(seat);
  const std::uint64_t ready = seat_facts(seat).pung.ready;
  for (int suit = kCharacters; suit <= kBamboo; ++suit) {
    const std::uint64_t shifts = ready_shifts(ready, run_from<3>(make_tile(suit, 1)));
    for (int start = 1; start <= 7 && shifts != 0; ++start) {
      const int low = make_tile(suit, start);
      if (has_shift(shifts, start - 1) && shifted_pungs_fit(level, count_window(m, run_from<3>(low)))) {
        write_target(seat, kYaku54PureShiftedPungs, low);
        return;
      }
    }
  }
}

void aim_four_pure_shifted_pungs(int seat) {
  if (keeps_current_target(seat, kYaku66FourShiftedPungs)) return;
  const MeldTally& m = tally_melds(seat);
  const std::uint64_t ready = seat_facts(seat).pung.ready;
  for (int suit = kCharacters; suit <= kBamboo; ++suit) {
    const std::uint64_t shifts = ready_shifts(ready, run_from<4>(make_tile(suit, 1)));
    for (int start = 1; start <= 6 && shifts != 0; ++start) {
      const int low = make_tile(suit, start);
      if (!has_shift(shifts, start - 1)) continue;
      const WindowCount w = count_window(m, run_from<4>(low));
      if (w.done >= 1 && w.done + w.fresh + w.thin == 4) {
        write_target(seat, kYaku66FourShiftedPungs, low);
        return;
      }
    }
  }
}

void aim_mixed_shifted_pungs(int seat, int level) {
  if (keeps_current_target(seat, kYaku34MixedShiftedPungs)) return;
  const MeldTally& m = tally_melds(seat);
  const std::uint64_t ready = seat_facts(seat).pung.ready;
  std::array<std::uint64_t, kSuitOrders> shifts{};
  for (int row = 0; row < kSuitOrders; ++row) shifts[row] = ready_shifts(ready, kShiftedPungBases[row]);
  if (std::all_of(shifts.begin(), shifts.end(), [](std::uint64_t s) { return s == 0; })) return;
  // The offset is the outer loop: a lower window in any suit order wins.
  for (int offset = 0; offset < kShiftedPungOffsets; ++offset) {
    for (int row = 0; row < kSuitOrders; ++row) {
      std::array<int, 3> tiles = kShiftedPungBases[row];
      for (int& t : tiles) t += offset;
      if (has_shift(shifts[row], offset) && mixed_shifted_window_fits(m, tiles, level)) {
        write_target(seat, kYaku34MixedShiftedPungs, 10 * row + offset);
        return;
      }
    }
  }
}
