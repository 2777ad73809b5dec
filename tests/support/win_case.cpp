#include "support/win_case.h"

#include <algorithm>
#include <cstring>
#include <sstream>
#include <stdexcept>

#include "base/scorer.h"
#include "base/table_state.h"
#include "base/waits.h"
#include "base/win_eval.h"

namespace {

[[noreturn]] void fail(std::string_view text, const std::string& why) {
  throw std::invalid_argument("win hand \"" + std::string(text) + "\": " + why);
}

int meld_of_group(std::string_view text, const std::vector<int>& g, bool concealed_kong) {
  if (g.empty() || !is_playing_tile(g[0])) fail(text, "empty or unknown group");
  const bool same = std::all_of(g.begin(), g.end(), [&](int t) { return t == g[0]; });
  if (concealed_kong) {
    if (g.size() != 4 || !same) fail(text, "a concealed kong is four equal tiles");
    return make_meld(1, kMeldConcealedKong, g[0]);
  }
  if (g.size() == 4 && same) return make_meld(0, kMeldMeldedKong, g[0]);
  if (g.size() == 3 && same) return make_meld(0, kMeldPung, g[0]);
  if (g.size() == 3 && is_suited(g[0]) && g[1] == g[0] + 1 && g[2] == g[0] + 2)
    return make_meld(0, kMeldChow, g[0]);
  fail(text, "a declared group is a chow, a pung or a kong");
}

// The three marked slots a declared meld keeps.
void meld_slots(int code, int* out) {
  const int t = meld_tile(code);
  switch (meld_kind(code)) {
    case kMeldChow:
      for (int k = 0; k < 3; ++k) out[k] = make_slot(t + k, kChowSlot);
      return;
    case kMeldPung:
      for (int k = 0; k < 3; ++k) out[k] = make_slot(t, kPungSlot);
      return;
    case kMeldConcealedKong:
      for (int k = 0; k < 3; ++k) out[k] = make_slot(t, kConcealedKongSlot);
      return;
    default:
      for (int k = 0; k < 3; ++k) out[k] = make_slot(t, kMeldedKongSlot);
  }
}

}  // namespace

WinHand parse_win_hand(std::string_view text) {
  WinHand hand;
  std::istringstream in{std::string(text)};
  std::string word;
  std::vector<int> group;
  char open = 0;  // '[' or '(' while a group is read
  bool next_is_win = false;
  while (in >> word) {
    if (word == "/") continue;
    if (word == "+") {
      next_is_win = true;
      continue;
    }
    if (word.front() == '[' || word.front() == '(') {
      if (open) fail(text, "nested group");
      open = word.front();
      word.erase(0, 1);
    }
    bool closes = false;
    if (!word.empty() && (word.back() == ']' || word.back() == ')')) {
      if (!open || (word.back() == ']') != (open == '[')) fail(text, "unmatched bracket");
      closes = true;
      word.pop_back();
    }
    int tile = 0;
    try {
      tile = std::stoi(word);
    } catch (const std::exception&) {
      fail(text, "not a tile code: " + word);
    }
    if (!is_playing_tile(tile)) fail(text, "not a playing tile: " + word);
    if (open) {
      group.push_back(tile);
    } else if (next_is_win) {
      if (hand.win_tile) fail(text, "two winning tiles");
      hand.win_tile = tile;
      next_is_win = false;
    } else {
      hand.concealed.push_back(tile);
    }
    if (closes) {
      hand.melds.push_back(meld_of_group(text, group, open == '('));
      group.clear();
      open = 0;
    }
  }
  if (open || next_is_win) fail(text, "unfinished group or '+'");
  if (!hand.win_tile) fail(text, "no winning tile");
  if (hand.concealed.size() + 3 * hand.melds.size() != 13) fail(text, "not 13 tiles beside the winning one");
  return hand;
}

void place_win_hand(int seat, const WinHand& hand) {
  int slots[kHandSlots]{};
  int n = 0;
  for (int t : hand.concealed) slots[n++] = t;
  for (int code : hand.melds) {
    meld_slots(code, slots + n);
    n += 3;
  }
  std::sort(slots, slots + kDrawSlot);
  slots[kDrawSlot] = hand.win_tile;
  std::memcpy(g_hand[seat], slots, sizeof slots);
  std::fill(std::begin(g_melds[seat]), std::end(g_melds[seat]), 0);
  std::copy(hand.melds.begin(), hand.melds.end(), g_melds[seat]);
  g_seat_state[seat].naki_count = static_cast<int>(hand.melds.size());
  g_seat_state[seat].open_naki_count =
      static_cast<int>(std::count_if(hand.melds.begin(), hand.melds.end(), is_open_meld));
}

WinScore score_placed_hand(int seat, int by_discard) {
  WinScore s;
  std::memcpy(g_wait_hand, g_hand[seat], sizeof g_wait_hand);
  g_wait_slot = kDrawSlot;
  find_waits();
  const int tile = g_hand[seat][kDrawSlot];
  s.listed = std::find(g_waits, g_waits + g_wait_count, tile) != g_waits + g_wait_count;
  const WinEvaluation evaluation = evaluate_win_for_scoring(seat, tile, by_discard);
  s.valid = evaluation.valid;
  score_evaluated(evaluation);
  s.form = g_hand_form;
  s.found = found_patterns();
  s.total = g_eval_total;
  return s;
}

WinScore score_win(int seat, std::string_view text, int by_discard) {
  place_win_hand(seat, parse_win_hand(text));
  return score_placed_hand(seat, by_discard);
}

std::map<int, int> found_patterns() {
  std::map<int, int> found;
  for (int id = 0; id < kYakuCount; ++id)
    if (g_yaku_table[id].found) found[id] = g_yaku_table[id].points;
  return found;
}

std::string describe_patterns(const std::map<int, int>& found) {
  std::ostringstream out;
  for (const auto& [id, points] : found) out << yaku_name(id) << '(' << id << ")=" << points << ' ';
  return out.str();
}
