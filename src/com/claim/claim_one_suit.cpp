#include <algorithm>
#include <array>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/claim/claim_suit_calls.h"
#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "com/turn/planner_decomposition.h"
#include "com/turn/planner_state.h"

// Claims of the one-suit patterns: a call that alone brings the suit nearer
// to ready, else a fixed shape around the discard, else what is left of the
// hand once its complete sets are set aside.

namespace {

constexpr int kSevenShiftedPairs = 75;  // its variant is suit x 10 + start rank
constexpr int kFewBlocks = 5;           // "B below 5": the suit is not yet crowded with blocks

// ------------------------------------------------------------- shape cases
// A window of counts from one position upward, written as the list reads:
// "0 1 2-3 2+" (2+ at least 2).
struct Span {
  int lo = 0, hi = 0;
};
struct Window {
  std::array<Span, 8> spans{};
  int width = 0;
};

constexpr Window parse_window(const char* text) {
  Window w;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p == ' ') continue;
    Span s{*p - '0', *p - '0'};
    if (p[1] == '+') s.hi = 4, ++p;
    if (p[1] == '-') s.hi = p[2] - '0', p += 2;
    w.spans[w.width++] = s;
  }
  return w;
}
static_assert(parse_window("0 2-3 2+").width == 3 && parse_window("0 2-3 2+").spans[1].hi == 3 &&
              parse_window("0 2-3 2+").spans[2].hi == 4);

constexpr int kPungCase = 0;  // the claim column: a pung, else the chow shape 1..3
enum PairNeed : int { kAnyPairs, kSomePair, kNoPair };
enum Extra : int { kNoExtra, kFewVisible, kUnseen, kSumThree };

struct ShapeCase {
  int code, mirror_code;  // mirror_code 0: the case has no mirror image
  int claim;
  int low_rank, high_rank;  // D's rank
  int first;                // offset of the window's first position from D
  Window window;
  std::array<int, 2> vetoes{};  // offsets of tiles none may be held; 0 none
  bool few_blocks = false;      // B below 5
  PairNeed pairs = kAnyPairs;   // the seat's best_pairs
  Extra extra = kNoExtra;       // visible below 2 / seen below 4 at extra_at,
  int extra_at = 0;             // or the counts at extra_at and extra_at + 1 total 3
};

constexpr int H = kChiDiscardHighest, M = kChiDiscardMiddle, L = kChiDiscardLowest;

// The cases in their order; each one's mirror image is tried right after it.
// clang-format off
constexpr std::array<ShapeCase, 28> kShapeCases{{
  // code mirror claim ranks first window                  vetoes   B<5  pairs      extra
  {992, 998, M, 2, 2, -1, parse_window("1 0 1 0")},
  {982, 988, M, 2, 2, -1, parse_window("1 0 2 1 0")},
  {972, 978, M, 2, 2, -1, parse_window("1 0 2 1 1 0")},
  {962, 968, M, 2, 2, -1, parse_window("2 1 2 2 0")},
  {892, 898, M, 2, 6, -2, parse_window("0 1 0 1 1 1 0")},
  {882, 888, M, 2, 7, -2, parse_window("0 1 0 1-2 1-2 0"),  {},      false, kAnyPairs, kSumThree, 1},
  {871, 873, H, 4, 9, -4, parse_window("0 3 1 1 0"),        {-5, 1}},
  {863, 861, L, 2, 5, -2, parse_window("0 2-3 0 1 1 3 1 0")},
  {791, 793, H, 5, 9, -5, parse_window("0 3 1 1 1 0"),      {1},     true},
  {781, 783, H, 4, 9, -4, parse_window("0 2 1 1 0"),        {-5},    true},
  {772, 778, M, 2, 8, -2, parse_window("0 2 1 1 0"),        {},      true},
  {761, 763, H, 4, 9, -4, parse_window("0 1 1 2 0"),        {1},     true, kAnyPairs, kFewVisible, -2},
  {751, 753, H, 6, 9, -6, parse_window("0 2 2 1 1 1 0"),    {1},     true},
  {741, 743, H, 6, 9, -6, parse_window("0 1 1 1 2 2 0"),    {1},     true},
  {731, 733, H, 3, 7, -3, parse_window("0 2 2 1 1 1 0"),    {},      true},
  {721, 723, H, 5, 9, -5, parse_window("0 1 1 1 1 0"),      {-6, 1}, true},
  {713, 711, L, 3, 7, -3, parse_window("0 0 1 1 1 1 0"),    {4},     true},
  {702, 708, M, 2, 6, -2, parse_window("0 1 0 1 2+ 2+ 0"),  {},      true},
  {693, 697, H, 3, 8, -3, parse_window("0 1 1 2 0 0"),      {-4},    true},
  {677, 0,   L, 1, 7, -2, parse_window("0 0 2 1 1 0"),      {},      true, kAnyPairs, kUnseen, 1},
  {673, 0,   H, 3, 9, -3, parse_window("0 2 1 1 0"),        {},      true, kAnyPairs, kUnseen, -1},
  {663, 667, L, 3, 7, -3, parse_window("0 1 0 1 1 1 0"),    {},      true},
  {591, 599, kPungCase, 1, 1, 0, parse_window("2 2 1 1 1 0")},
  {582, 588, kPungCase, 2, 2, -1, parse_window("2 2 1 1 1 0")},
  {491, 499, kPungCase, 1, 6, -1, parse_window("0 2 1 1 1 0"),    {-2},    false, kSomePair},
  {481, 489, kPungCase, 1, 8, -1, parse_window("0 3 1 0"),        {-2, 3}, true,  kSomePair},
  {471, 479, kPungCase, 1, 4, -1, parse_window("0 2 1 1 1 1 1 0"),{-2, 7}, true,  kNoPair},
  {461, 469, kPungCase, 1, 6, -1, parse_window("0 2 1 1 0 0"),    {-2},    true,  kNoPair},
}};
// clang-format on

// The leftover chow with D in the middle of two runs (reason 22, mirror 28), read on the leftovers.
constexpr ShapeCase kLeftoverRunsChow{22, 28, M, 2, 6, -2, parse_window("0 1 0 1-2 1-2 0"), {-3}, false,
                                      kAnyPairs, kSumThree, 1};

// What a shape case reads: the counts around D from one side, and the seat's figures.
struct CaseInputs {
  Around hand;
  int blocks;  // B
  int pairs;   // best_pairs
  bool chow_allowed;
};

bool extra_holds(const ShapeCase& c, const Around& hand) {
  const Around visible{g_visible_counts, hand.discard, hand.dir};
  const Around seen{g_seen_counts, hand.discard, hand.dir};
  switch (c.extra) {
    case kFewVisible: return visible(c.extra_at) < 2;
    case kUnseen: return seen(c.extra_at) < 4;
    case kSumThree: return hand(c.extra_at) + hand(c.extra_at + 1) == 3;
    default: return true;
  }
}

bool case_holds(const ShapeCase& c, const CaseInputs& in) {
  const Around& h = in.hand;
  if (c.claim != kPungCase && !in.chow_allowed) return false;
  if (h.rank() < c.low_rank || h.rank() > c.high_rank) return false;
  for (int i = 0; i < c.window.width; ++i) {
    const int n = h(c.first + i);
    if (n < c.window.spans[i].lo || n > c.window.spans[i].hi) return false;
  }
  for (int veto : c.vetoes)
    if (veto != 0 && h(veto) >= 1) return false;
  if (c.few_blocks && in.blocks >= kFewBlocks) return false;
  if (c.pairs == kSomePair && in.pairs < 1) return false;
  if (c.pairs == kNoPair && in.pairs != 0) return false;
  return extra_holds(c, h);
}

struct Choice {
  int call = 0;  // 0 none, else a NakiCall
  int shape = 0;
  int reason = 0;
};

Choice claim_of(int claim, int reason) {
  if (claim == kPungCase) return {kNakiPung, 0, reason};
  return {kNakiChow, claim, reason};
}

// The case, or its mirror image right after it, when it holds.
Choice case_or_mirror(const ShapeCase& c, CaseInputs in) {
  if (case_holds(c, in)) return claim_of(c.claim, c.code);
  if (c.mirror_code == 0) return {};
  in.hand.dir = -1;
  if (case_holds(c, in)) return claim_of(c.claim == kPungCase ? kPungCase : mirror_shape(c.claim), c.mirror_code);
  return {};
}

Choice shape_case(const CaseInputs& in) {
  for (const ShapeCase& c : kShapeCases)
    if (const Choice choice = case_or_mirror(c, in); choice.call != 0) return choice;
  return {};
}

// Pung 450: a lone triplet with a tile two ranks off on each side.
Choice pung_between_singles(const Around& h, int pairs) {
  if (pairs < 1) return {};
  if (h(-2) != 1 || h(-1) != 0 || h(0) != 3 || h(1) != 0 || h(2) != 1) return {};
  return {kNakiPung, 0, 450};
}

// --------------------------------------------------------- the suit, B, calls
int aimed_suit(int seat) {
  const int variant = g_ai_target_variant[seat];
  return g_ai_target_yaku[seat] == kSevenShiftedPairs ? variant / 10 : variant;
}

bool off_suit(int tile, int suit) { return is_suited(tile) && suit_of(tile) != suit; }

int off_suit_slots(int seat, int suit) {
  int n = 0;
  for (int v : g_hand[seat]) n += off_suit(v, suit);
  return n;
}

// best_blocks less the blocks the other two suits hold, taken out of a copy
// of the counts in a fixed order: chows, pungs, pairs, runs, gaps.
int in_suit_blocks(int seat, int suit) {
  int blocks = AI[seat].best_blocks;
  KindCounts w{};
  std::copy(g_hand_counts, g_hand_counts + kTileCodes, w.begin());
  for (int s = 0; s < 3; ++s) {
    if (s == suit) continue;
    int* c = &w[make_tile(s, 0)];  // c[rank], ranks 1..9
    for (int r = 1; r <= 7; ++r)
      if (c[r] >= 1 && c[r + 1] >= 1 && c[r + 2] >= 1) --c[r], --c[r + 1], --c[r + 2], --blocks;
    for (int r = 1; r <= 9; ++r)
      if (c[r] >= 3) c[r] -= 3, --blocks;
    for (int r = 1; r <= 9; ++r)
      if (c[r] == 2) c[r] = 0, --blocks;
    for (int r = 1; r <= 8; ++r)
      if (c[r] >= 1 && c[r + 1] >= 1) --c[r], --c[r + 1], --blocks;
    for (int r = 1; r <= 7; ++r)
      if (c[r] >= 1 && c[r + 1] == 0 && c[r + 2] >= 1) --c[r], --c[r + 2], --blocks;
  }
  return blocks;
}

// An honour is punged in the simulation only from a pair, not from a triplet.
TrialCalls trial_calls(int seat, int discard) {
  const bool chow = may_chow(seat, discard);
  return {chow, chow, chow, is_suited(discard) || held(discard) == 2};
}

StrippedTiles other_suits(int suit) {
  StrippedTiles s{};
  for (int t = 1; t < kTileCodes; ++t) s[t] = off_suit(t, suit);
  return s;
}

// ------------------------------------------------------------- leftovers
using Counts = KindCounts;

// The work hand rebuilt from the seat's free slots, its best decomposition's
// complete sets taken out; the counts of what is left. The work hand and
// the decomposition are left so: the next discard decision rebuilds them.
Counts leftovers(int seat) {
  std::transform(g_hand[seat], g_hand[seat] + kHandSlots, g_ai_work_hand, [](int v) { return is_free_slot(v) ? v : 0; });
  g_decomposition_prefer_pungs = 0;
  search_best_decomposition(seat);
  remove_picked_chows(g_decomposition, g_ai_work_hand);
  remove_picked_pungs(g_decomposition, g_ai_work_hand);
  Counts left{};
  for (int v : g_ai_work_hand)
    if (is_playing_tile(v)) ++left[v];
  return left;
}

// D highest of a chow of two leftover neighbours (read mirrored: D lowest).
bool end_chow(const Around& a, int blocks) {
  const int r = a.rank();
  if (a(-3) != 0 || a(-2) < 1 || a(-1) < 1 || a(0) != 0) return false;
  if (a(1) != 0 && r != 3) return false;
  const int pair = a(-2) + a(-1);
  return pair <= 3 || (pair == 4 && blocks < kFewBlocks && r != 3);
}

// D in the middle of two leftover neighbours.
bool middle_chow(const Around& a) {
  return a(-2) == 0 && a(-1) >= 1 && a(0) == 0 && a(1) >= 1 && a(2) == 0 && a(-1) + a(1) <= 3;
}

// Reasons first + 0 (D highest), + 1 (middle), + 2 (lowest).
Choice leftover_chow(const Around& a, int blocks, int first) {
  if (end_chow(a, blocks)) return {kNakiChow, H, first};
  if (middle_chow(a)) return {kNakiChow, M, first + 1};
  if (end_chow(Around{a.counts, a.discard, -1}, blocks)) return {kNakiChow, L, first + 2};
  return {};
}

// The middle ranks' two-tile runs of the suit taken out (2-3 upward).
Counts without_middle_runs(Counts left, int suit) {
  for (int q = 2; q <= 7; ++q) {
    int& a = left[make_tile(suit, q)];
    int& b = left[make_tile(suit, q + 1)];
    if (a >= 1 && b >= 1) --a, --b;
  }
  return left;
}

Choice leftover_pung(int seat, int discard, int suit, const Counts& left) {
  if (left[discard] != 2) return {};
  int pairs = 0;
  for (int t = 1; t <= kRed; ++t) pairs += left[t] == 2;
  if (pairs > 1) return {kNakiPung, 0, 10};
  if (is_honour(discard)) return {kNakiPung, 0, 11};
  bool lone_honour = false;
  for (int t = kEast; t <= kRed; ++t) lone_honour = lone_honour || held(t) == 1;
  if (AI[seat].min_shanten > 1 && lone_honour) return {kNakiPung, 0, 12};
  if (off_suit_slots(seat, suit) > 0) return {kNakiPung, 0, 13};
  return {};
}

Choice from_leftovers(int seat, int discard, int suit, int blocks) {
  const Counts left = leftovers(seat);
  if (may_chow(seat, discard)) {
    if (const Choice c = leftover_chow(Around{left.data(), discard}, blocks, 1); c.call != 0) return c;
    const Counts fewer = without_middle_runs(left, suit);
    if (const Choice c = leftover_chow(Around{fewer.data(), discard}, blocks, 11); c.call != 0) return c;
    if (const Choice c = case_or_mirror(kLeftoverRunsChow, {Around{left.data(), discard}, blocks, 0, true});
        c.call != 0)
      return c;
  }
  if (const Choice c = leftover_pung(seat, discard, suit, left); c.call != 0) return c;
  // Kept as the rule reads, though the best decomposition always takes a
  // held honour triplet as a pung (no other block scores as much), so no
  // three are left today.
  if (left[discard] == 3 && is_honour(discard) && !is_closed_hand(seat)) return {kNakiKong, 0, 20};
  return {};
}

Choice fixed_shapes(int seat, int discard, int blocks) {
  if (!is_suited(discard)) return {};
  const CaseInputs in{Around{g_hand_counts, discard}, blocks, AI[seat].best_pairs, may_chow(seat, discard)};
  if (const Choice c = shape_case(in); c.call != 0) return c;
  return pung_between_singles(in.hand, in.pairs);
}

}  // namespace

void naki_one_suit(int seat) {
  if (!aims_at_any(seat, {31, 55, 75, 79})) return;
  const int discard = take_naki_tile();
  const int suit = aimed_suit(seat);
  const int motive = g_ai_target_yaku[seat];
  if (off_suit(discard, suit)) return;
  if (AI[seat].min_shanten < 2 && off_suit_slots(seat, suit) < 2) return;
  const int blocks = in_suit_blocks(seat, suit);
  if (decide_single_improving_call(seat, discard, trial_calls(seat, discard), other_suits(suit), motive)) return;
  Choice c = fixed_shapes(seat, discard, blocks);
  if (c.call == 0) c = from_leftovers(seat, discard, suit, blocks);
  if (c.call != 0) decide_claim(seat, static_cast<NakiCall>(c.call), c.shape, motive, c.reason);
}
