// The files a start cannot do without. Each check reads what it needs and,
// when a file fails, shows the fatal message naming it and returns false.
#pragma once

// Reads every effect and voice file whole.
bool load_sound_files();

// The windowed program's check after a load of BitmapLoad::Now: every sheet
// that a screen draws from came whole from its file.
bool check_bitmap_sheets();

// The windowed program's check that its text can be drawn: a face with
// Japanese glyphs serves.
bool check_text_face();
