#include "com/target/seat_facts.h"

#include <cassert>

#include "com/target/target_script.h"

void fill_seat_facts(int seat) {
  g_seat_facts = SeatFacts{};
  g_seat_facts.seat = seat;
  g_seat_facts.flush = flush_facts(seat);
  g_seat_facts.pung = pung_facts(tally_melds(seat));
  g_seat_facts.range = range_facts(seat);
  const KindMasks kinds = kind_masks();
  g_seat_facts.kinds = kinds;
  g_seat_facts.knitted = {best_knitted(g_knitted_honour_masks, 3, kinds), best_knitted(g_knitted_masks, 1, kinds)};
}

const SeatFacts& seat_facts(int seat) {
  if (g_target_script_state.running_seat != seat) fill_seat_facts(seat);
  assert(g_seat_facts.seat == seat);
  return g_seat_facts;
}
