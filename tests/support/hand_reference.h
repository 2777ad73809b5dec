// An independent reference for whole-hand questions, written by counting
// tiles rather than by searching slot values: whether 14 tiles (free tiles
// plus declared melds) complete a hand in each form, and the waits a
// 13-tile hand should report. Test code only; slow and simple on purpose.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "core/tiles.h"

struct RefHand {
  std::array<int, kTileCodes> free{};  // free (concealed, undeclared) tiles by code
  std::vector<int> melds;              // declared MeldCodes; each stands for one set
};

// Free tiles from hand-builder text ("123m 55z") and declared meld codes.
RefHand ref_hand(std::string_view free_tiles, std::vector<int> melds = {});

// Free tiles plus the melds' tiles: a kong counts four.
int ref_copies(const RefHand& hand, int tile);
int ref_tile_count(const RefHand& hand);  // tiles, a kong counting three like its slots

// Completeness of a 14-tile hand in each form.
bool ref_complete_normal(const RefHand& hand);
bool ref_complete_seven_pairs(const RefHand& hand);
bool ref_complete_thirteen_orphans(const RefHand& hand);
bool ref_complete_knitted_straight(const RefHand& hand);
bool ref_complete_honours_knitted(const RefHand& hand);

// The waits of a 13-tile hand in the order the search reports them: the
// normal completions ascending; then, for a closed hand, the seven-pairs
// completion (repeated even when already listed) which ends the search; a
// hand of two declared melds or more stops there; then knitted-straight
// completions ascending; for a closed hand without waits so far,
// thirteen-orphans completions in list order, or else honours-and-knitted
// completions in arrangement order. A tile of which the hand holds four
// copies is never a wait.
std::vector<int> ref_expected_waits(const RefHand& hand13);

// The hand as 14 sorted slot values (marked slots for the melds, a kong
// keeping three), slot 13 empty for a 13-tile hand.
std::array<int, kHandSlots> ref_slots(const RefHand& hand);
