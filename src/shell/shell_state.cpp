#include "base/scene_state.h"
#include "shell/shell_state.h"

int g_notice_frames = 0;
int g_notice_kind = 0;
int g_fps = 0;
int g_fps_frames = 0;
int g_fps_sample_frames = 0;
std::uint32_t g_fps_sample_ms = 0;

void reset_shell_state() {
  g_notice_frames = 0;
  g_notice_kind = 0;
  g_fps = 0;
  g_fps_frames = 0;
  g_fps_sample_frames = 0;
  g_fps_sample_ms = 0;
}
