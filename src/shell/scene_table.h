// The scene dispatcher: scene number to its handler (the frame of play) and
// its view (what the shell draws after it). The table flow's handlers never
// draw; they raise view requests (base/view_requests.h), served around them.
#pragma once

// Runs the handler of the scene and then its view; false when the number
// has no entry, in which case nothing runs.
bool dispatch_scene(int scene);

bool scene_has_handler(int scene);
// The scene's view is the plain table.
bool scene_draws_table(int scene);
