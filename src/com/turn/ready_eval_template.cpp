#include "com/turn/ready_eval_template.h"

#include <algorithm>
#include <array>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/yaku_table.h"
#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "com/turn/ready_eval_choice.h"
#include "core/tiles.h"

namespace {

// The suits of chows A, B, C per template row: 0 characters, 1 dots, 2 bamboo.
constexpr std::array<std::array<int, 3>, 6> kRowSuits{{{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}}};
constexpr std::array<int, 9> kShiftedWeightsClose{1, 2, 3, 3, 2, 1, 2, 3, 2};  // layouts 0-4
constexpr std::array<int, 9> kShiftedWeightsWide{1, 1, 2, 2, 1, 1, 2, 1, 2};   // layouts 5-7

// Chow `chow` (0 A, 1 B, 2 C) of suit `suit` starting at rank `rank`.
void place(ChowTemplate& t, int chow, int suit, int rank) {
  for (int i = 0; i < 3; ++i) t.tiles[chow * 3 + i] = make_tile(suit, rank + i);
}

bool fill_tiles(int yaku, int v, ChowTemplate& t) {
  switch (yaku) {
    case kYaku27MixedShiftedChows: {
      const int row = v / 10, s = v % 10;
      if (row > 5 || s < 1 || s > 5) return false;
      for (int c = 0; c < 3; ++c) place(t, c, kRowSuits[row][c], s + c);
      return true;
    }
    case kYaku33MixedTripleChow:
      if (v < 1 || v > 7) return false;
      for (int c = 0; c < 3; ++c) place(t, c, c, v);
      return true;
    case kYaku35MixedStraight:
      if (v < 0 || v > 5) return false;
      for (int c = 0; c < 3; ++c) place(t, c, kRowSuits[v][c], 1 + 3 * c);
      return true;
    case kYaku47PureShiftedChows: {
      const int suit = v / 10, layout = v % 10;
      if (suit > 2 || layout > 7) return false;
      const int n = layout <= 4 ? layout + 1 : layout - 4;
      const int step = layout <= 4 ? 1 : 2;
      place(t, 0, suit, n);
      place(t, 1, suit, n + 2 * step);
      place(t, 2, suit, n + step);
      return true;
    }
    case kYaku49PureStraight:
      if (v < 0 || v > 2) return false;
      for (int c = 0; c < 3; ++c) place(t, c, v, 1 + 3 * c);
      return true;
    case kYaku53PureTripleChow:
      if (!is_suited(v) || rank_of(v) > 7) return false;
      for (int c = 0; c < 3; ++c) place(t, c, suit_of(v), rank_of(v));
      return true;
    default:
      return false;
  }
}

// Each chow meld of the seat marks at most one template chow, the first
// unmarked one starting at its tile.
void mark_melded(int seat, ChowTemplate& t) {
  for (int code : g_melds[seat]) {
    if (code == 0 || meld_kind(code) != kMeldChow) continue;
    for (int c = 0; c < 3; ++c) {
      if (t.melded[c] == 0 && t.tiles[c * 3] == meld_tile(code)) {
        t.melded[c] = 1;
        break;
      }
    }
  }
}

// A melded chow of the shifted-chows template needs fewer copies of the others.
void lower_shifted_weights(ChowTemplate& t, bool close) {
  auto lower = [&](int pos) { --t.weights[pos]; };
  if (t.melded[0] == 1) {
    lower(6);
    if (close) { lower(3); lower(7); }
  }
  if (t.melded[1] == 1) {
    lower(8);
    if (close) { lower(2); lower(7); }
  }
  if (t.melded[2] == 1) {
    lower(2);
    lower(3);
    if (close) { lower(1); lower(4); }
  }
}

}  // namespace

bool build_chow_template(int seat, int yaku, int variant, ChowTemplate& out) {
  out = ChowTemplate{};
  if (!fill_tiles(yaku, variant, out)) return false;
  for (int& w : out.weights) w = 1;
  mark_melded(seat, out);
  if (yaku == kYaku47PureShiftedChows) {
    const bool close = variant % 10 <= 4;
    const auto& weights = close ? kShiftedWeightsClose : kShiftedWeightsWide;
    for (int i = 0; i < kTemplatePositions; ++i) out.weights[i] = weights[i];
    lower_shifted_weights(out, close);
  }
  return true;
}

bool template_holds(const ChowTemplate& t, int tile) {
  for (int i = 0; i < kTemplatePositions; ++i)
    if (t.melded[i / 3] == 0 && t.tiles[i] == tile) return true;
  return false;
}

// ---------------------------------------------------------------- criteria 70 to 72

namespace {

void exchange_with_candidate(int seat, int k) {
  std::swap(g_ai_target_yaku[seat], g_ai_chow_candidates[seat][k]);
  std::swap(g_ai_target_variant[seat], g_ai_chow_candidate_variants[seat][k]);
}

// Positions of the template the hand still fills after discarding `slot`.
int positions_kept(int seat, int slot, const ChowTemplate& t) {
  int held[kTileCodes] = {};
  for (int s = 0; s < kHandSlots; ++s)
    if (s != slot) ++held[ready_record(seat, s)[kEvalTile]];
  int present = 0;
  for (int i = 0; i < kTemplatePositions; ++i) {
    if (t.melded[i / 3] == 1) {
      ++present;
    } else if (held[t.tiles[i]] > 0) {
      --held[t.tiles[i]];
      ++present;
    }
  }
  return present;
}

// A tile the template needs every held copy of.
bool is_protected(const ChowTemplate& t, int tile) {
  for (int i = 0; i < kTemplatePositions; ++i)
    if (t.melded[i / 3] == 0 && t.tiles[i] == tile && held(tile) == t.weights[i]) return true;
  return false;
}

// 2 3 4 _ 6 7 8 once each: a shape whose middle the straight or triple
// chow of 4-5-6 cannot do without.
bool has_gap_shape(int seat) {
  const int aim = g_ai_target_yaku[seat], v = g_ai_target_variant[seat];
  auto gap = [](int suit) {
    if (held(make_tile(suit, 5)) != 0) return false;
    for (int rank : {2, 3, 4, 6, 7, 8})
      if (held(make_tile(suit, rank)) != 1) return false;
    return true;
  };
  if (aim == kYaku33MixedTripleChow && v == 4) return gap(0) || gap(1) || gap(2);
  constexpr int kMiddleSuit[6] = {1, 2, 0, 2, 0, 1};
  if (aim == kYaku35MixedStraight && v >= 0 && v <= 5) return gap(kMiddleSuit[v]);
  return false;
}

// Criteria 70 and 71: a discard keeping eight (or seven with a pair) of the
// template's nine tiles is committed to.
void keep_template(int seat, const ChowTemplate& t, ReadyChoice& c) {
  int best = 0;
  for (int s = 0; s < kHandSlots; ++s) {
    const int* r = ready_record(seat, s);
    if (r[kEvalMaxPoints] < 1 || r[kEvalMaxPoints] <= best || is_protected(t, r[kEvalTile])) continue;
    const int kept = positions_kept(seat, s, t);
    const bool seven = AI[seat].best_pairs >= 1 && kept == 7 && !has_gap_shape(seat);
    if (kept < 8 && !seven) continue;
    replace_choice(c, s, kept >= 8 ? 70 : 71);
    best = r[kEvalMaxPoints];
    c.commit = 1;
  }
}

// Criterion 72: the choice would break the template and another ready
// discard keeps it at 6 points (7 after a call). True when one was taken.
bool spare_template(int seat, const ChowTemplate& t, ReadyChoice& c) {
  const int* b = ready_record(seat, c.slot);
  if (b[kEvalMaxPoints] >= 8 && b[kEvalLive8Plus] > 0) return false;
  const int tile = b[kEvalTile];
  if (!is_playing_tile(tile) || held(tile) < 1 || !template_holds(t, tile)) return false;
  const int floor = g_seat_state[seat].naki_count == 0 ? 6 : 7;
  int best = 0;
  bool taken = false;
  for (int s = 0; s < kHandSlots; ++s) {
    const int* r = ready_record(seat, s);
    if (r[kEvalTile] == tile || template_holds(t, r[kEvalTile]) || r[kEvalMaxPoints] <= best ||
        r[kEvalMaxPoints] < floor)
      continue;
    replace_choice(c, s, 72);
    best = r[kEvalMaxPoints];
    taken = true;
  }
  return taken;
}

}  // namespace

void template_criteria(int seat, ReadyChoice& c) {
  const int* b = ready_record(seat, c.slot);
  c.commit = (g_seat_state[seat].naki_count > 0 ? b[kEvalLive7Plus] : b[kEvalLive6Plus]) > 0 ? 1 : 0;
  int aims[1 + kChowCandidates];
  aims[0] = g_ai_target_yaku[seat];
  std::copy(g_ai_chow_candidates[seat], g_ai_chow_candidates[seat] + kChowCandidates, aims + 1);
  for (int k = 0; k <= kChowCandidates; ++k) {
    if (aims[k] == 0) continue;
    if (k >= 1) exchange_with_candidate(seat, k - 1);
    ChowTemplate t;
    if (build_chow_template(seat, g_ai_target_yaku[seat], g_ai_target_variant[seat], t)) {
      if (c.commit == 0) keep_template(seat, t, c);
      // The candidate whose template is spared stays the seat's target.
      if (c.commit == 1 && spare_template(seat, t, c)) return;
    }
    if (k >= 1) exchange_with_candidate(seat, k - 1);
  }
  if (g_ai_target_yaku[seat] == 0 && is_closed_hand(seat))
    c.commit = 1;
}
