// The turn of a COM seat after its draw or its claim: one call decides and
// starts exactly one of a self-drawn win, a flower declaration, a kong or a
// discard chosen by the character's planner and the final pick.
#pragma once

struct ComTurnState {
  int drawn_tile = 0;  // slot 13 at the start of the turn: the tile drawn or moved there after a claim
};
extern ComTurnState g_com_turn_state;

inline auto& g_ai_drawn_tile = g_com_turn_state.drawn_tile;

// Seat 1..3, called from the seat's turn scene: the handler of the seat's
// character, then the safety marks against seats with four melds.
void com_turn(int seat);

// One handler per character (0 and 1 both COM1's); COM1 tests only the
// first wait of a ready hand for the chicken-hand kong veto.
void com_turn_com1(int seat);
void com_turn_com2(int seat);
void com_turn_com3(int seat);
void com_turn_com4(int seat);
void com_turn_com5(int seat);
void com_turn_com6(int seat);

// Pattern ids under which a seat declares no kong of either kind, and those
// under which it declares no concealed kong (unless its hand is ready
// without the chicken hand).
constexpr int kNoKongAims[] = {40, 48, 56, 57, 62, 65, 68, 75, 77, 79};
constexpr int kNoConcealedKongAims[] = {27, 33, 34, 35, 43, 47, 49, 50, 53, 54};

// Discards the tile of the slot: the other slots 0..12 sorted, the tile
// recorded in the river (drawn-and-discarded when it is g_ai_drawn_tile and
// the turn followed a draw), the seat's discarded scene next.
void com_discard(int seat, int slot);

// The computer players' records of one hand cleared for a new hand: every
// seat's target, the safety marks and the ready-discard records.
void clear_com_hand_records();
