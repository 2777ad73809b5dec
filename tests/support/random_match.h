// A seeded random-match runner: whole hands from the set-up to the win or
// the exhaustive draw, through the scene dispatcher, with test-only seat
// players that draw, discard, declare and claim through the table's public
// actions (random but legal choices). After every frame it checks the table
// invariants and the claim rules, and collects every violation as text.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "support/table_invariants.h"

struct MatchTally {
  int hands = 0;
  int discard_wins = 0;
  int self_drawn_wins = 0;
  int robbing_wins = 0;
  int exhaustive_draws = 0;
  int pungs = 0;
  int chows = 0;
  int melded_kongs = 0;
  int added_kongs = 0;
  int concealed_kongs = 0;
  int false_wins = 0;
  int user_offers = 0;
  int robbing_offers = 0;
  int frames = 0;
};

class RandomMatch {
 public:
  // seed drives the game's generator and the players' own choices.
  explicit RandomMatch(std::uint32_t seed);

  // Seats the test players drive (all four by default); a seat left to the
  // program takes its turns and claim decisions through the game's own code.
  std::array<bool, 4> driven{true, true, true, true};

  // Random option words per hand (voice balloons, flowers, false wins);
  // when false the options stay as the caller set them.
  bool vary_options = true;

  // When true the hands keep the dealer, wind round and seat characters the
  // table holds (a whole match); else each hand picks them at random.
  bool keep_seats = false;

  // The user's seat plays as its advisor says: wins worth 8 points, the
  // suggested discard, the hinted claim; otherwise at random.
  bool user_follows_advisor = false;

  // Characters of seats 1..3; 0 leaves the seat's character to chance.
  std::array<int, 4> characters{0, 0, 0, 0};

  // Called with the seat after every discard made in a seat's turn, while
  // that seat's decision record still describes it.
  std::function<void(int seat)> on_discard;

  // Called with the discarder after the other seats decided their claims on
  // a discard (the table's recheck done), before the driven seats choose.
  std::function<void(int discarder)> on_claims_decided;

  // Plays one hand with a random dealer; returns false when it broke a rule
  // (the reasons are in problems()).
  bool play_hand();

  const std::vector<std::string>& problems() const { return problems_; }
  const MatchTally& tally() const { return tally_; }

 private:
  struct DiscardWatch {
    bool active = false;
    int discarder = 0;
    int river_count = 0;  // the discarder's river count with the discard in it
    int tile = 0;
    int melds = 0;        // declared melds on the table at the discard
    int wall_count = 0;
  };

  bool chance(int percent);
  int pick(int n);

  void set_up_hand();
  bool step();  // one frame; false when the hand is over
  void play_turn(int seat);
  void play_user_by_advisor();
  void check_discard_was_free(int seat, const std::array<int, 14>& hand_before, int river_before);
  int choose_discard(int seat, const std::vector<int>& choices);
  void choose_claims(int discarder);
  void answer_claim_panel();
  void answer_robbing_panel();
  void choose_user_chow();
  void watch_discard(int scene_before);
  void check_hand_end();
  void note(const std::string& problem);

  std::mt19937 rng_;
  TableInvariants invariants_;
  DiscardWatch watch_;
  int win_scene_ = 0;  // the scene in which the hand was won
  int same_scene_frames_ = 0;  // frames the scene has stayed unchanged
  MatchTally tally_;
  std::vector<std::string> problems_;
  bool broke_ = false;
};
