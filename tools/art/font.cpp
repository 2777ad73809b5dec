#include "font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace art {

namespace {

constexpr const char* kMinchoPath = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf";
constexpr const char* kGothicPath = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf";
// Outlines only: the IPA fonts carry one-bit bitmaps for small sizes.
constexpr FT_Int32 kLoadFlags = FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP;

std::vector<char32_t> decode_utf8(std::string_view s) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
    char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
    out.push_back(cp);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

// Coverage of a text line rendered at one pixel size, cropped to its ink.
struct Ink {
  int width = 0, height = 0;
  std::vector<float> cover;
};

// weight thickens every stroke by that share of the pixel size.
Ink render_line(FT_Face face, const std::vector<char32_t>& text, int px, float weight) {
  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(px));
  struct Piece {
    int x, y, w, h;
    std::vector<unsigned char> bits;
  };
  std::vector<Piece> pieces;
  int pen = 0;
  int x0 = 1 << 30, y0 = 1 << 30, x1 = -(1 << 30), y1 = -(1 << 30);
  for (char32_t cp : text) {
    if (FT_Load_Char(face, cp, kLoadFlags) != 0) continue;
    const FT_GlyphSlot g = face->glyph;
    if (weight > 0) FT_Outline_Embolden(&g->outline, static_cast<FT_Pos>(weight * px * 64));
    if (FT_Render_Glyph(g, FT_RENDER_MODE_NORMAL) != 0) continue;
    const FT_Bitmap& bm = g->bitmap;
    if (bm.width > 0 && bm.rows > 0) {
      Piece p{pen + g->bitmap_left, -g->bitmap_top, static_cast<int>(bm.width), static_cast<int>(bm.rows), {}};
      for (int r = 0; r < p.h; ++r)
        for (int c = 0; c < p.w; ++c) p.bits.push_back(bm.buffer[r * bm.pitch + c]);
      x0 = std::min(x0, p.x), y0 = std::min(y0, p.y);
      x1 = std::max(x1, p.x + p.w), y1 = std::max(y1, p.y + p.h);
      pieces.push_back(std::move(p));
    }
    pen += static_cast<int>(g->advance.x >> 6);
  }
  Ink ink;
  if (pieces.empty()) return ink;
  ink.width = x1 - x0, ink.height = y1 - y0;
  ink.cover.assign(static_cast<std::size_t>(ink.width) * ink.height, 0.0f);
  for (const Piece& p : pieces)
    for (int r = 0; r < p.h; ++r)
      for (int c = 0; c < p.w; ++c) {
        float& cell = ink.cover[static_cast<std::size_t>(p.y - y0 + r) * ink.width + (p.x - x0 + c)];
        cell = std::min(1.0f, cell + p.bits[static_cast<std::size_t>(r) * p.w + c] / 255.0f);
      }
  return ink;
}

}  // namespace

Fonts::Fonts() {
  FT_Library lib = nullptr;
  if (FT_Init_FreeType(&lib) != 0) {
    std::fprintf(stderr, "ruvelka-gen-art: FreeType did not start\n");
    return;
  }
  library_ = lib;
  FT_Face m = nullptr, g = nullptr;
  if (FT_New_Face(lib, kMinchoPath, 0, &m) != 0) std::fprintf(stderr, "ruvelka-gen-art: missing %s\n", kMinchoPath);
  if (FT_New_Face(lib, kGothicPath, 0, &g) != 0) std::fprintf(stderr, "ruvelka-gen-art: missing %s\n", kGothicPath);
  mincho_ = m, gothic_ = g;
  ok_ = m && g;
}

Fonts::~Fonts() {
  if (mincho_) FT_Done_Face(static_cast<FT_Face>(mincho_));
  if (gothic_) FT_Done_Face(static_cast<FT_Face>(gothic_));
  if (library_) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

float text_fit(Layer& l, const Fonts& fonts, Face face, std::string_view utf8, Box box, Rgb colour, float max_px,
               Align align, float weight) {
  const FT_Face ft = static_cast<FT_Face>(fonts.face(face));
  const std::vector<char32_t> text = decode_utf8(utf8);
  constexpr int kProbe = 200;
  const Ink probe = render_line(ft, text, kProbe, weight);
  if (probe.width == 0) return 0;
  float k = std::min(box.w / probe.width, box.h / probe.height) * kProbe;
  if (max_px > 0) k = std::min(k, max_px);
  const Ink ink = render_line(ft, text, std::max(1, static_cast<int>(std::floor(k))), weight);
  const int ox = static_cast<int>(std::lround(align == Align::Left ? box.x : box.x + (box.w - ink.width) / 2));
  const int oy = static_cast<int>(std::lround(box.y + (box.h - ink.height) / 2));
  for (int y = 0; y < ink.height; ++y)
    for (int x = 0; x < ink.width; ++x) l.blend(ox + x, oy + y, colour, ink.cover[static_cast<std::size_t>(y) * ink.width + x]);
  return static_cast<float>(ink.width);
}

void text_fit_turned(Layer& l, const Fonts& fonts, Face face, std::string_view utf8, Box box, Rgb colour,
                     int quarter, float max_px, float weight) {
  const bool turned = quarter % 2 == 1;
  const int w = static_cast<int>(turned ? box.h : box.w);
  const int h = static_cast<int>(turned ? box.w : box.h);
  Layer upright(w, h);
  text_fit(upright, fonts, face, utf8, {0, 0, static_cast<float>(w), static_cast<float>(h)}, colour, max_px, Align::Centre, weight);
  paste(l, static_cast<int>(box.x), static_cast<int>(box.y), upright, quarter);
}

}  // namespace art
