// Rules 30 to 35: a single beside a two-tile run or a pair of its suit that
// adds nothing the neighbouring shape needs. Each shape is a row of a table,
// written toward 1 and read mirrored toward 9.
#include <array>

#include "base/ai_record.h"
#include "com/hand_terms.h"
#include "com/turn/generic_rules.h"
#include "com/turn/rule_shapes.h"

namespace {

constexpr int kAny = kAnyCount;

struct NeighbourForm {
  int min_rank;   // the taken tile's rank, read toward 1
  int max_rank;
  CountRun pool;  // wanted in the work hand
  CountRun hand;  // wanted in the concealed hand
};

struct NeighbourGroup {
  int reason;
  int first_distance;  // distances from the ends of the suits scanned
  int last_distance;
  NeighbourForm toward_one;
  NeighbourForm toward_nine;  // read mirrored; the mirror of toward_one but in one group
  int code_toward_one;
  int code_toward_nine;
};

constexpr NeighbourGroup mirrored(int reason, int first, int last, NeighbourForm form, int code) {
  return {reason, first, last, form, form, code, code + 1};
}

// Rule 30: a two-tile run of pool singles; the groups differ in what the
// concealed hand holds around it.
constexpr NeighbourForm kRunOfPairs{1, 7, {-2, 4, {0, 0, 1, 1}}, {0, 3, {2, 2, 0}}};
constexpr NeighbourForm kRunAlone{1, 7, {-2, 4, {0, 0, 1, 1}}, {-2, 5, {0, 0, kAny, kAny, 0}}};
constexpr NeighbourForm kRunOpenInside{1, 7, {-1, 3, {0, 1, 1}}, {-2, 2, {0, 0}}};
constexpr NeighbourForm kRunOfPairsBeside{1, 7, {-2, 4, {0, 0, 1, 1}}, {0, 2, {2, 2}}};
// The fourth group's form toward 9 is no mirror: it wants nothing beyond the
// pair on the outer side of the concealed hand and leaves the pool's
// inner neighbour free.
constexpr NeighbourForm kRunOfPairsBesideTowardNine{1, 7, {-2, 4, {0, kAny, 1, 1}}, {0, 3, {2, 2, 0}}};

constexpr std::array<NeighbourGroup, 4> kRule30Groups{{
    mirrored(30, 0, 6, kRunOfPairs, 100),
    mirrored(30, 0, 6, kRunAlone, 0),
    mirrored(30, 0, 6, kRunOpenInside, 10),
    {30, 0, 6, kRunOfPairsBeside, kRunOfPairsBesideTowardNine, 110, 111},
}};

// x _ x+2 x+3 in the pool.
constexpr NeighbourGroup kRule31 = mirrored(31, 0, 4, {1, 5, {-2, 7, {0, 0, 1, 0, 1, 1, 0}}, {}}, 0);
// x _ x+2 x+3 x+3 concealed, nothing in the pool just outside it.
constexpr NeighbourGroup kRule32 = mirrored(
    32, 0, 4, {1, 6, {-2, 8, {0, kAny, kAny, kAny, kAny, kAny, kAny, 0}}, {-1, 6, {0, 1, 0, 1, 2, 0}}}, 0);
// 1 2 2 _ 4 concealed, with the 5 and 6 empty.
constexpr NeighbourForm kTerminalBelowPair{1, 1, {}, {0, 6, {1, 2, 0, 1, 0, 0}}};
// x _ x+2 x+2 x+3 concealed.
constexpr NeighbourGroup kRule33 = mirrored(
    33, 0, 4, {1, 6, {-2, 8, {0, kAny, kAny, kAny, kAny, kAny, kAny, 0}}, {-1, 6, {0, 1, 0, 2, 1, 0}}}, 0);
// x-2 _ x x _ x+2, symmetric: one tile of the pair.
constexpr NeighbourForm kPairBetweenSingles{3, 7, {-4, 9, {0, 0, 1, 0, 2, 0, 1, 0, 0}}, {}};
// x _ x+2 x+2 _ x+4 and x-1 x x x+1 x+2 x+2 _ x+4 in the pool, recorded as rule 33.
constexpr NeighbourGroup kRule34Spaced = mirrored(33, 0, 4, {1, 5, {-2, 9, {0, 0, 1, 0, 2, 0, 1, 0, 0}}, {}}, 10);
constexpr NeighbourGroup kRule34Chain =
    mirrored(33, 1, 4, {2, 5, {-3, 10, {0, 0, 1, 2, 1, 2, 0, 1, 0, 0}}, {}}, 110);
// x _ x+2 _ x+4 x+4 in the pool.
constexpr NeighbourGroup kRule35 = mirrored(35, 0, 4, {1, 5, {-2, 9, {0, 0, 1, 0, 1, 0, 2, 0, 0}}, {}}, 0);

bool fits(const NeighbourForm& form, int tile, int side, const int* pool) {
  const int rank = side_rank(tile, side);
  return rank >= form.min_rank && rank <= form.max_rank && side_run(pool, tile, side, form.pool) &&
         side_run(g_hand_counts, tile, side, form.hand);
}

bool take_by_group(int seat, const NeighbourGroup& group, const int* pool) {
  return each_side_by_distance(group.first_distance, group.last_distance, [&](int slot, int tile, int side) {
    const NeighbourForm& form = side > 0 ? group.toward_one : group.toward_nine;
    return is_neutral(seat, tile) && fits(form, tile, side, pool) &&
           take(seat, slot, group.reason, side_code(side, group.code_toward_one, group.code_toward_nine));
  });
}

bool take_by_group(int seat, const NeighbourGroup& group) {
  int pool[kTileCodes];
  count_pool(pool);
  return take_by_group(seat, group, pool);
}

// Strict 1 also wants a pair in the seat's best reading.
bool strict_allows_with_pair(int seat, int strict) {
  return strict_allows(seat, strict) && (strict == 0 || AI[seat].best_pairs != 0);
}

// Concealed pairs; four of a kind make two.
int concealed_pairs() {
  int pairs = 0;
  for (int tile = 1; tile <= kRed; ++tile) pairs += held(tile) == 4 ? 2 : held(tile) >= 2 ? 1 : 0;
  return pairs;
}

// The pair of x-2 _ x x _ x+2 in a closed hand with few pairs: ranks 3 and
// 7 first, then 4 and 6, then 5.
bool take_pair_between_singles(int seat, const int* pool) {
  if (has_declared_meld(seat) || concealed_pairs() >= 4 || AI[seat].best_pairs < 2) return false;
  for (int rank = 3; rank <= 5; ++rank) {
    const bool took = each_neutral_suited(seat, [&](int slot, int tile) {
      return (rank_of(tile) == rank || rank_of(tile) == 10 - rank) && fits(kPairBetweenSingles, tile, kTowardOne, pool) &&
             take(seat, slot, 34, 0);
    });
    if (took) return true;
  }
  return false;
}

}  // namespace

void discard_rule_30_leftover_beside_pairs(int seat) {
  int pool[kTileCodes];
  count_pool(pool);
  for (const NeighbourGroup& group : kRule30Groups)
    if (take_by_group(seat, group, pool)) return;
}

void discard_rule_31_lone_three_apart(int seat) { take_by_group(seat, kRule31); }

void discard_rule_32_closed_on_pair(int seat, int strict) {
  if (strict_allows_with_pair(seat, strict)) take_by_group(seat, kRule32);
}

void discard_rule_33_single_below_pair(int seat, int strict) {
  if (!strict_allows_with_pair(seat, strict)) return;
  int pool[kTileCodes];
  count_pool(pool);
  const bool took = each_neutral_suited(seat, [&](int slot, int tile) {
    return each_side([&](int side) {
      return fits(kTerminalBelowPair, tile, side, pool) && take(seat, slot, 33, side_code(side, 901, 909));
    });
  });
  if (!took) take_by_group(seat, kRule33, pool);
}

void discard_rule_34_spaced_singles(int seat) {
  int pool[kTileCodes];
  count_pool(pool);
  if (take_pair_between_singles(seat, pool)) return;
  if (take_by_group(seat, kRule34Spaced, pool)) return;
  take_by_group(seat, kRule34Chain, pool);
}

void discard_rule_35_long_shape(int seat, int strict) {
  if (strict_allows_with_pair(seat, strict)) take_by_group(seat, kRule35);
}
