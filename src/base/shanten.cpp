#include "base/shanten.h"

#include <cassert>

#include "base/table_state.h"
#include "base/visible.h"

int g_shanten_normal = kWorstNormal;
int g_shanten_chiitoi = kWorstChiitoi;
int g_shanten_kokushi = kWorstKokushi;
int g_shanten_knitted = kWorstKnitted;
int g_shanten_blocks = 0;
int g_shanten_pairs = 0;

namespace {

void publish(const ShantenResult& r) {
  g_shanten_normal = r.normal;
  g_shanten_chiitoi = r.chiitoi;
  g_shanten_kokushi = r.kokushi;
  g_shanten_knitted = r.knitted;
  g_shanten_blocks = r.blocks;
  g_shanten_pairs = r.pairs;
}

}  // namespace

void calc_shanten(int seat, int skip_slot) {
  assert(seat >= 0 && seat < kSeats);
  publish(distance_to_ready(g_hand[seat], skip_slot, declared_melds(seat), g_visible_counts));
}

void reset_shanten_state() { publish(ShantenResult{}); }
