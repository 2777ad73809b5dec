// Rules 10 to 12: break a two-tile partial of one suit, read on the pool.
#include "base/visible.h"
#include "com/turn/generic_rules.h"
#include "com/turn/rule_shapes.h"

namespace {
constexpr int kRule10 = 10;
constexpr int kRule11 = 11;
constexpr int kRule12 = 12;
constexpr int kSecondPass = 10;  // added to the sub-code of a second pass
}  // namespace

void discard_rule_10_edge_partial(int seat, int strict) {
  if (!strict_allows(seat, strict)) return;
  int pool[kTileCodes];
  count_pool(pool);
  // The first pass wants the fourth rank empty as well, so a 1-2 with a 4
  // beside it is broken only after every isolated edge partial.
  for (int pass = 0; pass < 2; ++pass) {
    const bool took = each_count_down(4, [&](int n) {
      return each_neutral_suited(seat, [&](int slot, int tile) {
        return each_side([&](int side) {
          if (side_rank(tile, side) != 1 || side_count(g_visible_counts, tile, side, 2) != n) return false;
          const bool shape = pass == 0 ? side_run(pool, tile, side, 0, {1, 1, 0, 0}) : side_run(pool, tile, side, 0, {1, 1, 0});
          return shape && take(seat, slot, kRule10, kSecondPass * pass + side_code(side, 0, 1));
        });
      });
    });
    if (took) return;
  }
}

void discard_rule_11_terminal_closed(int seat, int strict) {
  if (!strict_allows(seat, strict)) return;
  int pool[kTileCodes];
  count_pool(pool);
  each_count_down(4, [&](int n) {
    return each_neutral_suited(seat, [&](int slot, int tile) {
      return each_side([&](int side) {
        return side_rank(tile, side) == 1 && side_count(g_visible_counts, tile, side, 1) == n &&
               side_run(pool, tile, side, 0, {1, 0, 1}) && take(seat, slot, kRule11, side_code(side, 0, 1));
      });
    });
  });
}

// The tile taken is a single with nothing within two ranks on its outer side;
// toward 1 it is the partial's lower tile, toward 9 its upper one. The first
// pass wants the partner single too, the second lets it be a pair or more.
void discard_rule_12_closed_partial(int seat, int strict) {
  if (!strict_allows(seat, strict)) return;
  int pool[kTileCodes];
  count_pool(pool);
  for (int pass = 0; pass < 2; ++pass) {
    const int partner = pass == 0 ? 1 : kSomeCount;
    const bool took = each_count_down(4, [&](int n) {
      return each_by_distance(0, 4, [&](int slot, int tile) {
        return is_neutral(seat, tile) && each_side([&](int side) {
                 return side_rank(tile, side) <= 7 && side_count(g_seen_counts, tile, side, 1) == n &&
                        side_run(pool, tile, side, -2, {0, 0, 1, 0, partner}) &&
                        take(seat, slot, kRule12, kSecondPass * pass + side_code(side, 0, 1));
               });
      });
    });
    if (took) return;
  }
}
