#include "core/visible.h"

#include <cassert>
#include <cstring>

#include <emmintrin.h>

#include "core/clear.h"

namespace {

// The codes that no playing tile has: a multiple of ten, or above the red dragon.
static_assert([] {
  for (int t = 0; t < kTileCodes; ++t)
    if (is_playing_tile(t) != (t % 10 != 0 && t <= kRed)) return false;
  return true;
}());

// Adds one meld to the visible counts: a concealed kong shows nothing.
void count_meld(int code, int* visible) {
  const int tile = meld_tile(code);
  switch (meld_kind(code)) {
    case kMeldChow:
      for (int k = 0; k < 3; ++k) ++visible[tile + k];
      return;
    case kMeldPung:
      visible[tile] += 3;
      return;
    case kMeldMeldedKong:
      visible[tile] += 4;
      return;
    default:
      return;
  }
}

// count_seat into c, whose visible counts are already `visible` unless
// kCopyVisible.
template <bool kCopyVisible>
void count_seat_into(const int (&visible)[kTileCodes], const int (&hand)[kHandSlots], const int (&melds)[kMeldSlots],
                     TileCounts& c) {
  // Four codes a register, each loaded once for both tables.
  static_assert(kTileCodes % 4 == 2);
  const auto* from = reinterpret_cast<const __m128i*>(visible);
  auto* shown = reinterpret_cast<__m128i*>(c.visible);
  auto* seen = reinterpret_cast<__m128i*>(c.seen);
#pragma GCC unroll 12
  for (int k = 0; k < kTileCodes / 4; ++k) {
    const __m128i four = _mm_loadu_si128(from + k);
    if constexpr (kCopyVisible) _mm_storeu_si128(shown + k, four);
    _mm_storeu_si128(seen + k, four);
  }
  const __m128i last_two = _mm_loadl_epi64(from + kTileCodes / 4);
  if constexpr (kCopyVisible) _mm_storel_epi64(shown + kTileCodes / 4, last_two);
  _mm_storel_epi64(seen + kTileCodes / 4, last_two);
  // Every slot adds one to its code (any other value to code 0); the codes
  // of no playing tile then take their visible counts back.
#pragma GCC unroll 14
  for (int v : hand) ++c.seen[static_cast<unsigned>(v) < kTileCodes ? v : kNoTile];
#pragma GCC unroll 4
  for (int t = 0; t < kEast; t += 10) c.seen[t] = visible[t];  // before each suit and the honours
  std::memcpy(&c.seen[kRed + 1], &visible[kRed + 1], (kTileCodes - kRed - 1) * sizeof(int));
  if (!has_melds(melds)) return;
  for (int code : melds)
    if (code != 0 && meld_kind(code) == kMeldConcealedKong) c.seen[meld_tile(code)] += 4;
}

}  // namespace

void count_visible(const int (&rivers)[kSeats][kRiverCapacity], const int (&river_counts)[kSeats],
                   const int (&melds)[kSeats][kMeldSlots], int (&visible)[kTileCodes]) {
  clear_small(visible);
  // The seats unrolled: an empty river or meld row then costs a test, not a loop step.
#pragma GCC unroll 4
  for (int s = 0; s < kSeats; ++s) {
    assert(river_counts[s] >= 0 && river_counts[s] <= kRiverCapacity);
    // The +200 of a discard on offer is dropped; a won-on entry is 0 and shows nothing.
    for (int i = 0; i < river_counts[s]; ++i)
      if (rivers[s][i] != 0) ++visible[tile_of(rivers[s][i])];
  }
  if (!any_meld_declared(melds)) return;
#pragma GCC unroll 4
  for (int s = 0; s < kSeats; ++s) {
    if (!has_melds(melds[s])) continue;
    for (int code : melds[s])
      if (code != 0) count_meld(code, visible);
  }
}

void count_seat(const int (&visible)[kTileCodes], const int (&hand)[kHandSlots], const int (&melds)[kMeldSlots],
                TileCounts& c) {
  count_seat_into<true>(visible, hand, melds, c);
}

void count_tiles(const int (&rivers)[kSeats][kRiverCapacity], const int (&river_counts)[kSeats],
                 const int (&melds)[kSeats][kMeldSlots], const int (&hand)[kHandSlots], int seat, TileCounts& c) {
  assert(seat >= 0 && seat < kSeats);
  count_visible(rivers, river_counts, melds, c.visible);
  count_seat_into<false>(c.visible, hand, melds[seat], c);
}
