// Winning hands for scoring tests, written as the scoring-pattern help list
// draws them: tile codes of the concealed tiles, "+ t" before the winning
// tile, "[a b c]" a declared chow or pung, "[a a a a]" a melded kong,
// "(a a a a)" a concealed kong; "/" only separates groups. Example:
// "4 4 4 7 8 9 11 11 23 24 + 25 / [17 17 17 17]".
// A malformed text throws std::invalid_argument.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

struct WinHand {
  std::vector<int> concealed;  // free tiles other than the winning tile
  int win_tile = 0;
  std::vector<int> melds;      // MeldCode in the written order
};

WinHand parse_win_hand(std::string_view text);

// Writes the seat's hand slots (slots 0-12 sorted, slot 13 the winning
// tile), its meld list and its call counts.
void place_win_hand(int seat, const WinHand& hand);

// What one win test found: the three calls every win test makes.
struct WinScore {
  bool listed = false;  // find_waits listed the winning tile
  bool valid = false;   // evaluate_win found a reading
  int form = 0;         // g_hand_form after the evaluation
  std::map<int, int> found;  // pattern id -> points
  int total = 0;             // g_eval_total
};

// find_waits on the seat's 14 slots, then the evaluation and its scoring as
// the program runs them.
WinScore score_placed_hand(int seat, int by_discard);
WinScore score_win(int seat, std::string_view text, int by_discard);

// The found patterns of g_yaku_table as id -> points.
std::map<int, int> found_patterns();

// "一般高(0)=1 無字(7)=1" for failure messages.
std::string describe_patterns(const std::map<int, int>& found);
