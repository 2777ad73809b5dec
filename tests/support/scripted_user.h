// A scripted user that plays whole matches through the program's window:
// the title and menu clicked, every turn played with the mouse (the
// advisor's suggestion or the drawn tile discarded, wins accepted from the
// pop-up and the panels, other claims declined), the result screens clicked
// through to the standings, the table's rules checked on every frame.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "support/table_invariants.h"

struct UserTally {
  int hands = 0;
  int discards = 0;
  int suggested_discards = 0;
  int self_drawn_wins = 0;
  int discard_wins = 0;
  int offers_declined = 0;
  int frames = 0;
};

class ScriptedUser {
 public:
  // Plays from the title to the standings, or to the suspension notice (the
  // headless window must be free: it is opened here); the problems found,
  // one a line.
  std::vector<std::string> play_match(unsigned seed);
  // The same in the run going on, from the title or the menu.
  std::vector<std::string> play_on();

  // Whether the title's resume question is answered "再開する"; otherwise a
  // new match is started from the menu.
  bool resume = false;

  // The hand (1, 2, ... of this play) at whose result the match is
  // suspended; 0 plays on to the standings.
  int suspend_after = 0;

  // A wind round (0 East .. 3 North) to play alone, or -1 for the whole
  // match: the first deal is moved into that round, and play stops when the
  // round has changed seats for the next one or shown the standings.
  int only_round = -1;

  // Whether the table's rules are checked after every frame (a benchmark
  // that timed one checked match plays the same match again unchecked).
  bool check_table = true;

  // Called when a hand has ended, on the first frame of its result scene.
  std::function<void()> on_hand_end;

  // Runs one frame of the match (benchmarks time it and draw its pixels).
  std::function<void()> run_frame = [] { headless::step_frames(1); };

  UserTally tally;
  std::vector<std::string> problems;

 private:
  void step();
  void act();
  void play_turn();
  int discard_slot() const;
  void answer_panel(bool robbing);

  TableInvariants invariants_;
  int turn_frames_ = 0;
  int last_scene_ = 0;
};
