#include "core/win_eval.h"

#include <algorithm>
#include <cstring>

#include "core/scorer.h"

namespace {

// ------------------------------------------------------- extraction steps
// The work arrays hold slot values ascending, zeros behind; a step takes
// its block from the front.
enum BlockStep : int { kStepPung, kStepChow, kStepPair };

// The block kind that each extraction order tries at steps 0, 1 and 2.
constexpr int kOrderSteps[kExtractionOrders][3] = {
    {kStepPung, kStepPair, kStepChow}, {kStepPung, kStepChow, kStepPair}, {kStepChow, kStepPung, kStepPair},
    {kStepChow, kStepPair, kStepPung}, {kStepPair, kStepPung, kStepChow}, {kStepPair, kStepChow, kStepPung},
};

// The set block of three equal slot values, 0 when a called chow's tiles
// would make it: equal tiles of called chows are three chows, not a pung.
int set_block_of(int value) {
  const int t = tile_of(value);
  switch (marker_of(value)) {
    case kFree: return kWinConcealedPung + t;
    case kPungSlot: return kWinCalledPung + t;
    case kConcealedKongSlot: return kWinConcealedKong + t;
    case kMeldedKongSlot: return kWinMeldedKong + t;
    default: return 0;
  }
}

// The chow block starting at a slot value: free tiles make a concealed
// chow, a called chow's tiles a called one; the tiles of declared pungs and
// kongs never make a chow.
int chow_block_of(int value) {
  if (!is_suited(tile_of(value))) return 0;
  if (marker_of(value) == kFree) return kWinConcealedChow + tile_of(value);
  if (marker_of(value) == kChowSlot) return kWinCalledChow + tile_of(value);
  return 0;
}

// A pair is made of free tiles only.
int pair_block_of(int value) { return is_free_slot(value) ? value : 0; }

void record_block(WinReading& r, int block) { r.blocks[r.block_count] = block; }

// next = w without the entries at positions a, b and c (c may be -1),
// still ascending, zeros behind.
void take_entries(const int* w, int* next, int a, int b, int c) {
  int n = 0;
  for (int i = 0; i < kHandSlots; ++i)
    if (i != a && i != b && i != c) next[n++] = w[i];
  std::fill(next + n, next + kHandSlots, 0);
}

bool extract_triplet_candidate(WinReading& r, const int* w, int* next) {
  const int block = set_block_of(w[0]);
  if (w[0] == 0 || block == 0 || w[1] != w[0] || w[2] != w[0]) return false;
  take_entries(w, next, 0, 1, 2);
  record_block(r, block);
  return true;
}

int find_value_after(const int* w, int from, int value) {
  for (int i = from; i < kHandSlots; ++i)
    if (w[i] == value) return i;
  return -1;
}

bool extract_sequence_candidate(WinReading& r, const int* w, int* next) {
  const int block = w[0] == 0 ? 0 : chow_block_of(w[0]);
  if (block == 0) return false;
  // Values carry the marker, so the other two tiles share the first one's.
  const int second = find_value_after(w, 1, w[0] + 1);
  const int third = second < 0 ? -1 : find_value_after(w, second + 1, w[0] + 2);
  if (third < 0) return false;
  take_entries(w, next, 0, second, third);
  record_block(r, block);
  return true;
}

bool extract_pair_candidate(WinReading& r, const int* w, int* next) {
  const int block = pair_block_of(w[0]);
  if (block == 0 || w[1] != w[0]) return false;
  take_entries(w, next, 0, 1, -1);
  record_block(r, block);
  return true;
}

// One step of an order on the front of w; on success next holds what is left.
bool extract_meld_by_order(WinReading& r, int step, int order, const int* w, int* next) {
  switch (kOrderSteps[order][step]) {
    case kStepPung: return extract_triplet_candidate(r, w, next);
    case kStepChow: return extract_sequence_candidate(r, w, next);
    default: return extract_pair_candidate(r, w, next);
  }
}

// Moves the zero entries to the end, keeping the order of the others.
void compact_work_zeros(int* w) {
  int n = 0;
  for (int i = 0; i < kHandSlots; ++i)
    if (w[i] != 0) w[n++] = w[i];
  std::fill(w + n, w + kHandSlots, 0);
}

// Depth-first search for five blocks that take every entry, trying the
// order's three steps at each level; the path found stays in the blocks.
// Five blocks cover fourteen tiles only as four sets and one pair, so a
// second pair is never tried: the path found is the same, sooner.
bool extract_from_level(WinReading& r, int order, int level, const int* work, bool pair_taken) {
  for (int step = 0; step < 3; ++step) {
    const bool pair_step = kOrderSteps[order][step] == kStepPair;
    if (pair_step && pair_taken) continue;
    int next[kHandSlots];
    r.block_count = level;
    if (!extract_meld_by_order(r, step, order, work, next)) continue;
    if (level == kWinBlocks - 1) {
      if (next[0] == 0) return true;
      continue;
    }
    if (extract_from_level(r, order, level + 1, next, pair_taken || pair_step)) return true;
  }
  return false;
}

void clear_blocks(WinReading& r) {
  std::fill(std::begin(r.blocks), std::end(r.blocks), 0);
  r.block_count = 0;
}

// An earlier order that read the same blocks scored the same total.
int earlier_same_reading(const WinReading& r, int order) {
  for (int k = 0; k < order; ++k)
    if (r.orders[k].found && std::equal(std::begin(r.orders[k].blocks), std::end(r.orders[k].blocks), r.blocks))
      return k;
  return -1;
}

// Four sets and a pair: every extraction order reads the hand and is
// scored; the best total wins, the lowest order on a tie.
bool read_normal_form(WinReading& r, const WinContext& ctx, const RuleSwitches& rules, Scoring& work) {
  int best = -1;
  for (int order = 0; order < kExtractionOrders; ++order) {
    EvalOrderRecord& rec = r.orders[order];
    rec = {};
    clear_blocks(r);
    if (!extract_from_level(r, order, 0, r.hand, false)) continue;
    std::copy(std::begin(r.blocks), std::end(r.blocks), rec.blocks);
    const int same = earlier_same_reading(r, order);
    if (same >= 0) {
      rec.points = r.orders[same].points;
    } else {
      r.block_count = kWinBlocks;
      score_hand(r, ctx, rules, work);
      ++r.scorings;
      rec.points = work.total;
    }
    rec.found = 1;
    if (best < 0 || rec.points > r.orders[best].points) best = order;
  }
  clear_blocks(r);
  if (best < 0) return false;
  std::copy(std::begin(r.orders[best].blocks), std::end(r.orders[best].blocks), r.blocks);
  r.block_count = kWinBlocks;
  return true;
}

// ------------------------------------------------------------ other forms
bool pairs_up(const int* v) {
  for (int i = 0; i < kHandSlots; i += 2)
    if (v[i] != v[i + 1]) return false;
  return true;
}

// Three quads with the pair before or after them read better as four sets.
bool three_quads_beside_pair(const int* v) {
  const bool pair_last = v[0] == v[3] && v[4] == v[7] && v[8] == v[11];
  const bool pair_first = v[2] == v[5] && v[6] == v[9] && v[10] == v[13];
  return pair_last || pair_first;
}

// With compound switch 7 off, a closed hand of one rank block (1-3, 4-6 or
// 7-9) that holds at least two full runs' worth of pairs is read as sets.
bool one_rank_block_refused(const WinContext& ctx, const RuleSwitches& rules, const int* v) {
  if (rules.rule_on(kRuleSevenPairsTileRange) || ctx.open_claims != 0) return false;
  const int block = (rank_of(tile_of(v[0])) - 1) / 3;
  int counts[kTileCodes]{};
  for (int i = 0; i < kHandSlots; ++i) {
    const int t = tile_of(v[i]);
    if (!is_suited(t) || (rank_of(t) - 1) / 3 != block) return false;
    ++counts[t];
  }
  int tally = 0;
  for (int s = kCharacters; s <= kBamboo; ++s) {
    bool twice = true;
    bool four_times = true;
    for (int k = 1; k <= 3; ++k) {
      const int c = counts[make_tile(s, 3 * block + k)];
      twice = twice && c >= 2;
      four_times = four_times && c == 4;
    }
    tally += (twice ? 1 : 0) + (four_times ? 1 : 0);
  }
  return tally >= 2;
}

void take_seven_pairs(WinReading& r, int tile) {
  r.form = kFormSevenPairs;
  std::fill(std::begin(r.waits), std::end(r.waits), 0);
  r.waits[0] = tile;
  r.wait_count = 1;
}

bool reads_as_thirteen_orphans(const int* v) {
  int kinds = 0;
  for (int i = 0; i < kHandSlots; ++i) {
    if (!is_free_slot(v[i]) || !(is_terminal(v[i]) || is_honour(v[i]))) return false;
    if (i == 0 || v[i] != v[i - 1]) ++kinds;
  }
  return kinds == static_cast<int>(g_terminal_honour_tiles.size());
}

bool reads_as_honours_and_knitted(const int* v) {
  for (const auto& tiles : g_knitted_honour_tiles) {
    bool all_in = true;
    for (int i = 0; i < kHandSlots && all_in; ++i)
      all_in = is_free_slot(v[i]) && (i == 0 || v[i] != v[i - 1]) &&
               std::find(tiles.begin(), tiles.end(), v[i]) != tiles.end();
    if (all_in) return true;
  }
  return false;
}

// The five values left beside the knitted tiles, ascending, as a pair and a
// set; the later shape wins where two would match.
bool read_pair_and_set(WinReading& reading, const int* r) {
  const int a = r[0], b = r[1], c = r[2], d = r[3], e = r[4];
  int pair = 0;
  int set = 0;
  auto take = [&](int pair_value, int set_block) {
    if (pair_block_of(pair_value) != 0 && set_block != 0) {
      pair = pair_block_of(pair_value);
      set = set_block;
    }
  };
  if (a == b && d == c + 1 && e == c + 2) take(a, chow_block_of(c));
  if (b == c && c == d && b == a + 1 && e == a + 2) take(b, chow_block_of(a));
  if (b == a + 1 && c == a + 2 && d == e) take(d, chow_block_of(a));
  if (a == b && b == c && d == e) take(d, set_block_of(a));
  if (a == b && c == d && d == e) take(a, set_block_of(c));
  if (pair == 0) return false;
  reading.blocks[0] = pair;
  reading.blocks[1] = set;
  reading.block_count = 2;
  return true;
}

bool read_knitted_straight(WinReading& r, const int* v) {
  for (const auto& tiles : g_knitted_tiles) {
    int rest[kHandSlots];
    std::memcpy(rest, v, sizeof rest);
    int removed = 0;
    for (int t : tiles) {
      int* at = std::find(rest, rest + kHandSlots, t);
      if (at == rest + kHandSlots) break;
      *at = 0;
      ++removed;
    }
    if (removed != static_cast<int>(tiles.size())) continue;
    compact_work_zeros(rest);
    return read_pair_and_set(r, rest);
  }
  return false;
}

bool read_hand_form(WinReading& r, const WinContext& ctx, const RuleSwitches& rules, Scoring& work) {
  switch (r.form) {
    case kFormNormal: return read_normal_form(r, ctx, rules, work);
    case kFormSevenPairs: return !r.open && pairs_up(r.hand);
    case kFormThirteenOrphans: return reads_as_thirteen_orphans(r.hand);
    case kFormKnittedStraight: return read_knitted_straight(r, r.hand);
    case kFormHonoursKnitted: return reads_as_honours_and_knitted(r.hand);
    default: return false;
  }
}

// Hand slots of playing tiles only: an empty slot or a flower is no hand.
bool well_formed(const int* v) {
  for (int i = 0; i < kHandSlots; ++i)
    if (!is_playing_tile(tile_of(v[i])) || marker_of(v[i]) > kMeldedKongSlot) return false;
  return true;
}

}  // namespace

WinReading read_win(const int (&hand)[kHandSlots], int tile, int by_discard, const WaitSet& waits,
                    const WinContext& ctx, const RuleSwitches& rules, Scoring& work) {
  WinReading r{};
  r.seat = ctx.seat;
  r.tile = tile;
  r.by_discard = by_discard;
  std::copy(std::begin(waits.tiles), std::end(waits.tiles), r.waits);
  r.wait_count = waits.count;
  r.form = waits.form;
  std::copy(hand, hand + kDrawSlot, r.hand);
  r.hand[kDrawSlot] = tile;
  std::sort(std::begin(r.hand), std::end(r.hand));
  r.seat_wind = ctx.seat_wind;
  r.round_wind = ctx.round_wind;
  r.open = std::any_of(std::begin(ctx.melds), std::end(ctx.melds), is_open_meld) ? 1 : 0;
  if (!well_formed(r.hand)) return r;

  // Seven pairs beats the normal reading unless it is refused; a refused
  // reading comes back when no extraction order reads the hand either.
  const bool seven_pairs = !r.open && pairs_up(r.hand);
  const bool refused = three_quads_beside_pair(r.hand) || one_rank_block_refused(ctx, rules, r.hand);
  if (r.form == kFormNormal && seven_pairs && !refused) take_seven_pairs(r, tile);

  r.valid = 1;  // lets the normal reading score its orders
  bool valid = read_hand_form(r, ctx, rules, work);
  if (!valid && r.form == kFormNormal && seven_pairs) {
    take_seven_pairs(r, tile);
    valid = true;
  }
  r.valid = valid ? 1 : 0;
  return r;
}
