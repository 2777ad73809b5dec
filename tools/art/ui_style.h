// The look shared by the panels, labels and digits: a few surfaces, each
// with the ink that reads on it. Cells that the program draws over one
// another (digits over a plate, a name over a panel) share a surface colour,
// so the copies join without seams.
#pragma once

#include "sheets.h"

namespace art {

constexpr std::uint32_t kPlate = 0x1F3A2C;      // centre plate interior
constexpr std::uint32_t kParchment = 0xFBF5E6;  // result panels and text sheets
constexpr std::uint32_t kNotice = 0x1C2542;     // notices, prompts and buttons on the table
constexpr std::uint32_t kNoticeEdge = 0x8A9AD0;
constexpr std::uint32_t kWood = 0x5A3A1E;
constexpr std::uint32_t kWoodLight = 0x8C6238;

constexpr Rgb kGoldInk = rgb(0xEBCB6B);
constexpr Rgb kDarkInk = rgb(0x20242E);
constexpr Rgb kWhiteInk = rgb(0xF4F4F4);
constexpr Rgb kRedInk = rgb(0xC8202A);

Rgb to_rgb(std::uint32_t hex);

// A notice box: dark fill with a light rule on every side.
void notice_box(Image& img, int x, int y, int w, int h);
// The same box without its left and right rules, for digits set into a notice.
void notice_band(Image& img, int x, int y, int w, int h);
// A wooden frame of the given thickness around a filled interior.
void framed_panel(Image& img, int x, int y, int w, int h, int frame, std::uint32_t interior);

// One digit (0-9) or sign ('-', '+') centred in the cell.
void glyph_cell(Image& img, const Fonts& fonts, char glyph, int x, int y, int w, int h, Rgb ink, int quarter = 0,
                float max_px = 0);

}  // namespace art
