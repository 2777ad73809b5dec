#include "support/random_match.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "base/waits.h"
#include "com/turn/advisor.h"
#include "com/turn/com_turn.h"
#include "core/tiles.h"
#include "flow/claim_offers.h"
#include "flow/new_hand.h"
#include "platform/platform.h"
#include "shell/scene_table.h"
#include "table/claim_actions.h"
#include "table/kong_actions.h"
#include "table/shout.h"
#include "table/win_test.h"

namespace {

constexpr int kFrameLimit = 40000;  // far beyond any hand: a stuck scene shows as a problem
// No scene of a hand waits longer than this: the user's scenes are answered at once.
constexpr int kSceneFrameLimit = 300;

using MeldTable = std::array<std::array<int, kMeldSlots>, kSeats>;

MeldTable melds_now() {
  MeldTable table{};
  for (int seat = 0; seat < kSeats; ++seat) std::copy(g_melds[seat], g_melds[seat] + kMeldSlots, table[seat].begin());
  return table;
}

int meld_total() {
  int total = 0;
  for (const auto& row : g_melds) total += static_cast<int>(std::count_if(row, row + kMeldSlots, [](int m) { return m != 0; }));
  return total;
}

// The seat whose turn, discarded or check scene this is; -1 for other scenes.
int block_seat(int scene) {
  if (scene < SCENE_SEAT0_DRAW || scene >= seat_draw_scene(4)) return -1;
  return (scene - SCENE_SEAT0_DRAW) / kSeatSceneStride;
}
bool is_turn_scene(int scene) { return block_seat(scene) >= 0 && scene == seat_turn_scene(block_seat(scene)); }
bool is_discarded_scene(int scene) { return block_seat(scene) >= 0 && scene == seat_discarded_scene(block_seat(scene)); }
bool is_check_scene(int scene) {
  const int seat = block_seat(scene);
  return seat >= 0 && scene >= seat_check_scene(seat, 0) && scene <= seat_check_scene(seat, 6);
}
bool is_kong_scene(int scene) { return scene >= SCENE_KONG_DRAW0 && scene <= SCENE_KONG_DRAW3 && scene % 10 == 0; }

int won_count() {
  int won = 0;
  for (const SeatState& state : g_seat_state) won += state.won;
  return won;
}

int first_flower(int seat) {
  for (int slot : g_hand[seat])
    if (is_flower(slot)) return slot;
  return 0;
}

// Moves the slot's tile into slot 13 as the tile in question, the rest sorted.
void move_to_slot13(int seat, int slot) {
  std::swap(g_hand[seat][slot], g_hand[seat][kDrawSlot]);
  std::sort(g_hand[seat], g_hand[seat] + kDrawSlot);
}

// How much a tile holds the hand together: copies and near neighbours.
int keep_value(int seat, int tile) {
  int value = 0;
  for (int slot : g_hand[seat]) {
    if (!is_free_slot(slot)) continue;
    const int gap = std::abs(slot - tile);
    if (gap == 0) value += 3;
    if (is_suited(tile) && suit_of(slot) == suit_of(tile) && (gap == 1 || gap == 2)) value += 3 - gap;
  }
  return value;
}

bool has_pung_of(int seat, int tile) {
  return std::any_of(g_melds[seat], g_melds[seat] + kMeldSlots,
                     [&](int m) { return m != 0 && meld_kind(m) == kMeldPung && meld_tile(m) == tile; });
}

}  // namespace

RandomMatch::RandomMatch(std::uint32_t seed) : rng_(seed) { platform::rand_seed(seed); }

bool RandomMatch::chance(int percent) { return pick(100) < percent; }
int RandomMatch::pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }

void RandomMatch::note(const std::string& problem) {
  broke_ = true;
  if (problems_.size() < 50) problems_.push_back("hand " + std::to_string(tally_.hands) + ": " + problem);
}

void RandomMatch::set_up_hand() {
  if (vary_options) {
    g_options[opt_voice_balloons] = pick(2);
    g_options[opt_flowers] = pick(3);
    g_options[opt_flowers_after_deal] = pick(3);
    g_options[opt_false_win] = pick(2);
    g_options[opt_com_speed] = 0;
    g_options[opt_ai_tile_choice] = pick(7);
  }
  if (!keep_seats) {
    g_dealer = pick(kSeats);
    g_round_wind = pick(kSeats);
    for (int seat = 1; seat < kSeats; ++seat) {
      g_seat_character[seat] = 1 + pick(6);
      if (characters[seat] != 0) g_seat_character[seat] = characters[seat];
    }
  }
  setup_new_hand();
  g_scene = SCENE_DEAL;
  g_scene_frame = 0;
  invariants_.begin_hand();
  watch_ = DiscardWatch{};
  win_scene_ = 0;
  same_scene_frames_ = 0;
  broke_ = false;
}

bool RandomMatch::play_hand() {
  set_up_hand();
  int frames = 0;
  while (step()) {
    if (++frames > kFrameLimit) {
      note("no end after " + std::to_string(kFrameLimit) + " frames, stuck in scene " + std::to_string(g_scene));
      break;
    }
  }
  tally_.frames += frames;
  check_hand_end();
  ++tally_.hands;
  return !broke_;
}

bool RandomMatch::step() {
  const int scene = g_scene;
  if (scene == SCENE_WIN || scene == SCENE_EXHAUSTIVE_DRAW) return false;
  const MeldTable before = melds_now();
  const int false_wins_before = g_seat_state[0].false_win;
  const int won_before = won_count();
  const int seat = block_seat(scene);
  std::array<int, kHandSlots> hand_before{};
  const int river_before = seat >= 0 ? g_river_count[seat] : 0;
  if (seat >= 0) std::copy(std::begin(g_hand[seat]), std::end(g_hand[seat]), hand_before.begin());
  if (is_turn_scene(scene) && seat == 0 && user_follows_advisor) {
    play_user_by_advisor();
  } else if (is_turn_scene(scene) && (seat == 0 || driven[seat])) {
    play_turn(seat);
  } else if (scene == SCENE_USER_CLAIM) {
    answer_claim_panel();
  } else if (scene == SCENE_USER_ROB_KONG) {
    answer_robbing_panel();
  } else if (scene == SCENE_USER_CHOW_CHOICE) {
    choose_user_chow();
  } else if (!dispatch_scene(scene)) {
    note("no handler for scene " + std::to_string(scene));
    return false;
  }
  if (is_turn_scene(scene)) {
    check_discard_was_free(seat, hand_before, river_before);
    if (on_discard && g_river_count[seat] == river_before + 1) on_discard(seat);
  }
  if (is_discarded_scene(scene) && on_claims_decided) on_claims_decided(seat);
  if (is_discarded_scene(scene)) choose_claims(seat);
  tally_.false_wins += g_seat_state[0].false_win - false_wins_before;
  if (won_count() > won_before) win_scene_ = scene;
  // New or changed melds: what claimed them and from where.
  for (int s = 0; s < kSeats; ++s) {
    for (int i = 0; i < kMeldSlots; ++i) {
      const int was = before[s][i];
      const int now = g_melds[s][i];
      if (was == now) continue;
      const std::string where = "scene " + std::to_string(scene) + ", seat " + std::to_string(s) + ": ";
      if (was != 0) {
        if (meld_kind(was) == kMeldPung && now == was + kAddedKongStep && is_turn_scene(scene))
          ++tally_.added_kongs;
        else if (!(meld_kind(was) == kMeldMeldedKong && now == was - kAddedKongStep && is_kong_scene(scene)))
          note(where + "meld " + std::to_string(was) + " became " + std::to_string(now));
        continue;
      }
      if (meld_kind(now) == kMeldConcealedKong) {
        if (!is_turn_scene(scene)) note(where + "concealed kong outside the seat's turn");
        ++tally_.concealed_kongs;
        continue;
      }
      if (!is_check_scene(scene) && scene != SCENE_USER_CHOW_CHOICE) {
        note(where + "a claim outside the claim checks");
        continue;
      }
      const int kind = meld_kind(now);
      ++(kind == kMeldChow ? tally_.chows : kind == kMeldPung ? tally_.pungs : tally_.melded_kongs);
      if (!watch_.active) note(where + "a claim with no discard on offer");
      if (watch_.wall_count == 0) note(where + "a call on the last tile of the wall");
      const int d = watch_.discarder;
      if (kind == kMeldChow) {
        if (s != next_seat(d)) note(where + "chow of seat " + std::to_string(d) + "'s discard, not the left neighbour");
        if (meld_tile(now) + meld_source(now) != watch_.tile) note(where + "chow " + std::to_string(now) + " does not hold the discard");
      } else if (meld_tile(now) != watch_.tile || meld_source(now) != claim_source(d, s)) {
        note(where + "meld " + std::to_string(now) + " is not the latest discard of seat " + std::to_string(d));
      }
      if (g_river_count[d] != watch_.river_count - 1) note(where + "the discarder's river did not give up exactly the claimed tile");
    }
  }
  watch_discard(scene);
  same_scene_frames_ = g_scene == scene ? same_scene_frames_ + 1 : 0;
  if (same_scene_frames_ == kSceneFrameLimit) note("scene " + std::to_string(scene) + " unchanged for " + std::to_string(kSceneFrameLimit) + " frames");
  const std::vector<std::string> violations = invariants_.check();
  if (!violations.empty()) note("after scene " + std::to_string(scene) + " (now " + std::to_string(g_scene) + "):\n" + join_lines(violations));
  return true;
}

// After the discarded scene: the discard the checks are about. Across the
// checks: at most one claim, and a win takes exactly that tile.
void RandomMatch::watch_discard(int scene) {
  if (is_discarded_scene(scene)) {
    const int d = block_seat(scene);
    watch_ = {true, d, g_river_count[d], tile_of(g_river[d][g_river_count[d] - 1]), meld_total(), g_wall_count};
    return;
  }
  if (!watch_.active) return;
  if (meld_total() > watch_.melds + 1) note("two claims on one discard of seat " + std::to_string(watch_.discarder));
  if (g_river_count[watch_.discarder] < watch_.river_count - 1) note("the river lost more than one tile to claims");
  if (is_check_scene(scene) && g_scene == SCENE_WIN) {
    if (g_hand[g_winner][kDrawSlot] != watch_.tile) note("a win on a tile other than the latest discard");
    if (g_river[watch_.discarder][watch_.river_count - 1] != 0) note("the discard won on is still in the river");
  }
  if (g_scene == seat_draw_scene(next_seat(watch_.discarder)) || is_turn_scene(g_scene) || is_kong_scene(g_scene))
    watch_.active = false;
}

void RandomMatch::play_turn(int seat) {
  g_ai_drawn_tile = g_hand[seat][kDrawSlot];
  const bool after_claim = g_after_naki_turn == 1;
  if (!after_claim && g_seat_state[seat].false_win == 0 && chance(90) && try_tsumo(seat)) return;
  if (g_scene != seat_turn_scene(seat)) return;  // a false win's shout
  if (const int flower = first_flower(seat); flower != 0 && !(seat == 0 && after_claim)) {
    declare_flowers(seat, flower);
    return;
  }
  if (!after_claim && g_wall_count >= 1 && chance(70)) {
    for (int i = 0; i < kHandSlots; ++i) {
      const int slot = g_hand[seat][i];
      if (!is_free_slot(slot) || !is_playing_tile(slot)) continue;
      const bool added = has_pung_of(seat, slot);
      const bool concealed = std::count(g_hand[seat], g_hand[seat] + kHandSlots, slot) == 4;
      if (!added && !concealed) continue;
      move_to_slot13(seat, i);
      if (added ? try_added_kan(seat) : try_concealed_kan(seat)) return;
      break;
    }
  }
  std::vector<int> choices;
  for (int i = 0; i < kHandSlots; ++i)
    if (is_free_slot(g_hand[seat][i]) && is_playing_tile(g_hand[seat][i])) choices.push_back(i);
  if (choices.empty()) {
    note("seat " + std::to_string(seat) + " has nothing to discard");
    g_scene = SCENE_EXHAUSTIVE_DRAW;
    return;
  }
  com_discard(seat, choose_discard(seat, choices));
}

void RandomMatch::play_user_by_advisor() {
  g_ai_drawn_tile = g_hand[0][kDrawSlot];
  const bool after_claim = g_after_naki_turn == 1;
  if (!after_claim && g_seat_state[0].false_win == 0 &&
      win_points_with(0, g_hand[0][kDrawSlot], 0) >= kMinimumWinPoints && try_tsumo(0))
    return;
  if (const int flower = first_flower(0); flower != 0 && !after_claim) {
    declare_flowers(0, flower);
    return;
  }
  const int tile = advise_user_discard();
  const int* slot = std::find(g_hand[0], g_hand[0] + kHandSlots, tile);
  if (tile == 0 || slot == g_hand[0] + kHandSlots) {
    note("the advisor suggested " + std::to_string(tile) + ", which the user does not hold");
    g_scene = SCENE_EXHAUSTIVE_DRAW;
    return;
  }
  com_discard(0, static_cast<int>(slot - g_hand[0]));
}

// A discard made in a turn scene was a free tile of the seat's hand.
void RandomMatch::check_discard_was_free(int seat, const std::array<int, kHandSlots>& hand_before, int river_before) {
  if (g_river_count[seat] != river_before + 1) return;
  const int tile = tile_of(g_river[seat][g_river_count[seat] - 1]);
  if (!is_playing_tile(tile) || std::find(hand_before.begin(), hand_before.end(), tile) == hand_before.end())
    note("seat " + std::to_string(seat) + " discarded " + std::to_string(tile) + ", not a free tile of its hand");
}

// Mostly a sensible discard, so that hands get ready and win: one that
// keeps the hand ready, else the loneliest tile; now and then any tile.
int RandomMatch::choose_discard(int seat, const std::vector<int>& choices) {
  if (chance(10)) return choices[pick(static_cast<int>(choices.size()))];
  std::copy(std::begin(g_hand[seat]), std::end(g_hand[seat]), g_wait_hand);
  for (int slot : choices) {
    g_wait_slot = slot;
    find_waits();
    if (g_wait_count > 0) return slot;
  }
  int best = choices[0];
  int best_value = 1 << 30;
  for (int slot : choices) {
    const int value = keep_value(seat, g_hand[seat][slot]) * 8 + pick(8);
    if (value < best_value) {
      best_value = value;
      best = slot;
    }
  }
  return best;
}

// Random but legal calls by the driven COM seats (the program's win test
// has already run), with now and then a flag the hand cannot make, which
// the recheck must drop.
void RandomMatch::choose_claims(int discarder) {
  const int tile = latest_discard_tile();
  for (int seat = next_seat(discarder); seat != discarder; seat = next_seat(seat)) {
    if (seat == 0 || !driven[seat] || g_naki_flags[seat][0] == 1) continue;
    int* flags = g_naki_flags[seat];
    const int copies = free_copies(seat, tile, kDrawSlot);
    // A waiting seat flags the win whatever it scores: under 8 points the
    // win check fails and the later claims go on.
    if (chance(60) && is_wait_of(seat, tile)) flags[0] = 1;
    if (copies >= 3 && chance(40)) flags[3] = 1;
    if (copies >= 2 && chance(25)) flags[1] = 1;
    if (seat == next_seat(discarder) && chance(20)) {
      const int variant = 1 + pick(3);
      if (chow_shape_possible(seat, tile, variant)) {
        flags[2] = 1;
        g_chi_variant[seat] = variant;
      }
    }
    if (chance(3)) flags[1 + pick(3)] = 1;
    if (chance(3)) g_chi_variant[seat] = pick(5);
  }
  recheck_naki_flags();
  for (int seat = 0; seat < kSeats; ++seat) {
    if (g_naki_flags[seat][1] == 1 && free_copies(seat, tile, kDrawSlot) < 2) note("pung flag kept without two free copies");
    if (g_naki_flags[seat][3] == 1 && free_copies(seat, tile, kDrawSlot) < 3) note("kong flag kept without three free copies");
    if (g_naki_flags[seat][2] == 1 && seat != 0 && !chow_shape_possible(seat, tile, g_chi_variant[seat]))
      note("chow flag kept for a shape the hand cannot make");
  }
}

// The user's claim panel: a random enabled row, or the decline.
void RandomMatch::answer_claim_panel() {
  ++tally_.user_offers;
  std::vector<int> rows;
  for (int row = 0; row < 4; ++row)
    if (g_user_naki_options[row] == 1) rows.push_back(row);
  const int d = g_discarder;
  if (rows.empty()) note("claim panel with no enabled row");
  if (user_follows_advisor) {
    // The hint's claim (4 win, 2 pung, 1 chow, 3 kong) when the panel offers it.
    constexpr int kRowOfHint[5] = {-1, 2, 1, 3, 0};
    const int row = g_user_action >= 1 && g_user_action <= 4 ? kRowOfHint[g_user_action] : -1;
    rows.clear();
    if (row >= 0 && g_user_naki_options[row] == 1) rows.push_back(row);
  }
  if (!rows.empty() && (user_follows_advisor || chance(70))) {
    g_naki_flags[0][rows[pick(static_cast<int>(rows.size()))]] = 1;
    g_popup_open = 0;
  } else {
    g_user_action = 0;
    g_shown_points = 0;
    g_river[d][g_river_count[d] - 1] -= kOfferMark;
  }
  g_scene = g_return_scene;
}

void RandomMatch::answer_robbing_panel() {
  ++tally_.robbing_offers;
  g_user_action = 0;
  g_shown_points = 0;
  if (chance(70)) g_robbing_flags[0] = 1;
  g_scene = g_return_scene;
}

void RandomMatch::choose_user_chow() {
  std::vector<int> shapes;
  for (int v = 1; v <= 3; ++v)
    if (g_chi_shapes[v - 1] == 1) shapes.push_back(v);
  if (shapes.size() < 2) note("chow choice with fewer than two shapes");
  if (shapes.empty()) {
    g_scene = SCENE_EXHAUSTIVE_DRAW;
    return;
  }
  g_chi_variant[0] = shapes[pick(static_cast<int>(shapes.size()))];
  do_chi(0, g_chi_variant[0]);
}

void RandomMatch::check_hand_end() {
  if (g_scene == SCENE_EXHAUSTIVE_DRAW) {
    ++tally_.exhaustive_draws;
    if (g_wall_count != 0 && !broke_) note("exhaustive draw with " + std::to_string(g_wall_count) + " tiles left");
    return;
  }
  if (g_scene != SCENE_WIN) return;
  int sum = 0;
  for (int change : g_score_changes) sum += change;
  if (sum != 0) note("payments sum to " + std::to_string(sum));
  const int p = g_win_points;
  const int w = g_winner;
  if (g_dealt_in_seat == 9) {
    ++tally_.self_drawn_wins;
    if (g_score_changes[w] != 3 * (8 + p)) note("self-drawn winner receives " + std::to_string(g_score_changes[w]));
    return;
  }
  ++(is_kong_scene(win_scene_) ? tally_.robbing_wins : tally_.discard_wins);
  if (g_score_changes[w] != p + 24 || g_score_changes[g_dealt_in_seat] != -8 - p)
    note("discard win payments " + std::to_string(g_score_changes[w]) + " / " + std::to_string(g_score_changes[g_dealt_in_seat]));
}
