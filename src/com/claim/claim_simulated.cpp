#include <algorithm>
#include <array>

#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/claim/claim_simulated.h"
#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "base/waits.h"
#include "base/yaku_table.h"
#include "base/table_state.h"
#include "table/win_test.h"

// Calls tried on the seat's own hand: each possible chow, pung or kong of
// the discard followed by each possible discard, every ready hand it leaves
// valued by the scorer. Taken when they leave the seat ready with enough
// points, or give its ready hand a better value. The scorer rebuilds the
// seen counts from the simulated hand, where the called discard is counted
// both in the river and in the meld: a count above 4 marks such a wait.

namespace {

constexpr int kMotiveToGetReady = 90;
constexpr int kMotiveBetterReady = 91;
constexpr int kOverridePoints = 64;  // a record worth this much overrides the weighing of the others

struct SimCall {
  NakiCall kind;
  int shape;  // chow shape; 0 for a pung or kong
};

constexpr SimCall kMiddleChow{kNakiChow, kChiDiscardMiddle};
constexpr SimCall kLowestChow{kNakiChow, kChiDiscardLowest};
constexpr SimCall kHighestChow{kNakiChow, kChiDiscardHighest};
constexpr SimCall kPung{kNakiPung, 0};
constexpr SimCall kKong{kNakiKong, 0};

using Hand = std::array<int, kHandSlots>;

// The lowest tile of the chow of `shape` with the discard, 0 when the
// discard's rank admits no such chow.
int chow_lowest(int tile, int shape) {
  const int rank = rank_of(tile);
  switch (shape) {
    case kChiDiscardMiddle: return rank >= 2 && rank <= 8 ? tile - 1 : 0;
    case kChiDiscardLowest: return rank <= 7 ? tile : 0;
    default: return rank >= 3 ? tile - 2 : 0;
  }
}

int free_in(const Hand& hand, int tile) { return static_cast<int>(std::count(hand.begin(), hand.end(), tile)); }

// Marks the first free slot holding each tile in `tiles` with `marker`.
void mark_first(Hand& hand, std::array<int, 3> tiles, int marker) {
  int left = 3;
  for (int& slot : hand) {
    for (int& t : tiles) {
      if (t == 0 || slot != t) continue;
      slot += 100 * marker;
      t = 0;
      --left;
      break;
    }
    if (left == 0) return;
  }
}

// The hand and melds after the call, the discard in slot 13; false when the
// hand cannot make it.
bool make_call(int seat, const ClaimTrial& trial, SimCall call, int tile, Hand& hand) {
  hand = trial.hand();
  const auto& melds = trial.melds();
  const auto free_meld = std::find(melds.begin(), melds.end(), 0);
  if (free_meld == melds.end()) return false;
  int meld = 0;
  if (call.kind == kNakiChow) {
    const int lowest = may_chow(seat, tile) ? chow_lowest(tile, call.shape) : 0;
    const std::array<int, 3> run{lowest, lowest + 1, lowest + 2};
    if (lowest == 0) return false;
    for (int t : run)
      if (t != tile && free_in(hand, t) == 0) return false;
    hand[kDrawSlot] = tile;
    mark_first(hand, run, kChowSlot);
    meld = make_meld(0, kMeldChow, lowest);
  } else {
    const int copies = call.kind == kNakiKong ? 3 : 2;
    if (free_in(hand, tile) < copies) return false;
    hand[kDrawSlot] = tile;
    const int marker = call.kind == kNakiKong ? kMeldedKongSlot : kPungSlot;
    mark_first(hand, {tile, tile, tile}, marker);
    meld = make_meld(0, marker, tile);
  }
  trial.put_back();
  g_melds[seat][free_meld - melds.begin()] = meld;
  return true;
}

// The waits left after discarding `slot` of the hand.
WaitSet waits_after_discard(const Hand& hand, int slot) {
  std::copy(hand.begin(), hand.end(), g_wait_hand);
  g_wait_slot = slot;
  find_waits();
  return current_waits();
}

// Values the hand with `slot` discarded and won on `wait`, one of `waits`
// (those after that discard: the tiles of the seat's slots 0-12 below).
int value_after_discard(int seat, const Hand& hand, int slot, const WaitSet& waits, int wait) {
  std::copy(hand.begin(), hand.end(), g_hand[seat]);
  if (slot != kDrawSlot) std::swap(g_hand[seat][slot], g_hand[seat][kDrawSlot]);
  g_hand[seat][kDrawSlot] = wait;
  return score_win_with(seat, wait, waits);
}

bool found(int yaku) { return g_yaku_table[yaku].found == 1; }

// A last tile counts 4 more only for a seat that has called already; a
// chicken hand counts 4 either way.
int ready_last_tile_value(int wait, int total, bool called) {
  if (!is_last_tile(wait)) return total;
  return found(kYaku40ChickenHand) || called ? last_tile_value(total) : total;
}

// The kong's own value: what declaring it adds to the hand.
int kong_value(int seat, int tile) {
  const bool seat_wind = tile == seat_wind_tile(seat, g_dealer);
  const bool round_wind = tile == kEast + g_round_wind;
  if (seat_wind && round_wind) return 4;
  if (seat_wind || round_wind || is_dragon(tile)) return 2;
  return is_terminal_or_honour(tile) ? 1 : 0;
}

void decide_simulated(int seat, NakiCall kind, int shape, int motive) {
  decide_claim(seat, kind, shape, motive, 0);
  g_chi_variant[seat] = shape;  // also 0 with a pung or kong
}

// ------------------------------------------------------------ to get ready

// Taking the discard as if drawn: does some discard leave the hand ready
// with enough points, or with a chicken hand in sight?
bool discard_promises(int seat, const ClaimTrial& trial, int tile, int minimum, bool called) {
  Hand hand = trial.hand();
  hand[kDrawSlot] = tile;
  const bool three_open = std::all_of(g_melds[seat], g_melds[seat] + 3, is_open_meld);
  std::array<bool, 100> tried{};  // throwing another copy of a tile leaves the same hand
  for (int slot = 0; slot < kHandSlots; ++slot) {
    if (hand[slot] >= 100 || tried[hand[slot]]) continue;
    tried[hand[slot]] = true;
    const WaitSet waits = waits_after_discard(hand, slot);
    for (int i = 0; i < waits.count; ++i) {
      const int w = waits.tiles[i];
      int total = value_after_discard(seat, hand, slot, waits, w);
      if (three_open) {
        g_yaku_table[kYaku40ChickenHand].found = 0;
        total += 6;  // the hand can only grow into a melded hand
      }
      total = ready_last_tile_value(w, total, called);
      const bool chicken = found(kYaku40ChickenHand) || (g_seat_state[seat].open_naki_count == 0 && total == 2);
      trial.put_back();
      if (chicken || total >= minimum) return true;
    }
  }
  return false;
}

// Every discard after one simulated call, recorded as the Part's figures say.
void simulate_to_get_ready(int seat, SimCall call, const Hand& hand, int tile, int minimum, bool called,
                           RecordTable<ReadyRecord>& table) {
  bool chicken = false;
  for (int slot = 0; slot < kHandSlots; ++slot) {
    if (hand[slot] >= 100) continue;
    const WaitSet waits = waits_after_discard(hand, slot);
    if (waits.count == 0) continue;
    ReadyRecord r{call.kind, call.shape};
    for (int i = 0; i < waits.count; ++i) {
      const int w = waits.tiles[i];
      int total = value_after_discard(seat, hand, slot, waits, w);
      total = ready_last_tile_value(w, total, called);
      const int seen = g_seen_counts[w];
      const bool counted_twice = seen > 4 && w != tile;
      if (found(kYaku40ChickenHand) && !counted_twice) chicken = true;
      if (total > r.points && !counted_twice) {
        r.points = total;
        r.at_best = 0;
      }
      if (r.points == total) r.at_best += 5 - seen;
      if (r.points >= kMinimumWinPoints) r.winning += 5 - seen;
      if (w == tile) r.at_best += 1;
    }
    if (chicken || (r.points >= minimum && r.at_best >= 1)) table.add(r);
  }
}

// ------------------------------------------------------ better ready hand

struct BetterContext {
  int seat;
  int tile;
  bool open;         // the seat has an open meld already
  bool honour_pair;  // exactly two honour tiles free and no honour meld
  CurrentHand cur;
};

void simulate_better(const BetterContext& ctx, SimCall call, const Hand& hand, RecordTable<BetterRecord>& table) {
  const int seat = ctx.seat;
  const bool kong = call.kind == kNakiKong;
  for (int slot = 0; slot < kHandSlots; ++slot) {
    if (hand[slot] >= 100) continue;
    const WaitSet waits = waits_after_discard(hand, slot);
    if (waits.count == 0) continue;
    BetterRecord r{call.kind, call.shape};
    bool single_wait = false;
    for (int i = 0; i < waits.count; ++i) {
      const int w = waits.tiles[i];
      int total = value_after_discard(seat, hand, slot, waits, w);
      if (!ctx.open && found(kYaku24LastTile)) total -= g_yaku_table[kYaku24LastTile].points;
      if (call.kind == kNakiChow && found(kYaku10SingleWait)) single_wait = true;
      const int seen = g_seen_counts[w];
      const bool counts = seen <= 4 || (w == ctx.tile && !kong);
      if (total > r.points && counts) r.points = total;
      if (total >= kMinimumWinPoints) r.live += 5 - seen + (w == ctx.tile && !kong ? 1 : 0);
    }
    if (better_than(ctx.cur, r.points, r.live)) {
      if (!kong || kong_kept(seat, ctx.tile, ctx.cur, waits.count)) table.add(r);
      continue;
    }
    // A mixed-shifted-chows seat one point short takes a call that keeps
    // its single wait or honour pair at 6 or 7 points as worth 8.
    const bool mark = call.kind == kNakiChow ? single_wait : ctx.honour_pair;
    if (!kong && g_ai_target_yaku[seat] == 27 && mark && (r.points == 6 || r.points == 7) && ctx.cur.points == 7)
      table.add({call.kind, call.shape, kMinimumWinPoints, 1});
  }
}

bool honour_pair_only(int seat) {
  const bool honour_meld = std::any_of(g_melds[seat], g_melds[seat] + kMeldSlots,
                                       [](int code) { return code != 0 && is_honour(meld_tile(code)); });
  int honours = 0;
  for (int t = kEast; t <= kRed; ++t) honours += held(t);
  return !honour_meld && honours == 2;
}

}  // namespace

// Passes 1 and 2 weigh the records worth 8 by their live best waits against
// the winning copies of the one chosen so far; passes 3 to 5 let a record
// worth 64 override them.
const ReadyRecord* choose_to_get_ready(const RecordTable<ReadyRecord>& table) {
  const ReadyRecord* chosen = nullptr;
  int points = 0;
  int bar = 0;
  const auto pass = [&](int least, int ReadyRecord::*weight, auto take) {
    for (const ReadyRecord& r : table.records) {
      if (r.kind == 0 || r.points < least || r.*weight < 1 || !take(r)) continue;
      chosen = &r;
      points = r.points;
      bar = least >= kOverridePoints ? r.at_best : r.winning;
    }
  };
  pass(kMinimumWinPoints, &ReadyRecord::winning, [&](const ReadyRecord& r) { return r.at_best > bar; });
  pass(kMinimumWinPoints, &ReadyRecord::winning,
       [&](const ReadyRecord& r) { return r.points > points && r.at_best == bar; });
  pass(kOverridePoints, &ReadyRecord::at_best, [](const ReadyRecord&) { return true; });
  pass(kOverridePoints, &ReadyRecord::at_best, [&](const ReadyRecord& r) { return r.at_best > bar; });
  pass(kOverridePoints, &ReadyRecord::at_best, [&](const ReadyRecord& r) { return r.points > points && r.at_best == bar; });
  return chosen;
}

CurrentHand value_current_hand(int seat, const WaitSet& ready) {
  CurrentHand cur;
  for (int i = 0; i < ready.count; ++i) {
    const int w = ready.tiles[i];
    int total = score_win_with(seat, w, ready);
    if (is_last_tile(w)) total = last_tile_value(total);
    const int seen = g_seen_counts[w];
    if (seen < 4) {
      cur.points = std::max(cur.points, total);
      cur.live_eight = cur.live_eight || total >= kMinimumWinPoints;
    }
    if (total >= kMinimumWinPoints) cur.live += 4 - seen;
  }
  return cur;
}

// More points than a current hand worth less than 8 also counts as better;
// such a hand has no live wait worth 8, which the last test covers.
bool better_than(const CurrentHand& cur, int points, int live) {
  if (points < kMinimumWinPoints || live < 1) return false;
  return live > cur.live || (points > cur.points && live >= cur.live) || !cur.live_eight;
}

// A kong is kept for a hand worth 8 only where the patterns aimed at need
// concealed sets, and only when the kong itself is not what makes the value.
bool kong_kept(int seat, int tile, const CurrentHand& cur, int waits) {
  bool keep = true;
  for (int id : {40, 63, 70, 72, 73, 74})
    if (g_ai_target_yaku[seat] == id) keep = false;
  const int triples = static_cast<int>(std::count(g_hand_counts + 1, g_hand_counts + kRed + 1, 3));
  if (waits == 1 && triples == 1 && cur.points - kong_value(seat, tile) - 1 >= kMinimumWinPoints) keep = false;
  return keep || cur.points < kMinimumWinPoints;
}

const BetterRecord* choose_better(const RecordTable<BetterRecord>& table) {
  const BetterRecord* chosen = nullptr;
  int points = 0;
  int live = 0;
  for (const BetterRecord& r : table.records) {
    if (r.kind == 0 || r.points < kMinimumWinPoints || r.live <= 0) continue;
    if (r.points > points || (r.points == points && r.live > live)) {
      chosen = &r;
      points = r.points;
      live = r.live;
    }
  }
  return chosen;
}

void naki_to_get_ready(int seat, int min_points) {
  if (flowers_in_hand(seat) > 0) return;
  const bool called = g_seat_state[seat].naki_count > 0;
  if (best_live_ready_value(seat) >= min_points) return;
  const int tile = take_naki_tile();
  ClaimTrial trial(seat);
  if (!discard_promises(seat, trial, tile, min_points, called)) return;
  RecordTable<ReadyRecord> table;
  Hand hand{};
  for (SimCall call : {kMiddleChow, kLowestChow, kHighestChow, kPung}) {
    if (!make_call(seat, trial, call, tile, hand)) continue;
    simulate_to_get_ready(seat, call, hand, tile, min_points, called, table);
    trial.put_back();
  }
  if (const ReadyRecord* r = choose_to_get_ready(table))
    decide_simulated(seat, static_cast<NakiCall>(r->kind), r->shape, kMotiveToGetReady);
}

void naki_for_better_ready_hand(int seat) {
  if (flowers_in_hand(seat) > 0) return;
  const WaitSet ready = seat_ready_waits(seat);
  if (ready.count == 0) return;
  const bool open = std::any_of(g_melds[seat], g_melds[seat] + kMeldSlots,
                                [](int code) { return code != 0 && meld_kind(code) != kMeldConcealedKong; });
  const CurrentHand cur = value_current_hand(seat, ready);
  const int tile = take_naki_tile();
  ClaimTrial trial(seat);
  const BetterContext ctx{seat, tile, open, honour_pair_only(seat), cur};
  RecordTable<BetterRecord> table;
  Hand hand{};
  for (SimCall call : {kMiddleChow, kLowestChow, kHighestChow, kKong, kPung}) {
    if (!make_call(seat, trial, call, tile, hand)) continue;
    simulate_better(ctx, call, hand, table);
    trial.put_back();
  }
  if (const BetterRecord* r = choose_better(table))
    decide_simulated(seat, static_cast<NakiCall>(r->kind), r->shape, kMotiveBetterReady);
}
