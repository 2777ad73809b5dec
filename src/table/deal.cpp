#include "table/deal.h"

// Filled by the subsystem that owns these scenes.
void scene_deal() {}
void scene_sort_hands() {}
void scene_initial_flowers() {}
void hana_phase() {}
