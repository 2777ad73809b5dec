// Win evaluation: reads a complete 14-tile hand for the scorer. Over values:
// the hand, the waits the search found, the facts of the table and the rule
// switches come in; the reading comes out, and the normal reading scores
// each of its extraction orders in the caller's scoring work area.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#include "core/tiles.h"
#include "core/waits.h"
#include "core/yaku_table.h"

constexpr int kWinBlocks = 5;          // four sets and a pair
constexpr int kExtractionOrders = 6;   // the block-kind orders the normal reading tries

// What the evaluation and the pattern checks read of the table beside the hand.
struct WinContext {
  int seat;                 // the winning seat 0..3; every fact below is of this seat or the table
  int seat_wind;            // the seat's wind index 0 East .. 3 North
  int round_wind;           // the wind round 0 East .. 3 North
  int open_claims;          // the seat's pungs, chows and melded kongs of this hand
  int melds[kMeldSlots];    // the seat's declared melds (MeldCode, 0 free)
  int melds_anywhere;       // 1 when any seat has a meld declared
  int own_discards;         // the seat's river entries
  int discards_anywhere;    // river entries of all four seats
  int wall_count;           // tiles left in the wall
  int robbing_kong;         // 1 while a robbing win is scored
  int kong_replacement;     // 1 while the seat's draw is a kong replacement
  int flowers;              // flowers the seat has set aside
  const int* visible;       // the caller's visible counts by tile code (only the winning tile's is read,
                            // and not while robbing a kong)

  bool operator==(const WinContext&) const = default;
};

// One extraction order's reading: {found, its total, its five blocks}.
struct EvalOrderRecord {
  int found;   // 1 when the order decomposed the hand
  int points;  // the total of its scoring
  int blocks[kWinBlocks];
};

// The reading of one hand: what the scorer reads.
struct WinReading {
  int seat;              // winning seat 0..3
  int tile;              // winning tile (HaiCode)
  int by_discard;        // 1 on another seat's discard or a robbed kong, 0 self-drawn
  int seat_wind;         // the seat's wind index 0 East .. 3 North
  int round_wind;        // the wind round 0 East .. 3 North
  int open;              // 1 when the seat has a chow, pung or melded kong declared
  int waits[kMaxWaits];  // the waits (after the seven-pairs reading)
  int wait_count;        // 1 for a seven-pairs reading
  int form;              // HandForm; becomes seven pairs when that reading wins
  int hand[kHandSlots];  // hand slots 0-12 and the winning tile, sorted ascending
  // What the scan of those fourteen values found, for the tile facts (not
  // read while `valid` is 0):
  std::uint64_t free_tiles;  // bit t: a free value is tile t (all tiles held, when every value is free)
  std::uint64_t tile_marks;  // the marks (core/tile_marks.h) of every tile held, free or marked
  // The chosen decomposition as WinMeldCode blocks: for the normal form the
  // four sets and the pair in extraction order; for the knitted straight
  // block 0 the pair and block 1 the set; all 0 for the other forms.
  int blocks[kWinBlocks];
  int block_count;       // non-zero blocks
  // 1 when the hand has a reading in its form; 0 leaves the scorer finding
  // nothing and scoring 0.
  int valid;
  std::array<EvalOrderRecord, kExtractionOrders> orders;  // the normal reading, by extraction order
  int scorings;          // scorings the normal reading ran (the work area holds the last)
  int work_order;        // the extraction order whose scoring the work area holds, -1 for none
};

// Writes the scan's fields of r from its hand, sorted (read_win writes them
// as it reads).
void scan_reading(WinReading& r);

// The work area that read_win left holds the scoring of the reading as it
// now stands: the chosen order was the last one scored.
// Inline: a win test asks it once, right after reading.
inline bool work_holds_reading(const WinReading& r) {
  if (r.valid != 1 || r.form != kFormNormal || r.work_order < 0) return false;
  // The blocks as bytes at once: the five words of each compare in two steps.
  return std::memcmp(r.blocks, r.orders[r.work_order].blocks, sizeof r.blocks) == 0;
}

// Reads slots 0-12 of `hand` completed by `tile`, in the form of `waits`,
// into `r` (every field written). Settles seven pairs against the normal
// reading, and for the normal form keeps the decomposition of the
// best-scoring extraction order, the lowest order on equal totals (`work`
// then holds the last scored order: score the reading again). Slot 13 is
// never read.
void read_win(const int (&hand)[kHandSlots], int tile, int by_discard, const WaitSet& waits, const WinContext& ctx,
              const RuleSwitches& rules, Scoring& work, WinReading& r);
