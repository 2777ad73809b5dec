#include "com/target/chow_fit.h"

#include <algorithm>
#include <bit>
#include <cassert>

#include "com/hand_terms.h"
#include "com/target/target_script.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "base/yaku_table.h"
#include "base/table_state.h"

namespace {

// Three chows whose lowest tiles are given.
constexpr ChowLayout three_chows(int variant, int first, int second, int third) {
  ChowLayout t{{}, variant, {}, false, 0};
  const int lows[kChowParts] = {first, second, third};
  for (int part = 0; part < kChowParts; ++part)
    for (int i = 0; i < 3; ++i) t.tiles[3 * part + i] = lows[part] + i;
  for (int tile : t.tiles) t.kinds |= std::uint64_t{1} << tile;
  for (int i = 0; i < kChowPositions; ++i) {
    for (int j = 0; j < i; ++j) t.earlier[i] += t.tiles[j] == t.tiles[i];
    t.repeats = t.repeats || t.earlier[i] > 0;
  }
  return t;
}

// The six orders of the three suits, one per variant of 35 and per
// permutation of 27; the same order as the knitted arrangements.
constexpr const auto& kSuitOrders = kKnittedSuits;

constexpr auto kPureStraight = [] {
  std::array<ChowLayout, 3> out{};
  for (int s = 0; s < 3; ++s) out[s] = three_chows(s, make_tile(s, 1), make_tile(s, 4), make_tile(s, 7));
  return out;
}();

constexpr auto kMixedStraight = [] {
  std::array<ChowLayout, kSuitOrders.size()> out{};
  for (int p = 0; p < static_cast<int>(out.size()); ++p) {
    const auto& s = kSuitOrders[p];
    out[p] = three_chows(p, make_tile(s[0], 1), make_tile(s[1], 4), make_tile(s[2], 7));
  }
  return out;
}();

constexpr auto kMixedTripleChow = [] {
  std::array<ChowLayout, 7> out{};
  for (int n = 1; n <= 7; ++n) out[n - 1] = three_chows(n, n, make_tile(kDots, n), make_tile(kBamboo, n));
  return out;
}();

constexpr int kShiftedStarts = 5;  // start numbers 1..5 of mixed shifted chows
constexpr auto kMixedShiftedChows = [] {
  std::array<ChowLayout, kSuitOrders.size() * kShiftedStarts> out{};
  int i = 0;
  for (int p = 0; p < static_cast<int>(kSuitOrders.size()); ++p) {
    const auto& s = kSuitOrders[p];
    for (int n = 1; n <= kShiftedStarts; ++n)
      out[i++] = three_chows(10 * p + n, make_tile(s[0], n), make_tile(s[1], n + 1), make_tile(s[2], n + 2));
  }
  return out;
}();

// Layouts 0-4 step by one from start 1-5, layouts 5-7 by two from start 1-3.
constexpr int kLayoutsPerSuit = 8;
constexpr auto kPureShiftedChows = [] {
  std::array<ChowLayout, 3 * kLayoutsPerSuit> out{};
  for (int s = 0; s < 3; ++s)
    for (int l = 0; l < kLayoutsPerSuit; ++l) {
      const int step = l <= 4 ? 1 : 2;
      const int a = make_tile(s, l <= 4 ? l + 1 : l - 4);
      out[kLayoutsPerSuit * s + l] = three_chows(10 * s + l, a, a + step, a + 2 * step);
    }
  return out;
}();

static_assert(kMixedShiftedChows[29].variant == 55 && kMixedShiftedChows[29].tiles[0] == 25 &&
              kMixedShiftedChows[29].tiles[8] == 9);
static_assert(kPureShiftedChows[4].tiles[0] == 5 && kPureShiftedChows[5].tiles[3] == 3);
static_assert(kPureShiftedChows[23].variant == 27 && kPureShiftedChows[23].tiles[6] == 27);
static_assert(kPureShiftedChows[0].earlier[3] == 1 && kPureShiftedChows[0].earlier[6] == 2 &&
              kPureShiftedChows[0].earlier[4] == 1 && kPureShiftedChows[0].earlier[2] == 0);

// The five patterns, and how each counts the pairs of the rest beside a
// template (read_rest): beside a chow, and plain.
struct ChowAimRow {
  int yaku;
  PairCount pair_beside_chow;
  PairCount plain_pair;
  bool one_suit;  // all three parts in one suit; else one part in each suit
};
constexpr std::array<ChowAimRow, kChowAimCount> kChowAims{{
    {kYaku49PureStraight, PairCount::kAdd, PairCount::kSetOne, true},
    {kYaku35MixedStraight, PairCount::kAdd, PairCount::kAdd, false},
    {kYaku33MixedTripleChow, PairCount::kSetOne, PairCount::kAdd, false},
    {kYaku27MixedShiftedChows, PairCount::kAdd, PairCount::kAdd, false},
    {kYaku47PureShiftedChows, PairCount::kAdd, PairCount::kAdd, true},
}};

static_assert([] {
  for (int a = 0; a < kChowAimCount; ++a)
    if (chow_aim_index(kChowAims[a].yaku) != a) return false;
  return true;
}());
static_assert(kMixedShiftedChows.size() == kMostChowLayouts && kPureShiftedChows.size() < kMostChowLayouts);

void take_out(KindCounts& r, int tile, int copies) { r[tile] -= copies; }

// Per suit, bit n - 1 set when the counts hold rank n: the shapes below
// rule most ranks out by these bits before their copies are compared.
using HeldRanks = std::array<unsigned, 3>;

HeldRanks ranks_held(const KindCounts& r) {
  HeldRanks ranks{};
  for (int suit = kCharacters; suit <= kBamboo; ++suit)
    for (int n = 1; n <= 9; ++n) ranks[suit] |= (r[make_tile(suit, n)] > 0 ? 1u : 0u) << (n - 1);
  return ranks;
}

// take_out, the bit of the tile's rank cleared with its last copy.
void take_out(KindCounts& r, HeldRanks& ranks, int tile, int copies) {
  take_out(r, tile, copies);
  if (is_suited(tile) && r[tile] == 0) ranks[suit_of(tile)] &= ~(1u << (rank_of(tile) - 1));
}

// Every rank n of every suit, suits in order and n rising, tested once:
// when the ranks from n hold at least `shape` copies (a 0 in the shape:
// exactly none), the shape is taken out and took() counts it.
template <std::size_t N, class Took>
void take_shapes(KindCounts& r, HeldRanks& ranks, const std::array<int, N>& shape, Took took) {
  unsigned need = 0;
  unsigned none = 0;
  for (std::size_t i = 0; i < N; ++i) (shape[i] == 0 ? none : need) |= 1u << i;
  constexpr unsigned kWindowStarts = (1u << (10 - N)) - 1;  // ranks 1 to 10 - N
  for (int suit = kCharacters; suit <= kBamboo; ++suit) {
    // Taking a shape out only ever clears rank bits, so a window that
    // lacked a needed rank as the suit began never holds the shape: only
    // the others are tested, in rising order, against the bits as they stand.
    unsigned starts = kWindowStarts;
    for (std::size_t i = 0; i < N; ++i)
      if (shape[i] != 0) starts &= ranks[suit] >> i;
    for (; starts != 0; starts &= starts - 1) {
      const int n = 1 + std::countr_zero(starts);
      const unsigned window = ranks[suit] >> (n - 1);
      if ((window & need) != need || (window & none) != 0) continue;
      const int t = make_tile(suit, n);
      bool held = true;
      for (std::size_t i = 0; i < N; ++i) held = held && r[t + i] >= shape[i];
      if (!held) continue;
      for (std::size_t i = 0; i < N; ++i) take_out(r, ranks, t + static_cast<int>(i), shape[i]);
      took();
    }
  }
}

// The first run of three ranks holding one or two copies each, four in all.
bool has_run_of_four_tiles(const KindCounts& r, const HeldRanks& ranks) {
  for (int suit = kCharacters; suit <= kBamboo; ++suit) {
    const unsigned m = ranks[suit];
    for (unsigned runs = m & m >> 1 & m >> 2; runs != 0; runs &= runs - 1) {
      const int t = make_tile(suit, 1 + std::countr_zero(runs));
      const bool small = std::all_of(&r[t], &r[t] + 3, [](int c) { return c == 1 || c == 2; });
      if (small && r[t] + r[t + 1] + r[t + 2] == 4) return true;
    }
  }
  return false;
}

}  // namespace

std::span<const ChowLayout> chow_layouts(int yaku) {
  switch (yaku) {
    case kYaku49PureStraight: return kPureStraight;
    case kYaku35MixedStraight: return kMixedStraight;
    case kYaku33MixedTripleChow: return kMixedTripleChow;
    case kYaku27MixedShiftedChows: return kMixedShiftedChows;
    case kYaku47PureShiftedChows: return kPureShiftedChows;
    default: return {};
  }
}

int ChowFit::covered_in_part(int part) const {
  return std::count(covered.begin() + 3 * part, covered.begin() + 3 * part + 3, true);
}

int ChowFit::covered_of(const ChowLayout& layout, int tile) const {
  int n = 0;
  for (int i = 0; i < kChowPositions; ++i) n += covered[i] && layout.tiles[i] == tile;
  return n;
}

namespace {

// The fit with no chow meld among the seat's `melds`: none fills a part.
ChowFit fit_free_tiles(const ChowLayout& layout, int melds) {
  ChowFit fit;
  fit.other_melds = melds;
  for (int i = 0; i < kChowPositions; ++i) {
    fit.covered[i] = held(layout.tiles[i]) > layout.earlier[i];
    fit.coverage += fit.covered[i];
  }
  return fit;
}

}  // namespace

ChowFit fit_chow_layout(int seat, const ChowLayout& layout) {
  ChowFit fit;
  for (int code : g_melds[seat]) {
    if (code == 0) continue;
    int part = 0;
    while (part < kChowParts && (fit.melded[part] || meld_kind(code) != kMeldChow ||
                                 meld_tile(code) != layout.tiles[3 * part]))
      ++part;
    if (part == kChowParts) {
      ++fit.other_melds;
    } else {
      fit.melded[part] = true;
    }
  }
  // The free copies go to the unmelded positions of their tile in order: a
  // position is covered when the hand holds more copies than there are
  // such positions before it.
  const bool any_melded = fit.melded[0] || fit.melded[1] || fit.melded[2];
  int coverage = 0;
  for (int i = 0; i < kChowPositions; ++i) {
    const int tile = layout.tiles[i];
    int before = layout.earlier[i];
    for (int j = 0; any_melded && j < i; ++j) before -= layout.tiles[j] == tile && fit.melded[j / 3];
    const bool covered = fit.melded[i / 3] || held(tile) > before;
    fit.covered[i] = covered;
    coverage += covered;
  }
  fit.coverage = coverage;
  return fit;
}

KindCounts rest_of_hand(const ChowLayout& layout, const ChowFit& fit) {
  KindCounts rest{};
  std::copy(std::begin(g_hand_counts), std::end(g_hand_counts), rest.begin());
  for (int i = 0; i < kChowPositions; ++i)
    if (fit.covered[i] && !fit.melded[i / 3]) take_out(rest, layout.tiles[i], 1);
  return rest;
}

bool needs_dead_tile(const ChowLayout& layout, const ChowFit& fit, int discard) {
  for (int i = 0; i < kChowPositions; ++i) {
    const int tile = layout.tiles[i];
    if (!fit.covered[i] && tile != discard && seen_by_all(tile) >= 4) return true;
  }
  return false;
}

bool shifted_needs_dead_tile(const ChowLayout& layout, const ChowFit& fit) {
  for (int i = 0; i < kChowPositions; ++i) {
    const int tile = layout.tiles[i];
    int uses = 0;
    int own_melded = 0;
    for (int j = 0; j < kChowPositions; ++j) {
      uses += layout.tiles[j] == tile;
      own_melded += layout.tiles[j] == tile && fit.melded[j / 3];
    }
    if (seen_by_all(tile) - own_melded + uses > 4) return true;
  }
  return false;
}

RestShape read_rest(const KindCounts& rest, int other_melds, PairCount pair_beside_chow, PairCount plain_pair) {
  RestShape s{other_melds, 0, 0, 0};
  KindCounts r = rest;
  HeldRanks ranks = ranks_held(r);
  const HeldRanks ranks_before = ranks;
  auto count_pair = [&s](PairCount how) { s.pairs = how == PairCount::kAdd ? s.pairs + 1 : 1; };
  auto chow_and_pair = [&] {
    s.sets = other_melds + 1;
    count_pair(pair_beside_chow);
  };
  take_shapes(r, ranks, std::array{2, 1, 1, 1}, chow_and_pair);
  take_shapes(r, ranks, std::array{1, 1, 1, 2}, chow_and_pair);
  take_shapes(r, ranks, std::array{1, 1, 1}, [&s] { ++s.sets; });
  // Three ranks holding four tiles (a chow with one tile doubled), looked
  // for in the rest as it was before the runs were taken out, count as a
  // pair rather than a set.
  if (s.sets >= 2 && has_run_of_four_tiles(rest, ranks_before)) {
    --s.sets;
    ++s.pairs;
  }
  // Pungs, then pairs: neither changes what the other counts, so one pass
  // takes both.
  for (int tile : kPlayingTiles) {
    if (r[tile] >= 3) {
      take_out(r, ranks, tile, 3);
      ++s.sets;
      ++s.pungs;
    }
    if (r[tile] == 2) {
      take_out(r, ranks, tile, 2);
      count_pair(plain_pair);
    }
  }
  take_shapes(r, ranks, std::array{1, 1}, [&s] { ++s.partials; });
  take_shapes(r, ranks, std::array{1, 0, 1}, [&s] { ++s.partials; });
  return s;
}

void ChowFitMemo::fill(int aim, int yaku) {
  const std::span<const ChowLayout> layouts = chow_layouts(yaku);
  for (std::size_t i = 0; i < layouts.size(); ++i) {
    KeptFit& kept = kept_[aim][i];
    kept.made = kept.rest_read = false;
    const ChowLayout& t = layouts[i];
    if (chow_melded_ && t.repeats) {
      kept = {true, false, fit_chow_layout(seat_, t), {}};
      coverages_[aim][i] = kept.fit.coverage;
      continue;
    }
    // With no tile repeated the three parts start at three different tiles:
    // a chow meld from a part's first tile fills it whole, and each other
    // position is covered by one free copy of its tile. With a tile repeated
    // and no chow meld, a position is covered when the hand holds more
    // copies of its tile than the positions of that tile before it.
    int coverage = 0;
    if (t.repeats) {
      for (int p = 0; p < kChowPositions; ++p) coverage += held(t.tiles[p]) > t.earlier[p];
    } else {
      for (int part = 0; part < kChowParts; ++part) coverage += part_cover_[t.tiles[3 * part]];
    }
    coverages_[aim][i] = coverage;
  }
  const auto covered = std::span<const int>(coverages_[aim]).first(layouts.size());
  best_[aim] = *std::max_element(covered.begin(), covered.end());
  filled_[aim] = true;
}

std::span<const int> ChowFitMemo::coverages(int yaku) {
  const int a = chow_aim_index(yaku);
  if (!filled_[a]) fill(a, yaku);
  return std::span<const int>(coverages_[a]).first(chow_layouts(yaku).size());
}

const ChowFit& ChowFitMemo::fit(int yaku, std::size_t index) {
  const int a = chow_aim_index(yaku);
  if (!filled_[a]) fill(a, yaku);
  KeptFit& kept = kept_[a][index];
  if (kept.made) return kept.fit;
  const ChowLayout& layout = chow_layouts(yaku)[index];
  kept = {true, false, chow_melded_ ? fit_chow_layout(seat_, layout) : fit_free_tiles(layout, melds_held_), {}};
  return kept.fit;
}

const RestShape& ChowFitMemo::rest(int yaku, std::size_t index) {
  const ChowFit& f = fit(yaku, index);
  const ChowAimRow& aim = kChowAims[chow_aim_index(yaku)];
  KeptFit& kept = kept_[chow_aim_index(yaku)][index];
  if (!kept.rest_read) {
    const KindCounts left = rest_of_hand(chow_layouts(yaku)[index], f);
    kept.rest = read_rest(left, f.other_melds, aim.pair_beside_chow, aim.plain_pair);
    kept.rest_read = true;
  }
  return kept.rest;
}

void ChowFitMemo::read_chows_held() {
  part_cover_ = {};
  std::array<int, 3> melded_tiles{};  // per suit, three per chow meld
  for (int code : melds_)
    if (code != 0 && meld_kind(code) == kMeldChow) melded_tiles[suit_of(meld_tile(code))] += 3;
  int one_suit_bound = 0;
  int three_suit_bound = 0;
  for (int suit = kCharacters; suit <= kBamboo; ++suit) {
    // A part covers at most its chow's free kinds, or 3 when a chow meld
    // starts at its first tile. A template in one suit covers at most
    // three such parts and, its tiles used at most three times, at most
    // three copies of each free kind plus three per chow meld of the suit.
    int best_part = 0;
    int suit_tiles = melded_tiles[suit];
    for (int low = make_tile(suit, 1); low <= make_tile(suit, 7); ++low) {
      const int kinds = (held(low) > 0) + (held(low + 1) > 0) + (held(low + 2) > 0);
      part_cover_[low] = chow_meld_from_[low] ? 3 : kinds;
      best_part = std::max(best_part, part_cover_[low]);
    }
    for (int rank = 1; rank <= 9; ++rank) suit_tiles += std::min(held(make_tile(suit, rank)), 3);
    one_suit_bound = std::max(one_suit_bound, std::min(3 * best_part, suit_tiles));
    three_suit_bound += best_part;
  }
  for (int a = 0; a < kChowAimCount; ++a) bounds_[a] = kChowAims[a].one_suit ? one_suit_bound : three_suit_bound;
}

ChowFitMemo& checked_chow_fit_memo(int seat) {
  ChowFitMemo& m = g_chow_fit_memos.seats[seat];
  const bool same = m.seat_ == seat && std::equal(m.melds_.begin(), m.melds_.end(), g_melds[seat]) &&
                    std::equal(m.counts_.begin(), m.counts_.end(), g_hand_counts);
  if (same) return m;
  m.seat_ = seat;
  std::copy(g_melds[seat], g_melds[seat] + kMeldSlots, m.melds_.begin());
  std::copy(g_hand_counts, g_hand_counts + m.counts_.size(), m.counts_.begin());
  m.melds_held_ = static_cast<int>(std::count_if(m.melds_.begin(), m.melds_.end(), [](int code) { return code != 0; }));
  m.filled_ = {};
  m.chow_melded_ = false;
  m.chow_meld_from_ = {};
  for (int code : m.melds_) {
    if (code == 0 || meld_kind(code) != kMeldChow) continue;
    m.chow_melded_ = true;
    m.chow_meld_from_[meld_tile(code)] = true;
  }
  m.read_chows_held();
  return m;
}
