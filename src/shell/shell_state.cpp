#include "shell/shell_state.h"

#include "shell/scenes.h"

int g_scene = SCENE_TITLE;
int g_scene_frame = 0;
int g_notice_frames = 0;
int g_notice_kind = 0;
int g_mouse_x = 0;
int g_mouse_y = 0;
int g_fps = 0;
int g_fps_frames = 0;
int g_fps_sample_frames = 0;
std::uint32_t g_fps_sample_ms = 0;

void reset_shell_state() {
  g_scene = SCENE_TITLE;
  g_scene_frame = 0;
  g_notice_frames = 0;
  g_notice_kind = 0;
  g_mouse_x = 0;
  g_mouse_y = 0;
  g_fps = 0;
  g_fps_frames = 0;
  g_fps_sample_frames = 0;
  g_fps_sample_ms = 0;
}
