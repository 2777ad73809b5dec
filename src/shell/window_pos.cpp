#include "shell/window_pos.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/platform.h"

namespace {
constexpr const char* kWinXyFile = "data\\win_xy.dat";
// Part of the window that must stay on the desktop (the caption bar's start).
constexpr int kMinVisible = 64;
}  // namespace

WindowPos read_window_pos() {
  std::array<std::int32_t, 2> words{0, 0};
  platform::read_words(platform::native_path(kWinXyFile), words);
  WindowPos pos{std::max(0, static_cast<int>(words[0])), std::max(0, static_cast<int>(words[1]))};
  const platform::Rect desk = platform::desktop_rect();
  if (desk.right > desk.left && desk.bottom > desk.top) {
    pos.left = std::clamp(pos.left, std::max(0, desk.left), std::max(0, desk.right - kMinVisible));
    pos.top = std::clamp(pos.top, std::max(0, desk.top), std::max(0, desk.bottom - kMinVisible));
  }
  return pos;
}

bool write_window_pos(WindowPos pos) {
  const std::array<std::int32_t, 2> words{pos.left, pos.top};
  return platform::write_words(platform::native_path(kWinXyFile), words);
}
