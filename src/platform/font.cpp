// The face the program's text is drawn in. A font is taken only when it has
// a glyph for every kana and every common kanji (fontconfig's Japanese
// orthography): a Latin-only font would draw every screen's text as empty
// boxes. Looked for in this order: the font file RUVELKA_FONT names, then the
// fonts fontconfig prefers for IPA Gothic in Japanese.
#include <array>
#include <cstdio>
#include <cstdlib>

#include <fontconfig/fontconfig.h>
// After fontconfig.h, which it needs.
#include <fontconfig/fcfreetype.h>

#include "platform/platform_state.h"

namespace platform {

namespace {

constexpr int kPixelSize = 16;
const auto* const kJapanese = reinterpret_cast<const FcChar8*>("ja");

enum FaceVerdict : int { kTaken, kUnreadable, kNotJapanese };
// Why a user's font is passed over, by verdict.
constexpr std::array<const char*, 3> kPassedOver{nullptr, "cannot be read as a font", "has no Japanese glyphs"};

bool covers_japanese(FT_Face face) {
  FcCharSet* glyphs = FcFreeTypeCharSet(face, nullptr);
  const FcCharSet* japanese = FcLangGetCharSet(kJapanese);
  const bool covers = glyphs && japanese && FcCharSetIsSubset(japanese, glyphs);
  if (glyphs) FcCharSetDestroy(glyphs);
  return covers;
}

// Opens face `index` of the file at 16 px; it becomes g_ft_face only when it serves.
FaceVerdict try_face(const char* path, int index) {
  FT_Face face = nullptr;
  if (FT_New_Face(g_ft_library, path, index, &face) != 0) return kUnreadable;
  FaceVerdict verdict = kTaken;
  if (FT_Set_Pixel_Sizes(face, 0, kPixelSize) != 0) verdict = kUnreadable;
  else if (!covers_japanese(face)) verdict = kNotJapanese;
  if (verdict == kTaken) g_ft_face = face;
  else FT_Done_Face(face);
  return verdict;
}

// A font the user names that does not serve is named on one line and skipped.
bool try_user_font() {
  const char* path = std::getenv("RUVELKA_FONT");
  if (!path || !*path) return false;
  const FaceVerdict verdict = try_face(path, 0);
  if (verdict != kTaken) std::fprintf(stderr, "ruvelka: RUVELKA_FONT %s %s; skipped\n", path, kPassedOver[verdict]);
  return verdict == kTaken;
}

// One of fontconfig's fonts: only one it lists for Japanese is opened.
bool try_listed_font(const FcPattern* font) {
  FcChar8* file = nullptr;
  FcLangSet* languages = nullptr;
  int index = 0;
  if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) return false;
  if (FcPatternGetLangSet(font, FC_LANG, 0, &languages) != FcResultMatch) return false;
  if (FcLangSetHasLang(languages, kJapanese) != FcLangEqual) return false;
  FcPatternGetInteger(font, FC_INDEX, 0, &index);  // a face of a collection; 0 when absent
  return try_face(reinterpret_cast<const char*>(file), index) == kTaken;
}

// The fonts in fontconfig's order, best first. A configuration of our own
// (some 3 ms from its caches) reads FONTCONFIG_FILE as it stands and leaves
// the one other libraries of the process share alone.
bool try_fontconfig() {
  FcConfig* config = FcInitLoadConfigAndFonts();
  FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>("IPAGothic:lang=ja"));
  FcFontSet* fonts = nullptr;
  if (config && wanted) {
    FcConfigSubstitute(config, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    fonts = FcFontSort(config, wanted, FcFalse, nullptr, &result);
  }
  bool found = false;
  for (int i = 0; fonts && i < fonts->nfont && !found; ++i) found = try_listed_font(fonts->fonts[i]);
  if (fonts) FcFontSetDestroy(fonts);
  if (wanted) FcPatternDestroy(wanted);
  if (config) FcConfigDestroy(config);
  return found;
}

}  // namespace

void find_face() {
  g_font_tried = true;
  if (FT_Init_FreeType(&g_ft_library) != 0) {
    g_ft_library = nullptr;
    return;
  }
  if (try_user_font() || try_fontconfig()) return;
  std::fprintf(stderr,
               "ruvelka: no font with Japanese glyphs was found, so text is left blank; install IPA Gothic "
               "(package fonts-ipafont-gothic) or set RUVELKA_FONT to a Japanese font file\n");
}

}  // namespace platform
