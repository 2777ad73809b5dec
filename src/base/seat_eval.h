// Keeps the distance-to-ready fields of every seat's AI record up to date:
// table play calls refresh_hand_evaluations after each draw (kong and flower
// replacements included), each claimed pung or chow and in the flower phase.
#pragma once

#include <cstdint>

#include "base/ai_record.h"
#include "core/shanten.h"

// Rows of SeatAiRecord::syanten.
enum ShantenForm : int { kShantenNormal = 0, kShantenChiitoi = 1, kShantenKokushi = 2, kShantenKnitted = 3 };

// For every seat: each form's distance after discarding each free slot (and
// the empty slot 13 of a seat between turns: the whole hand), the minima,
// the best discard's reading and the per-kind distances. Slots of declared
// melds and flowers are not discards and hold each form's worst value. Dead
// knitted arrangements are judged on the table as it stands: g_visible_counts
// is recounted, g_seen_counts is left as it was.
void refresh_hand_evaluations();

// What distances_by_discard last found for each seat, with everything its
// answer depends on: the 14 slots, the meld count, the tiles of which all
// four copies are visible (the only reading of the visible counts) and
// whether the one-suit table was loaded. A refresh that finds all of them
// as they were reuses the answer; between two draws most seats' hands
// stand still.
struct SeatEvalMemo {
  struct Seat {
    int held = 0;  // 1 once `found` belongs to the inputs below
    int hand[kHandSlots]{};
    int melds = 0;
    std::uint64_t all_visible = 0;  // bit t: four copies of tile t visible
    int table_loaded = 0;
    ShantenResult found[kHandSlots];
  };
  Seat seats[kSeats];
};
extern SeatEvalMemo g_seat_eval_memo;
void reset_seat_eval_memo();
