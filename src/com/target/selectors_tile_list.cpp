#include "com/target/selectors.h"

#include <algorithm>
#include <array>

#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "com/target/selector_counts.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "base/yaku_table.h"
#include "base/table_state.h"

// Tile-list selectors: all green and reversible tiles, hands made only of a
// fixed list of tiles. Both aim with variant 0.

namespace {

constexpr std::array<int, 6> kGreenTiles{22, 23, 24, 26, 28, kGreen};
constexpr std::array<int, 14> kReversibleTiles{11, 12, 13, 14, 15, 18, 19, 22, 24, 25, 26, 28, 29, kWhite};
// The chows of reversible tiles, in the order the group count takes them.
constexpr std::array<int, 4> kReversibleChows{11, 13, 12, 24};

template <size_t N>
constexpr bool listed(const std::array<int, N>& list, int tile) {
  return std::find(list.begin(), list.end(), tile) != list.end();
}

// A pair still worth keeping: fewer than 2 copies visible, or 3 when one is
// the latest discard.
bool is_live_pair_of(const KindCounts& r, int t) {
  return r[t] == 2 && seen_by_all(t) < (t == target_latest_discard() ? 3 : 2);
}

// Pungs, then live pairs, of the listed tiles still in the counts.
template <size_t N>
void take_pungs_and_pairs(KindCounts& r, const std::array<int, N>& list, int& pungs, int& pairs) {
  for (int t : list)
    if (r[t] >= 3) r[t] -= 3, ++pungs;
  for (int t : list)
    if (is_live_pair_of(r, t)) r[t] = 0, ++pairs;
}

// ------------------------------------------------------------- all green

bool melds_fit_green(int seat) {
  for (int code : g_melds[seat]) {
    if (code == 0) continue;
    const int t = meld_tile(code);
    if (meld_kind(code) == kMeldChow ? t != 22 : !listed(kGreenTiles, t)) return false;
  }
  return true;
}

// Green copies visible beyond the seat's own melds: 8 or more leave too few.
bool green_wall_thin(int seat) {
  int visible = 0;
  for (int t : kGreenTiles) visible += seen_by_all(t);
  for (int code : g_melds[seat])
    if (code != 0) visible -= is_kong_meld(code) ? 4 : 3;
  return visible >= 8;
}

// Bamboo that is not green (1, 5, 7 and 9).
bool holds_many_non_green(const KindCounts& slots) {
  int together = 0;
  for (int r = 1; r <= 9; ++r) {
    const int t = make_tile(kBamboo, r);
    if (listed(kGreenTiles, t)) continue;
    if (slots[t] >= 3) return true;
    together += slots[t];
  }
  return together >= 4;
}

// Honour pairs and pungs pull the hand away; a green-dragon pung fits.
int honour_weight(const KindCounts& slots) {
  int weight = 0;
  for (int t = kEast; t <= kRed; ++t) weight += (slots[t] >= 2) + (t != kGreen && slots[t] >= 3 ? 3 : 0);
  return weight;
}

int green_groups(int seat) {
  int groups = declared_melds(seat);  // every meld left fits the green hand
  KindCounts r = free_tile_counts();
  groups += take_each(r, {22, 23, 24});
  take_pungs_and_pairs(r, kGreenTiles, groups, groups);
  groups += take_each(r, {22, 23}) + take_each(r, {23, 24}) + take_each(r, {22, 24});
  return groups;
}

// ------------------------------------------------------ reversible tiles

bool melds_fit_reversible(int seat) {
  for (int code : g_melds[seat]) {
    if (code == 0) continue;
    const int t = meld_tile(code);
    const bool fits = meld_kind(code) == kMeldChow ? listed(kReversibleChows, t) : listed(kReversibleTiles, t);
    if (!fits) return false;
  }
  return true;
}

// The suited tiles that are not reversible.
constexpr auto kStraySuitedTiles = [] {
  std::array<int, 27 - 13> out{};
  int n = 0;
  for (int t = 1; t < kEast; ++t)
    if (is_suited(t) && !listed(kReversibleTiles, t)) out[n++] = t;
  return out;
}();
static_assert(kStraySuitedTiles.front() == 1 && kStraySuitedTiles.back() == 27);

// A closed hand may hold no more stray suited tiles than it has steps to ready, plus one.
bool few_strays(int seat) {
  int strays = 0;
  for (int t : kStraySuitedTiles) strays += held(t);
  return strays - 1 <= AI[seat].min_shanten;
}

bool reversible_groups_pass(int seat, int level) {
  int sets = g_seat_state[seat].open_naki_count, partials = 0;
  KindCounts r = free_tile_counts();
  for (int low : kReversibleChows) sets += take_each(r, {low, low + 1, low + 2});
  take_pungs_and_pairs(r, kReversibleTiles, sets, partials);
  for (int t : {11, 12, 13, 14, 24, 25}) partials += take_each(r, {t, t + 1});
  for (int t : {11, 12, 13, 24}) partials += take_each(r, {t, t + 2});
  const int groups = sets + partials;
  const int ms = AI[seat].min_shanten;
  switch (level) {
    case 0: return (groups >= 5 && sets >= 1) || (groups >= 4 && sets >= 2);
    case 1: return ms <= 1 && ((groups >= 5 && sets >= 3) || sets >= 4);
    case 2: return ms <= 2 && groups >= 4 && sets >= 2;
    default: return false;
  }
}

}  // namespace

void aim_all_green(int seat) {
  if (keeps_current_target(seat, kYaku78AllGreen) || !melds_fit_green(seat) || green_wall_thin(seat)) return;
  const KindCounts slots = slot_tile_counts(seat);
  if (holds_many_non_green(slots) || honour_weight(slots) >= 3) return;
  if (green_groups(seat) >= 4) write_target(seat, kYaku78AllGreen, 0);
}

void aim_reversible_tiles(int seat, int level) {
  if (keeps_current_target(seat, kYaku41ReversibleTiles) || !melds_fit_reversible(seat)) return;
  if (g_seat_state[seat].open_naki_count == 0 && !few_strays(seat)) return;
  if (reversible_groups_pass(seat, level)) write_target(seat, kYaku41ReversibleTiles, 0);
}
