// The scene dispatcher: scene number to handler, and whether the table view
// follows the handler.
#pragma once

// Runs the handler of the scene (and the table view after the "table"
// scenes); false when the number has no handler, in which case nothing runs.
bool dispatch_scene(int scene);

bool scene_has_handler(int scene);
bool scene_draws_table(int scene);
