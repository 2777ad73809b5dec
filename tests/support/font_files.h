// Fonts for the tests of the text's face: two that Debian's fontconfig and
// script/bootstrap install, a damaged copy of one, and a fontconfig that
// knows only the fonts a test names.
#pragma once

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
