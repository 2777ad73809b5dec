// What each tile tells of a hand that holds it, for the needs of the
// pattern checks: the read_win scan gathers them over the hand's slots, the
// tile facts read them.
#pragma once

#include <array>
#include <cstdint>

#include "core/pattern_checks.h"

namespace tile_marks {

// Each kOnly need with the tiles it allows.
struct TileNeed {
  std::uint64_t need;
  std::uint64_t tiles;
};
constexpr TileNeed kTileNeeds[] = {
    {kOnlySimples, pattern_tiles::kSimple},     {kOnlyUpperFour, pattern_tiles::kUpperFour},
    {kOnlyLowerFour, pattern_tiles::kLowerFour}, {kOnlyMiddle, pattern_tiles::kMiddle},
    {kOnlyEven, pattern_tiles::kEven},          {kOnlyTerminals, tile_classes::kTerminal},
    {kOnlyGreen, pattern_tiles::kGreenTiles},   {kOnlyReversible, pattern_tiles::kReversible},
    {kOnlyNearFive, pattern_tiles::kNearFive},
};

// A tile's marks: the kOnly needs that it breaks, kHonour or kTerminal
// where it is one, and bit kSuitMark + s for its suit s. A hand's marks are
// those of its tiles together.
constexpr int kSuitMark = kNeedKinds;  // above every need
constexpr std::uint64_t kEveryOnly = [] {
  std::uint64_t every = 0;
  for (const TileNeed& n : kTileNeeds) every |= n.need;
  return every;
}();
static_assert((kEveryOnly & (kHonour | kTerminal)) == 0 && kSuitMark + 3 <= 64);

constexpr std::uint64_t marks_of(int t) {
  std::uint64_t marks = 0;
  for (const TileNeed& n : kTileNeeds)
    if ((n.tiles >> t & 1) == 0) marks |= n.need;
  if (tile_classes::kHonour >> t & 1) marks |= kHonour;
  if (tile_classes::kTerminal >> t & 1) marks |= kTerminal;
  for (int suit = 0; suit < 3; ++suit)
    if (tile_classes::kSuit[suit] >> t & 1) marks |= std::uint64_t{1} << (kSuitMark + suit);
  return marks;
}

}  // namespace tile_marks
