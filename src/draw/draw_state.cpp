// Every piece of the draw floor's state, defined and reset here.
#include "draw/draw_state.h"

#include "draw/gdi.h"
#include "draw/pending_drawing.h"
#include "platform/state_list.h"

#define DRAW_STATE(X)                                      \
  X(platform::Surface, g_back_surface, reset_back_surface) \
  X(DrawRecorder, g_draw_recorder, reset_draw_recorder)    \
  X(PendingDrawing, g_pending, reset_pending_drawing)

DRAW_STATE(RUVELKA_DEFINE_STATE)

void reset_draw_floor() { DRAW_STATE(RUVELKA_RESET_STATE) }
