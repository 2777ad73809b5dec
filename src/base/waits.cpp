#include "base/waits.h"

void publish_waits(const WaitSet& w) { g_waits_area.found = w; }

void find_waits() { publish_waits(waits_of(g_wait_hand, g_wait_slot)); }
