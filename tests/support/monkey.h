// A seeded monkey over the headless program: random clicks (half of them on
// the places that do something: hand tiles, pop-up rows, menu items, setting
// marks, the screens' buttons), right clicks, pointer moves and keys, one
// action or none per frame. It checks the table invariants on every frame
// of a hand and the program's state on every frame, and starts the program
// again when a key ends it.
#pragma once

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "support/table_invariants.h"

class Monkey {
 public:
  explicit Monkey(std::uint32_t seed);

  // Enter (back to the title) and Escape (the program ends) among the keys.
  bool may_leave = true;

  // Opens the program with the monkey's seed, clicks past the title and
  // takes menu item `entry` (0 a new match; the twelve items in turn).
  void enter(int entry);

  // Runs `frames` frames over the open headless program.
  void run(int frames);

  int frames = 0;
  int hands = 0;     // deals seen
  int restarts = 0;  // programs started again after Escape
  std::set<int> scenes;
  std::vector<std::string> problems;

 private:
  int pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }
  void act();
  void click_somewhere_useful();
  void press_key();
  void step();
  void note(const std::string& problem);

  std::uint32_t seed_;
  std::mt19937 rng_;
  TableInvariants invariants_;
  bool hand_started_ = false;
  int popup_x_ = 300;  // where the last right click opened a pop-up
  int popup_y_ = 300;
};
