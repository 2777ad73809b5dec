// Rules 50 to 54: honour tiles, the dead and the surplus first, the value
// honours last.
#include "base/ai_record.h"
#include "base/visible.h"
#include "com/hand_terms.h"
#include "com/turn/generic_rules.h"
#include "com/turn/rule_shapes.h"
#include "com/turn/rule_target.h"

namespace {

constexpr int kSevenPairs = 56;
constexpr int kMixedShiftedChows = 27;

// The first pool honour passing `test`; fn-style scan.
template <class Pred>
bool take_honour(int seat, int reason, int subcode, Pred&& test) {
  return each_pool_tile([&](int slot, int tile) { return is_honour(tile) && test(tile) && take(seat, slot, reason, subcode); });
}

// A concealed set, or a pair with fewer than two copies visible, counts 1.
int honour_sets(int first, int last) {
  int sets = 0;
  for (int tile = first; tile <= last; ++tile) {
    const int copies = held(tile);
    sets += copies >= 3 || (copies == 2 && seen_by_all(tile) < 2) ? 1 : 0;
  }
  return sets;
}

// Single honours by visible count, most visible first; within a count the
// tests of `tests` in order, sub-codes code, code + 1, ...
template <class... Tests>
bool take_single_honour(int seat, int reason, int code, Tests&&... tests) {
  return each_count_down(3, [&](int n) {
    int subcode = code;
    const auto single = [&](int tile) { return held(tile) == 1 && seen_by_all(tile) == n; };
    return ((take_honour(seat, reason, subcode++, [&](int tile) { return single(tile) && tests(tile); })) || ...);
  });
}

}  // namespace

void discard_rule_50_dead_honour(int seat) {
  take_honour(seat, 50, 0, [&](int tile) { return is_neutral(seat, tile) && seen_by_all(tile) == 3; });
}

void discard_rule_51_fourth_honour(int seat) {
  if (rule_target(seat).yaku == kSevenPairs) return;
  take_honour(seat, 51, 0, [&](int tile) { return is_neutral(seat, tile) && held(tile) == 4; });
}

void discard_rule_52_single_honours(int seat) {
  const int winds = honour_sets(kEast, kNorth);
  const int dragons = honour_sets(kWhite, kRed);
  const auto guest = [&](int tile) { return is_guest_wind(seat, tile); };
  const auto not_seat_wind = [&](int tile) { return tile != seat_wind(seat); };
  const auto any = [](int) { return true; };
  if (winds == 0 && dragons == 0) {
    take_single_honour(seat, 52, 0, guest, not_seat_wind, any);
  } else if (winds + dragons == 1) {
    // One honour set in hand: keep every dragon, give up the winds.
    take_single_honour(
        seat, 52, 10, guest, [&](int tile) { return is_wind(tile) && not_seat_wind(tile); }, [](int tile) { return is_wind(tile); });
  } else if (winds == 2 && dragons == 0) {
    take_single_honour(seat, 52, 20, [](int tile) { return is_dragon(tile); });
  }
}

void discard_rule_53_single_honour(int seat) {
  const int double_wind = seat_wind(seat) == round_wind() ? round_wind() : 0;
  const auto guest = [&](int tile) { return is_guest_wind(seat, tile); };
  const auto beside_double_wind = [&](int tile) { return double_wind != 0 && tile != double_wind; };
  take_single_honour(seat, 53, 0, guest, beside_double_wind, [](int) { return true; });
}

void discard_rule_54_lone_honour_pair(int seat) {
  const RuleTarget target = rule_target(seat);
  const SeatAiRecord& ai = AI[seat];
  if (target.yaku != 0 && (target.yaku != kMixedShiftedChows || ai.best_blocks < 6 || ai.best_pairs < 2)) return;
  if (has_honour_meld(seat)) return;
  const int pair = lone_honour_pair();
  if (pair == 0) return;
  // A live double-wind pair stays.
  if (pair == round_wind() && pair == seat_wind(seat) && seen_by_all(pair) < 2) return;
  take_tile(seat, pair, 54, 0);
}
