// Text output: UTF-8 strings in the face find_face found, at 16 px, black on white cells.
#include <algorithm>
#include <cstdio>
#include <string>

#include <ft2build.h>
#include FT_BITMAP_H

#include "platform/platform_state.h"

namespace platform {

namespace {

constexpr std::uint32_t kReplacement = 0xFFFD;

// Decodes one code point at `pos` and advances past it; a malformed byte
// reads as U+FFFD and is skipped alone.
std::uint32_t next_code_point(std::string_view s, std::size_t& pos) {
  const auto lead = static_cast<std::uint8_t>(s[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  int extra = 0;
  std::uint32_t cp = 0;
  std::uint32_t smallest = 0;  // shorter forms of the same value are malformed
  if (lead >= 0xC2 && lead <= 0xDF) { extra = 1; cp = lead & 0x1Fu; smallest = 0x80; }
  else if (lead >= 0xE0 && lead <= 0xEF) { extra = 2; cp = lead & 0x0Fu; smallest = 0x800; }
  else if (lead >= 0xF0 && lead <= 0xF4) { extra = 3; cp = lead & 0x07u; smallest = 0x10000; }
  else { ++pos; return kReplacement; }
  for (int i = 1; i <= extra; ++i) {
    if (pos + i >= s.size() || (static_cast<std::uint8_t>(s[pos + i]) & 0xC0) != 0x80) {
      ++pos;
      return kReplacement;
    }
    cp = cp << 6 | (static_cast<std::uint8_t>(s[pos + i]) & 0x3Fu);
  }
  pos += 1 + extra;
  const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
  return cp < smallest || cp > 0x10FFFF || surrogate ? kReplacement : cp;
}

// Half-width: what a single byte holds in the Japanese code page (ASCII and
// the half-width katakana); everything else takes a full cell.
int cell_width(std::uint32_t cp) {
  const bool half = cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F);
  return half ? kHalfWidth : kFullWidth;
}

}  // namespace

Glyph render_glyph(FT_Face face, std::uint32_t cp) {
  Glyph glyph;
  if (FT_Load_Char(face, cp, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) return glyph;
  // Hinting can erase a thin glyph at this size (the low line of some
  // faces): one left without ink is drawn unhinted.
  if (face->glyph->bitmap.rows == 0 && FT_Load_Char(face, cp, FT_LOAD_RENDER | FT_LOAD_NO_HINTING) != 0) return glyph;
  const FT_GlyphSlot slot = face->glyph;
  // Every pixel mode as one byte a pixel, 0 .. num_grays - 1.
  FT_Bitmap bitmap;
  FT_Bitmap_Init(&bitmap);
  if (FT_Bitmap_Convert(g_ft_library, &slot->bitmap, &bitmap, 1) != 0 || bitmap.num_grays < 2) {
    FT_Bitmap_Done(g_ft_library, &bitmap);
    return glyph;
  }
  const int advance = static_cast<int>(slot->advance.x >> 6);
  const int baseline = static_cast<int>(face->size->metrics.ascender >> 6);
  glyph.left = slot->bitmap_left + (cell_width(cp) - advance) / 2;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.height = static_cast<int>(bitmap.rows);
  // Ink wholly below the cell (the low line of a face with a short descent)
  // is raised onto the cell's last rows, where it shows, rather than lost.
  glyph.top = baseline - slot->bitmap_top;
  if (glyph.top >= kCellHeight) glyph.top = std::max(0, kCellHeight - glyph.height);
  glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.height);
  const int most = bitmap.num_grays - 1;
  // A freshly initialised target runs downwards (a positive pitch), whatever the source's flow.
  for (int row = 0; row < glyph.height; ++row) {
    const unsigned char* line = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
    for (int col = 0; col < glyph.width; ++col)
      glyph.coverage[static_cast<std::size_t>(row) * glyph.width + col] = static_cast<std::uint8_t>(line[col] * 255 / most);
  }
  FT_Bitmap_Done(g_ft_library, &bitmap);
  return glyph;
}

namespace {

// Said once, when text is first drawn without a face: the headless driver
// draws on with blank text; the windowed program does not start without one.
void say_text_blank() {
  std::fprintf(stderr,
               "ruvelka: no font with Japanese glyphs was found, so text is left blank; install IPA Gothic "
               "(package fonts-ipafont-gothic) or set RUVELKA_FONT to a Japanese font file\n");
}

const Glyph* glyph_for(std::uint32_t cp) {
  if (!g_font_tried && !text_face_found()) say_text_blank();
  if (!g_ft_face) return nullptr;
  auto found = g_glyph_cache.find(cp);
  if (found == g_glyph_cache.end()) found = g_glyph_cache.emplace(cp, render_glyph(g_ft_face, cp)).first;
  return &found->second;
}

// Inks the glyph into its cell (already white), clipped to the cell so that
// the next cell drawn over it leaves nothing behind.
void ink_glyph(Surface& dst, int cell_x, int cell_y, int cell_w, const Glyph& glyph) {
  for (int row = 0; row < glyph.height; ++row) {
    const int y = glyph.top + row;
    if (y < 0 || y >= kCellHeight || cell_y + y < 0 || cell_y + y >= dst.height) continue;
    for (int col = 0; col < glyph.width; ++col) {
      const int x = glyph.left + col;
      if (x < 0 || x >= cell_w || cell_x + x < 0 || cell_x + x >= dst.width) continue;
      const std::uint32_t paper = 255u - glyph.coverage[static_cast<std::size_t>(row) * glyph.width + col];
      dst.at(cell_x + x, cell_y + y) = paper * 0x010101u;
    }
  }
}

}  // namespace

int text_out(Surface& dst, int x, int y, std::string_view utf8) {
  int pen = x;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::uint32_t cp = next_code_point(utf8, pos);
    const int width = cell_width(cp);
    fill_rect(dst, pen, y, width, kCellHeight, kWhite);
    if (const Glyph* glyph = glyph_for(cp)) ink_glyph(dst, pen, y, width, *glyph);
    pen += width;
  }
  return pen - x;
}

bool text_face_found() {
  if (!g_font_tried) find_face();
  return g_ft_face != nullptr;
}

int text_width(std::string_view utf8) {
  int width = 0;
  for (std::size_t pos = 0; pos < utf8.size();) width += cell_width(next_code_point(utf8, pos));
  return width;
}

void release_font() {
  g_glyph_cache.clear();
  if (g_ft_face) FT_Done_Face(g_ft_face);
  g_font_file.reset();  // after its face, which reads from it
  if (g_ft_library) FT_Done_FreeType(g_ft_library);
  g_ft_face = nullptr;
  g_ft_library = nullptr;
  g_font_tried = false;
}

}  // namespace platform
