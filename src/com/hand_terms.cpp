#include "com/hand_terms.h"

#include <algorithm>

#include "base/table_state.h"

bool honour_held_twice() {
  return std::any_of(&g_hand_counts[kEast], &g_hand_counts[kRed] + 1, [](int c) { return c >= 2; });
}

KindCounts free_tile_counts() {
  KindCounts counts{};
  std::copy(g_hand_counts, g_hand_counts + kTileCodes, counts.begin());
  return counts;
}

int lowest_chow(const KindCounts& counts) {
  const auto* low = std::find_if(kPlayingTiles.begin(), kPlayingTiles.end(), [&](int t) { return chow_at(counts.data(), t); });
  return low == kPlayingTiles.end() ? kNoTile : *low;
}

int highest_chow(const KindCounts& counts) {
  const auto low = std::find_if(kPlayingTiles.rbegin(), kPlayingTiles.rend(), [&](int t) { return chow_at(counts.data(), t); });
  return low == kPlayingTiles.rend() ? kNoTile : *low;
}

void take_chow(KindCounts& counts, int low) {
  for (int k = 0; k < 3; ++k) --counts[low + k];
}

namespace {

MeldTally count_melds(const int (&melds)[kMeldSlots]) {
  MeldTally m;
  for (int code : melds) {
    if (code == 0) continue;
    ++m.melds;
    const int kind = meld_kind(code);
    const int tile = meld_tile(code);
    if (kind == kMeldChow) {
      ++m.chows;
      ++m.chows_from[tile];
      continue;
    }
    ++m.pungs[tile];
    if (kind == kMeldConcealedKong) ++m.concealed_kongs;
    if (kind == kMeldMeldedKong) ++m.melded_kongs;
  }
  return m;
}

}  // namespace

const MeldTally& tally_melds(int seat) {
  MeldTallyMemo::Seat& kept = g_meld_tally_memo.seats[seat];
  if (!kept.made || !std::equal(kept.melds.begin(), kept.melds.end(), g_melds[seat])) {
    kept.made = true;
    std::copy(g_melds[seat], g_melds[seat] + kMeldSlots, kept.melds.begin());
    kept.tally = count_melds(g_melds[seat]);
  }
  return kept.tally;
}

bool is_closed_hand(int seat) { return std::none_of(g_melds[seat], g_melds[seat] + kMeldSlots, is_open_meld); }

int declared_pungs_of(int seat, int tile) {
  return static_cast<int>(std::count_if(g_melds[seat], g_melds[seat] + kMeldSlots,
                                        [tile](int code) { return is_pung_meld(code) && meld_tile(code) == tile; }));
}

int declared_chows_at(int seat, int lowest) {
  return static_cast<int>(std::count_if(g_melds[seat], g_melds[seat] + kMeldSlots, [lowest](int code) {
    return code != 0 && meld_kind(code) == kMeldChow && meld_tile(code) == lowest;
  }));
}

PoolCopy::PoolCopy() { std::copy(g_ai_work_hand, g_ai_work_hand + kHandSlots, pool_.begin()); }

void PoolCopy::put_back() const { std::copy(pool_.begin(), pool_.end(), g_ai_work_hand); }

bool PoolCopy::give_back_if_emptied() const {
  if (pool_has_playing_tile()) return false;
  put_back();
  return true;
}

bool pool_has_playing_tile() {
  return std::any_of(g_ai_work_hand, g_ai_work_hand + kHandSlots, [](int tile) { return is_playing_tile(tile); });
}

void write_target(int seat, int yaku, int variant) {
  g_ai_target_yaku[seat] = yaku;
  g_ai_target_variant[seat] = variant;
}
