#include "base/waits.h"

#include <algorithm>

void publish_waits(const WaitSet& w) {
  std::copy(std::begin(w.tiles), std::end(w.tiles), g_waits);
  g_wait_count = w.count;
  g_hand_form = w.form;
}

WaitSet current_waits() {
  WaitSet w{};
  std::copy(std::begin(g_waits), std::end(g_waits), w.tiles);
  w.count = g_wait_count;
  w.form = g_hand_form;
  return w;
}

void find_waits() { publish_waits(waits_of(g_wait_hand, g_wait_slot)); }
