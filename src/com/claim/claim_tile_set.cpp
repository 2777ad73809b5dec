#include <algorithm>
#include <array>
#include <span>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "base/yaku_table.h"

// Claims of the patterns that admit a fixed set of tiles: the pattern's
// complete sets are set aside, a discard that completes one of its chows from
// what is left is chowed, otherwise a pair of it is punged.

namespace {

constexpr std::array kReversibleTiles{11, 12, 13, 14, 15, 18, 19, 22, 24, 25, 26, 28, 29, 35};
constexpr std::array kReversibleChows{11, 13, 12, 24};  // lowest tiles, in the order they are set aside
constexpr std::array kGreenTiles{22, 23, 24, 26, 28, kGreen};
constexpr std::array kGreenChows{22};
constexpr std::array<int, 15> kFivesTiles = [] {
  std::array<int, 15> t{};
  for (int i = 0; i < 15; ++i) t[i] = make_tile(i / 5, 3 + i % 5);
  return t;
}();
constexpr std::array<int, 9> kFivesChows = [] {  // 3-4-5, 5-6-7, 4-5-6 in each suit
  std::array<int, 9> t{};
  for (int i = 0; i < 9; ++i) t[i] = make_tile(i / 3, std::array{3, 5, 4}[i % 3]);
  return t;
}();

struct TileSet {
  int yaku;
  std::span<const int> tiles;       // the discards the rule looks at
  std::span<const int> chows;       // the pattern's chows
  std::span<const int> pung_kinds;  // set aside as pungs, and counted for the pair preference
  bool pung_beside_two_fives;       // all fives: a pung only while two suits keep a pair of their 5
};

constexpr TileSet kReversible{kYaku41ReversibleTiles, kReversibleTiles, kReversibleChows, kReversibleTiles, false};
constexpr TileSet kAllGreen{kYaku78AllGreen, kGreenTiles, kGreenChows, kGreenTiles, false};
constexpr TileSet kAllFives{kYaku52AllFives, kFivesTiles, kFivesChows, {}, true};

using Counts = KindCounts;

// The free tiles less the pattern's complete sets: each chow as often as it
// is held, then three copies of each pung kind held three times or more.
Counts leftovers(const TileSet& set) {
  Counts w{};
  std::copy(g_hand_counts, g_hand_counts + kTileCodes, w.begin());
  for (int low : set.chows)
    while (w[low] >= 1 && w[low + 1] >= 1 && w[low + 2] >= 1) --w[low], --w[low + 1], --w[low + 2];
  for (int kind : set.pung_kinds)
    if (w[kind] >= 3) w[kind] -= 3;
  return w;
}

// Five or more of the pattern's kinds held in pairs (declared melds counted)
// promise a pung-heavy hand, so the rule stops chowing; a declared chow
// shows the hand has taken the other road.
bool prefers_pungs(int seat, const TileSet& set) {
  const int* hand = g_hand[seat];
  const int* melds = g_melds[seat];
  if (std::any_of(melds, melds + kMeldSlots, [](int code) { return meld_kind(code) == kMeldChow; }))
    return false;
  const auto paired = std::count_if(set.pung_kinds.begin(), set.pung_kinds.end(), [&](int kind) {
    return std::count_if(hand, hand + kHandSlots, [&](int slot) { return tile_of(slot) == kind; }) >= 2;
  });
  return paired >= 5;
}

bool is_pattern_chow(const TileSet& set, int low) {
  return std::find(set.chows.begin(), set.chows.end(), low) != set.chows.end();
}

// The first shape (the discard highest, then middle, then lowest) of a
// pattern chow whose other two tiles are left over while the discard is not.
int chow_shape(const TileSet& set, int t, const Counts& w) {
  if (w[t] != 0) return 0;
  for (int shape : {kChiDiscardHighest, kChiDiscardMiddle, kChiDiscardLowest}) {
    const int low = t - (kChiDiscardLowest - shape);
    if (!is_pattern_chow(set, low)) continue;
    int others = 0;
    for (int k = 0; k < 3; ++k) others += low + k != t && w[low + k] >= 1;
    if (others == 2) return shape;
  }
  return 0;
}

bool pung_allowed(const TileSet& set, int t, const Counts& w) {
  if (!set.pung_beside_two_fives) return held(t) == 2;
  int paired_fives = 0;
  for (int suit = kCharacters; suit <= kBamboo; ++suit) paired_fives += w[make_tile(suit, 5)] >= 2;
  return paired_fives >= 2 && w[t] == 2;
}

void naki_tile_set(int seat, const TileSet& set) {
  if (!aims_at_any(seat, {set.yaku})) return;
  const int t = take_naki_tile();
  if (std::find(set.tiles.begin(), set.tiles.end(), t) == set.tiles.end()) return;
  const Counts w = leftovers(set);
  const int shape = !prefers_pungs(seat, set) && may_chow(seat, t) ? chow_shape(set, t, w) : 0;
  if (shape != 0) {
    decide_claim(seat, kNakiChow, shape, set.yaku, shape - 1);  // reasons 0, 1, 2
    return;
  }
  if (pung_allowed(set, t, w)) decide_claim(seat, kNakiPung, 0, set.yaku, 10);
}

}  // namespace

void naki_reversible_tiles(int seat) { naki_tile_set(seat, kReversible); }

void naki_all_green(int seat) { naki_tile_set(seat, kAllGreen); }

void naki_all_fives(int seat) { naki_tile_set(seat, kAllFives); }
