// Panels, frames, the seat-change diagrams, the table textures and the
// pattern buttons.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "draw/art_manifest.h"
#include "pattern_names.h"
#include "ui_style.h"

namespace art {

namespace {

Image blank(int id, std::uint32_t colour) { return Image(art_sheet(id).width, art_sheet(id).height, colour); }

Image open_wall_panel(const Fonts& fonts) {
  Image img = blank(110, 0);
  framed_panel(img, 0, 0, 620, 440, 8, 0x14301F);
  sheet_text(img, fonts, Face::Gothic, "残りの牌山", 14, 11, 160, 18, kGoldInk, 16, 0, 0.03f);
  return img;
}

Image score_box(const Fonts& fonts) {
  Image img = blank(111, 0);
  framed_panel(img, 0, 0, 160, 170, 6, kParchment);
  constexpr std::array<const char*, 3> kRows{"前", "収支", "合計"};
  constexpr std::array<int, 3> kRowY{54, 87, 130};
  for (int k = 0; k < 3; ++k) sheet_text(img, fonts, Face::Gothic, kRows[k], 114, kRowY[k] + 5, 38, 15, rgb(0x806A48), 13);
  return img;
}

Image draw_banner(const Fonts& fonts) {
  Image img = blank(112, 0);
  framed_panel(img, 0, 0, 180, 70, 5, 0x1C2542);
  sheet_text(img, fonts, Face::Mincho, "流局", 20, 10, 140, 50, kGoldInk, 44, 0, 0.04f);
  return img;
}

Image win_panel(const Fonts& fonts) {
  Image img = blank(113, 0);
  framed_panel(img, 0, 0, 360, 220, 6, kParchment);
  framed_panel(img, 0, 220, 360, 30, 3, kParchment);
  sheet_text(img, fonts, Face::Gothic, "88点を上限としました", 10, 226, 340, 18, kRedInk, 15);
  return img;
}

Image popup_frames() {
  Image img = blank(114, 0);
  framed_panel(img, 0, 0, 90, 156, 5, 0x2A2F3A);
  framed_panel(img, 90, 0, 90, 124, 5, 0x2A2F3A);
  return img;
}

void big_button(Image& img, const Fonts& fonts, const char* text, int x, int y, bool lit) {
  fill(img, x, y, 80, 40, 0x101010);
  fill(img, x + 1, y + 1, 78, 38, lit ? 0xE0A420 : 0x2B57A8);
  fill(img, x + 1, y + 1, 78, 1, 0xFFFFFF);
  sheet_text(img, fonts, Face::Gothic, text, x + 6, y + 8, 68, 24, lit ? rgb(0x2A1A00) : kWhiteInk, 20, 0, 0.04f);
}

Image hand_end_buttons(const Fonts& fonts) {
  Image img = blank(115, 0);
  for (int lit = 0; lit < 2; ++lit) {
    framed_panel(img, 0, 60 * lit, 220, 60, 4, 0x2A2F3A);
    big_button(img, fonts, "次局へ", 20, 60 * lit + 10, lit);
    big_button(img, fonts, "中断", 120, 60 * lit + 10, lit);
  }
  return img;
}

void arrow(Layer& l, float x0, float y0, float x1, float y1, Rgb c) {
  const float dx = x1 - x0, dy = y1 - y0, len = std::sqrt(dx * dx + dy * dy);
  const float ux = dx / len, uy = dy / len, head = 28, half = 14;
  stroke(l, x0, y0, x1 - ux * head * 0.8f, y1 - uy * head * 0.8f, 9, c);
  fill_polygon(l, {x1, y1, x1 - ux * head - uy * half, y1 - uy * head + ux * half, x1 - ux * head + uy * half,
                   y1 - uy * head - ux * half},
               c);
}

// The four seats round a square table, named by their winds counted from the
// first dealer, with arrows from each player's seat to the one it takes.
void seat_diagram(Image& img, const Fonts& fonts, int x, int y, int first_dealer, bool after_south) {
  constexpr std::array<const char*, 4> kWinds{"東", "南", "西", "北"};
  constexpr float kSeatX[4] = {280, 480, 280, 80}, kSeatY[4] = {480, 280, 80, 280};
  framed_panel(img, x, y, 140, 140, 3, kParchment);
  Layer l(140 * kSuper, 140 * kSuper);
  fill_rect(l, 160, 160, 400, 400, rgb(0x1F6B3A));
  for (int seat = 0; seat < 4; ++seat) {
    const int offset = (seat - first_dealer + 4) % 4;
    // Where the player of this seat sits next round, counted from the first dealer.
    const int to_offset = after_south ? std::array{2, 3, 1, 0}[offset] : std::array{1, 0, 3, 2}[offset];
    const int to = (first_dealer + to_offset) % 4;
    // Each arrow runs beside the line between the seats, so a swap shows two arrows.
    const float dx = kSeatX[to] - kSeatX[seat], dy = kSeatY[to] - kSeatY[seat];
    const float len = std::sqrt(dx * dx + dy * dy), ux = dx / len, uy = dy / len;
    const float ox = -uy * 16, oy = ux * 16;
    arrow(l, kSeatX[seat] + ux * 62 + ox, kSeatY[seat] + uy * 62 + oy, kSeatX[to] - ux * 62 + ox,
          kSeatY[to] - uy * 62 + oy, rgb(0xC8202A));
  }
  for (int seat = 0; seat < 4; ++seat) {
    fill_ellipse(l, kSeatX[seat], kSeatY[seat], 52, 52, rgb(0x20242E));
    fill_ellipse(l, kSeatX[seat], kSeatY[seat], 46, 46, rgb(0xFFFDF4));
    text_fit(l, fonts, Face::Mincho, kWinds[(seat - first_dealer + 4) % 4],
             {kSeatX[seat] - 30, kSeatY[seat] - 30, 60, 60}, kDarkInk, 0, Align::Centre, 0.04f);
  }
  reduce_onto(img, x, y, l);
}

Image seat_change(const Fonts& fonts) {
  Image img = blank(117, 0);
  for (int half = 0; half < 2; ++half)
    for (int f = 0; f < 4; ++f) seat_diagram(img, fonts, 140 * f, 140 * half, f, half == 1);
  constexpr std::array<const char*, 3> kLabels{"東場終了　席替え", "南場終了　席替え", "西場終了　席替え"};
  for (int r = 0; r < 3; ++r) {
    notice_box(img, 140 * r, 280, 140, 30);
    sheet_text(img, fonts, Face::Gothic, kLabels[r], 140 * r + 6, 286, 128, 18, kWhiteInk, 15);
  }
  return img;
}

// A hash of the pixel's place within the 72-pixel tile, so the texture repeats seamlessly.
float grain(int x, int y, std::uint32_t seed) {
  std::uint32_t h = static_cast<std::uint32_t>((x % 72 + 72) % 72) * 374761393u + static_cast<std::uint32_t>((y % 72 + 72) % 72) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return static_cast<float>((h ^ (h >> 16)) & 0xFFFF) / 65535.0f;
}

// Smooth noise on a lattice of `cell` pixels that wraps at 72.
float smooth(int x, int y, int cell, std::uint32_t seed) {
  const float fx = static_cast<float>(x) / cell, fy = static_cast<float>(y) / cell;
  const int ix = x / cell, iy = y / cell;
  const float tx = fx - ix, ty = fy - iy;
  auto at = [&](int i, int j) { return grain(i * cell, j * cell, seed); };
  const float sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
  const float top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * sx;
  const float bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * sx;
  return top + (bottom - top) * sy;
}

void texture(Image& img, int x0, Rgb base, float coarse, float fine, std::uint32_t seed) {
  for (int y = 0; y < 72; ++y)
    for (int x = 0; x < 72; ++x) {
      const float n = coarse * (smooth(x, y, 24, seed) - 0.5f) + 0.5f * coarse * (smooth(x, y, 8, seed + 7) - 0.5f) +
                      fine * (grain(x, y, seed + 13) - 0.5f);
      const Rgb c = scale(base, 1 + n);
      auto ch = [](float v) { return static_cast<std::uint32_t>(std::clamp(v * 255.0f + 0.5f, 0.0f, 255.0f)); };
      img.at(x0 + x, y) = ch(c.r) << 16 | ch(c.g) << 8 | ch(c.b);
    }
}

Image textures() {
  Image img = blank(118, 0);
  texture(img, 0, rgb(0xEFE6CF), 0.05f, 0.05f, 3);
  texture(img, 80, rgb(0x216E3D), 0.12f, 0.10f, 11);
  // The shadow a tile casts on the felt, darkest next to the tile.
  for (int y = 0; y < 72; ++y)
    for (int x = 0; x < 12; ++x) img.at(160 + x, y) = x < 3 ? 0x0B2414 : x < 6 ? 0x0F2E1A : 0x133820;
  return img;
}

Image pattern_buttons(const Fonts& fonts) {
  Image img = blank(127, kNotice);
  for (int id = 1; id < 80; ++id) {
    const int x = 80 * (id / 20), y = 30 * (id % 20);
    fill(img, x, y, 80, 30, 0x101010);
    fill(img, x + 1, y + 1, 78, 28, 0x6B2A14);
    fill(img, x + 2, y + 2, 76, 26, 0x8E3A1C);
    sheet_text(img, fonts, Face::Gothic, kPatternNames[id], x + 4, y + 6, 72, 18, rgb(0xFFF3D0), 15, 0, 0.02f);
  }
  return img;
}

Image preview_panel() {
  Image img = blank(128, 0);
  framed_panel(img, 0, 0, 320, 60, 4, 0x14301F);
  return img;
}

}  // namespace

Image draw_panel_sheet(int id, const Fonts& fonts) {
  switch (id) {
    case 110: return open_wall_panel(fonts);
    case 111: return score_box(fonts);
    case 112: return draw_banner(fonts);
    case 113: return win_panel(fonts);
    case 114: return popup_frames();
    case 115: return hand_end_buttons(fonts);
    case 117: return seat_change(fonts);
    case 118: return textures();
    case 127: return pattern_buttons(fonts);
    case 128: return preview_panel();
    default: return blank(id, 0xFFFFFF);
  }
}

}  // namespace art
