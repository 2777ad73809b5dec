// Writing a discard: the seat's discard history and river.
#pragma once

// Appends the tile to the seat's discard history and river, the river entry
// flagged as drawn-and-discarded (0/1). Both have room for every discard a
// seat can make in a hand; a write past the end is dropped all the same.
void record_discard(int seat, int tile, int drawn_and_discarded);
