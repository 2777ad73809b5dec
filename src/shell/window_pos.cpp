#include "shell/window_pos.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/platform.h"

namespace {

// Part of the window that must stay on a display (the caption bar's start).
constexpr int kMinVisible = 64;

// The corners the window's top-left may take on a display and stay within reach.
platform::Rect corner_area(const platform::Rect& d) {
  return {d.left, d.top, std::max(d.left, d.right - kMinVisible), std::max(d.top, d.bottom - kMinVisible)};
}

WindowPos pulled_into(const platform::Rect& area, WindowPos pos) {
  return {std::clamp(pos.left, area.left, area.right), std::clamp(pos.top, area.top, area.bottom)};
}

std::int64_t squared_distance(WindowPos a, WindowPos b) {
  const std::int64_t dx = a.left - b.left;
  const std::int64_t dy = a.top - b.top;
  return dx * dx + dy * dy;
}

// The nearest point of the nearest display (the first on a tie): a position
// on any display is its own nearest point and is kept.
WindowPos within_reach(WindowPos pos, const std::vector<platform::Rect>& displays) {
  std::optional<WindowPos> best;
  for (const platform::Rect& d : displays) {
    const WindowPos pulled = pulled_into(corner_area(d), pos);
    if (!best || squared_distance(pulled, pos) < squared_distance(*best, pos)) best = pulled;
  }
  return best.value_or(pos);
}

}  // namespace

WindowPos read_window_pos() {
  std::array<std::int32_t, 2> words{0, 0};
  platform::read_words(platform::native_path(kWinXyFile), words);
  const WindowPos stored{std::max(0, static_cast<int>(words[0])), std::max(0, static_cast<int>(words[1]))};
  const WindowPos pos = within_reach(stored, platform::display_rects());
  // A display left of or above the origin does not bring a negative value back.
  return {std::max(0, pos.left), std::max(0, pos.top)};
}

bool write_window_pos(WindowPos pos) {
  const std::array<std::int32_t, 2> words{pos.left, pos.top};
  return platform::write_words(platform::native_path(kWinXyFile), words);
}
