#include "screens/screens.h"

#include "shell/gdi.h"

void draw_screen_background() { draw_background(kBackgroundScreens); }

// Each screen draws its background; its own contents come with the screen.
