#include "com/target/selectors.h"

#include <algorithm>
#include <array>

#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "com/target/seat_facts.h"
#include "com/target/selector_counts.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "base/yaku_table.h"
#include "base/table_state.h"

// Flush-family selectors: the hand gathered into one suit. The variant is
// the suit; for the seven shifted pairs the suit x 10 + the window's start.

namespace {

constexpr int kSuits = 3;

void add_free_suited_tiles(int seat, SuitCounts& c) {
  for (int slot : g_hand[seat])
    if (is_free_slot(slot) && is_suited(slot)) ++c[suit_of(slot)];
}

int honour_kinds_held(int copies) {
  int kinds = 0;
  for (int t = kEast; t <= kRed; ++t) kinds += held(t) == copies;
  return kinds;
}

int live_honour_pairs() {
  int kinds = 0;
  for (int t = kEast; t <= kRed; ++t) kinds += is_live_pair(t);
  return kinds;
}

// A kind whose copies still come: fewer than 2 visible, or 3 when one of
// them is the latest discard (which the seat may still claim).
bool is_live_honour(int t) { return seen_by_all(t) < (t == target_latest_discard() ? 3 : 2); }

// ------------------------------------------------------------ half flush

constexpr int kTopThreshold = 13;     // asks for an honour in hand, else runs as 12
constexpr int kHighThreshold = 12;    // from here honour sets to spare have the honours recounted
constexpr int kSpreadThreshold = 10;  // the lowest threshold, where the spread of the suits is judged
constexpr int kFallbackThreshold = 99;
constexpr int kFarFromOtherForms = 5;  // distance to thirteen orphans and honours-and-knitted

// The threshold the test runs at; 0 when the selector stops.
int half_flush_threshold(int threshold, const FlushFacts& f) {
  if (threshold == kTopThreshold && !f.holds_honour) return kHighThreshold;
  if (threshold == kFallbackThreshold) return f.single_honours > 0 ? 0 : kSpreadThreshold;
  return threshold;
}

// Melds and hand; false when melds lie in two suits.
bool count_half_flush(int seat, HalfFlushCount& h) {
  for (int code : g_melds[seat]) {
    if (code == 0) continue;
    const int suit = suit_of(meld_tile(code));
    h.c[suit] += 3;
    if (suit == kHonours) ++h.honour_sets;
    else h.meld[suit] = true;
  }
  if (std::count(h.meld.begin(), h.meld.end(), true) >= 2) return false;
  add_free_suited_tiles(seat, h.c);
  for (int t = kEast; t <= kRed; ++t) {
    if (held(t) >= 3) {
      h.c[kHonours] += 3;
      ++h.honour_sets;
    } else if (is_live_pair(t)) {
      h.c[kHonours] += 2;
      ++h.honour_sets;
    }
  }
  return true;
}

// Edge tiles (1, 2, 8, 9) of the suit held once with no tile of the suit
// within two numbers: they will likely leave the hand.
int lone_edge_tiles(int suit) {
  const int* n = g_hand_counts + make_tile(suit, 0);
  int lone = 0;
  for (int r : {1, 2, 8, 9}) {
    int near = 0;
    for (int q = std::max(1, r - 2); q <= std::min(9, r + 2); ++q) near += q != r ? n[q] : 0;
    lone += n[r] == 1 && near == 0;
  }
  return lone;
}

bool suit_has_set(int suit) {
  const int* n = g_hand_counts + make_tile(suit, 0);
  for (int r = 1; r <= 9; ++r)
    if (n[r] >= 3 || (r <= 7 && n[r] && n[r + 1] && n[r + 2])) return true;
  return false;
}

bool suit_has_partial(int suit) {
  const int* n = g_hand_counts + make_tile(suit, 0);
  for (int r = 1; r <= 9; ++r)
    if (n[r] == 2 || (r <= 8 && n[r] && n[r + 1])) return true;
  return false;
}

// At the lowest threshold the suited tiles must be gathered enough; lone
// honours count toward the honours when the other suits hold little.
bool passes_spread_test(int seat, const FlushFacts& f, HalfFlushCount& h) {
  int honour_slots = 0;  // declared honour tiles included
  for (int slot : g_hand[seat]) honour_slots += is_honour(tile_of(slot));
  bool gathered = false, at_ten = false;
  for (int s = 0; s < kSuits; ++s) {
    gathered |= h.c[s] - lone_edge_tiles(s) + honour_slots > 9;
    at_ten |= h.c[s] + honour_slots == 10;
  }
  if (!gathered) return false;
  if (at_ten && f.single_honours >= 3 && f.paired_honours <= 1) return false;
  const int v = g_ai_target_variant[seat];
  const int o1 = (v + 1) % kSuits, o2 = (v + 2) % kSuits;
  if (!suit_has_set(o1) && !suit_has_set(o2) && suit_has_partial(o1) + suit_has_partial(o2) < 2)
    h.c[kHonours] += f.single_honours;
  return true;
}

// With honour sets to spare or a thin pair of suits, the honours are
// counted one by one: live free copies and declared ones.
void recount_honours(const FlushFacts& f, int threshold, HalfFlushCount& h) {
  const SuitCounts& c = h.c;
  const bool recount = (threshold >= kHighThreshold && h.honour_sets >= 2) || c[0] + c[1] < 3 || c[1] + c[2] < 3 || c[2] + c[0] < 3;
  if (recount) h.c[kHonours] = f.honour_slots_kept;
}

int honour_slots_kept(int seat) {
  int honours = 0;
  for (int slot : g_hand[seat]) {
    const int t = tile_of(slot);
    if (is_honour(t) && (!is_free_slot(slot) || is_live_honour(t))) ++honours;
  }
  return honours;
}

// The full flush's count: declared tiles and free suited tiles; false when
// a meld is of honours or the melds lie in two suits.
bool count_full_flush(int seat, FlushFacts& f) {
  for (int code : g_melds[seat]) {
    if (code == 0) continue;
    const int suit = suit_of(meld_tile(code));
    if (suit == kHonours || (f.full_meld_suit >= 0 && suit != f.full_meld_suit)) return false;
    f.full_meld_suit = suit;
    f.full[suit] += 3;
  }
  add_free_suited_tiles(seat, f.full);
  return true;
}

}  // namespace

FlushFacts flush_facts(int seat) {
  FlushFacts f;
  f.full_open = count_full_flush(seat, f);
  f.half_open = count_half_flush(seat, f.half);
  f.honour_slots_kept = honour_slots_kept(seat);
  f.single_honours = honour_kinds_held(1);
  f.paired_honours = honour_kinds_held(2);
  f.holds_honour = std::any_of(g_hand_counts + kEast, g_hand_counts + kRed + 1, [](int n) { return n > 0; });
  f.live_honour_pairs = live_honour_pairs();
  return f;
}

void aim_full_flush(int seat, int threshold) {
  if (keeps_current_target(seat, kYaku55FullFlush)) return;
  const FlushFacts& f = seat_facts(seat).flush;
  if (!f.full_open) return;
  const int meld_suit = f.full_meld_suit;
  const SuitCounts& c = f.full;
  for (int s = 0; s < kSuits; ++s) {
    // A declared meld of another suit could never join this flush.
    if (meld_suit >= 0 && s != meld_suit) continue;
    if (c[s] >= threshold) return write_target(seat, kYaku55FullFlush, s);
  }
}

void aim_half_flush(int seat, int threshold) {
  if (keeps_current_target(seat, kYaku31HalfFlush)) return;
  const FlushFacts& f = seat_facts(seat).flush;
  int t = half_flush_threshold(threshold, f);
  if (t == 0 || !f.half_open) return;
  HalfFlushCount h = f.half;
  if (t == kSpreadThreshold && !passes_spread_test(seat, f, h)) return;
  recount_honours(f, t, h);
  const SeatAiRecord& ai = AI[seat];
  if (ai.min_shanten_kokushi >= kFarFromOtherForms && ai.min_shanten_knitted >= kFarFromOtherForms) {
    // Three or more live honour pairs already make the honour half of the hand.
    const int pairs = f.live_honour_pairs;
    if (pairs >= 3) t -= pairs - 2;
  }
  const SuitCounts& c = h.c;
  for (int s = 0; s < kSuits; ++s) {
    const int o1 = (s + 1) % kSuits, o2 = (s + 2) % kSuits;
    if (c[s] + c[kHonours] >= t && c[kHonours] >= 1 && c[s] >= c[o1] && c[s] >= c[o2] && !h.meld[o1] && !h.meld[o2])
      return write_target(seat, kYaku31HalfFlush, s);
  }
}

void aim_seven_shifted_pairs(int seat, int threshold) {
  if (keeps_current_target(seat, kYaku75SevenShiftedPairs) || declared_melds(seat) > 0) return;
  SuitCounts pairs{};
  for (int t = 1; t <= kRed; ++t) pairs[suit_of(t)] += held(t) / 2;
  if (pairs[kHonours] > 0 || std::count_if(pairs.begin(), pairs.begin() + kSuits, [](int p) { return p > 0; }) >= 2) return;
  // Windows of seven numbers by their first number, in the order tried; on
  // equal sums the later window wins.
  constexpr std::array<int, 3> kWindowStarts{1, 3, 2};
  for (int s = 0; s < kSuits; ++s) {
    int best = 0;
    for (int start : kWindowStarts) {
      int sum = 0;
      bool live = true;
      for (int r = start; r < start + 7; ++r) {
        sum += std::min(held(make_tile(s, r)), 2);
        live &= seen_by_all(make_tile(s, r)) < 3;
      }
      if (sum < threshold || sum < best) continue;
      // A window with a nearly dead tile still raises the bar for the next.
      best = sum;
      if (live) write_target(seat, kYaku75SevenShiftedPairs, make_tile(s, start));
    }
  }
}

void aim_nine_gates(int seat, int threshold) {
  if (keeps_current_target(seat, kYaku79NineGates) || declared_melds(seat) > 0) return;
  for (int s = 0; s < kSuits; ++s) {
    const int* visible = g_visible_counts + make_tile(s, 0);
    int seen = 0;
    bool open = visible[1] <= 1 && visible[9] <= 1;
    for (int r = 1; r <= 9; ++r) seen += visible[r];
    for (int r = 2; r <= 8; ++r) open &= visible[r] <= 3;
    if (!open || seen >= 23) continue;
    std::array<int, 10> w{};  // w[0] the extra tile, w[r] the copies of number r that fit
    std::copy(g_hand_counts + make_tile(s, 1), g_hand_counts + make_tile(s, 10), w.begin() + 1);
    // Two doubled middle numbers cannot both fit: no suit is tried further.
    if (std::count_if(w.begin() + 2, w.begin() + 9, [](int n) { return n >= 2; }) >= 2) return;
    for (int r : {1, 9})
      if (w[r] == 4) w[r] = 3, w[0] = 1;
    for (int r = 2; r <= 8; ++r)
      if (w[r] >= 2) w[r] = 1, w[0] = 1;
    int score = 0;
    for (int n : w) score += n;
    if (score >= threshold) return write_target(seat, kYaku79NineGates, s);
  }
}
