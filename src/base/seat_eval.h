// Keeps the distance-to-ready fields of every seat's AI record up to date:
// table play calls refresh_hand_evaluations after each draw (kong and flower
// replacements included), each claimed pung or chow and in the flower phase.
#pragma once

#include "base/ai_record.h"

// Rows of SeatAiRecord::syanten.
enum ShantenForm : int { kShantenNormal = 0, kShantenChiitoi = 1, kShantenKokushi = 2, kShantenKnitted = 3 };

// For every seat: each form's distance after discarding each free slot (and
// the empty slot 13 of a seat between turns: the whole hand), the minima,
// the best discard's reading and the per-kind distances. Slots of declared
// melds and flowers are not discards and hold each form's worst value. Dead
// knitted arrangements are judged on the table as it stands: g_visible_counts
// is recounted, g_seen_counts is left as it was.
void refresh_hand_evaluations();
