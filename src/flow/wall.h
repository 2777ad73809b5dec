// Draws from the wall. There is no dead wall: every draw of any kind (turn,
// kong replacement, flower replacement) takes the last live entry.
#pragma once

// Removes and returns g_wall[g_wall_count - 1]; the wall must not be empty.
int take_wall_tile();

// When the wall is empty the hand ends as an exhaustive draw (scene 600);
// returns true then, false when tiles are left.
bool check_wall_exhausted();
