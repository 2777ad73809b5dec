#include "sheets.h"

#include "draw/art_manifest.h"

namespace art {

void sheet_text(Image& img, const Fonts& fonts, Face face, const char* utf8, int x, int y, int w, int h, Rgb colour,
                float max_px, int quarter, float weight, Align align) {
  Layer l(w * kSuper, h * kSuper);
  const Box box{0, 0, static_cast<float>(w * kSuper), static_cast<float>(h * kSuper)};
  if (quarter == 0)
    text_fit(l, fonts, face, utf8, box, colour, max_px * kSuper, align, weight);
  else
    text_fit_turned(l, fonts, face, utf8, box, colour, quarter, max_px * kSuper, weight);
  reduce_onto(img, x, y, l);
}

Image draw_sheet(int id, const Fonts& fonts) {
  if (id >= 131 && id <= 139) return draw_tile_sheet(id, fonts);
  if (is_text_sheet(id)) return draw_text_sheet(id, fonts);
  return draw_ui_sheet(id, fonts);
}

}  // namespace art
