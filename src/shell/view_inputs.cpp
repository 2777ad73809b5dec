#include "shell/view_inputs.h"

#include <algorithm>

ShownPattern g_view_yaku[kYakuCount];
int g_view_aim_yaku[kAimSlots];
int g_view_aim_variant[kAimSlots];

bool pattern_found(int id) { return g_view_yaku[id].found != 0; }
int pattern_points(int id) { return g_view_yaku[id].points; }

int aimed_yaku(int slot) { return g_view_aim_yaku[slot]; }
int aimed_variant(int slot) { return g_view_aim_variant[slot]; }

void reset_view_inputs_state() {
  std::fill(std::begin(g_view_yaku), std::end(g_view_yaku), ShownPattern{});
  std::fill(std::begin(g_view_aim_yaku), std::end(g_view_aim_yaku), 0);
  std::fill(std::begin(g_view_aim_variant), std::end(g_view_aim_variant), 0);
}
