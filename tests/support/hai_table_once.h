// The one-suit table for tests, filled once per process: read from the
// data/hai.dat that the build generated in the source tree when that file is
// there and whole, built otherwise. Building costs about 30 ms, reading a
// tenth of that, and most test processes run one test.
#pragma once

void fill_hai_table_once();

// Fills the table again after a test left a damaged one in it.
void refill_hai_table();
