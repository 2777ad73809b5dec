// The words the computer players' rules share: the seat's free tiles and the
// tiles out on the table, ranks and their neighbours within a suit, chows
// and declared melds, the planner's pool and its copy, and the write of a
// target. Every rule of src/com asks these through here.
#pragma once

#include <array>

#include "base/ai_record.h"
#include "base/visible.h"
#include "com/turn/planner_state.h"
#include "core/tiles.h"

// Per tile code, a count of copies.
using KindCounts = std::array<int, kTileCodes>;

// ------------------------------------------------------ tiles held and seen
// Free copies of `tile` in the hand as the script counted it. Inline: the
// rules read it in their innermost loops.
inline int held(int tile) { return g_hand_counts[tile]; }
// Copies of `tile` out on the table for every seat to see.
inline int seen_by_all(int tile) { return g_visible_counts[tile]; }
// All four copies are out on the table.
inline bool out_of_play(int tile) { return g_visible_counts[tile] >= 4; }
// Some honour is held twice or more.
bool honour_held_twice();
// The free tiles as the script counted them.
KindCounts free_tile_counts();

// --------------------------------------------------- ranks and neighbours
// The three suits in their order: characters, dots, bamboo.
constexpr std::array<int, 3> kEverySuit{kCharacters, kDots, kBamboo};

// A suited tile of rank 2 to 8.
constexpr bool is_middle_rank(int tile) { return is_suited(tile) && rank_of(tile) >= 2 && rank_of(tile) <= 8; }

// Count of `counts` `offset` ranks from `tile` within its suit; 0 outside
// ranks 1..9 and for a tile that is not suited.
constexpr int count_at(const int* counts, int tile, int offset) {
  if (!is_suited(tile)) return 0;
  const int rank = rank_of(tile) + offset;
  return rank >= 1 && rank <= 9 ? counts[tile + offset] : 0;
}
// The free copies `offset` ranks from `tile`, as count_at reads them.
inline int held_at(int tile, int offset) { return count_at(g_hand_counts, tile, offset); }

// ------------------------------------------------------------------ chows
// A suited tile that can be the lowest of a chow (rank 7 at most).
constexpr bool is_chow_start(int tile) { return is_suited(tile) && rank_of(tile) <= 7; }
// The counts hold the chow whose lowest tile is `low`.
constexpr bool chow_at(const int* counts, int low) {
  return is_chow_start(low) && counts[low] >= 1 && counts[low + 1] >= 1 && counts[low + 2] >= 1;
}
// The lowest tile of the lowest (or the highest) chow the counts hold; kNoTile when none.
int lowest_chow(const KindCounts& counts);
int highest_chow(const KindCounts& counts);
// Takes one copy of each tile of the chow from `low`.
void take_chow(KindCounts& counts, int low);

// The lowest tiles of the chows that hold suited `tile`: first..last.
struct ChowStarts {
  int first;
  int last;
};
constexpr ChowStarts chow_starts_holding(int tile) {
  const int rank = rank_of(tile);
  return {tile - (rank >= 3 ? 2 : rank - 1), tile - (rank <= 7 ? 0 : rank - 7)};
}
static_assert(chow_starts_holding(12).first == 11 && chow_starts_holding(12).last == 12);
static_assert(chow_starts_holding(29).first == 27 && chow_starts_holding(29).last == 27);

// ------------------------------------------------------------------ melds
// A pung or kong meld (a concealed kong too).
constexpr bool is_pung_meld(int code) { return code != 0 && meld_kind(code) != kMeldChow; }

// The seat's declared melds (g_melds) as counts.
struct MeldTally {
  int melds = 0;            // declared melds, 0..4
  int chows = 0;            // chow melds
  int concealed_kongs = 0;
  int melded_kongs = 0;     // melded and added kongs
  KindCounts pungs{};       // pung and kong melds per tile
  KindCounts chows_from{};  // chow melds per lowest tile
};
// The tally of the seat's melds as they stand. The target script asks for
// it a dozen times per seat: each seat's tally is kept until its melds change.
const MeldTally& tally_melds(int seat);

// Per seat, the last tally made and the melds it was made from.
struct MeldTallyMemo {
  struct Seat {
    bool made = false;
    std::array<int, kMeldSlots> melds{};
    MeldTally tally;
  };
  std::array<Seat, kSeats> seats;
};
extern MeldTallyMemo g_meld_tally_memo;

// Pung or kong melds of the listed tiles.
template <class Tiles>
int pung_melds_among(const MeldTally& m, const Tiles& tiles) {
  int n = 0;
  for (int t : tiles) n += m.pungs[t] > 0 ? 1 : 0;
  return n;
}

// No declared meld other than concealed kongs (a concealed kong keeps the hand closed).
bool is_closed_hand(int seat);
// Declared pungs and kongs of `tile`; declared chows whose lowest tile is `lowest`.
int declared_pungs_of(int seat, int tile);
int declared_chows_at(int seat, int lowest);

// ------------------------------------------------------------------- pool
// The planner's pool (g_ai_work_hand) as it stood when the copy was made.
class PoolCopy {
 public:
  PoolCopy();
  // Puts the copy back whatever the pool holds.
  void put_back() const;
  // Puts the copy back when the pool holds no tile 1..37 any more; true when it did.
  bool give_back_if_emptied() const;

 private:
  std::array<int, kHandSlots> pool_;
};

// True when the pool still holds a tile 1..37.
bool pool_has_playing_tile();

// ----------------------------------------------------------------- target
// Writes the seat's target: the pattern id and its variant.
void write_target(int seat, int yaku, int variant);
