#include "com/turn/cascade_places.h"

// The places of the opponent-danger filters; until their tests land no
// tile is held back and the pool goes to the relaxation levels as the
// keepers left it.
void guard_one_suit(int /*seat*/) {}
void guard_terminals_and_honours(int /*seat*/) {}
void guard_shifted_pungs(int /*seat*/) {}
void guard_all_honours(int /*seat*/) {}
void guard_all_terminals(int /*seat*/) {}
void guard_four_winds(int /*seat*/) {}
void guard_big_three_dragons(int /*seat*/) {}
void guard_all_green(int /*seat*/) {}
