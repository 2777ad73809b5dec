#include "core/hand_refresh.h"

void refresh_hand_evaluations() {
  // The distance-to-ready records come with the computer players' discard
  // planning; table play already calls this at every place that needs them.
}
