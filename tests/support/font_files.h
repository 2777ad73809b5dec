// Fonts for the tests of the text's face: two that Debian's fontconfig and
// script/bootstrap install, a damaged copy of one, a bitmap font written
// here, and a fontconfig that knows only the fonts a test names.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

inline constexpr const char* kLatinOnlyFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr const char* kOtherJapaneseFont = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf";

// Whether both fonts are installed (a test without them is skipped).
bool test_fonts_installed();

// Copies a TrueType font with its font program's first instruction an
// undefined one: the file still lists every glyph and opens at any size,
// but no glyph's outline can be hinted, so none draws.
bool write_damaged_font(const std::filesystem::path& from, const std::filesystem::path& to);

// The text of a BDF font of the given depth (1, 2, 4 or 8 bits a pixel)
// with a 16 x 16 glyph for every character of Japanese (fontconfig's list)
// in which a pixel's level is its column modulo the depth's levels: column
// x draws (x mod levels) / (levels - 1) of full ink. The glyph of `blank`,
// when it is one of them, has no ink at all.
std::string bitmap_font_text(int bits, std::uint32_t blank = 0);

// While alive, fontconfig (through FONTCONFIG_FILE) knows only the fonts
// given, linked into `dir`, with the Latin-only font ranked first for IPA
// Gothic when `latin_first`; RUVELKA_FONT is unset.
class KnownFonts {
 public:
  KnownFonts(const std::filesystem::path& dir, const std::vector<std::string>& fonts, bool latin_first = false);
  ~KnownFonts();
  KnownFonts(const KnownFonts&) = delete;
  KnownFonts& operator=(const KnownFonts&) = delete;
};
