#include "com/turn/danger_filters.h"

#include <algorithm>
#include <array>
#include <climits>
#include <span>
#include <vector>

#include "base/table_state.h"
#include "base/visible.h"
#include "com/turn/cascade_places.h"
#include "com/turn/planner_state.h"
#include "com/turn/safety.h"

namespace {

using Melds = std::vector<int>;  // another seat's meld codes, in declaration order
using Tiles = std::vector<int>;

// Which seats a filter looks at, by their meld count.
struct SeatTest {
  int melds;     // the seat needs at least this many melds
  bool exactly;  // ... and no more
};
constexpr SeatTest kTwoOrMore{2, false};
constexpr SeatTest kThreeOrMore{3, false};
constexpr SeatTest kExactlyThree{3, true};
constexpr SeatTest kFour{4, false};

// A tile is held back only while fewer copies than this are known.
constexpr int kAnySeen = INT_MAX;  // the one-suit filter tests the safety mark alone
constexpr int kLiveForPung = 3;    // a pung still needs two of the four copies
constexpr int kLive = 4;

enum class AfterHold { kNextSeat, kStop };

// Melds fill the slots in order: a seat has n melds when slot n - 1 is used.
bool has_melds(int p, int n) { return g_melds[p][n - 1] != 0; }

bool tested(int p, SeatTest test) {
  if (g_seat_state[p].false_win != 0) return false;
  return has_melds(p, test.melds) && !(test.exactly && test.melds < kMeldSlots && has_melds(p, test.melds + 1));
}

Melds melds_of(int p) {
  Melds out;
  for (int code : g_melds[p])
    if (code != 0) out.push_back(code);
  return out;
}

bool is_pung_or_kong(int code) { return meld_kind(code) >= kMeldPung; }

bool all_melds(const Melds& melds, bool (*test)(int code)) { return std::all_of(melds.begin(), melds.end(), test); }

bool has_meld_of(const Melds& melds, int tile) {
  return std::any_of(melds.begin(), melds.end(), [tile](int code) { return meld_tile(code) == tile; });
}

// Of `candidates`, the tiles no meld is made of.
Tiles missing_from(const Melds& melds, std::span<const int> candidates) {
  Tiles out;
  for (int t : candidates)
    if (!has_meld_of(melds, t)) out.push_back(t);
  return out;
}

// Empties every pool slot holding `tile` unless the deciding seat has seen
// `seen_limit` copies or the tile is marked safe against seat p. Returns
// whether the tile was held back.
bool hold_back(int p, int tile, int seen_limit) {
  if (g_seen_counts[tile] >= seen_limit || g_safe_marks_snapshot[p][tile] != 0) return false;
  std::replace(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), tile, 0);
  return true;
}

bool pool_has_playing_tile() {
  return std::any_of(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), [](int t) { return t >= 1 && t <= kRed; });
}

// The frame every filter shares: each other seat passing `seats` whose melds
// show danger (`needs` names the tiles it still wants, none when there is no
// danger) has those tiles held back; a pool left without a tile to discard
// is put back as it was on entry.
void guard(int seat, SeatTest seats, int seen_limit, AfterHold after, Tiles (*needs)(const Melds&)) {
  std::copy(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), g_ai_work_hand_backup);
  for (int p = 0; p < kSeats; ++p) {
    if (p == seat || !tested(p, seats)) continue;
    bool held = false;
    for (int t : needs(melds_of(p))) held = hold_back(p, t, seen_limit) || held;
    if (held && after == AfterHold::kStop) break;
  }
  if (!pool_has_playing_tile())
    std::copy(std::begin(g_ai_work_hand_backup), std::end(g_ai_work_hand_backup), g_ai_work_hand);
}

Tiles suit_tiles(int suit) {
  Tiles out;
  for (int rank = 1; rank <= 9; ++rank) out.push_back(make_tile(suit, rank));
  return out;
}

// The one of `kinds` absent from the melds when exactly one of them is.
Tiles the_one_missing(const Melds& melds, std::span<const int> kinds) {
  Tiles missing = missing_from(melds, kinds);
  return missing.size() == 1 ? missing : Tiles{};
}

constexpr std::array<int, 6> kTerminalTiles{1, 9, 11, 19, 21, 29};
constexpr std::array<int, 7> kHonourTiles{kEast, kSouth, kWest, kNorth, kWhite, kGreen, kRed};
constexpr std::array<int, 4> kWindTiles{kEast, kSouth, kWest, kNorth};
constexpr std::array<int, 3> kDragonTiles{kWhite, kGreen, kRed};
constexpr std::array<int, 6> kGreenTiles{22, 23, 24, 26, 28, kGreen};
constexpr int kGreenChow = 22;  // the chow 234 of bamboo

bool is_terminal_or_honour_pung(int code) {
  return is_pung_or_kong(code) && (is_terminal_or_honour(meld_tile(code)));
}
bool is_terminal_pung(int code) { return is_pung_or_kong(code) && is_terminal(meld_tile(code)); }
bool is_honour_meld(int code) { return is_honour(meld_tile(code)); }
bool is_green_meld(int code) {
  if (meld_kind(code) == kMeldChow) return meld_tile(code) == kGreenChow;
  return std::find(kGreenTiles.begin(), kGreenTiles.end(), meld_tile(code)) != kGreenTiles.end();
}

bool distinct_tiles(const Melds& melds) {
  Tiles tiles;
  for (int code : melds) tiles.push_back(meld_tile(code));
  std::sort(tiles.begin(), tiles.end());
  return std::adjacent_find(tiles.begin(), tiles.end()) == tiles.end();
}

// The numbered suit every meld is of, or -1 when they are not all of one.
int one_numbered_suit(const Melds& melds) {
  const int suit = suit_of(meld_tile(melds[0]));
  if (suit > kBamboo) return -1;
  for (int code : melds)
    if (suit_of(meld_tile(code)) != suit) return -1;
  return suit;
}

// Pure shifted pungs in one numbered suit: the ranks that would complete
// them, by the spacing of the three pungs' ranks.
Tiles shifted_pung_needs(const Melds& melds) {
  const int suit = one_numbered_suit(melds);
  if (suit < 0 || !all_melds(melds, is_pung_or_kong) || !distinct_tiles(melds)) return {};
  int ranks[3] = {rank_of(meld_tile(melds[0])), rank_of(meld_tile(melds[1])), rank_of(meld_tile(melds[2]))};
  std::sort(ranks, ranks + 3);
  const int r = ranks[0];
  const int up1 = ranks[1] - r, up2 = ranks[2] - r;
  Tiles out;
  if (up1 == 1 && up2 == 2) {
    if (r >= 2) out.push_back(make_tile(suit, r - 1));
    if (r + 3 <= 9) out.push_back(make_tile(suit, r + 3));
  } else if (up1 == 2 && up2 == 3) {
    out.push_back(make_tile(suit, r + 1));
  } else if (up1 == 1 && up2 == 3) {
    out.push_back(make_tile(suit, r + 2));
  }
  return out;
}

}  // namespace

void guard_one_suit(int seat) {
  guard(seat, kFour, kAnySeen, AfterHold::kNextSeat, [](const Melds& melds) -> Tiles {
    const int suit = one_numbered_suit(melds);
    return suit < 0 ? Tiles{} : suit_tiles(suit);
  });
}

void guard_terminals_and_honours(int seat) {
  guard(seat, kFour, kLive, AfterHold::kNextSeat, [](const Melds& melds) -> Tiles {
    if (!all_melds(melds, is_terminal_or_honour_pung) || !std::any_of(melds.begin(), melds.end(), is_honour_meld))
      return {};
    return Tiles(g_terminal_honour_tiles.begin(), g_terminal_honour_tiles.end());
  });
}

void guard_shifted_pungs(int seat) { guard(seat, kExactlyThree, kLiveForPung, AfterHold::kNextSeat, shifted_pung_needs); }

void guard_all_honours(int seat) {
  guard(seat, kFour, kLive, AfterHold::kNextSeat, [](const Melds& melds) -> Tiles {
    if (!all_melds(melds, is_honour_meld) || !distinct_tiles(melds)) return {};
    return missing_from(melds, kHonourTiles);
  });
}

void guard_all_terminals(int seat) {
  guard(seat, kFour, kLive, AfterHold::kNextSeat, [](const Melds& melds) -> Tiles {
    if (!all_melds(melds, is_terminal_pung) || !distinct_tiles(melds)) return {};
    return missing_from(melds, kTerminalTiles);
  });
}

void guard_four_winds(int seat) {
  guard(seat, kThreeOrMore, kLive, AfterHold::kStop,
        [](const Melds& melds) -> Tiles { return the_one_missing(melds, kWindTiles); });
}

void guard_big_three_dragons(int seat) {
  guard(seat, kTwoOrMore, kLive, AfterHold::kStop,
        [](const Melds& melds) -> Tiles { return the_one_missing(melds, kDragonTiles); });
}

void guard_all_green(int seat) {
  guard(seat, kFour, kLive, AfterHold::kNextSeat, [](const Melds& melds) -> Tiles {
    if (!all_melds(melds, is_green_meld)) return {};
    return Tiles(kGreenTiles.begin(), kGreenTiles.end());
  });
}
