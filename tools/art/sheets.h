// The sheets of the art generator: one builder per family of sheets, each
// drawing the cells that the program's art manifest lists.
#pragma once

#include <vector>

#include "canvas.h"
#include "font.h"

namespace art {

// Paints the engraving of one tile, upright, over the whole portrait layer.
void paint_face(Layer& l, const Fonts& fonts, int tile);

// A standing tile facing the camera, w x h sheet pixels with a top-edge strip
// of `strip` pixels; tile 0 shows its back.
Layer standing_tile(const Fonts& fonts, int w, int h, int strip, int tile);

// Tile sheets 131 to 139.
Image draw_tile_sheet(int id, const Fonts& fonts);
// The example hands of the counting-rules help (139).
Image draw_help_pictures(const Fonts& fonts);
// Everything else: digits, plates, labels, panels, textures, buttons.
Image draw_ui_sheet(int id, const Fonts& fonts);
// Panels, frames, textures and pattern buttons (110 to 128).
Image draw_panel_sheet(int id, const Fonts& fonts);
// Further text sheets of the statistics and help screens (109, 124 to 126).
Image draw_text_sheet(int id, const Fonts& fonts);
bool is_text_sheet(int id);

// The sheet of the given id, drawn at its manifest size.
Image draw_sheet(int id, const Fonts& fonts);

// All sheets side by side with their ids, for review.
Image draw_contact_sheet(const std::vector<Image>& sheets, const Fonts& fonts);

// Draws the text onto the sheet at an integer box, through a layer.
void sheet_text(Image& img, const Fonts& fonts, Face face, const char* utf8, int x, int y, int w, int h, Rgb colour,
                float max_px = 0, int quarter = 0, float weight = 0, Align align = Align::Centre);

}  // namespace art
