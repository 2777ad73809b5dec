// The word sheets of the statistics and help screens: page numbers,
// statistics labels and words, pattern names with their glyph row.
#include <array>
#include <string>

#include "draw/art_manifest.h"
#include "pattern_names.h"
#include "ui_style.h"

namespace art {

namespace {

Image blank(int id) { return Image(art_sheet(id).width, art_sheet(id).height, kParchment); }

void words(Image& img, const Fonts& fonts, const char* text, int x, int y, int w, int h) {
  sheet_text(img, fonts, Face::Gothic, text, x + 1, y + 2, w - 2, h - 4, kDarkInk, 15, 0, 0.0f);
}

Image page_numbers(const Fonts& fonts) {
  Image img = blank(109);
  for (int k = 0; k < 10; ++k) {
    const std::string text = k < 7 ? std::to_string(k + 1) + "/7" : std::to_string(k - 6) + "/3";
    words(img, fonts, text.c_str(), 50 * k, 4, 50, 22);
  }
  return img;
}

Image statistics_labels(const Fonts& fonts) {
  constexpr std::array<const char*, 24> kLabels{"対局数", "1位", "2位", "3位", "4位", "平均順位", "平均得点", "最高得点",
                                                "最低得点", "和了率", "自摸率", "門前率", "平均巡", "平均得点", "最高得点", "副露率",
                                                "成功率", "平均巡", "平均得点", "放銃率", "平均巡", "平均得点", "流局率", "詐和率"};
  Image img = blank(124);
  for (int r = 0; r < 24; ++r) sheet_text(img, fonts, Face::Gothic, kLabels[r], 1, 20 * r + 2, 68, 16, kDarkInk, 15, 0, 0, Align::Left);
  return img;
}

void arrow_button(Image& img, int x, int y, int direction) {
  Layer l(20 * kSuper, 20 * kSuper);
  fill_round_rect(l, 2, 2, 78, 78, 12, rgb(0x2B57A8));
  const std::array<std::array<float, 6>, 4> kHeads{{{28, 16, 60, 40, 28, 64},
                                                    {52, 16, 20, 40, 52, 64},
                                                    {16, 52, 40, 20, 64, 52},
                                                    {16, 28, 40, 60, 64, 28}}};
  const auto& p = kHeads[static_cast<std::size_t>(direction)];
  fill_polygon(l, {p[0], p[1], p[2], p[3], p[4], p[5]}, kWhiteInk);
  reduce_onto(img, x, y, l);
}

Image statistics_words(const Fonts& fonts) {
  Image img = blank(125);
  words(img, fonts, "対局数", 0, 0, 80, 20);
  words(img, fonts, "和了率", 0, 120, 60, 20);
  words(img, fonts, "自摸率", 0, 140, 60, 20);
  words(img, fonts, "放銃率", 0, 180, 60, 20);
  words(img, fonts, "和了数", 80, 0, 50, 20);
  constexpr std::array<const char*, 4> kShort{"順位", "得点", "平均", "局数"};
  constexpr std::array<int, 4> kShortY{20, 40, 60, 140};
  for (int k = 0; k < 4; ++k) words(img, fonts, kShort[k], 80, kShortY[k], 40, 20);
  arrow_button(img, 80, 80, 0);
  arrow_button(img, 100, 80, 1);
  arrow_button(img, 80, 100, 2);
  arrow_button(img, 100, 100, 3);
  // The two characters that the program's Shift-JIS strings write as "●●".
  words(img, fonts, "碰碰", 80, 120, 50, 20);
  return img;
}

Image pattern_names(const Fonts& fonts) {
  Image img = blank(126);
  for (int id = 0; id < 84; ++id) {
    const bool main_list = id < 80;
    const int x = main_list ? 100 * ((id % 40) / 10) : 400;
    const int y = main_list ? 20 * (id % 10) + 200 * (id / 40) : 20 * (id - 80);
    sheet_text(img, fonts, Face::Gothic, kPatternNames[id], x + 2, y + 2, 96, 16, kDarkInk, 15, 0, 0, Align::Left);
  }
  for (int d = 0; d < 10; ++d) glyph_cell(img, fonts, static_cast<char>('0' + d), 100 + 10 * d, 400, 10, 20, kDarkInk, 0, 17);
  words(img, fonts, "点", 200, 400, 20, 20);
  fill(img, 220, 409, 20, 2, 0x20242E);
  words(img, fonts, "点役", 240, 400, 40, 20);
  words(img, fonts, "(", 280, 400, 10, 20);
  words(img, fonts, ".", 325, 400, 5, 20);
  words(img, fonts, "%", 358, 400, 12, 20);
  words(img, fonts, ")", 370, 400, 10, 20);
  words(img, fonts, "[", 380, 400, 10, 20);
  words(img, fonts, "]", 390, 400, 10, 20);
  return img;
}

}  // namespace

bool is_text_sheet(int id) { return id == 109 || id == 124 || id == 125 || id == 126; }

Image draw_text_sheet(int id, const Fonts& fonts) {
  switch (id) {
    case 109: return page_numbers(fonts);
    case 124: return statistics_labels(fonts);
    case 125: return statistics_words(fonts);
    case 126: return pattern_names(fonts);
    default: return blank(id);
  }
}

}  // namespace art
