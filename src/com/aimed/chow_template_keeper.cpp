// The chow-template keeper: of the aimed chow pattern and the alternatives
// the selectors listed, the templates closest to the hand are taken out of
// the pool, so that the rules after it discard only what lies outside them.
// When what would be left is no sensible discard, fewer templates are kept,
// and in the end none.
#include <algorithm>
#include <array>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "com/aimed/aimed_protocol.h"
#include "com/aimed/aimed_rules.h"
#include "com/aimed/chow_template_keeper.h"
#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "com/turn/ready_eval_template.h"
#include "com/turn/rule_shapes.h"
#include "base/yaku_table.h"

namespace {

constexpr int kChoices = 1 + kChowCandidates;  // the aim, then the alternates in slot order
constexpr int kUnrated = 8;                    // fewer than six template tiles matched
constexpr int kMinMatched = 6;

struct Choice {
  int yaku;     // 0: no choice (a free slot, another pattern, a variant out of range, or struck)
  ChowTemplate tiles;
  int value;    // 0 (closest) to 8
};

using Counts = KindCounts;

bool is_chow_pattern(int yaku) {
  return yaku == kYaku27MixedShiftedChows || yaku == kYaku33MixedTripleChow || yaku == kYaku35MixedStraight ||
         yaku == kYaku47PureShiftedChows || yaku == kYaku49PureStraight;
}

// A negative variant would read as a valid layout once split into tens and units.
Choice make_choice(int seat, int yaku, int variant) {
  Choice c{0, {}, kUnrated};
  if (is_chow_pattern(yaku) && variant >= 0 && build_chow_template(seat, yaku, variant, c.tiles)) c.yaku = yaku;
  return c;
}

int lowest_of(const ChowTemplate& t, int chow) { return t.tiles[3 * chow]; }

// ------------------------------------------------------------------ rating
// The sets, pairs and partial shapes the hand's tiles outside the template
// make, by a fixed order of greedy sweeps over one suit's nine ranks.
struct Shape {
  int sets;
  int pairs;
  int partials;
};

template <class Fn>
void each_suit(Counts& c, Fn&& fn) {
  for (int s = kCharacters; s <= kBamboo; ++s) fn(&c[make_tile(s, 0)]);
}

// Takes one of each rank in [r, r + n) of suit counts `c`.
void take_run(int* c, int r, int n) {
  for (int k = 0; k < n; ++k) --c[r + k];
}

// A pair beside a chow sets the count of sets and pairs to one each: such a
// hand is judged as one set and a pair however many sets came before.
void sweep_pair_chows(Counts& c, Shape& shape) {
  each_suit(c, [&](int* s) {
    for (int r = 1; r <= 6; ++r) {
      if (s[r] >= 2 && s[r + 1] >= 1 && s[r + 2] >= 1 && s[r + 3] >= 1) {
        s[r] -= 2;
        take_run(s, r + 1, 3);
        shape.sets = shape.pairs = 1;
      }
    }
  });
  each_suit(c, [&](int* s) {
    for (int r = 1; r <= 6; ++r) {
      if (s[r] >= 1 && s[r + 1] >= 1 && s[r + 2] >= 1 && s[r + 3] >= 2) {
        take_run(s, r, 3);
        s[r + 3] -= 2;
        shape.sets = shape.pairs = 1;
      }
    }
  });
}

void sweep_runs(Counts& c, int length, int& found) {
  each_suit(c, [&](int* s) {
    for (int r = 1; r + length - 1 <= 9; ++r) {
      if (std::all_of(s + r, s + r + length, [](int n) { return n >= 1; })) {
        take_run(s, r, length);
        ++found;
      }
    }
  });
}

void sweep_groups(Counts& c, int size, int& found) {
  for (int tile : kPlayingTiles) {
    if (c[tile] < size) continue;
    c[tile] -= size;
    ++found;
  }
}

void sweep_closed_partials(Counts& c, int& found) {
  each_suit(c, [&](int* s) {
    for (int r = 1; r <= 7; ++r) {
      if (s[r] >= 1 && s[r + 1] == 0 && s[r + 2] >= 1) {
        --s[r];
        --s[r + 2];
        ++found;
      }
    }
  });
}

Shape leftover_shape(const Counts& hand, int declared_sets) {
  Counts c = hand;
  Shape shape{declared_sets, 0, 0};
  sweep_pair_chows(c, shape);
  sweep_runs(c, 3, shape.sets);
  // A chow with one tile doubled, on the counts before the sweeps.
  const bool doubled = std::any_of(kPlayingTiles.begin(), kPlayingTiles.end(),
                                   [&](int t) { return thick_run(hand.data(), t, 4); });
  if (shape.sets >= 2 && doubled) {
    --shape.sets;
    ++shape.pairs;
  }
  sweep_groups(c, 3, shape.sets);
  sweep_groups(c, 2, shape.pairs);
  sweep_runs(c, 2, shape.partials);
  sweep_closed_partials(c, shape.partials);
  return shape;
}

int shape_base(const Shape& s) {
  if (s.sets == 1 && s.pairs >= 1) return 8;
  if (s.sets >= 1 || s.pairs >= 2 || (s.pairs >= 1 && s.partials >= 1)) return 9;
  if (s.pairs == 1 || s.partials >= 1) return 10;
  return 11;
}

// build_chow_template marks the template chows the seat has declared.
bool declared(const ChowTemplate& t, int chow) { return t.melded[chow] != 0; }

// How far the whole concealed hand is from the template: the template's
// tiles it holds (a declared chow counts three) against what the rest makes.
int rate(int seat, const ChowTemplate& t) {
  Counts hand{};
  for (int slot : g_hand[seat])
    if (is_playing_tile(slot)) ++hand[slot];
  int matched = 0, declared_chows = 0;
  for (int chow = 0; chow < 3; ++chow) {
    if (declared(t, chow)) {
      matched += 3;
      ++declared_chows;
      continue;
    }
    for (int k = 0; k < 3; ++k) {
      int& n = hand[lowest_of(t, chow) + k];
      if (n > 0) --n, ++matched;
    }
  }
  if (matched < kMinMatched) return kUnrated;
  const Shape shape = leftover_shape(hand, g_seat_state[seat].naki_count - declared_chows);
  return std::max(0, shape_base(shape) - matched);
}

// Keeps only the closest choices, unless none matched six tiles.
void strike_all_but_closest(std::array<Choice, kChoices>& choices) {
  int best = kUnrated;  // what no choice is also rated
  for (const Choice& c : choices) best = std::min(best, c.value);
  if (best == kUnrated) return;
  for (Choice& c : choices)
    if (c.value != best) c.yaku = 0;
}

// ---------------------------------------------------------------- attempts
// The pure shifted chows overlap: each of its chows adds a copy. The other
// patterns' chows need one copy of a tile however many of them hold it.
TileNeed attempt_need(const std::array<Choice, kChoices>& choices, int entries) {
  TileNeed need{};
  for (const bool adds : {true, false}) {
    for (int i = 0; i < entries; ++i) {
      const Choice& c = choices[i];
      if (c.yaku == 0 || (c.yaku == kYaku47PureShiftedChows) != adds) continue;
      for (int chow = 0; chow < 3; ++chow) {
        if (declared(c.tiles, chow)) continue;
        for (int k = 0; k < 3; ++k) {
          int& n = need[lowest_of(c.tiles, chow) + k];
          n = adds ? n + 1 : std::max(n, 1);
        }
      }
    }
  }
  return need;
}

// The left tiles are five: a pair (the lowest kind held twice or more) and a chow of singles.
bool pair_and_chow(Counts c) {
  const int* pair = std::find_if(c.begin(), c.end(), [](int n) { return n >= 2; });
  if (pair == c.end()) return false;
  c[pair - c.begin()] -= 2;
  bool chow = false;
  each_suit(c, [&](int* s) {
    for (int r = 1; r <= 7; ++r) chow = chow || (s[r] == 1 && s[r + 1] == 1 && s[r + 2] == 1);
  });
  return chow;
}

bool has_neutral_tile(int seat) {
  return each_pool_tile([&](int, int tile) { return is_neutral(seat, tile); });
}

// What the kept templates leave is no sensible discard.
bool leaves_nothing_sensible(int seat, bool last_attempt) {
  Counts c{};
  count_pool(c.data());
  int singles = 0, pairs = 0, triples = 0, left = 0;
  for (int tile : kPlayingTiles) {
    singles += c[tile] == 1 || c[tile] >= 3;
    pairs += c[tile] == 2;
    triples += c[tile] == 3;
    left += c[tile];
  }
  if (left == 0) return true;
  const bool lone_pair = singles == 0 && pairs == 1;
  if (last_attempt) return lone_pair;
  return lone_pair || (singles == 1 && pairs == 1 && triples == 1) || (left == 5 && pair_and_chow(c)) ||
         (g_ai_chow_candidates[seat][0] != 0 && !has_neutral_tile(seat));
}

}  // namespace

int chow_template_value(int seat, int yaku, int variant) {
  const Choice c = make_choice(seat, yaku, variant);
  return c.yaku != 0 ? rate(seat, c.tiles) : kUnrated;
}

void keep_chow_template(int seat) {
  if (!aims_at_any(seat, {kYaku27MixedShiftedChows, kYaku33MixedTripleChow, kYaku35MixedStraight,
                          kYaku47PureShiftedChows, kYaku49PureStraight}))
    return;
  std::array<Choice, kChoices> choices{};
  choices[0] = make_choice(seat, g_ai_target_yaku[seat], g_ai_target_variant[seat]);
  if (choices[0].yaku == 0) return;  // the aim's own variant is out of range
  for (int i = 0; i < kChowCandidates; ++i)
    choices[1 + i] = make_choice(seat, g_ai_chow_candidates[seat][i], g_ai_chow_candidate_variants[seat][i]);
  for (Choice& c : choices)
    if (c.yaku != 0) c.value = rate(seat, c.tiles);
  strike_all_but_closest(choices);

  const PoolCopy entry;
  constexpr std::array<int, 3> kEntriesPerAttempt{kChoices, 2, 1};
  for (size_t attempt = 0; attempt < kEntriesPerAttempt.size(); ++attempt) {
    keep_need(attempt_need(choices, kEntriesPerAttempt[attempt]));
    if (!leaves_nothing_sensible(seat, attempt + 1 == kEntriesPerAttempt.size())) {
      AI[seat].discard_yaku = g_ai_target_yaku[seat];
      return;
    }
    entry.put_back();
  }
}
