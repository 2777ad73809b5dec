// The table: hands, melds, wall, discards, flowers, claim flags, scores and
// seat order of the match and the hand in play. Every record is a plain
// global of 32-bit integers, written by table play and read everywhere.
#pragma once

#include <array>

#include "core/tiles.h"

constexpr int kWallCapacity = 144;
constexpr int kMaxFlowers = 8;
constexpr int kRiverSlideStart = 8;  // slide-in offset of a new discard

// ------------------------------------------------------- hands, melds, wall
extern int g_hand[kSeats][kHandSlots];          // tile + 100 x marker; slot 13 = drawn/claimed tile
extern int g_melds[kSeats][kMeldSlots];         // MeldCode in declaration order, 0 free
extern int g_meld_slide[kSeats][kMeldSlots];    // slide-in offset per meld, 14 when declared
extern int g_wall[kWallCapacity];               // entries 0..g_wall_count-1 are live
extern int g_wall_count;                        // tiles left; every draw takes the last live entry
extern int g_river[kSeats][kRiverCapacity];     // discards; +200 marks the one offered to the user; 0 claimed/won
extern int g_river_count[kSeats];
extern int g_river_tsumogiri[kSeats][kRiverCapacity];  // 1 when the discard was the tile just drawn
extern int g_river_slide[kSeats][kRiverCapacity];      // slide-in offset per discard
extern int g_discard_history[kSeats][kRiverCapacity];  // every discard, claimed ones included
extern int g_discard_history_count[kSeats];            // also the seat's turn number

struct HanaRecord {
  int tiles[kMaxFlowers];  // flowers set aside, in order
  int count;
  int pending;             // replacement draws still owed during a flower scene
};
extern HanaRecord g_hana[kSeats];

// --------------------------------------------------------- match and seats
extern int g_scores[kSeats];         // totals; move with their character at a seat change
extern int g_score_changes[kSeats];  // the last hand's change per seat
extern int g_dealer;                 // dealer seat (East)
extern int g_first_dealer;           // dealer of the wind round's first hand
extern int g_round_wind;             // 0 East .. 3 North
extern int g_seat_character[kSeats]; // 0 the user, 1..6 COM1..COM6; seat 0 always 0

struct StandingsEntry {
  int seat;
  int zero;       // always 0
  int character;  // -1 until filled
  int score;
  int score_again;
  int place;      // 0..3
};
extern StandingsEntry g_standings[kSeats];
extern int g_dice[2];  // 0..5, drawn beside the dealer

// -------------------------------------------------- turn and claim bookkeeping
extern int g_turn_seat;            // seat whose flowers are handled / whose turn runs
extern int g_discarder;            // seat whose discard or added kong is being claimed
extern int g_return_scene;         // where the user's claim/rob panel and the flower scene return
extern int g_shout_return_scene;   // where the shout pause returns
extern int g_balloon[kSeats];      // shout shown: 1 win, 2 chow, 3 pung, 4 kong, 5 flower
// The words of a seat's claim flags on the current discard.
enum NakiFlag : int { kWinFlag = 0, kPungFlag = 1, kChowFlag = 2, kKongFlag = 3, kNakiFlags = 4 };
extern int g_naki_flags[kSeats][kNakiFlags];  // 1: the seat claims the discard that way
extern int g_chi_variant[kSeats];    // 1 discard highest, 2 middle, 3 lowest
extern int g_chi_shapes[3];          // user's possible chow shapes, entry v-1 for shape v
extern int g_chi_positions[2];       // hand slots of the two tiles of a chow shape
extern int g_user_naki_options[4];   // enabled rows of the user's panel or pop-up
extern int g_kan_candidates[3];      // tiles the user can kong
extern int g_kan_choice;             // hovered kong candidate, 1-based
extern int g_kong_tile;              // last kong: tile + 100 x meld slot
extern int g_kong_this_turn;         // 1 after a COM kong this turn
extern int g_kong_draw_flag;         // 1 while the seat's draw is a kong replacement
extern int g_robbing_flags[kSeats];  // seat may rob the current added kong
extern int g_robbing_kong_flag;      // 1 while a robbing win is scored
extern int g_after_naki_turn;        // 1 while the turn follows the seat's pung or chow
extern int g_popup_lock_after_naki;  // 1 after the user's pung/chow until the discard
extern int g_discard_not_drawn;      // 1 after a pung/chow: the next discard is not drawn-and-discarded
extern int g_winner;                 // seat that won the hand
extern int g_dealt_in_seat;          // seat that paid for a discard or robbing win; 9 none
extern int g_hand_drawn;             // 0 win, 1 exhaustive draw
extern int g_win_points;             // winning total incl. flowers after the optional cap
extern int g_flower_all;             // flower scene sets aside every flower (1) or g_flower_tile (0)
extern int g_flower_tile;

// ------------------------------------------------ display state of the table
extern int g_draw_anim_frames;   // frames a draw takes
extern int g_deal_step;
extern int g_sort_frame;
extern int g_draw_banner;
extern int g_hands_revealed;
extern int g_result_panel_hidden;
extern int g_shown_points;
extern int g_suggested_discard;
extern int g_user_action;
extern int g_naki_hint_tile;
extern int g_naki_hint_chi;
extern int g_pick;          // hovered hand slot + 1 in scene 210 (14 = slot 13), 200 = result box
extern int g_popup_open;
extern int g_popup_hover;
extern int g_popup_x;
extern int g_popup_y;

// ------------------------------------------------------------ per-seat state
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
  int words[kReadyDiscardEvalWords];
};

struct SeatState {
  int false_win;         // 1 after a declared win under 8 points
  int false_win_timer;   // 400 when set, counted down by the table view
  int hand_revealed;     // 1 for the winner from frame 10 of the win scene
  int defend;            // COM defence flag
  int won;
  int naki_count;        // pungs, chows and COM kongs this hand
  int open_naki_count;   // the same without concealed kongs
  int just_claimed;      // 1 after a pung or chow until the discard
  int ready_discard_now; // a ready discard exists this turn
  int was_ready;         // ready at some point
  int ready_river_size;  // river size then
  int was_ready_8;       // had an 8-point ready hand at some point
  int ready_8_river_size;
  ReadyDiscardEval eval[kHandSlots];
};
extern SeatState g_seat_state[kSeats];

// Declared melds of the seat (0..4).
int declared_melds(int seat);

// Zeroes every record above (the state of a fresh start).
void reset_table_state();
