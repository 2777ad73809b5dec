#include "com/target/selectors.h"

#include <array>

#include "com/hand_terms.h"
#include "com/target/aim_tools.h"
#include "com/target/com_target.h"
#include "com/target/seat_facts.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "base/yaku_table.h"
#include "base/table_state.h"

// Honour and terminal selectors: the dragon and wind limit hands, all
// honours, all terminals (with or without honours) and thirteen orphans.

namespace {

constexpr std::array<int, 3> kDragons{kWhite, kGreen, kRed};
constexpr std::array<int, 4> kWinds{kEast, kSouth, kWest, kNorth};
constexpr std::array<int, 7> kHonourTiles{kEast, kSouth, kWest, kNorth, kWhite, kGreen, kRed};

// Too many copies gone for the kind to become a pung: seen twice, or three
// times when the latest discard (still claimable) is one of them.
bool is_gone(int tile) { return seen_by_all(tile) >= (tile == target_latest_discard() ? 3 : 2); }

// A gone kind the seat has not already melded (one held three times cannot
// be gone: at most one copy is left to be seen).
bool is_dead_need(const MeldTally& m, int tile) { return !m.pungs[tile] && is_gone(tile); }

template <std::size_t N>
int dead_needs(const MeldTally& m, const std::array<int, N>& tiles) {
  int n = 0;
  for (int t : tiles) n += is_dead_need(m, t) ? 1 : 0;
  return n;
}

// --------------------------------------------------------- dragons, winds

bool big_three_dragons_fit(int level, const MeldTally& m) {
  int pungs = 0;
  int pairs = 0;
  int started = 0;  // melded, held 3 or more times or as a live pair
  for (int t : kDragons) {
    const bool pung = m.pungs[t] || held(t) >= 3;
    pungs += pung ? 1 : 0;
    pairs += held(t) == 2 ? 1 : 0;
    started += pung || is_live_pair(t) ? 1 : 0;
  }
  switch (level) {
    case 0: return started >= 2;
    case 1: return pungs + pairs >= 3;
    case 2: return pungs == 2 || (pungs == 1 && pungs + pairs == 3);
    default: return pungs >= 2 && pungs + pairs == 3;  // level 3
  }
}

bool big_four_winds_fit(int level, const MeldTally& m) {
  int started = 0;  // melded, held 3 or more times or as a live pair
  int melded_or_pair = 0;
  int tiles = 0;
  int pungs = 0;
  int pairs = 0;
  for (int t : kWinds) {
    const int copies = held(t);
    const bool pung = m.pungs[t] || copies >= 3;
    started += pung || is_live_pair(t) ? 1 : 0;
    melded_or_pair += m.pungs[t] || copies >= 2 ? 1 : 0;
    tiles += pung ? 3 : copies;
    pungs += pung ? 1 : 0;
    pairs += copies == 2 ? 1 : 0;
  }
  if (started < 3) return false;
  switch (level) {
    case 0: return true;
    case 1: return melded_or_pair >= 4;
    case 2: return tiles >= 9;
    default: return pungs == 4 || (pungs == 3 && pairs == 1) || (pungs == 2 && pairs == 2);  // level 3
  }
}

// ------------------------------------------------- terminals (and honours)

// All terminals counts the six terminals; all terminals and honours the
// thirteen orphans. Every other kind is foreign to the pattern.
struct OrphanPattern {
  int yaku;
  std::uint64_t kinds;  // bit t: tile t counts for the pattern
  bool counts(int tile) const { return tile_classes::in(kinds, tile); }
};
constexpr OrphanPattern kAllTerminals{kYaku72AllTerminals, tile_classes::kTerminal};
constexpr OrphanPattern kAllTerminalsAndHonours{kYaku63TerminalsHonours, tile_classes::kTerminalOrHonour};

// A closed hand of five pairs with a foreign one is on its way to seven pairs.
bool five_pairs_with_foreign(int seat, const OrphanPattern& p) {
  if (g_seat_state[seat].open_naki_count != 0) return false;
  int pairs = 0;
  bool foreign = false;
  for (int t : kPlayingTiles) {
    if (held(t) != 2) continue;
    ++pairs;
    foreign = foreign || !p.counts(t);
  }
  return pairs == 5 && foreign;
}

void aim_orphan_pattern(int seat, const OrphanPattern& p, int mode) {
  if (keeps_current_target(seat, p.yaku)) return;
  const MeldTally& m = tally_melds(seat);
  if (m.chows > 0) return;
  for (int t : kPlayingTiles)
    if (!p.counts(t) && (held(t) >= 3 || m.pungs[t])) return;
  if (five_pairs_with_foreign(seat, p)) return;
  // Dead kinds need no test of their own: one the seat has not made a pung
  // of is neither a set nor a live pair, so three dead terminals (ten dead
  // orphans) leave fewer than the four sets and live pairs asked for.
  int pungs = 0;
  int live_pairs = 0;
  for (int t : kPlayingTiles) {
    if (!p.counts(t)) continue;
    pungs += m.pungs[t] || held(t) >= 3 ? 1 : 0;
    live_pairs += is_live_pair(t) ? 1 : 0;
  }
  if (mode == 1 && pungs < 1) return;
  if (pungs + live_pairs >= 4) write_target(seat, p.yaku, mode);
}

// One more for an orphan pair, the fourteenth tile of the pattern.
int orphan_score() {
  int kinds = 0;
  bool pair = false;
  for (int t : g_terminal_honour_tiles) {
    kinds += held(t) > 0 ? 1 : 0;
    pair = pair || held(t) >= 2;
  }
  return kinds + (pair ? 1 : 0);
}

}  // namespace

void aim_big_three_dragons(int seat, int level) {
  if (keeps_current_target(seat, kYaku74BigThreeDragons)) return;
  const MeldTally& m = tally_melds(seat);
  if (m.melds - pung_melds_among(m, kDragons) >= 3) return;
  for (int t : kDragons)
    if (!m.pungs[t] && seen_by_all(t) >= 3) return;
  if (dead_needs(m, kDragons) >= 2) return;
  if (big_three_dragons_fit(level, m)) write_target(seat, kYaku74BigThreeDragons, level);
}

void aim_big_four_winds(int seat, int level) {
  if (keeps_current_target(seat, kYaku73BigFourWinds)) return;
  const MeldTally& m = tally_melds(seat);
  if (m.melds != pung_melds_among(m, kWinds)) return;
  // Two dead winds need no test of their own: a dead wind is neither a set
  // nor a live pair, so they leave fewer than the three started winds needed.
  if (!big_four_winds_fit(level, m)) return;
  int seen = 0;  // winds with two or more copies visible
  for (int t : kWinds) seen += seen_by_all(t) >= 2 ? 1 : 0;
  // With two or more such winds no case is named: the variant is 0 then too.
  write_target(seat, kYaku73BigFourWinds, seen == 1 ? 1 : 0);
}

void aim_all_honours(int seat) {
  if (keeps_current_target(seat, kYaku70AllHonours)) return;
  const MeldTally& m = tally_melds(seat);
  if (m.melds != pung_melds_among(m, kHonourTiles)) return;
  int sets = 0;
  int honours_held = 0;
  int visible = 0;
  for (int t : kHonourTiles) {
    sets += m.pungs[t] || held(t) >= 3 || is_live_pair(t) ? 1 : 0;
    honours_held += held(t);
    visible += seen_by_all(t);
  }
  if (sets < 4 && (sets < 3 || honours_held < 10)) {
    // The concealed route: many honour tiles, most of their copies still out.
    if (m.melds == 0 && honours_held >= 10 && visible < 15) write_target(seat, kYaku70AllHonours, 1);
    return;
  }
  if (dead_needs(m, kHonourTiles) >= 3) return;
  write_target(seat, kYaku70AllHonours, 0);
}

void aim_all_terminals(int seat, int mode) { aim_orphan_pattern(seat, kAllTerminals, mode); }

void aim_all_terminals_and_honours(int seat, int mode) { aim_orphan_pattern(seat, kAllTerminalsAndHonours, mode); }

void aim_thirteen_orphans(int seat, int need, int knitted_limit) {
  if (keeps_current_target(seat, kYaku77ThirteenOrphans)) return;
  if (tally_melds(seat).melds > 0) return;
  for (int t : g_terminal_honour_tiles)
    if (seen_by_all(t) >= 4) return;
  const int orphans = orphan_score();
  if (orphans < need) return;
  const KnittedBest& knitted = seat_facts(seat).knitted.with_honours;
  if (knitted.score <= orphans || knitted.score < knitted_limit)
    write_target(seat, kYaku77ThirteenOrphans, knitted.arrangement);
}
