// The table: hands, melds, wall, discards, flowers, claim flags, scores and
// seat order of the match and the hand in play. Every record is a
// 32-bit integer field of one TableState, written by table play and read
// everywhere by its name g_<field>.
#pragma once

#include <array>

#include "core/tiles.h"

constexpr int kWallCapacity = 144;
constexpr int kMaxFlowers = 8;
constexpr int kRiverSlideStart = 8;  // slide-in offset of a new discard

struct HanaRecord {
  int tiles[kMaxFlowers]{};  // flowers set aside, in order
  int count{};
  int pending{};             // replacement draws still owed during a flower scene
};

struct StandingsEntry {
  int seat{};
  int zero{};         // always 0
  int character{-1};  // -1 until filled
  int score{};
  int score_again{};
  int place{};        // 0..3
};

// The words of a seat's claim flags on the current discard.
enum NakiFlag : int { kWinFlag = 0, kPungFlag = 1, kChowFlag = 2, kKongFlag = 3, kNakiFlags = 4 };

constexpr int kReadyDiscardEvalWords = 11;
// The words of a ready-discard record, one record per hand slot: what
// discarding that slot would leave the seat waiting on.
enum ReadyEvalWord : int {
  kEvalTile = 0,        // the slot's tile when free, 0 for a meld slot
  kEvalMaxPoints = 1,   // highest points over the waits, 0 when not ready
  kEvalMinPoints = 2,   // lowest points over the waits
  kEvalLiveAtMax = 3,   // live copies of the waits worth kEvalMaxPoints
  kEvalLiveAtMin = 4,   // live copies of the waits worth kEvalMinPoints
  kEvalLive8Plus = 5,   // live copies of the waits worth 8 points or more
  kEvalLive7Plus = 6,
  kEvalLive6Plus = 7,
  kEvalWaitKind = 8,    // 0 none, 1 single, 2 edge, 3 closed, 4 seven pairs, 5 orphans, 6 knitted
  kEvalLive1Plus = 9,
  kEvalValue = 10,      // sum of live copies x points (at most 88) over the 8-point waits
};
struct ReadyDiscardEval {
  int words[kReadyDiscardEvalWords]{};
};

struct SeatState {
  int false_win{};          // 1 after a declared win under 8 points
  int false_win_timer{};    // 400 when set, counted down by the table view
  int hand_revealed{};      // 1 for the winner from frame 10 of the win scene
  int defend{};             // COM defence flag
  int won{};
  int naki_count{};         // pungs, chows and COM kongs this hand
  int open_naki_count{};    // the same without concealed kongs
  int just_claimed{};       // 1 after a pung or chow until the discard
  int ready_discard_now{};  // a ready discard exists this turn
  int was_ready{};          // ready at some point
  int ready_river_size{};   // river size then
  int was_ready_8{};        // had an 8-point ready hand at some point
  int ready_8_river_size{};
  ReadyDiscardEval eval[kHandSlots]{};
};

// ----------------------------------------------------------- the whole table
struct TableState {
  // hands, melds, wall
  int hand[kSeats][kHandSlots]{};          // tile + 100 x marker; slot 13 = drawn/claimed tile
  int melds[kSeats][kMeldSlots]{};         // MeldCode in declaration order, 0 free
  int meld_slide[kSeats][kMeldSlots]{};    // slide-in offset per meld, 14 when declared
  int wall[kWallCapacity]{};               // entries 0..g_wall_count-1 are live
  int wall_count{};                        // tiles left; every draw takes the last live entry
  int river[kSeats][kRiverCapacity]{};     // discards; +200 marks the one offered to the user; 0 claimed/won
  int river_count[kSeats]{};
  int river_tsumogiri[kSeats][kRiverCapacity]{};  // 1 when the discard was the tile just drawn
  int river_slide[kSeats][kRiverCapacity]{};      // slide-in offset per discard
  int discard_history[kSeats][kRiverCapacity]{};  // every discard, claimed ones included
  int discard_history_count[kSeats]{};            // also the seat's turn number
  HanaRecord hana[kSeats]{};
  // match and seats
  int scores[kSeats]{};         // totals; move with their character at a seat change
  int score_changes[kSeats]{};  // the last hand's change per seat
  int dealer{};                 // dealer seat (East)
  int first_dealer{};           // dealer of the wind round's first hand
  int round_wind{};             // 0 East .. 3 North
  int seat_character[kSeats]{}; // 0 the user, 1..6 COM1..COM6; seat 0 always 0
  StandingsEntry standings[kSeats]{};
  int dice[2]{};  // 0..5, drawn beside the dealer
  // turn and claim bookkeeping
  int turn_seat{};            // seat whose flowers are handled / whose turn runs
  int discarder{};            // seat whose discard or added kong is being claimed
  int return_scene{};         // where the user's claim/rob panel and the flower scene return
  int shout_return_scene{};   // where the shout pause returns
  int balloon[kSeats]{};      // shout shown: 1 win, 2 chow, 3 pung, 4 kong, 5 flower
  int naki_flags[kSeats][kNakiFlags]{};  // 1: the seat claims the discard that way
  int chi_variant[kSeats]{};    // 1 discard highest, 2 middle, 3 lowest
  int chi_shapes[3]{};          // user's possible chow shapes, entry v-1 for shape v
  int chi_positions[2]{};       // hand slots of the two tiles of a chow shape
  int user_naki_options[4]{};   // enabled rows of the user's panel or pop-up
  int kan_candidates[3]{};      // tiles the user can kong
  int kan_choice{};             // hovered kong candidate, 1-based
  int kong_tile{};              // last kong: tile + 100 x meld slot
  int kong_this_turn{};         // 1 after a COM kong this turn
  int kong_draw_flag{};         // 1 while the seat's draw is a kong replacement
  int robbing_flags[kSeats]{};  // seat may rob the current added kong
  int robbing_kong_flag{};      // 1 while a robbing win is scored
  int after_naki_turn{};        // 1 while the turn follows the seat's pung or chow
  int popup_lock_after_naki{};  // 1 after the user's pung/chow until the discard
  int discard_not_drawn{};      // 1 after a pung/chow: the next discard is not drawn-and-discarded
  int winner{};                 // seat that won the hand
  int dealt_in_seat{9};         // seat that paid for a discard or robbing win; 9 none
  int hand_drawn{};             // 0 win, 1 exhaustive draw
  int win_points{};             // winning total incl. flowers after the optional cap
  int flower_all{};             // flower scene sets aside every flower (1) or g_flower_tile (0)
  int flower_tile{};
  // display state of the table
  int draw_anim_frames{};   // frames a draw takes
  int deal_step{};
  int sort_frame{};
  int draw_banner{};
  int hands_revealed{};
  int result_panel_hidden{};
  int shown_points{};
  int suggested_discard{};
  int user_action{};
  int naki_hint_tile{};
  int naki_hint_chi{};
  int pick{};          // hovered hand slot + 1 in scene 210 (14 = slot 13), 200 = result box
  int popup_open{};
  int popup_hover{};
  int popup_x{};
  int popup_y{};
  // per-seat state
  SeatState seat_state[kSeats]{};
};
extern TableState g_table_state;

inline auto& g_hand = g_table_state.hand;
inline auto& g_melds = g_table_state.melds;
inline auto& g_meld_slide = g_table_state.meld_slide;
inline auto& g_wall = g_table_state.wall;
inline auto& g_wall_count = g_table_state.wall_count;
inline auto& g_river = g_table_state.river;
inline auto& g_river_count = g_table_state.river_count;
inline auto& g_river_tsumogiri = g_table_state.river_tsumogiri;
inline auto& g_river_slide = g_table_state.river_slide;
inline auto& g_discard_history = g_table_state.discard_history;
inline auto& g_discard_history_count = g_table_state.discard_history_count;
inline auto& g_hana = g_table_state.hana;
inline auto& g_scores = g_table_state.scores;
inline auto& g_score_changes = g_table_state.score_changes;
inline auto& g_dealer = g_table_state.dealer;
inline auto& g_first_dealer = g_table_state.first_dealer;
inline auto& g_round_wind = g_table_state.round_wind;
inline auto& g_seat_character = g_table_state.seat_character;
inline auto& g_standings = g_table_state.standings;
inline auto& g_dice = g_table_state.dice;
inline auto& g_turn_seat = g_table_state.turn_seat;
inline auto& g_discarder = g_table_state.discarder;
inline auto& g_return_scene = g_table_state.return_scene;
inline auto& g_shout_return_scene = g_table_state.shout_return_scene;
inline auto& g_balloon = g_table_state.balloon;
inline auto& g_naki_flags = g_table_state.naki_flags;
inline auto& g_chi_variant = g_table_state.chi_variant;
inline auto& g_chi_shapes = g_table_state.chi_shapes;
inline auto& g_chi_positions = g_table_state.chi_positions;
inline auto& g_user_naki_options = g_table_state.user_naki_options;
inline auto& g_kan_candidates = g_table_state.kan_candidates;
inline auto& g_kan_choice = g_table_state.kan_choice;
inline auto& g_kong_tile = g_table_state.kong_tile;
inline auto& g_kong_this_turn = g_table_state.kong_this_turn;
inline auto& g_kong_draw_flag = g_table_state.kong_draw_flag;
inline auto& g_robbing_flags = g_table_state.robbing_flags;
inline auto& g_robbing_kong_flag = g_table_state.robbing_kong_flag;
inline auto& g_after_naki_turn = g_table_state.after_naki_turn;
inline auto& g_popup_lock_after_naki = g_table_state.popup_lock_after_naki;
inline auto& g_discard_not_drawn = g_table_state.discard_not_drawn;
inline auto& g_winner = g_table_state.winner;
inline auto& g_dealt_in_seat = g_table_state.dealt_in_seat;
inline auto& g_hand_drawn = g_table_state.hand_drawn;
inline auto& g_win_points = g_table_state.win_points;
inline auto& g_flower_all = g_table_state.flower_all;
inline auto& g_flower_tile = g_table_state.flower_tile;
inline auto& g_draw_anim_frames = g_table_state.draw_anim_frames;
inline auto& g_deal_step = g_table_state.deal_step;
inline auto& g_sort_frame = g_table_state.sort_frame;
inline auto& g_draw_banner = g_table_state.draw_banner;
inline auto& g_hands_revealed = g_table_state.hands_revealed;
inline auto& g_result_panel_hidden = g_table_state.result_panel_hidden;
inline auto& g_shown_points = g_table_state.shown_points;
inline auto& g_suggested_discard = g_table_state.suggested_discard;
inline auto& g_user_action = g_table_state.user_action;
inline auto& g_naki_hint_tile = g_table_state.naki_hint_tile;
inline auto& g_naki_hint_chi = g_table_state.naki_hint_chi;
inline auto& g_pick = g_table_state.pick;
inline auto& g_popup_open = g_table_state.popup_open;
inline auto& g_popup_hover = g_table_state.popup_hover;
inline auto& g_popup_x = g_table_state.popup_x;
inline auto& g_popup_y = g_table_state.popup_y;
inline auto& g_seat_state = g_table_state.seat_state;

// Declared melds of the seat (0..4).
int declared_melds(int seat);

// Gives the table its fresh value (the state of a fresh start).
void reset_table_state();
