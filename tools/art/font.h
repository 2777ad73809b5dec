// Text for the sheets, rendered with FreeType from Debian's IPA fonts.
#pragma once

#include <string_view>

#include "canvas.h"

namespace art {

enum class Face { Mincho, Gothic };

struct Box {
  float x = 0, y = 0, w = 0, h = 0;
};

// The two open font faces. Opening fails (with a message) when a font file is missing.
class Fonts {
 public:
  Fonts();
  ~Fonts();
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;
  bool ok() const { return ok_; }
  void* face(Face f) const { return f == Face::Mincho ? mincho_ : gothic_; }

 private:
  void* library_ = nullptr;
  void* mincho_ = nullptr;
  void* gothic_ = nullptr;
  bool ok_ = false;
};

enum class Align { Centre, Left };

// Draws the text as large as fits the box (never above max_px layer pixels
// per em when max_px > 0), its ink centred vertically and centred or
// left-aligned horizontally; weight thickens the strokes by that share of
// the size. Returns the ink width drawn.
float text_fit(Layer& l, const Fonts& fonts, Face face, std::string_view utf8, Box box, Rgb colour,
               float max_px = 0, Align align = Align::Centre, float weight = 0);

// The same, turned clockwise by quarter * 90 degrees: box is the turned box on the layer.
void text_fit_turned(Layer& l, const Fonts& fonts, Face face, std::string_view utf8, Box box, Rgb colour,
                     int quarter, float max_px = 0, float weight = 0);

}  // namespace art
