// The face the program's text is drawn in. A font is taken only when it has
// a glyph for every kana and every common kanji (fontconfig's Japanese
// orthography), and when the program's own glyph path draws a few of them
// with ink: a Latin-only font would draw every screen's text as empty boxes,
// and a damaged one can list its glyphs and fail to draw them. Looked for in
// this order: the font file RUVELKA_FONT names, then the fonts fontconfig
// prefers for IPA Gothic in Japanese. A file is opened only when it is a
// regular one, so a FIFO or a device named in its place never blocks.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <fontconfig/fontconfig.h>
// After fontconfig.h, which it needs.
#include <fontconfig/fcfreetype.h>

#include "platform/platform_state.h"

namespace platform {

FontFile::~FontFile() {
  if (fd >= 0) ::close(fd);
}

namespace {

constexpr int kPixelSize = 16;
const auto* const kJapanese = reinterpret_cast<const FcChar8*>("ja");
// What a face must draw with ink: kana of both kinds and kanji of the
// program's own screens.
constexpr std::array<std::uint32_t, 6> kInkProbe{U'あ', U'ン', U'和', U'了', U'麻', U'雀'};

enum FaceVerdict : int { kTaken, kMissing, kNotRegular, kUnreadable, kNotJapanese, kNoInk };
// Why a font is passed over, by verdict.
constexpr std::array<const char*, 6> kPassedOver{nullptr,
                                                 "does not exist",
                                                 "is not a regular file",
                                                 "cannot be read as a font",
                                                 "has no Japanese glyphs",
                                                 "does not draw its Japanese glyphs (a damaged file?)"};

// FreeType's reads of the file, by offset; a count of 0 asks whether the
// offset lies within it.
unsigned long read_font(FT_Stream stream, unsigned long offset, unsigned char* buffer, unsigned long count) {
  if (count == 0) return offset > stream->size ? 1 : 0;
  const int fd = static_cast<int>(stream->descriptor.value);
  unsigned long done = 0;
  while (done < count) {
    const ssize_t n = ::pread(fd, buffer + done, count - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<unsigned long>(n);
  }
  return done;
}

FaceVerdict open_font_file(const char* path, std::unique_ptr<FontFile>& file) {
  struct stat info {};
  file = std::make_unique<FontFile>();
  file->fd = open_regular_file(path, info);
  if (file->fd < 0) return no_such_file(errno) ? kMissing : errno == EINVAL ? kNotRegular : kUnreadable;
  file->stream.size = static_cast<unsigned long>(info.st_size);
  file->stream.descriptor.value = file->fd;
  file->stream.read = read_font;
  return kTaken;
}

bool covers_japanese(FT_Face face) {
  FcCharSet* glyphs = FcFreeTypeCharSet(face, nullptr);
  const FcCharSet* japanese = FcLangGetCharSet(kJapanese);
  const bool covers = glyphs && japanese && FcCharSetIsSubset(japanese, glyphs);
  if (glyphs) FcCharSetDestroy(glyphs);
  return covers;
}

bool draws_with_ink(FT_Face face) {
  return std::all_of(kInkProbe.begin(), kInkProbe.end(), [face](std::uint32_t cp) {
    const Glyph glyph = render_glyph(face, cp);
    return std::any_of(glyph.coverage.begin(), glyph.coverage.end(), [](std::uint8_t c) { return c > 0; });
  });
}

FaceVerdict judge_face(FT_Face face) {
  if (FT_Set_Pixel_Sizes(face, 0, kPixelSize) != 0) return kUnreadable;
  if (!covers_japanese(face)) return kNotJapanese;
  if (!draws_with_ink(face)) return kNoInk;
  return kTaken;
}

// Opens face `index` of the file at 16 px; it becomes g_ft_face only when it serves.
FaceVerdict try_face(const char* path, int index) {
  std::unique_ptr<FontFile> file;
  FaceVerdict verdict = open_font_file(path, file);
  if (verdict != kTaken) return verdict;
  FT_Open_Args args{};
  args.flags = FT_OPEN_STREAM;
  args.stream = &file->stream;
  FT_Face face = nullptr;
  if (FT_Open_Face(g_ft_library, &args, index, &face) != 0) return kUnreadable;
  verdict = judge_face(face);
  if (verdict != kTaken) {
    FT_Done_Face(face);
    return verdict;
  }
  g_ft_face = face;
  g_font_file = std::move(file);
  return kTaken;
}

void say_passed_over(const char* whose, const char* path, FaceVerdict verdict) {
  std::fprintf(stderr, "ruvelka: %s %s %s; skipped\n", whose, path, kPassedOver[verdict]);
}

// A font the user names that does not serve is named on one line and skipped.
bool try_user_font() {
  const char* path = std::getenv("RUVELKA_FONT");
  if (!path || !*path) return false;
  const FaceVerdict verdict = try_face(path, 0);
  if (verdict != kTaken) say_passed_over("RUVELKA_FONT", path, verdict);
  return verdict == kTaken;
}

// One of fontconfig's fonts: only one it lists for Japanese is opened, and
// named when it does not serve after all.
bool try_listed_font(const FcPattern* font) {
  FcChar8* file = nullptr;
  FcLangSet* languages = nullptr;
  int index = 0;
  if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) return false;
  if (FcPatternGetLangSet(font, FC_LANG, 0, &languages) != FcResultMatch) return false;
  if (FcLangSetHasLang(languages, kJapanese) != FcLangEqual) return false;
  FcPatternGetInteger(font, FC_INDEX, 0, &index);  // a face of a collection; 0 when absent
  const char* path = reinterpret_cast<const char*>(file);
  const FaceVerdict verdict = try_face(path, index);
  if (verdict != kTaken) say_passed_over("font", path, verdict);
  return verdict == kTaken;
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
  if (!try_user_font()) try_fontconfig();
}

}  // namespace platform
