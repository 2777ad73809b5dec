// Visible and seen tile counts: how many copies of each tile everybody can
// see on the table, and how many one seat knows of. Over values.
#pragma once

#include <emmintrin.h>

#include "core/tiles.h"

struct TileCounts {
  // Per tile code (1-37 used, the rest 0): copies in the four rivers (a
  // discard still on offer included; a claimed one is counted in its
  // claimer's meld) plus the declared melds of all seats (chow 1 per tile,
  // pung 3, melded or added kong 4, concealed kong 0).
  int visible[kTileCodes];
  // Per tile code: visible plus the counted seat's free hand tiles (all 14
  // slots) plus 4 per concealed kong of that seat. Not capped at 4: a hand
  // put together for a what-if evaluation may exceed it.
  int seen[kTileCodes];
};

// Whether any seat has a meld declared. The four seats' meld rows are one
// block of sixteen words: OR-ed in four-word registers, every word is tested
// at once.
inline bool any_meld_declared(const int (&melds)[kSeats][kMeldSlots]) {
  static_assert(kSeats == 4 && sizeof melds == 4 * sizeof(__m128i));
  const auto* rows = reinterpret_cast<const __m128i*>(melds);
  const __m128i any = _mm_or_si128(_mm_or_si128(_mm_loadu_si128(rows), _mm_loadu_si128(rows + 1)),
                                   _mm_or_si128(_mm_loadu_si128(rows + 2), _mm_loadu_si128(rows + 3)));
  return _mm_movemask_epi8(_mm_cmpeq_epi32(any, _mm_setzero_si128())) != 0xFFFF;
}

// The visible counts alone (TileCounts::visible) of the rivers and every
// seat's melds, as count_tiles finds them; every entry is written.
void count_visible(const int (&rivers)[kSeats][kRiverCapacity], const int (&river_counts)[kSeats],
                   const int (&melds)[kSeats][kMeldSlots], int (&visible)[kTileCodes]);

// Both counts from the visible ones made elsewhere (count_visible): the
// seen ones add the counted seat's hand (all 14 slots) and its melds, as
// count_tiles counts them. Every entry of `out` is written.
void count_seat(const int (&visible)[kTileCodes], const int (&hand)[kHandSlots], const int (&melds)[kMeldSlots],
                TileCounts& out);

// The rivers (entries 0..count-1; +200 marks a discard on offer, 0 a claimed
// or won-on one), every seat's melds, and the counted seat's hand and melds.
// Every entry of `out` is written.
void count_tiles(const int (&rivers)[kSeats][kRiverCapacity], const int (&river_counts)[kSeats],
                 const int (&melds)[kSeats][kMeldSlots], const int (&hand)[kHandSlots], int seat, TileCounts& out);
