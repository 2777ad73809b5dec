#include "screens/screens.h"

#include "shell/gdi.h"

void draw_screen_background() { draw_background(kBackgroundScreens); }
