#include "shell/knitted_support.h"

#include <algorithm>

#include "base/options.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "draw/gdi.h"
#include "shell/sheet_ids.h"

namespace {

constexpr int kLowestNeed = 7;  // with opt_knitted_support_count 0
constexpr int kAllVisible = 4;

int first_slot_holding(int tile) {
  for (int i = 0; i < kHandSlots; ++i)
    if (g_hand[0][i] == tile) return i;
  return -1;
}

int declared_melds() {
  return static_cast<int>(std::count_if(std::begin(g_melds[0]), std::end(g_melds[0]), [](int m) { return m != 0; }));
}

bool qualifies(int arrangement, int need) {
  int held = 0;
  for (int tile : g_knitted_tiles[arrangement]) {
    if (first_slot_holding(tile) >= 0)
      ++held;
    else if (g_visible_counts[tile] >= kAllVisible)
      return false;
  }
  return held >= need;
}

void draw_label(int need) {
  blit_bitmap(115, 500, 60, 30, kSheetNotices, 0, 30);
  blit_bitmap(175, 500, 20, 30, kSheetNotices, 60 + 20 * (need - kLowestNeed), 30);
}

void mark_held(int arrangement, bool (&dark)[kHandSlots]) {
  for (int tile : g_knitted_tiles[arrangement]) {
    const int slot = first_slot_holding(tile);
    if (slot >= 0) dark[slot] = true;
  }
}

}  // namespace

void draw_knitted_support(bool (&dark)[kHandSlots]) {
  std::fill(std::begin(dark), std::end(dark), false);
  const int support = option(opt_knitted_support);
  if (support == kKnittedSupportOff || declared_melds() > 1) return;
  const int lowest = kLowestNeed + option(opt_knitted_support_count);
  for (int need = 9; need >= lowest; --need) {
    int qualified = 0;
    for (int a = 0; a < kKnittedArrangements; ++a) {
      if (!qualifies(a, need)) continue;
      ++qualified;
      draw_label(need);
      if (support == kKnittedSupportTextAndGrey) mark_held(a, dark);
    }
    if (qualified >= 2) std::fill(std::begin(dark), std::end(dark), false);
    if (qualified >= 1) return;
  }
}
