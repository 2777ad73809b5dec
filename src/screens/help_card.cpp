#include "screens/help_card.h"

#include <cstdint>

#include "platform/platform.h"
#include "shell/gdi.h"

namespace {
constexpr std::uint32_t kEdge = 0xB08D3C;
constexpr std::uint32_t kFill = 0xFFFFFF;
constexpr int kEdgeWidth = 3;
}  // namespace

void draw_help_card(int left, int top, int right, int bottom) {
  platform::fill_rect(g_back_surface, left, top, right - left, bottom - top, kEdge);
  platform::fill_rect(g_back_surface, left + kEdgeWidth, top + kEdgeWidth, right - left - 2 * kEdgeWidth,
                      bottom - top - 2 * kEdgeWidth, kFill);
}
