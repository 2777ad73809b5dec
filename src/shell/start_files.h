// The files a start cannot do without. Each check reads what it needs and,
// when a file fails, shows the fatal message naming it and returns false.
#pragma once

// Reads every effect and voice file whole.
bool load_sound_files();

// The windowed program's check after load_bitmaps: every sheet that a screen
// draws from was found at its size (its pixels are decoded at first use).
bool check_bitmap_sheets();
