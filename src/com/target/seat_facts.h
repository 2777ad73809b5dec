// What the selectors of a seat's target script read alike at every level
// they are called at: counts of the seat's hand, melds and the tiles out,
// which stand still while its script runs. They are worked out once as the
// run begins; a selector called outside a run has them worked out afresh.
#pragma once

#include <array>
#include <cstdint>

#include "com/hand_terms.h"
#include "com/target/aim_tools.h"
#include "core/tiles.h"

// Per suit: characters, dots, bamboo, then the honours.
using SuitCounts = std::array<int, 4>;

// The half flush's count of melds and hand (selectors_flush.cpp).
struct HalfFlushCount {
  SuitCounts c{};               // tiles that fit each suit and the honours
  std::array<bool, 3> meld{};   // a declared meld in that suit
  int honour_sets = 0;          // honour melds, pungs in hand and live honour pairs
};

struct FlushFacts {
  SuitCounts full{};        // declared tiles (three a meld) and free suited tiles per suit
  int full_meld_suit = -1;  // the one suit of the declared melds; -1 with none
  bool full_open = false;   // no honour meld and no melds in two suits
  HalfFlushCount half;
  bool half_open = false;       // no melds in two suits
  int honour_slots_kept = 0;    // honour slots declared, or free with copies still to come
  int single_honours = 0;       // honour kinds held once
  int paired_honours = 0;       // honour kinds held twice
  bool holds_honour = false;    // some honour held
  int live_honour_pairs = 0;
};
FlushFacts flush_facts(int seat);

// The kinds held as pungs and pairs (selectors_pung.cpp).
struct PungTally {
  int pungs = 0;         // kinds held 3 or more times, plus pung melds
  int hand_pungs = 0;    // kinds held 3 or more times
  int pairs = 0;         // kinds held exactly twice
  int live_pairs = 0;
  int fresh_pairs = 0;
  int pair_visible = 0;  // visible copies of the pair kinds together
  std::array<bool, kTileCodes> in_pung{};
  std::array<bool, kTileCodes> in_pair{};
};
struct PungFacts {
  PungTally tally;
  std::uint64_t ready = 0;  // bit t: tile t melded as a pung or held at least twice
};
PungFacts pung_facts(const MeldTally& m);

// The seat's slot tiles by number (selectors_range.cpp).
struct RangeFacts {
  std::array<int, 10> suited_slots{};  // suited slot tiles, declared ones too, per number 1..9
  bool closed = false;                 // is_closed_hand
};
RangeFacts range_facts(int seat);

// The best knitted arrangements (aim_tools.h).
struct KnittedFacts {
  KnittedBest with_honours;  // of the sixteen with honours, three dead kinds scoring 0
  KnittedBest straight;      // of the nine suited, one dead kind scoring 0
};

// The outside hand's groups with a terminal or an honour (selectors_outside.cpp).
struct OutsideCount {
  int sets = 0;
  int pairs = 0;
  int partials = 0;
  bool edge_or_closed = false;
  bool single = false;  // an orphan held once, not all seen
};

// All types' groups per type (selectors_whole_hand.cpp): the three suits, the winds, the dragons.
struct TypeGroups {
  int tiles = 0;  // free tiles plus three per meld
  int melds = 0;
  int sets = 0;
  int pairs = 0;
  int partials = 0;
  bool doubled = false;  // a meld or a kind held at least twice
};
constexpr int kTileTypes = 5;
using AllTypes = std::array<TypeGroups, kTileTypes>;

// A count kept once made; plain bytes, so that a rerun on the same table
// leaves the state as it found it.
template <class T>
struct KeptFact {
  bool made = false;
  T value{};
};

struct SeatFacts {
  int seat = -1;  // the seat they were worked out for, -1 before any
  FlushFacts flush;
  PungFacts pung;
  RangeFacts range;
  KnittedFacts knitted;
  KindMasks kinds;  // held and fully visible kinds
  // Counts that the outside-hand and all-types selectors, called at up to
  // six levels a run, make only once a call gets that far: each is made
  // when first asked for and kept until the facts are worked out again.
  KeptFact<bool> terminal_chows_route;
  KeptFact<OutsideCount> outside;
  KeptFact<AllTypes> types;
};

// Works the seat's facts out from its hand, melds and the tiles out; the
// counts made when first asked for are dropped.
void fill_seat_facts(int seat);
// The seat's facts: those of the run while its script runs, else afresh.
const SeatFacts& seat_facts(int seat);

// The count kept in `slot` of the seat's facts, made by `make` when first
// asked for (afresh outside the seat's run).
template <class T, class Make>
const T& seat_fact(int seat, KeptFact<T> SeatFacts::*slot, Make make);

// Computer players' state, reset with their floor.
extern SeatFacts g_seat_facts;

template <class T, class Make>
const T& seat_fact(int seat, KeptFact<T> SeatFacts::*slot, Make make) {
  seat_facts(seat);
  KeptFact<T>& kept = g_seat_facts.*slot;
  if (!kept.made) kept = {true, make()};
  return kept.value;
}
