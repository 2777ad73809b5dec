// The engraving of every tile face, drawn upright into a portrait layer:
// characters as kanji numerals over 萬, dots as circles, bamboo as sticks
// with a bird for the one, winds and dragons as their characters (white as a
// frame), flowers as their characters with the season number.
#include <array>
#include <cmath>
#include <vector>

#include "core/tiles.h"
#include "sheets.h"

namespace art {

namespace {

constexpr Rgb kInk = rgb(0x1a2038);
constexpr Rgb kCinnabar = rgb(0xc21a26);
constexpr Rgb kJade = rgb(0x0f7a3a);
constexpr Rgb kIndigo = rgb(0x1f4fa0);
constexpr Rgb kIvory = rgb(0xfbf7ea);
constexpr Rgb kGold = rgb(0xd08a10);
constexpr Rgb kPurple = rgb(0x7a3aa0);

constexpr std::array<const char*, 9> kNumerals{"一", "二", "三", "四", "五", "六", "七", "八", "九"};
constexpr std::array<const char*, 7> kHonourNames{"東", "南", "西", "北", "白", "發", "中"};
constexpr std::array<const char*, 8> kFlowers{"春", "夏", "秋", "冬", "梅", "蘭", "菊", "竹"};
constexpr std::array<Rgb, 8> kFlowerColours{rgb(0x1f8a4a), kCinnabar, rgb(0xc8620a), kIndigo,
                                            rgb(0xc2185b), kPurple, kGold, kJade};

// Face geometry in layer pixels: u, v from 0 to 1 across and down the face.
struct Frame {
  Layer& l;
  float w, h;
  float x(float u) const { return u * w; }
  float y(float v) const { return v * h; }
};

std::vector<float> ellipse_points(float cx, float cy, float rx, float ry, float turn) {
  std::vector<float> pts;
  const float c = std::cos(turn), s = std::sin(turn);
  for (int k = 0; k < 48; ++k) {
    const float t = 6.2831853f * static_cast<float>(k) / 48;
    const float ex = rx * std::cos(t), ey = ry * std::sin(t);
    pts.push_back(cx + ex * c - ey * s);
    pts.push_back(cy + ex * s + ey * c);
  }
  return pts;
}

void paint_characters(Frame f, const Fonts& fonts, int rank) {
  text_fit(f.l, fonts, Face::Mincho, kNumerals[rank - 1], {f.x(0.12f), f.y(0.03f), f.x(0.76f), f.y(0.36f)}, kInk, 0,
           Align::Centre, 0.035f);
  text_fit(f.l, fonts, Face::Mincho, "萬", {f.x(0.06f), f.y(0.44f), f.x(0.88f), f.y(0.53f)}, kCinnabar, 0, Align::Centre,
           0.03f);
}

void dot(Frame f, float u, float v, float r, Rgb c) {
  const float cx = f.x(u), cy = f.y(v), rr = r * f.w;
  fill_ellipse(f.l, cx, cy, rr, rr, c);
  fill_ring(f.l, cx, cy, rr * 0.72f, rr * 0.52f, kIvory);
  fill_ellipse(f.l, cx, cy, rr * 0.26f, rr * 0.26f, kIvory);
}

void big_dot(Frame f) {
  const float cx = f.x(0.5f), cy = f.y(0.5f), r = 0.46f * f.w;
  fill_ellipse(f.l, cx, cy, r, r, kJade);
  fill_ring(f.l, cx, cy, r * 0.86f, r * 0.76f, kIvory);
  fill_ellipse(f.l, cx, cy, r * 0.66f, r * 0.66f, kIndigo);
  for (int k = 0; k < 8; ++k) {
    const float t = 0.7853982f * static_cast<float>(k);
    fill_ellipse(f.l, cx + 0.81f * r * std::cos(t), cy + 0.81f * r * std::sin(t), r * 0.07f, r * 0.07f, kCinnabar);
  }
  fill_ring(f.l, cx, cy, r * 0.5f, r * 0.4f, kIvory);
  fill_ellipse(f.l, cx, cy, r * 0.32f, r * 0.32f, kCinnabar);
  fill_ellipse(f.l, cx, cy, r * 0.12f, r * 0.12f, kIvory);
}

struct Spot {
  float u, v;
  Rgb c;
};

void paint_dots(Frame f, int rank) {
  if (rank == 1) return big_dot(f);
  const Rgb B = kIndigo, G = kJade, R = kCinnabar;
  std::vector<Spot> spots;
  float r = 0.2f;
  switch (rank) {
    case 2: spots = {{0.5f, 0.27f, G}, {0.5f, 0.73f, B}}, r = 0.25f; break;
    case 3: spots = {{0.24f, 0.18f, B}, {0.5f, 0.5f, R}, {0.76f, 0.82f, G}}, r = 0.21f; break;
    case 4: spots = {{0.27f, 0.27f, B}, {0.73f, 0.27f, G}, {0.27f, 0.73f, G}, {0.73f, 0.73f, B}}, r = 0.21f; break;
    case 5:
      spots = {{0.24f, 0.2f, B}, {0.76f, 0.2f, G}, {0.5f, 0.5f, R}, {0.24f, 0.8f, G}, {0.76f, 0.8f, B}};
      r = 0.19f;
      break;
    case 6:
      spots = {{0.27f, 0.16f, G}, {0.73f, 0.16f, G}, {0.27f, 0.54f, R}, {0.73f, 0.54f, R}, {0.27f, 0.84f, R},
               {0.73f, 0.84f, R}};
      r = 0.18f;
      break;
    case 7:
      spots = {{0.2f, 0.12f, G}, {0.5f, 0.22f, G}, {0.8f, 0.32f, G}, {0.27f, 0.6f, R}, {0.73f, 0.6f, R},
               {0.27f, 0.86f, R}, {0.73f, 0.86f, R}};
      r = 0.16f;
      break;
    case 8:
      for (int k = 0; k < 8; ++k) spots.push_back({k % 2 ? 0.73f : 0.27f, 0.12f + 0.253f * static_cast<float>(k / 2), B});
      r = 0.16f;
      break;
    default:
      for (int k = 0; k < 9; ++k) {
        const Rgb row[3] = {B, R, G};
        spots.push_back({0.2f + 0.3f * static_cast<float>(k % 3), 0.17f + 0.33f * static_cast<float>(k / 3), row[k / 3]});
      }
      r = 0.145f;
      break;
  }
  for (const Spot& s : spots) dot(f, s.u, s.v, r, s.c);
}

// One bamboo stick centred at (u, v), len and width as shares of the face.
void stick(Frame f, float u, float v, float len, float width, Rgb c) {
  const float cx = f.x(u), cy = f.y(v), hl = len * f.h / 2, hw = width * f.w / 2;
  const Rgb dark = scale(c, 0.6f);
  fill_round_rect(f.l, cx - hw, cy - hl, cx + hw, cy + hl, hw, dark);
  fill_round_rect(f.l, cx - hw * 0.55f, cy - hl * 0.9f, cx + hw * 0.55f, cy + hl * 0.9f, hw * 0.5f, c);
  fill_rect(f.l, cx - hw * 0.15f, cy - hl * 0.8f, cx + hw * 0.15f, cy + hl * 0.8f, mix(c, kIvory, 0.45f));
  for (float node : {-0.5f, 0.0f, 0.5f}) {
    const float ny = cy + node * hl * 1.6f;
    fill_rect(f.l, cx - hw, ny - hl * 0.05f, cx + hw, ny + hl * 0.05f, dark);
  }
}

void bird(Frame f) {
  Layer& l = f.l;
  // Tail: three feathers fanning down to the left.
  fill_polygon(l, ellipse_points(f.x(0.3f), f.y(0.72f), f.w * 0.3f, f.w * 0.09f, 2.2f), kIndigo);
  fill_polygon(l, ellipse_points(f.x(0.27f), f.y(0.62f), f.w * 0.3f, f.w * 0.09f, 2.6f), kJade);
  fill_polygon(l, ellipse_points(f.x(0.35f), f.y(0.8f), f.w * 0.28f, f.w * 0.08f, 1.8f), kCinnabar);
  // Body, wing, breast.
  fill_polygon(l, ellipse_points(f.x(0.55f), f.y(0.52f), f.w * 0.3f, f.h * 0.16f, -0.6f), kJade);
  fill_polygon(l, ellipse_points(f.x(0.52f), f.y(0.52f), f.w * 0.2f, f.h * 0.08f, -0.35f), kIndigo);
  fill_polygon(l, ellipse_points(f.x(0.7f), f.y(0.44f), f.w * 0.1f, f.h * 0.08f, -0.6f), kCinnabar);
  // Head with crest, eye and beak.
  fill_ellipse(l, f.x(0.72f), f.y(0.26f), f.w * 0.13f, f.w * 0.13f, kCinnabar);
  fill_polygon(l, {f.x(0.66f), f.y(0.18f), f.x(0.6f), f.y(0.06f), f.x(0.74f), f.y(0.15f)}, kJade);
  fill_ellipse(l, f.x(0.75f), f.y(0.24f), f.w * 0.04f, f.w * 0.04f, kIvory);
  fill_ellipse(l, f.x(0.755f), f.y(0.24f), f.w * 0.02f, f.w * 0.02f, kInk);
  fill_polygon(l, {f.x(0.83f), f.y(0.24f), f.x(0.97f), f.y(0.29f), f.x(0.83f), f.y(0.31f)}, kGold);
  // Legs on a branch.
  stroke(l, f.x(0.55f), f.y(0.64f), f.x(0.5f), f.y(0.86f), f.w * 0.04f, kCinnabar);
  stroke(l, f.x(0.66f), f.y(0.62f), f.x(0.64f), f.y(0.86f), f.w * 0.04f, kCinnabar);
  stroke(l, f.x(0.3f), f.y(0.9f), f.x(0.9f), f.y(0.86f), f.w * 0.06f, scale(kJade, 0.7f));
}

void paint_bamboo(Frame f, int rank) {
  if (rank == 1) return bird(f);
  const Rgb G = kJade, B = kIndigo, R = kCinnabar;
  struct Stick {
    float u, v;
    Rgb c;
  };
  std::vector<Stick> sticks;
  float len = 0.4f, width = 0.17f;
  switch (rank) {
    case 2: sticks = {{0.5f, 0.27f, B}, {0.5f, 0.73f, G}}; break;
    case 3: sticks = {{0.5f, 0.27f, B}, {0.3f, 0.73f, G}, {0.7f, 0.73f, G}}; break;
    case 4: sticks = {{0.3f, 0.27f, B}, {0.7f, 0.27f, G}, {0.3f, 0.73f, G}, {0.7f, 0.73f, B}}; break;
    case 5: sticks = {{0.22f, 0.27f, G}, {0.78f, 0.27f, B}, {0.5f, 0.5f, R}, {0.22f, 0.73f, B}, {0.78f, 0.73f, G}}; break;
    case 6:
      for (int k = 0; k < 6; ++k) sticks.push_back({0.2f + 0.3f * static_cast<float>(k % 3), k < 3 ? 0.27f : 0.73f, k < 3 ? G : B});
      break;
    case 7:
      sticks.push_back({0.5f, 0.17f, R});
      for (int k = 0; k < 6; ++k) sticks.push_back({0.2f + 0.3f * static_cast<float>(k % 3), k < 3 ? 0.5f : 0.83f, k < 3 ? G : B});
      len = 0.29f;
      break;
    case 8:
      for (int k = 0; k < 8; ++k)
        sticks.push_back({0.14f + 0.24f * static_cast<float>(k % 4), k < 4 ? 0.27f : 0.73f, (k % 4 == 1 || k % 4 == 2) ? B : G});
      width = 0.15f;
      break;
    default:
      for (int k = 0; k < 9; ++k)
        sticks.push_back({0.2f + 0.3f * static_cast<float>(k % 3), 0.17f + 0.33f * static_cast<float>(k / 3),
                          k % 3 == 1 ? R : (k / 3 == 1 ? B : G)});
      len = 0.29f;
      break;
  }
  for (const Stick& s : sticks) stick(f, s.u, s.v, len, width, s.c);
}

void white_dragon(Frame f) {
  const float t = 0.08f * f.w;
  const float x0 = f.x(0.12f), x1 = f.x(0.88f), y0 = f.y(0.1f), y1 = f.y(0.9f);
  fill_rect(f.l, x0, y0, x1, y1, kIndigo);
  fill_rect(f.l, x0 + t, y0 + t, x1 - t, y1 - t, kIvory);
  const float g = t * 0.55f, s = t * 0.4f;
  fill_rect(f.l, x0 + t + g, y0 + t + g, x1 - t - g, y1 - t - g, kIndigo);
  fill_rect(f.l, x0 + t + g + s, y0 + t + g + s, x1 - t - g - s, y1 - t - g - s, kIvory);
}

void paint_honour(Frame f, const Fonts& fonts, int tile) {
  if (tile == kWhite) return white_dragon(f);
  const Rgb c = tile == ::kGreen ? kJade : tile == ::kRed ? kCinnabar : kInk;
  const float margin = is_wind(tile) ? 0.1f : 0.05f;
  text_fit(f.l, fonts, Face::Mincho, kHonourNames[tile - kEast], {f.x(margin), f.y(margin), f.x(1 - 2 * margin), f.y(1 - 2 * margin)},
           c, 0, Align::Centre, 0.03f);
}

void paint_flower(Frame f, const Fonts& fonts, int tile) {
  const int k = tile - kFirstFlower;
  const char digit[2] = {static_cast<char>('1' + k % 4), 0};
  text_fit(f.l, fonts, Face::Gothic, digit, {f.x(0.02f), f.y(0.0f), f.x(0.26f), f.y(0.2f)}, k < 4 ? kCinnabar : kIndigo, 0,
           Align::Centre, 0.04f);
  text_fit(f.l, fonts, Face::Mincho, kFlowers[k], {f.x(0.1f), f.y(0.2f), f.x(0.8f), f.y(0.74f)}, kFlowerColours[k], 0,
           Align::Centre, 0.03f);
}

}  // namespace

void paint_face(Layer& l, const Fonts& fonts, int tile) {
  const Frame f{l, static_cast<float>(l.width), static_cast<float>(l.height)};
  switch (suit_of(tile)) {
    case kCharacters: paint_characters(f, fonts, rank_of(tile)); break;
    case kDots: paint_dots(f, rank_of(tile)); break;
    case kBamboo: paint_bamboo(f, rank_of(tile)); break;
    case kHonours: paint_honour(f, fonts, tile); break;
    default: paint_flower(f, fonts, tile); break;
  }
}

}  // namespace art
