// The millisecond clock.
#include <chrono>

#include "platform/platform_state.h"

namespace platform {

std::uint32_t clock_ms() {
  if (g_clock_virtual) return g_virtual_clock_ms;
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  // Wraps after 49 days; callers only ever subtract two readings.
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

}  // namespace platform
