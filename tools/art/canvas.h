// Drawing surfaces of the art generator. Shapes are drawn hard-edged into a
// supersampled float layer and smoothed when the layer is reduced onto an
// 8-bit sheet, so every edge is anti-aliased and every run gives the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace art {

constexpr int kSuper = 4;  // layer pixels per sheet pixel, each way

struct Rgb {
  float r = 0, g = 0, b = 0;
};

constexpr Rgb rgb(std::uint32_t hex) {
  return {static_cast<float>((hex >> 16) & 255) / 255.0f, static_cast<float>((hex >> 8) & 255) / 255.0f,
          static_cast<float>(hex & 255) / 255.0f};
}
Rgb mix(Rgb a, Rgb b, float t);
Rgb scale(Rgb a, float k);

// A sheet is the program's own surface type, pixels 0x00RRGGBB.
using Image = platform::Surface;

void fill(Image& img, int x, int y, int w, int h, std::uint32_t colour);
void copy(Image& dst, int dx, int dy, const Image& src, int sx, int sy, int w, int h);
// Applies f to every pixel of the rectangle.
template <class F>
void recolour(Image& img, int x, int y, int w, int h, F f) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) img.at(i, j) = f(img.at(i, j));
}

// A float layer with straight alpha; coordinates in layer pixels.
struct Layer {
  int width = 0;
  int height = 0;
  std::vector<float> r, g, b, a;

  Layer(int w, int h);
  // Paints colour over pixel (x, y) with the given coverage (0..1).
  void blend(int x, int y, Rgb c, float cover);
};

// Shapes. Coordinates are in layer pixels and may be fractional.
void fill_rect(Layer& l, float x0, float y0, float x1, float y1, Rgb c, float alpha = 1);
void fill_ellipse(Layer& l, float cx, float cy, float rx, float ry, Rgb c, float alpha = 1);
void fill_ring(Layer& l, float cx, float cy, float r_out, float r_in, Rgb c);
void fill_round_rect(Layer& l, float x0, float y0, float x1, float y1, float radius, Rgb c, float alpha = 1);
void fill_polygon(Layer& l, const std::vector<float>& xy, Rgb c, float alpha = 1);
// A straight stroke of the given width with round ends.
void stroke(Layer& l, float x0, float y0, float x1, float y1, float width, Rgb c);
// Vertical gradient from top to bottom colour inside the rectangle.
void fill_gradient(Layer& l, float x0, float y0, float x1, float y1, Rgb top, Rgb bottom);

// Draws src over dst with its top-left corner at (dx, dy), turned clockwise by
// quarter * 90 degrees (0..3).
void paste(Layer& dst, int dx, int dy, const Layer& src, int quarter);

// Reduces the layer by kSuper onto the sheet at (x, y), over what the sheet holds.
void reduce_onto(Image& img, int x, int y, const Layer& l);

// Writes the sheet as an 8-bit RGB PNG, packed as asked (the program's
// sheets stored, as it reads them at every start); false (with a message)
// on failure.
bool write_png(const std::string& path, const Image& img, platform::PngPacking packing);

}  // namespace art
