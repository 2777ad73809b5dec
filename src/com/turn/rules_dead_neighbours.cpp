// Rules 60 to 62: suited tiles that can no longer join a run (every copy of
// a neighbour is visible) or that stand alone in their suit.
#include <array>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/hand_terms.h"
#include "com/turn/generic_rules.h"
#include "com/turn/rule_shapes.h"
#include "com/turn/rule_target.h"

namespace {

constexpr int kAllVisible = 4;
constexpr int kNoSuit = -1;
constexpr int kFlushTiles = 10;  // concealed tiles of one suit that make a one-suit hand
constexpr int kMixedShiftedChows = 27;

// The mixed shifted chows by template row (the variant's tens): the nine
// tiles less the start rank (the variant's units).
constexpr std::array<std::array<int, 9>, 6> kShiftedChowTemplates{{
    {0, 1, 2, 11, 12, 13, 22, 23, 24},
    {0, 1, 2, 21, 22, 23, 12, 13, 14},
    {10, 11, 12, 1, 2, 3, 22, 23, 24},
    {10, 11, 12, 21, 22, 23, 2, 3, 4},
    {20, 21, 22, 1, 2, 3, 12, 13, 14},
    {20, 21, 22, 11, 12, 13, 2, 3, 4},
}};

// The suit of a one-suit concealed hand, or kNoSuit.
int flush_suit() {
  for (int suit = kCharacters; suit <= kBamboo; ++suit) {
    int in_suit = 0;
    for (int rank = 1; rank <= 9; ++rank) in_suit += held(make_tile(suit, rank));
    if (in_suit >= kFlushTiles) return suit;
  }
  return kNoSuit;
}

bool only_concealed_kongs(int seat) {
  for (int code : g_melds[seat])
    if (code != 0 && meld_kind(code) != kMeldConcealedKong) return false;
  return true;
}

// Marks the tiles of every mixed shifted chows template the seat aims at or
// keeps among its alternatives.
void mark_shifted_chow_tiles(int seat, bool* marked) {
  const RuleTarget target = rule_target(seat);
  const auto mark = [&](int yaku, int variant) {
    const int row = variant / 10;
    if (yaku != kMixedShiftedChows || row < 0 || row >= static_cast<int>(kShiftedChowTemplates.size())) return;
    for (int entry : kShiftedChowTemplates[row])
      if (is_suited(entry + variant % 10)) marked[entry + variant % 10] = true;
  };
  mark(target.yaku, target.variant);
  for (int i = 0; i < RuleTarget::kCandidates; ++i) mark(target.chow_candidates[i], target.chow_candidate_variants[i]);
}

// A single whose every run holds a tile with all four copies visible.
bool take_dead_single(int seat, const int* pool) {
  return each_pool_tile([&](int slot, int tile) {
    return is_suited(tile) && pool[tile] == 1 && each_side([&](int side) {
             const int rank = side_rank(tile, side);
             return rank >= 2 && rank <= 7 && side_count(g_visible_counts, tile, side, -1) == kAllVisible &&
                    side_count(g_visible_counts, tile, side, 2) == kAllVisible && take(seat, slot, 60, side_code(side, 902, 908));
           });
  });
}

// Steps 3 to 7 of rule 60: isolated tiles in a fixed order of preference,
// sparing the flush suit except for the aimed template's tiles.
void take_isolated_tile(int seat, const int* pool, int flush, int base) {
  const auto outside_flush = [&](int tile) { return suit_of(tile) != flush; };
  if (only_concealed_kongs(seat) && terminal_honour_slots(seat) == 1 &&
      each_neutral_suited(seat, [&](int slot, int tile) {
        return outside_flush(tile) && is_terminal(tile) && side_run(pool, tile, kTowardOne, -1, {0, 1, 0}) &&
               take(seat, slot, 60, base + 900);
      }))
    return;
  // Bare in the pool, yet in the concealed hand one end of a long shape.
  if (each_by_distance(0, 4, [&](int slot, int tile) {
        const bool bare = (pool[tile] == 1 || pool[tile] == 4) && count_at(pool, tile, -1) == 0 && count_at(pool, tile, 1) == 0;
        return bare && outside_flush(tile) && is_neutral(seat, tile) && each_side([&](int side) {
                 const int rank = side_rank(tile, side);
                 return rank >= 2 && rank <= 6 && side_run(g_hand_counts, tile, side, -3, {0, 0, 1, 2, 1, 1, 1, 0, 0}) &&
                        take(seat, slot, 60, base + side_code(side, 900, 901));
               });
      }))
    return;
  bool marked[kTileCodes] = {};
  mark_shifted_chow_tiles(seat, marked);
  if (each_by_distance(0, 4, [&](int slot, int tile) {
        return marked[tile] && is_neutral(seat, tile) && isolated_in(pool, tile) && take(seat, slot, 60, base + 910);
      }))
    return;
  if (each_by_distance(0, 4, [&](int slot, int tile) {
        return outside_flush(tile) && isolated_in(g_hand_counts, tile) && take(seat, slot, 60, base);
      }))
    return;
  // By concealed copies, then: neutral before not, concealed neighbours
  // empty before any.
  struct Pass {
    bool neutral;
    bool bare_in_hand;
    int code;
  };
  constexpr std::array<Pass, 4> kPasses{{{true, true, 310}, {false, true, 320}, {true, false, 10}, {false, false, 20}}};
  for (int copies = 1; copies <= 4; ++copies)
    for (const Pass& pass : kPasses)
      if (each_by_distance(0, 4, [&](int slot, int tile) {
            return outside_flush(tile) && held(tile) == copies && isolated_in(pool, tile) &&
                   (!pass.neutral || is_neutral(seat, tile)) &&
                   (!pass.bare_in_hand || (held_at(tile, -1) == 0 && held_at(tile, 1) == 0)) &&
                   take(seat, slot, 60, base + pass.code);
          }))
        return;
}

// A terminal form of rule 61: the run read from the 1 (or the 9) inwards in
// the pool or the concealed hand, tried by the visible count of one rank.
struct TerminalForm {
  int visible_offset;
  bool in_pool;
  CountRun run;
  int code_one;
  int code_nine;
};

constexpr std::array<TerminalForm, 4> kTerminalForms{{
    {2, false, {0, 6, {1, 1, 0, 1, 0, 0}}, 101, 109},           // 1-2 _ 4
    {1, false, {0, 6, {1, 0, 1, 1, 0, 0}}, 111, 119},           // 1 _ 3-4
    {1, false, {0, 6, {1, 3, 0, 1, 0, 0}}, 121, 129},           // 1 222 _ 4
    {2, true, {0, 9, {1, 1, 0, 1, 1, 1, 1, 0, 0}}, 30, 31},     // 1-2 _ 4-5-6-7
}};

// fn(slot, tile, side) over the pool's 1s (side toward 1) and 9s (toward 9).
template <class Fn>
bool each_pool_terminal(Fn&& fn) {
  return each_pool_tile([&](int slot, int tile) {
    return is_terminal(tile) && fn(slot, tile, rank_of(tile) == 1 ? kTowardOne : kTowardNine);
  });
}

}  // namespace

void discard_rule_60_dead_neighbours(int seat, int mode) {
  int flush = kNoSuit;
  if (mode == 1) {
    if (has_declared_meld(seat)) return;
    flush = flush_suit();
    if (flush == kNoSuit) return;
  }
  int pool[kTileCodes];
  count_pool(pool);
  if (take_dead_single(seat, pool)) return;
  take_isolated_tile(seat, pool, flush, 1000 * mode);
}

void discard_rule_61_dead_terminal(int seat) {
  int pool[kTileCodes];
  count_pool(pool);
  if (each_pool_terminal([&](int slot, int tile, int side) {
        return pool[tile] == 1 &&
               (side_count(g_visible_counts, tile, side, 1) == kAllVisible || side_count(g_visible_counts, tile, side, 2) == kAllVisible) &&
               take(seat, slot, 61, side_code(side, 901, 909));
      }))
    return;
  if (AI[seat].best_blocks >= 6 && each_pool_terminal([&](int slot, int tile, int side) {
        return side_run(pool, tile, side, 0, {1, 1, 0, 1, 0, 1, 0, 0}) && take(seat, slot, 61, side_code(side, 801, 809));
      }))
    return;
  if (each_pool_terminal([&](int slot, int tile, int) { return isolated_in(g_hand_counts, tile) && take(seat, slot, 61, 0); }))
    return;
  for (const TerminalForm& form : kTerminalForms)
    if (each_count_down(4, [&](int n) {
          return each_pool_terminal([&](int slot, int tile, int side) {
            return side_count(g_visible_counts, tile, side, form.visible_offset) == n &&
                   side_run(form.in_pool ? pool : g_hand_counts, tile, side, form.run) &&
                   take(seat, slot, 61, side_code(side, form.code_one, form.code_nine));
          });
        }))
      return;
}

void discard_rule_62_dead_two_eight(int seat) {
  int pool[kTileCodes];
  count_pool(pool);
  if (each_pool_tile([&](int slot, int tile) {
        return is_suited(tile) && pool[tile] == 1 && each_side([&](int side) {
                 return side_rank(tile, side) == 2 && side_count(g_visible_counts, tile, side, 1) == kAllVisible &&
                        take(seat, slot, 62, side_code(side, 902, 908));
               });
      }))
    return;
  each_by_distance(0, 1, [&](int slot, int tile) { return isolated_in(g_hand_counts, tile) && take(seat, slot, 62, 0); });
}
