// Seeded whole matches: the random hands of RandomMatch played one after
// another through the result scenes, the win booking and finish_hand, from
// the first hand to the standings, with the rules of payments, scores and
// statistics checked after every hand and at the match end.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "base/stats.h"
#include "support/random_match.h"

struct WholeMatchTally {
  int matches = 0;
  int hands = 0;
  int wins = 0;
  int self_drawn_wins = 0;
  int robbing_wins = 0;
  int capped_wins = 0;  // wins the 88 cap cut
  int draws = 0;
};

class WholeMatch {
 public:
  explicit WholeMatch(std::uint32_t seed);

  // One match of 16 hands to the standings; false when a rule broke.
  bool play_match();

  const std::vector<std::string>& problems() const { return problems_; }
  const WholeMatchTally& tally() const { return tally_; }
  const MatchTally& hand_tally() const { return hands_.tally(); }

 private:
  struct MatchCounts {
    int wins = 0;
    int self_drawn = 0;
  };

  void start_match();
  void play_one_hand(MatchCounts& counts);
  void check_win();
  bool run_scene_until(int scene, int limit);
  void check_match_end(const StatsBlocks& at_start, const MatchCounts& counts);
  void note(const std::string& problem);

  RandomMatch hands_;
  std::mt19937 rng_;
  WholeMatchTally tally_;
  std::vector<std::string> problems_;
  bool broke_ = false;
};
