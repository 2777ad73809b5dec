// Dealing, sorting and flower replacement scenes.
#pragma once

void scene_deal();
void scene_sort_hands();
void scene_initial_flowers();
void hana_phase();
