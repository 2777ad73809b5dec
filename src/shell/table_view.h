// The table view drawn after every table scene.
#pragma once

void draw_table();
