// How the chow-template keeper rates a chow-pattern choice.
#pragma once

// How close the seat's concealed hand is to the template of chow pattern
// `yaku` (27, 33, 35, 47, 49) with `variant`: 0 (closest) upward; 8 when
// fewer than six of its tiles are held (a declared chow of it counting
// three) or when the pattern and variant name no template.
int chow_template_value(int seat, int yaku, int variant);
