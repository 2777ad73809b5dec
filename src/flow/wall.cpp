#include "flow/wall.h"

#include <cassert>

#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"

int take_wall_tile() {
  assert(g_wall_count > 0 && g_wall_count <= kWallCapacity);
  --g_wall_count;
  return g_wall[g_wall_count];
}

bool check_wall_exhausted() {
  if (g_wall_count > 0) return false;
  g_scene = SCENE_EXHAUSTIVE_DRAW;
  g_scene_frame = 0;
  g_result_panel_hidden = 0;
  return true;
}
