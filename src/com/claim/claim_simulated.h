// The candidate records of the simulated-call claim rules and how one is
// chosen: the parts of those rules that work on figures alone.
#pragma once

#include <array>

constexpr int kSimulatedRecords = 50;

// The fixed-size table of candidate calls: past its last record every
// further candidate overwrites that record.
template <typename Record>
struct RecordTable {
  std::array<Record, kSimulatedRecords> records{};
  int next = 0;
  void add(const Record& r) {
    records[next] = r;
    if (next < kSimulatedRecords - 1) ++next;
  }
};

// A call that leaves the seat ready: its best value and two weights in live
// copies (5 - seen per wait, the called tile one more).
struct ReadyRecord {
  int kind = 0;  // NakiCall; 0 empty
  int shape = 0;
  int points = 0;
  int at_best = 0;  // of the waits worth the best value
  int winning = 0;  // counted while the best is 8 or more
};

// Passes 1 and 2 weigh the records worth 8 by their best waits against the
// winning copies of the one chosen so far; passes 3 to 5 let a record worth
// 64 override them. nullptr when none is worth taking.
const ReadyRecord* choose_to_get_ready(const RecordTable<ReadyRecord>& table);

// A call that leaves a ready seat with another ready hand.
struct BetterRecord {
  int kind = 0;  // NakiCall; 0 empty
  int shape = 0;
  int points = 0;
  int live = 0;  // live copies of the waits worth 8 or more
};

// The most points, then the most live copies; the earlier on a full tie.
const BetterRecord* choose_better(const RecordTable<BetterRecord>& table);

// The ready hand the seat holds before the call.
struct CurrentHand {
  int points = 0;           // best value among the waits with a copy left
  int live = 0;             // live copies (4 - seen) of the waits worth 8 or more
  bool live_eight = false;  // some wait with a copy left is worth 8 or more
};

// The current ready hand of the seat, valued wait by wait (last tiles as
// the claim decider values them); `ready` is what seat_ready_waits finds now.
CurrentHand value_current_hand(int seat, const WaitSet& ready);

// Is a call worth `points` with `live` copies better than the current hand?
bool better_than(const CurrentHand& cur, int points, int live);

// Whether an accepted kong of `tile` is recorded: never for a hand worth 8
// already while the seat aims at a pattern of concealed sets, nor when the
// kong's own value is what would make the difference.
bool kong_kept(int seat, int tile, const CurrentHand& cur, int waits);
