// The statistics a match books into the in-match copies (g_match_stats):
// the win when the user leaves the win display, every seat's hand at the
// end of each hand, and each character's match at the end of the match.
// Counts stop at the largest value the statistics file takes back
// (kStatCountMax, pattern counts at kYakuCountCap), so a long history
// neither wraps round nor indexes past a table.
#pragma once

#include <cstdint>

// The win of g_win_record: hands won by every seated character, the
// winner's wins, self-drawn and concealed wins, points, highest and lowest
// win, turns; the payer's deal-in. Then the hand result: scene 700, frame
// 0, its panel shown.
void record_win_statistics();

// Every seat at the end of a hand, win or draw: hands played, hands with
// calls, false wins, ready and 8-point-ready hands with their turns; after
// a win also the winner's pattern counts.
void record_hand_statistics();

// One character's finished match: matches played, the recent-results row
// (the oldest dropped once ten are kept) and the highest and lowest final
// score. place 0..3.
void record_match_statistics(int character, int place, int score);

// a + b held within [low, high] (sums of 32-bit words can exceed 32 bits).
constexpr int saturated_add(int a, std::int64_t b, int low, int high) {
  const std::int64_t sum = static_cast<std::int64_t>(a) + b;
  return static_cast<int>(sum < low ? low : sum > high ? high : sum);
}
