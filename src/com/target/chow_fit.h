// The three-chow templates of the chow-pattern aims (pure straight, mixed
// straight, mixed triple chow, mixed and pure shifted chows) and how far a
// seat's hand fills one: which positions its melds and free tiles cover,
// whether a missing tile is dead, and what the rest of the hand makes.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <span>

#include "core/tiles.h"
#include "core/yaku_table.h"
#include "com/hand_terms.h"
#include "com/target/target_script.h"

constexpr int kChowParts = 3;
constexpr int kChowPositions = 9;
constexpr int kChowAimCount = 5;      // the patterns above
constexpr int kMostChowLayouts = 30;  // those of mixed shifted chows

// The place of pattern 49, 35, 33, 27 or 47 among the five (no other id is asked for).
constexpr int chow_aim_index(int yaku) {
  switch (yaku) {
    case kYaku35MixedStraight: return 1;
    case kYaku33MixedTripleChow: return 2;
    case kYaku27MixedShiftedChows: return 3;
    case kYaku47PureShiftedChows: return 4;
    default: assert(yaku == kYaku49PureStraight); return 0;
  }
}

// One template: three chows, part p at positions 3p to 3p + 2, lowest tile first.
struct ChowLayout {
  std::array<int, kChowPositions> tiles;
  int variant;  // as the target record stores it
  std::array<int, kChowPositions> earlier;  // earlier positions holding the same tile
  bool repeats;  // some tile at two positions
  std::uint64_t kinds;  // bit t for each tile t of the template
};

// The templates of pattern 49, 35, 33, 27 or 47 in the order they are tried
// (rising variant); empty for any other id.
std::span<const ChowLayout> chow_layouts(int yaku);


// How the seat's hand fills one template.
struct ChowFit {
  std::array<bool, kChowPositions> covered{};
  std::array<bool, kChowParts> melded{};  // covered by a fitting chow meld
  int coverage = 0;                        // covered positions, 0..9
  int other_melds = 0;                     // declared melds that fill no part

  int covered_in_part(int part) const;
  int covered_of(const ChowLayout& layout, int tile) const;
};

// The first chow meld equal to a part fills it (a meld fills one part
// only); each free tile (g_hand_counts) then fills one uncovered position of
// its code, positions in order.
ChowFit fit_chow_layout(int seat, const ChowLayout& layout);

// The free tiles left once those that cover the template are taken out.
KindCounts rest_of_hand(const ChowLayout& layout, const ChowFit& fit);

// A template is out when an uncovered position needs a tile whose four
// copies are visible, unless that tile is `discard` (the seat may chow it).
bool needs_dead_tile(const ChowLayout& layout, const ChowFit& fit, int discard);
// The pure-shifted-chows form: out when a tile's visible copies, less those
// of the seat's fitting melds, leave fewer than the template uses of it.
bool shifted_needs_dead_tile(const ChowLayout& layout, const ChowFit& fit);

// What the rest of the hand makes: sets (other melds included), pungs among
// them, pairs and two-tile partials.
struct RestShape {
  int sets = 0;
  int pungs = 0;
  int pairs = 0;
  int partials = 0;
};

// How a selector counts a pair: one more, or "there is a pair" (set to 1).
enum class PairCount { kAdd, kSetOne };

// Reads the rest: the pair-and-chow shapes (a set from the melds plus one,
// not one more), runs, a run folded into a pair, pungs, pairs, then partials.
RestShape read_rest(const KindCounts& rest, int other_melds, PairCount pair_beside_chow, PairCount plain_pair);

// How one seat's hand fills every template of the five patterns, and what
// the rest beside each makes. The script asks for these about a hundred
// times per run, and runs come at every claim, every computer turn and
// every change of the table in the user's turn, of hands that seldom
// change: each is worked out when first asked for and kept until the
// seat's melds or g_hand_counts differ from those it was read from.
class ChowFitMemo {
 public:
  // The coverage of every template of `yaku`, in the order of chow_layouts(yaku).
  std::span<const int> coverages(int yaku);
  // At least the most any template of `yaku` covers, known without fitting one.
  int coverage_bound(int yaku) const { return bounds_[chow_aim_index(yaku)]; }
  // The most any template of `yaku` covers.
  int best_coverage(int yaku) {
    const int a = chow_aim_index(yaku);
    if (!filled_[a]) fill(a, yaku);
    return best_[a];
  }
  const ChowFit& fit(int yaku, std::size_t index);
  // The rest beside template `index` of `yaku`, its pairs counted as the pattern counts them.
  const RestShape& rest(int yaku, std::size_t index);

 private:
  friend ChowFitMemo& checked_chow_fit_memo(int seat);
  struct KeptFit {
    bool made = false;       // false until fitted for the hand kept
    bool rest_read = false;  // false until the rest was read for it
    ChowFit fit;
    RestShape rest;
  };
  void fill(int aim, int yaku);
  // part_cover_ and bounds_ from the hand and the melds kept.
  void read_chows_held();

  int seat_ = -1;                        // -1 while nothing is kept
  std::array<int, kMeldSlots> melds_{};  // the seat's g_melds then
  std::array<int, kRed + 1> counts_{};   // held(0..37) then
  bool chow_melded_ = false;             // a chow among those melds
  int melds_held_ = 0;                   // declared melds among them
  std::array<bool, kTileCodes> chow_meld_from_{};  // per lowest tile, a chow meld from it among those melds
  // Per lowest tile, the positions of a part from it the hand covers: 3 with
  // a chow meld from it, else the kinds of that chow held at least once.
  std::array<int, kTileCodes> part_cover_{};
  std::array<int, kChowAimCount> bounds_{};  // per pattern, coverage_bound
  std::array<bool, kChowAimCount> filled_{};       // per pattern: its entries below belong to the hand above
  std::array<int, kChowAimCount> best_{};
  std::array<std::array<int, kMostChowLayouts>, kChowAimCount> coverages_{};
  std::array<std::array<KeptFit, kMostChowLayouts>, kChowAimCount> kept_{};
};

// Every seat's memo: computer players' state, reset with their floor.
struct ChowFitMemos {
  std::array<ChowFitMemo, kSeats> seats;
};
extern ChowFitMemos g_chow_fit_memos;

// The seat's memo, emptied first when the seat's hand is not the one it read.
ChowFitMemo& checked_chow_fit_memo(int seat);
// The same; while the seat's script runs, the one checked as the run began
// (inline: the script's chow-pattern calls ask for it some sixty times).
inline ChowFitMemo& chow_fit_memo(int seat) {
  if (g_target_script_state.running_seat == seat) return g_chow_fit_memos.seats[seat];
  return checked_chow_fit_memo(seat);
}
