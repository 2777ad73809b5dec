// Digits, the centre plate, balloons, buttons, names, plates and dice, notices.
#include <algorithm>
#include <array>
#include <string>

#include "core/tiles.h"
#include "draw/art_manifest.h"
#include "screens/character_names.h"
#include "ui_style.h"

namespace art {

namespace {

constexpr const auto& kNames = kCharacterNames;
constexpr std::array<const char*, 4> kWinds{"東", "南", "西", "北"};

Image blank(int id, std::uint32_t colour) { return Image(art_sheet(id).width, art_sheet(id).height, colour); }

Image frame_rate_digits(const Fonts& fonts) {
  Image img = blank(101, 0x000000);
  for (int d = 0; d < 10; ++d) glyph_cell(img, fonts, static_cast<char>('0' + d), 10 * d, 0, 9, 15, rgb(0x7CFF7C));
  return img;
}

// Ten digits, minus and plus along a row (or down a column when turned),
// each cell `step` apart.
void digit_run(Image& img, const Fonts& fonts, int x, int y, int w, int h, bool down, int quarter, Rgb ink) {
  const char glyphs[] = "0123456789-+";
  for (int k = 0; k < 12; ++k)
    glyph_cell(img, fonts, glyphs[k], down ? x : x + w * k, down ? y + h * k : y, w, h, ink, quarter);
}

void hint_mark(Image& img, int x, int y) {
  // The image is black outside the mark (Or keeps the table); the mask is
  // white outside and black under the mark (And clears it).
  Layer mark(16 * kSuper, 16 * kSuper);
  fill_polygon(mark, {32, 4, 60, 32, 32, 60, 4, 32}, rgb(0xFFD23A));
  fill_polygon(mark, {32, 14, 50, 32, 32, 50, 14, 32}, rgb(0xFF7A00));
  fill(img, x, y, 16, 16, 0x000000);
  reduce_onto(img, x, y, mark);
  fill(img, x, y + 20, 16, 16, 0xFFFFFF);
  for (int j = 0; j < 16; ++j)
    for (int i = 0; i < 16; ++i)
      if (img.at(x + i, y + j) != 0) img.at(x + i, y + 20 + j) = 0x000000;
}

Image centre_sheet(const Fonts& fonts) {
  Image img = blank(102, kParchment);
  framed_panel(img, 0, 0, 220, 180, 6, kPlate);
  fill(img, 200, 180, 20, 30, kPlate);
  fill(img, 0, 180, 200, 30, kPlate);
  for (int d = 0; d < 10; ++d) glyph_cell(img, fonts, static_cast<char>('0' + d), 20 * d, 180, 20, 30, kGoldInk);
  fill(img, 0, 210, 200, 50, kPlate);
  fill(img, 220, 0, 50, 200, kPlate);
  digit_run(img, fonts, 0, 210, 15, 25, false, 0, kGoldInk);
  digit_run(img, fonts, 0, 235, 15, 25, false, 2, kGoldInk);
  digit_run(img, fonts, 245, 0, 25, 15, true, 3, kGoldInk);
  digit_run(img, fonts, 220, 0, 25, 15, true, 1, kGoldInk);
  sheet_text(img, fonts, Face::Gothic, "点", 180, 210, 20, 25, kGoldInk, 16);
  sheet_text(img, fonts, Face::Gothic, "点", 180, 235, 20, 25, kGoldInk, 16, 2);
  sheet_text(img, fonts, Face::Gothic, "点", 245, 180, 25, 20, kGoldInk, 16, 3);
  sheet_text(img, fonts, Face::Gothic, "点", 220, 180, 25, 20, kGoldInk, 16, 1);
  hint_mark(img, 200, 210);
  digit_run(img, fonts, 0, 260, 15, 25, false, 0, kDarkInk);
  sheet_text(img, fonts, Face::Gothic, "位", 180, 260, 20, 25, kDarkInk, 18);
  fill(img, 0, 286, 140, 3, 0x8C6238);
  fill(img, 0, 285, 3, 5, 0x5A3A1E);
  fill(img, 137, 285, 3, 5, 0x5A3A1E);
  return img;
}

Image balloons(const Fonts& fonts) {
  constexpr std::array<const char*, 5> kShouts{"和了", "チー", "ポン", "カン", "花"};
  constexpr std::array<std::uint32_t, 5> kInk{0xC8202A, 0x1F7A3A, 0x1F4FA0, 0x7A2AA0, 0xC2185B};
  Layer shape(160 * kSuper, 80 * kSuper);
  fill_ellipse(shape, 320, 136, 300, 120, rgb(0xFFFFFF));
  fill_polygon(shape, {250, 220, 340, 230, 300, 316}, rgb(0xFFFFFF));
  Image img = blank(103, 0x000000);
  for (int k = 0; k < 5; ++k) {
    Layer l(160 * kSuper, 80 * kSuper);
    fill_ellipse(l, 320, 136, 300, 120, rgb(0x303030));
    fill_polygon(l, {250, 220, 340, 230, 300, 316}, rgb(0x303030));
    fill_ellipse(l, 320, 136, 290, 110, rgb(0xFFFDF4));
    fill_polygon(l, {258, 226, 326, 232, 298, 300}, rgb(0xFFFDF4));
    text_fit(l, fonts, Face::Gothic, kShouts[k], {60, 56, 520, 160}, to_rgb(kInk[k]), 0, Align::Centre, 0.06f);
    reduce_onto(img, 0, 80 * k, l);
  }
  // Every pixel the balloon touches is cleared by the mask, so its soft edge
  // lies on black and the Or leaves nothing of the table showing through it.
  Image edge(160, 80, 0x000000);
  reduce_onto(edge, 0, 0, shape);
  for (int j = 0; j < 80; ++j)
    for (int i = 0; i < 160; ++i) img.at(i, 400 + j) = edge.at(i, j) == 0 ? 0xFFFFFF : 0x000000;
  return img;
}

void button(Image& img, const Fonts& fonts, const char* text, int x, int y, int state) {
  constexpr std::array<std::uint32_t, 3> kFill{0x4A4E58, 0x2B57A8, 0xE0A420};
  constexpr std::array<Rgb, 3> kInk{rgb(0x9A9EA8), kWhiteInk, rgb(0x2A1A00)};
  fill(img, x, y, 60, 30, 0x101010);
  fill(img, x + 1, y + 1, 58, 28, kFill[state]);
  fill(img, x + 1, y + 1, 58, 1, state == 0 ? 0x60646E : 0xFFFFFF);
  sheet_text(img, fonts, Face::Gothic, text, x + 4, y + 4, 52, 22, kInk[state], 18, 0, state ? 0.04f : 0);
}

void notice(Image& img, const Fonts& fonts, const char* text, int x, int y, int w, int h, float px = 16) {
  notice_box(img, x, y, w, h);
  sheet_text(img, fonts, Face::Gothic, text, x + 6, y + 4, w - 12, h - 8, kWhiteInk, px);
}

Image action_sheet(const Fonts& fonts) {
  constexpr std::array<const char*, 5> kActions{"和了", "カン", "ポン", "チー", "花"};
  Image img = blank(104, kNotice);
  for (int state = 0; state < 3; ++state)
    for (int k = 0; k < 5; ++k) button(img, fonts, kActions[k], 60 * k, 30 * state, state);
  notice(img, fonts, "チーする組み合わせを選んでください", 0, 90, 240, 30, 14);
  notice(img, fonts, "カンする牌を選んでください", 0, 120, 240, 30, 14);
  for (int d = 0; d < 10; ++d) {
    notice_band(img, 241 + 10 * d, 90, 8, 30);
    glyph_cell(img, fonts, static_cast<char>('0' + d), 241 + 10 * d, 90, 8, 30, kGoldInk, 0, 16);
  }
  notice_box(img, 340, 90, 90, 30);
  sheet_text(img, fonts, Face::Gothic, "和了", 344, 97, 32, 16, kWhiteInk, 15);
  sheet_text(img, fonts, Face::Gothic, "点", 408, 97, 16, 16, kWhiteInk, 15);
  notice_box(img, 320, 120, 110, 30);
  sheet_text(img, fonts, Face::Gothic, "和了", 324, 127, 32, 16, kWhiteInk, 15);
  sheet_text(img, fonts, Face::Gothic, "点", 386, 129, 11, 12, kWhiteInk, 12);
  sheet_text(img, fonts, Face::Gothic, "花", 408, 127, 16, 16, kWhiteInk, 15);
  notice(img, fonts, "オリ推奨", 300, 60, 110, 30);
  notice(img, fonts, "詐和", 240, 120, 80, 30);
  notice(img, fonts, "詐和です　この局はあがりも鳴きもできません", 0, 150, 450, 30, 15);
  return img;
}

Image name_sheet(const Fonts& fonts) {
  Image img = blank(105, kPlate);
  for (int c = 0; c < 7; ++c) {
    sheet_text(img, fonts, Face::Gothic, kNames[c], 0, 20 * c + 2, 80, 16, kWhiteInk, 15);
    sheet_text(img, fonts, Face::Gothic, kNames[c], 80, 20 * c + 2, 80, 16, kWhiteInk, 15, 2);
    sheet_text(img, fonts, Face::Gothic, kNames[c], 20 * c + 2, 140, 16, 80, kWhiteInk, 15, 3);
    sheet_text(img, fonts, Face::Gothic, kNames[c], 20 * c + 2, 220, 16, 80, kWhiteInk, 15, 1);
  }
  return img;
}

constexpr float kPips[6][6][2] = {
      {{0.5f, 0.5f}},
      {{0.28f, 0.28f}, {0.72f, 0.72f}},
      {{0.25f, 0.25f}, {0.5f, 0.5f}, {0.75f, 0.75f}},
      {{0.28f, 0.28f}, {0.72f, 0.28f}, {0.28f, 0.72f}, {0.72f, 0.72f}},
      {{0.25f, 0.25f}, {0.75f, 0.25f}, {0.5f, 0.5f}, {0.25f, 0.75f}, {0.75f, 0.75f}},
      {{0.28f, 0.22f}, {0.72f, 0.22f}, {0.28f, 0.5f}, {0.72f, 0.5f}, {0.28f, 0.78f}, {0.72f, 0.78f}}};

// A die seen from above and in front: its top face over a narrow near side.
void die(Image& img, int x, int y, int value, std::uint32_t body) {
  Layer l(20 * kSuper, 25 * kSuper);
  const Rgb c = to_rgb(body);
  fill_round_rect(l, 0, 0, 80, 100, 10, rgb(0x3A3A3A));
  fill_round_rect(l, 3, 3, 77, 77, 8, c);
  fill_gradient(l, 4, 78, 76, 97, scale(c, 0.82f), scale(c, 0.65f));
  const bool red = value == 1 || value == 4;
  const float r = value == 1 ? 13 : 7;
  for (int k = 0; k < value; ++k)
    fill_ellipse(l, 3 + 74 * kPips[value - 1][k][0], 3 + 74 * kPips[value - 1][k][1], r, r,
                 red ? rgb(0xC8202A) : rgb(0x202020));
  reduce_onto(img, x, y, l);
}

Image wind_and_dice(const Fonts& fonts) {
  Image img = blank(106, 0x17402A);
  for (int wind = 0; wind < 4; ++wind)
    for (int seat = 0; seat < 4; ++seat) {
      const int x = 40 * seat, y = 40 * wind;
      fill(img, x, y, 40, 40, 0x3A1A0C);
      fill(img, x + 1, y + 1, 38, 38, 0xB8242C);
      fill(img, x + 3, y + 3, 34, 34, 0xE9C46A);
      fill(img, x + 4, y + 4, 32, 32, 0xB8242C);
      const int quarter = seat == 1 ? 3 : seat == 3 ? 1 : seat;
      sheet_text(img, fonts, Face::Mincho, kWinds[wind], x + 6, y + 6, 28, 28, rgb(0xFFF3D0), 0, quarter, 0.03f);
    }
  for (int k = 0; k < 2; ++k)
    for (int v = 0; v < 6; ++v) die(img, 20 * v, 160 + 25 * k, v + 1, k == 0 ? 0xFAFAF6 : 0xF3E7C4);
  return img;
}

Image name_strips(const Fonts& fonts) {
  Image img = blank(107, kParchment);
  for (int row = 0; row < 8; ++row) {
    const int c = row == 7 ? 0 : row;
    const bool female = row == 7 || c >= 4;  // COM1 to COM3 are men, COM4 to COM6 women
    sheet_text(img, fonts, Face::Gothic, kNames[c], 0, 20 * row + 2, 80, 16, kDarkInk, 15);
    const std::string marked = std::string(kNames[c]) + (female ? "(女)" : "(男)");
    sheet_text(img, fonts, Face::Gothic, marked.c_str(), 82, 20 * row + 2, 116, 16, kDarkInk, 15);
  }
  return img;
}

Image notices(const Fonts& fonts) {
  Image img = blank(108, kNotice);
  fill(img, 0, 0, 60, 30, 0x3A0A0A);
  fill(img, 1, 1, 58, 28, 0xC8202A);
  sheet_text(img, fonts, Face::Gothic, "放銃", 6, 5, 48, 20, kWhiteInk, 18, 0, 0.04f);
  fill(img, 60, 0, 90, 30, kParchment);
  sheet_text(img, fonts, Face::Mincho, "対局終了", 62, 3, 86, 24, kDarkInk, 20, 0, 0.03f);
  notice(img, fonts, "組合竜", 0, 30, 60, 30);
  for (int k = 0; k < 3; ++k) {
    notice_box(img, 60 + 20 * k, 30, 20, 30);
    glyph_cell(img, fonts, static_cast<char>('7' + k), 60 + 20 * k, 30, 20, 30, kGoldInk, 0, 20);
  }
  notice(img, fonts, "ツモ切り表示：なし", 0, 60, 140, 30, 14);
  notice(img, fonts, "ツモ切り：灰色", 0, 90, 125, 30, 14);
  notice(img, fonts, "組合竜サポート：なし", 0, 120, 180, 30, 14);
  notice(img, fonts, "組合竜サポート：表示", 0, 150, 180, 30, 14);
  notice(img, fonts, "組合竜サポート：牌を強調", 0, 180, 210, 30, 14);
  return img;
}

}  // namespace

Rgb to_rgb(std::uint32_t hex) { return rgb(hex); }

void notice_box(Image& img, int x, int y, int w, int h) {
  fill(img, x, y, w, h, kNoticeEdge);
  fill(img, x + 1, y + 1, w - 2, h - 2, kNotice);
}

void notice_band(Image& img, int x, int y, int w, int h) {
  fill(img, x, y, w, h, kNotice);
  fill(img, x, y, w, 1, kNoticeEdge);
  fill(img, x, y + h - 1, w, 1, kNoticeEdge);
}

void framed_panel(Image& img, int x, int y, int w, int h, int frame, std::uint32_t interior) {
  fill(img, x, y, w, h, 0x2A1A0C);
  fill(img, x + 1, y + 1, w - 2, h - 2, kWoodLight);
  fill(img, x + 2, y + 2, w - 4, h - 4, kWood);
  fill(img, x + frame - 1, y + frame - 1, w - 2 * frame + 2, h - 2 * frame + 2, 0xD4A94E);
  fill(img, x + frame, y + frame, w - 2 * frame, h - 2 * frame, interior);
}

// Signs are drawn as bars: a font's minus is too thin at these sizes.
void sign_cell(Image& img, char glyph, int x, int y, int w, int h, Rgb ink, bool turned) {
  Layer l(w * kSuper, h * kSuper);
  const float cx = l.width / 2.0f, cy = l.height / 2.0f;
  const float arm = 0.3f * static_cast<float>(std::min(l.width, l.height)), t = 0.07f * static_cast<float>(std::max(l.width, l.height));
  if (glyph == '+' || !turned) fill_rect(l, cx - arm, cy - t / 2, cx + arm, cy + t / 2, ink);
  if (glyph == '+' || turned) fill_rect(l, cx - t / 2, cy - arm, cx + t / 2, cy + arm, ink);
  reduce_onto(img, x, y, l);
}

void glyph_cell(Image& img, const Fonts& fonts, char glyph, int x, int y, int w, int h, Rgb ink, int quarter,
                float max_px) {
  if (glyph == '-' || glyph == '+') return sign_cell(img, glyph, x, y, w, h, ink, quarter % 2 == 1);
  const char text[2] = {glyph, 0};
  const int upright_h = quarter % 2 ? w : h;
  const float px = max_px > 0 ? max_px : static_cast<float>(upright_h) * 0.95f;
  sheet_text(img, fonts, Face::Gothic, text, x + 1, y + 1, w - 2, h - 2, ink, px, quarter, 0.05f);
}

Image draw_ui_sheet(int id, const Fonts& fonts) {
  switch (id) {
    case 101: return frame_rate_digits(fonts);
    case 102: return centre_sheet(fonts);
    case 103: return balloons(fonts);
    case 104: return action_sheet(fonts);
    case 105: return name_sheet(fonts);
    case 106: return wind_and_dice(fonts);
    case 107: return name_strips(fonts);
    case 108: return notices(fonts);
    default: return draw_panel_sheet(id, fonts);
  }
}

}  // namespace art
