// The key table: Enter, Esc, the paging arrows and the display toggles.
#pragma once

// Handles one key-down message; virtual-key codes outside 13..90 are ignored.
void on_key_down(int virtual_key);
