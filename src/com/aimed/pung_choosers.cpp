// Choosers of the patterns built from pungs and a pair, and of all honours:
// a tile held once goes before a pair, a pair before a triple, and a tile
// whose other copies are on the table goes first (it cannot grow).
#include "com/aimed/aimed_rules.h"
#include "com/aimed/chooser_scans.h"
#include "com/hand_terms.h"
#include "base/table_state.h"

namespace {

constexpr int kAllPungs = 28;
constexpr int kAllEvenPungs = 58;
constexpr int kAllTerminalsAndHonours = 63;
constexpr int kAllHonours = 70;
constexpr int kFourConcealedPungs = 71;
constexpr int kAllTerminals = 72;

constexpr int kMostVisibleSingle = 3;  // a tile held once has at most 3 copies elsewhere
constexpr int kMostVisiblePair = 2;

bool is_off_even_pungs(int tile) { return is_honour(tile) || rank_of(tile) % 2 == 1; }

// All even pungs and all terminals and honours: the same rules over the
// tiles each cannot use. With two triples and four pairs the hand is one
// pair short of its shape, so a pair tile goes and the triples stay; the
// groups it protects stay out of the pool when nothing is found.
void discard_pung_twin(int seat, int yaku, bool (*off)(int)) {
  if (pick_first(seat, yaku, 0, held_four_times)) return;
  if (is_two_triples_four_pairs()) {
    if (pick_most_visible(seat, yaku, 10, kMostVisibleSingle, off)) return;
    zero_pool_where([](int tile) { return held(tile) == 3; });
    if (pick_most_visible(seat, yaku, 11, kMostVisibleSingle, any_tile)) return;
  }
  keep_loosest_tiles();
  if (pick_first(seat, yaku, 20, three_visible)) return;
  if (pick_most_visible(seat, yaku, 21, kMostVisibleSingle, off)) return;
  pick_most_visible(seat, yaku, 22, kMostVisibleSingle, any_tile);
}

// Pairs form: the pairs are the hand; the singles and each triple's third
// copy are what may go.
void discard_all_honours_pairs(int seat) {
  for (int tile : kPlayingTiles) keep_copies(tile, held(tile) / 2 * 2);
  if (pick_first(seat, kAllHonours, 0, three_visible)) return;
  if (pick_most_visible(seat, kAllHonours, 1, kMostVisibleSingle, is_suited)) return;
  pick_most_visible(seat, kAllHonours, 2, kMostVisibleSingle, any_tile);
}

// Two triples and four pairs: a suited tile, a half-dead pair, then a
// dragon while the three dragons cannot all be paired, else a wind.
bool discard_all_honours_near_shape(int seat) {
  if (pick_first(seat, kAllHonours, 20, is_suited)) return true;
  if (pick_first(seat, kAllHonours, 21, two_visible)) return true;
  const bool dragons_paired = held(kWhite) >= 2 && held(kGreen) >= 2 && held(kRed) >= 2;
  if (!dragons_paired && pick_most_visible(seat, kAllHonours, 23, kMostVisiblePair, is_dragon)) return true;
  if (dragons_paired && pick_most_visible(seat, kAllHonours, 22, kMostVisiblePair, is_wind)) return true;
  return pick_most_visible(seat, kAllHonours, 30, kMostVisibleSingle, any_tile);
}

// Sets form: honour pungs and a pair.
void discard_all_honours_sets(int seat) {
  if (g_melds[seat][0] != 0 && pick_first(seat, kAllHonours, 10, held_four_times)) return;
  if (is_two_triples_four_pairs() && discard_all_honours_near_shape(seat)) return;
  keep_loosest_tiles();
  if (pick_first(seat, kAllHonours, 40, three_visible)) return;
  if (pick_first(seat, kAllHonours, 41, [](int tile) { return is_suited(tile) && two_visible(tile); })) return;
  if (pick_first(seat, kAllHonours, 42, two_visible)) return;
  if (pick_most_visible(seat, kAllHonours, 43, 1, is_suited)) return;
  pick_most_visible(seat, kAllHonours, 44, 1, any_tile);
}

enum AllHonoursForm : int { kSetsForm = 0, kPairsForm = 1 };

}  // namespace

void discard_all_pungs(int seat) {
  if (!aims_at_any(seat, {kAllPungs})) return;
  // The pair rule's code 1 comes after the singles' 10: the codes name the
  // rules, not their order.
  if (pick_first(seat, kAllPungs, 0, held_four_times)) return;
  if (pick_most_visible(seat, kAllPungs, 10, kMostVisibleSingle, held_once)) return;
  pick_most_visible(seat, kAllPungs, 1, kMostVisiblePair, held_twice);
}

void discard_all_even_pungs(int seat) {
  if (!aims_at_any(seat, {kAllEvenPungs})) return;
  discard_pung_twin(seat, kAllEvenPungs, is_off_even_pungs);
}

void discard_all_terminals_and_honours(int seat) {
  if (!aims_at_any(seat, {kAllTerminalsAndHonours})) return;
  discard_pung_twin(seat, kAllTerminalsAndHonours, is_middle_rank);
}

// Never breaks a pair: with no single in the pool it finds nothing.
void discard_four_concealed_pungs(int seat) {
  if (!aims_at_any(seat, {kFourConcealedPungs})) return;
  pick_most_visible(seat, kFourConcealedPungs, 0, kMostVisibleSingle, held_once);
}

void discard_all_terminals(int seat) {
  if (!aims_at_any(seat, {kAllTerminals})) return;
  const auto single = [](bool (*kind)(int)) { return [kind](int tile) { return held_once(tile) && kind(tile); }; };
  const auto pair = [](bool (*kind)(int)) { return [kind](int tile) { return held_twice(tile) && kind(tile); }; };
  if (pick_first(seat, kAllTerminals, 0, held_four_times)) return;
  if (pick_first(seat, kAllTerminals, 1, single(three_visible))) return;
  if (pick_most_visible(seat, kAllTerminals, 10, kMostVisibleSingle, single(is_middle_rank))) return;
  if (pick_most_visible(seat, kAllTerminals, 11, kMostVisibleSingle, single(is_honour))) return;
  if (pick_most_visible(seat, kAllTerminals, 12, kMostVisibleSingle, held_once)) return;
  if (pick_most_visible(seat, kAllTerminals, 20, kMostVisiblePair, pair(is_middle_rank))) return;
  if (pick_most_visible(seat, kAllTerminals, 21, kMostVisiblePair, pair(is_honour))) return;
  pick_most_visible(seat, kAllTerminals, 22, kMostVisiblePair, held_twice);
}

void discard_all_honours(int seat) {
  if (!aims_at_any(seat, {kAllHonours})) return;
  // Only the two forms the selector stores; another variant finds nothing.
  const int form = g_ai_target_variant[seat];
  if (form == kSetsForm) discard_all_honours_sets(seat);
  if (form == kPairsForm) discard_all_honours_pairs(seat);
}
