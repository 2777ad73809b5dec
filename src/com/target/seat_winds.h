// The honours that count for a seat: its own wind, the round's wind and the
// value honours (those two and the dragons).
#pragma once

#include "core/tiles.h"
#include "base/table_state.h"

inline int own_wind_tile(int seat) { return seat_wind_tile(seat, g_dealer); }
inline int round_wind_tile() { return kEast + g_round_wind; }
inline bool is_value_honour_of(int seat, int tile) {
  return is_dragon(tile) || tile == own_wind_tile(seat) || tile == round_wind_tile();
}
