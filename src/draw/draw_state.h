// The draw floor's reset: every piece of its state back to its fresh value.
#pragma once

void reset_draw_floor();
