// The exhaustive draw, the win and the hand result scenes.
#pragma once

void exhaustive_draw_phase();
void win_phase();
void hand_result_phase();
