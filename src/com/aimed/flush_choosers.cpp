// Choosers of the one-suit hands: half flush (one suit and honours) and full
// flush, which also serves the one-suit chow and pung patterns 62, 65 and 66.
// The half-flush chooser takes one tile a call; each rule of the full-flush
// chooser takes every tile it qualifies and leaves the choice among them to
// the final pick. The flag (1 for COM3's planner) adds rules for single
// honours.
#include "base/ai_record.h"
#include "base/table_state.h"
#include "com/aimed/aimed_protocol.h"
#include "com/aimed/aimed_rules.h"
#include "com/turn/rule_shapes.h"
#include "base/yaku_table.h"

namespace {

constexpr int kHalfFlush = kYaku31HalfFlush;
constexpr int kFullFlush = kYaku55FullFlush;
constexpr int kNoSuit = -1;


bool is_off_suit(int tile, int suit) { return is_suited(tile) && suit_of(tile) != suit; }
bool is_single_honour(int tile) { return is_honour(tile) && held(tile) == 1; }
// An off-suit single with no tile of its suit within two ranks.
bool is_isolated_single(int tile, int suit) {
  return is_off_suit(tile, suit) && side_run(g_hand_counts, tile, kTowardOne, -2, {0, 0, 1, 0, 0});
}

// The suit kept: the variant itself, or for the patterns whose variant is
// suit x 10 + a start or layout, its tens. A variant that names no suit
// makes the chooser do nothing.
int kept_suit(int variant, bool in_tens) {
  const int suit = in_tens ? variant / 10 : variant;
  return variant >= 0 && suit <= kBamboo ? suit : kNoSuit;
}

// ================================================================== half flush
void half_flush(int seat, int suit, int flag) {
  const auto pick = [seat](int code, auto&& want) { return pick_first(seat, kHalfFlush, code, want); };
  const auto outside_in = [&](int code, auto&& want) {
    return each_by_distance(0, 4, [&](int slot, int t) { return want(t) && pick_for(seat, slot, kHalfFlush, code); });
  };
  if (pick(0, [](int t) { return is_honour(t) && held(t) == 4; }) ||
      pick(10, [](int t) { return is_single_honour(t) && seen_by_all(t) == 3; }) ||
      outside_in(50, [&](int t) { return is_isolated_single(t, suit); }) ||
      outside_in(51, [&](int t) { return is_off_suit(t, suit); }))
    return;
  if (flag == 1 && (pick(30, [](int t) { return is_single_honour(t) && seen_by_all(t) == 2; }) ||
                    pick_most_visible(seat, kHalfFlush, 31, 1,
                                      [seat](int t) { return is_guest_wind(seat, t) && held(t) == 1; }) ||
                    pick_most_visible(seat, kHalfFlush, 32, 1, is_single_honour)))
    return;
  int honours = 0;
  for (int t = kEast; t <= kRed; ++t) honours += held(t);
  if (!has_honour_meld(seat) && honours == 2) pick(40, is_honour);
}

// ================================================================== full flush
// Proposes every pool slot for which want(tile) holds, with `code`; the
// number proposed.
template <class Want>
int take_every(int seat, int code, Want&& want) {
  int taken = 0;
  for (int slot = 0; slot < kHandSlots; ++slot) {
    const int tile = g_ai_work_hand[slot];
    if (is_playing_tile(tile) && want(tile)) taken += pick_for(seat, slot, kFullFlush, code) ? 1 : 0;
  }
  return taken;
}

// Proposes the first pool slot of every honour for which want(tile) holds.
template <class Want>
int take_first_of_honours(int seat, int code, Want&& want) {
  int taken = 0;
  for (int t = kEast; t <= kRed; ++t) {
    const int slot = pool_slot_of(t);
    if (slot >= 0 && want(t)) taken += pick_for(seat, slot, kFullFlush, code) ? 1 : 0;
  }
  return taken;
}

// For visibility 1, then 0: every pool tile held once with that visibility
// for which want(tile) holds; the first visibility that yields any ends it.
template <class Want>
bool take_least_seen(int seat, int code, Want&& want) {
  for (int n = 1; n >= 0; --n)
    if (take_every(seat, code, [&](int t) { return held(t) == 1 && seen_by_all(t) == n && want(t); }) > 0) return true;
  return false;
}

int honour_slots(int seat) {
  int n = 0;
  for (int slot : g_hand[seat])
    if (is_honour(tile_of(slot))) ++n;
  return n;
}

void full_flush(int seat, int suit, int flag) {
  const auto off_single = [suit](int t) { return is_off_suit(t, suit) && held(t) == 1; };
  // The lower (toward 1) and upper neighbours at distance 1 and 2.
  const auto lower = [](int t) { return held_at(t, -1) || held_at(t, -2); };
  const auto upper = [](int t) { return held_at(t, 1) || held_at(t, 2); };
  if (take_first_of_honours(seat, 0, [](int t) { return held(t) == 4; }) > 0 ||
      take_every(seat, 1, [](int t) { return is_single_honour(t) && seen_by_all(t) == 3; }) > 0 ||
      take_every(seat, 100, [&](int t) { return is_isolated_single(t, suit); }) > 0 ||
      take_every(seat, 110, [&](int t) {
        return off_single(t) && !held_at(t, -1) && !held_at(t, 1) && !(held_at(t, -2) && held_at(t, 2));
      }) > 0 ||
      take_every(seat, 120, [&](int t) { return off_single(t) && !(lower(t) && upper(t)); }) > 0)
    return;
  for (int n = 1; n <= 4; ++n)
    if (take_every(seat, 10 + suit, [&](int t) { return is_off_suit(t, suit) && held(t) == n; }) > 0) return;
  if (flag == 1 && (take_every(seat, 20, [](int t) { return is_single_honour(t) && seen_by_all(t) == 2; }) > 0 ||
                    take_least_seen(seat, 21, [seat](int t) { return is_guest_wind(seat, t); }) ||
                    take_least_seen(seat, 22, is_honour)))
    return;
  if (honour_slots(seat) == 2) take_first_of_honours(seat, 23, [](int) { return true; });
}

}  // namespace

void discard_half_flush(int seat, int flag) {
  if (!aims_at_any(seat, {kHalfFlush})) return;
  const int suit = kept_suit(g_ai_target_variant[seat], false);
  if (suit != kNoSuit) half_flush(seat, suit, flag);
}

void discard_full_flush(int seat, int flag) {
  if (!aims_at_any(seat, {kFullFlush, kYaku62FourShiftedChows, kYaku65QuadrupleChow, kYaku66FourShiftedPungs})) return;
  // The target's own variant stays as it is for the later rules and levels.
  const int suit = kept_suit(g_ai_target_variant[seat], g_ai_target_yaku[seat] != kFullFlush);
  if (suit != kNoSuit) full_flush(seat, suit, flag);
}
