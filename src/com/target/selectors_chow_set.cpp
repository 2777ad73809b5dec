#include "com/target/selectors.h"

#include <algorithm>
#include <array>

#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "com/target/selector_counts.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "base/yaku_table.h"
#include "base/table_state.h"

// Chow-set selectors: the same chow three or four times, four shifted chows
// of one suit, and the terminal-chow patterns.

namespace {

constexpr int kSuits = 3;

bool has_pung_or_kong_meld(int seat) {
  return std::any_of(g_melds[seat], g_melds[seat] + kMeldSlots, is_pung_meld);
}

// ------------------------------------------------------ pure triple chow

bool pure_triple_chow_passes(const MeldTally& m, int low, int threshold) {
  int chows = m.chows_from[low];
  int in_hand = 0;
  for (int j = 0; j < 3; ++j) in_hand += std::min(held(low + j), std::max(0, 3 - chows));
  // Two melds of anything else leave no room: the declared chows no longer count.
  if (m.melds - chows >= 2) chows = 0;
  if (in_hand + 3 * chows < threshold) return false;
  // A tile shown this often leaves too few copies for the missing chows. A
  // tile the hand holds enough of never is: its own copies cap what can show.
  const auto shown_below = [low](int limit) {
    return seen_by_all(low) < limit && seen_by_all(low + 1) < limit && seen_by_all(low + 2) < limit;
  };
  switch (chows) {
    case 3: return true;
    case 2: return in_hand >= 1 && shown_below(4);
    case 1: return in_hand >= 4 && shown_below(3);
    default: return false;  // the hand alone is never aimed at it
  }
}

// ------------------------------------------------- four pure shifted chows

constexpr int kShiftedLayouts = 5;
constexpr int kSeriesLayout = 4;  // 123, 345, 567, 789; the others shift by one from 1, 2, 3 and 4
constexpr std::array<std::array<int, 4>, kShiftedLayouts> kShiftedStarts = [] {
  std::array<std::array<int, 4>, kShiftedLayouts> starts{};
  for (int layout = 0; layout < kShiftedLayouts; ++layout)
    for (int k = 0; k < 4; ++k) starts[layout][k] = layout == kSeriesLayout ? 1 + 2 * k : layout + 1 + k;
  return starts;
}();
static_assert(kShiftedStarts[1] == std::array<int, 4>{2, 3, 4, 5} && kShiftedStarts[4] == std::array<int, 4>{1, 3, 5, 7});

bool shifted_layout_passes(int seat, int suit, int layout, int threshold) {
  const std::array<int, 4>& starts = kShiftedStarts[layout];
  std::array<bool, 4> matched{};
  int matched_melds = 0;
  std::array<int, 10> places{}, own{};  // per number 1..9
  for (int k = 0; k < 4; ++k)
    for (int j = 0; j < 3; ++j) ++places[starts[k] + j];
  for (int code : g_melds[seat]) {
    if (code == 0 || meld_kind(code) != kMeldChow || suit_of(meld_tile(code)) != suit) continue;
    for (int k = 0; k < 4; ++k) {
      if (matched[k] || starts[k] != rank_of(meld_tile(code))) continue;
      matched[k] = true;
      ++matched_melds;
      for (int j = 0; j < 3; ++j) ++own[starts[k] + j];
      break;
    }
  }
  int total = 0;
  std::array<int, 10> filled{};
  for (int r = 1; r <= 9; ++r) {
    filled[r] = std::min(places[r], own[r] + held(make_tile(suit, r)));
    total += filled[r];
  }
  if (total < threshold || declared_melds(seat) > matched_melds) return false;
  // Every place needs a copy not shown beyond the seat's own chows.
  for (int r = 1; r <= 9; ++r)
    if (places[r] > 0 && seen_by_all(make_tile(suit, r)) - own[r] + places[r] > 4) return false;
  // At the lower threshold the shared middle numbers must already be doubled.
  const int n = starts[0];
  return threshold > 10 || layout == kSeriesLayout || (filled[n + 2] >= 2 && filled[n + 3] >= 2);
}

// The most places of the suit any layout fills: three per chow meld of the
// suit and one per free tile of it.
int shifted_chows_reach(int seat, int suit) {
  const MeldTally& m = tally_melds(seat);
  int reach = 0;
  for (int r = 1; r <= 9; ++r) reach += 3 * m.chows_from[make_tile(suit, r)] + held(make_tile(suit, r));
  return reach;
}

// ------------------------------------------- three-suited terminal chows

struct TerminalTemplate {
  int suit_a, suit_b;  // the suits of the 123 and 789 chows
  int pair;            // the five of the third suit
};
constexpr std::array<TerminalTemplate, 3> kTerminalTemplates{{{0, 1, 25}, {0, 2, 15}, {1, 2, 5}}};

std::array<int, 4> terminal_chow_starts(const TerminalTemplate& tpl) {
  return {make_tile(tpl.suit_a, 1), make_tile(tpl.suit_a, 7), make_tile(tpl.suit_b, 1), make_tile(tpl.suit_b, 7)};
}

// The declared melds are distinct chows of the template, no chow tile it
// still needs is dead, and the pair tile is not nearly so.
bool terminal_template_open(int seat, const TerminalTemplate& tpl) {
  const std::array<int, 4> starts = terminal_chow_starts(tpl);
  std::array<bool, 4> declared{};
  for (int code : g_melds[seat]) {
    if (code == 0) continue;
    const auto at = std::find(starts.begin(), starts.end(), meld_tile(code));
    if (at == starts.end() || declared[at - starts.begin()]) return false;
    declared[at - starts.begin()] = true;
  }
  for (int k = 0; k < 4; ++k)
    for (int j = 0; j < 3; ++j)
      if (!declared[k] && is_dead_tile(starts[k] + j)) return false;
  return seen_by_all(tpl.pair) < 3;
}

// Chow tiles held (each of the twelve once) and up to two of the pair tile.
int terminal_template_score(const TerminalTemplate& tpl, const KindCounts& slots) {
  int score = std::min(slots[tpl.pair], 2);
  for (int start : terminal_chow_starts(tpl))
    for (int j = 0; j < 3; ++j) score += slots[start + j] > 0;
  return score;
}

// -------------------------------------------------- pure terminal chows

constexpr std::array<int, 7> kTerminalChowNumbers{1, 2, 3, 5, 7, 8, 9};

int pure_terminal_score(int seat, int suit, const KindCounts& slots) {
  std::array<int, 10> marks{};  // own declared chows over each number
  for (int code : g_melds[seat]) {
    if (code == 0) continue;
    const int t = meld_tile(code);
    if (t != make_tile(suit, 1) && t != make_tile(suit, 7)) return 0;
    for (int j = 0; j < 3; ++j) ++marks[rank_of(t) + j];
  }
  if (marks[1] >= 3 || marks[7] >= 3) return 0;
  int score = 0;
  for (int r : kTerminalChowNumbers) {
    const int t = make_tile(suit, r);
    score += std::min(slots[t], 2);
    if ((marks[r] == 0 && seen_by_all(t) >= 3) || (marks[r] == 1 && seen_by_all(t) >= 4)) return 0;
  }
  return score;
}

// One end of the pattern (its 123 or 789) declared, or nearly complete in hand.
bool terminal_end_covered(int seat, int low) {
  if (declared_chows_at(seat, low) > 0) return true;
  const int* n = g_hand_counts + low;
  const int doubled = (n[0] >= 2) + (n[1] >= 2) + (n[2] >= 2);
  return doubled >= 2 || (n[0] && n[1] && n[2] && doubled >= 1);
}

}  // namespace

void aim_pure_triple_chow(int seat, int threshold) {
  if (keeps_current_target(seat, kYaku53PureTripleChow)) return;
  const MeldTally& m = tally_melds(seat);
  if (m.chows == 0) return;  // the hand alone is never aimed at it
  for (int s = 0; s < kSuits; ++s)
    for (int n = 1; n <= 7; ++n)
      if (pure_triple_chow_passes(m, make_tile(s, n), threshold))
        return write_target(seat, kYaku53PureTripleChow, make_tile(s, n));
}

void aim_quadruple_chow(int seat, int threshold) {
  if (keeps_current_target(seat, kYaku65QuadrupleChow)) return;
  const MeldTally& m = tally_melds(seat);
  for (int s = 0; s < kSuits; ++s) {
    for (int n = 1; n <= 7; ++n) {
      const int low = make_tile(s, n);
      const int chows = m.chows_from[low];
      if (m.melds != chows) continue;
      if (held(low) + held(low + 1) + held(low + 2) + 3 * chows < threshold) continue;
      // Every copy of the chow's tiles is needed: none may show outside the seat's own chows.
      if (seen_by_all(low) != chows || seen_by_all(low + 1) != chows || seen_by_all(low + 2) != chows)
        continue;
      return write_target(seat, kYaku65QuadrupleChow, low);
    }
  }
}

void aim_four_pure_shifted_chows(int seat, int threshold) {
  if (keeps_current_target(seat, kYaku62FourShiftedChows)) return;
  for (int s = 0; s < kSuits; ++s) {
    if (shifted_chows_reach(seat, s) < threshold) continue;
    for (int layout = 0; layout < kShiftedLayouts; ++layout)
      if (shifted_layout_passes(seat, s, layout, threshold))
        return write_target(seat, kYaku62FourShiftedChows, layout + 10 * s);
  }
}

void aim_three_suited_terminal_chows(int seat, int threshold) {
  if (keeps_current_target(seat, kYaku48ThreeSuitedTerminalChows) || has_pung_or_kong_meld(seat)) return;
  const KindCounts slots = slot_tile_counts(seat);
  int best = 0, best_score = -1;
  for (int k = 0; k < static_cast<int>(kTerminalTemplates.size()); ++k) {
    const TerminalTemplate& tpl = kTerminalTemplates[k];
    const int score = terminal_template_open(seat, tpl) ? terminal_template_score(tpl, slots) : 0;
    if (score > best_score) best = k, best_score = score;
  }
  if (best_score >= threshold) write_target(seat, kYaku48ThreeSuitedTerminalChows, best);
}

void aim_pure_terminal_chows(int seat, int threshold) {
  if (keeps_current_target(seat, kYaku68PureTerminalChows) || has_pung_or_kong_meld(seat)) return;
  const KindCounts slots = slot_tile_counts(seat);
  int best = 0, best_score = -1;
  for (int s = 0; s < kSuits; ++s) {
    const int score = pure_terminal_score(seat, s, slots);
    if (score > best_score) best = s, best_score = score;
  }
  if (threshold <= 10 && (held(make_tile(best, 5)) == 0 || !terminal_end_covered(seat, make_tile(best, 1)) ||
                          !terminal_end_covered(seat, make_tile(best, 7))))
    return;
  if (best_score >= threshold) write_target(seat, kYaku68PureTerminalChows, best);
}
