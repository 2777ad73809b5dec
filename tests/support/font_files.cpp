#include "support/font_files.h"

#include <stdlib.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include <fontconfig/fontconfig.h>

namespace fs = std::filesystem;

namespace {

// The table directory of a TrueType file: its count at byte 4, then
// 16-byte records of tag, checksum, offset and length from byte 12.
constexpr std::size_t kTableCountAt = 4, kFirstTable = 12, kTableRecord = 16;
constexpr unsigned char kUndefinedInstruction = 0x83;

std::uint32_t big_endian(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = 0; i < size; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

}  // namespace

bool test_fonts_installed() { return fs::exists(kLatinOnlyFont) && fs::exists(kOtherJapaneseFont); }

bool write_damaged_font(const fs::path& from, const fs::path& to) {
  std::ifstream in(from, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (bytes.size() < kFirstTable) return false;
  const std::uint32_t tables = big_endian(bytes, kTableCountAt, 2);
  for (std::uint32_t i = 0; i < tables; ++i) {
    const std::size_t record = kFirstTable + i * kTableRecord;
    if (record + kTableRecord > bytes.size()) return false;
    if (bytes.compare(record, 4, "fpgm") != 0) continue;
    const std::uint32_t offset = big_endian(bytes, record + 8, 4);
    if (offset >= bytes.size()) return false;
    bytes[offset] = static_cast<char>(kUndefinedInstruction);
    std::ofstream(to, std::ios::binary) << bytes;
    return true;
  }
  return false;
}

std::string bitmap_font_text(int bits, std::uint32_t blank) {
  const int levels = 1 << bits;
  // A row's pixels packed from the high bits, in hexadecimal digits (16
  // pixels fill whole bytes at every depth).
  std::string bits_of_row;
  for (int x = 0; x < 16; ++x)
    for (int b = bits - 1; b >= 0; --b) bits_of_row += ((x % levels) >> b & 1) ? '1' : '0';
  std::ostringstream hex;
  for (std::size_t at = 0; at < bits_of_row.size(); at += 4)
    hex << "0123456789ABCDEF"[std::stoi(bits_of_row.substr(at, 4), nullptr, 2)];

  std::vector<FcChar32> chars;
  const FcCharSet* japanese = FcLangGetCharSet(reinterpret_cast<const FcChar8*>("ja"));
  FcChar32 map[FC_CHARSET_MAP_SIZE];
  FcChar32 next = 0;
  for (FcChar32 base = FcCharSetFirstPage(japanese, map, &next); base != FC_CHARSET_DONE;
       base = FcCharSetNextPage(japanese, map, &next))
    for (int word = 0; word < FC_CHARSET_MAP_SIZE; ++word)
      for (int bit = 0; bit < 32; ++bit)
        if (map[word] >> bit & 1) chars.push_back(base + 32 * word + bit);

  std::ostringstream font;
  font << "STARTFONT 2.1\nFONT -test-levels-medium-r-normal--16-160-75-75-c-160-iso10646-1\n"
       << "SIZE 16 75 75 " << bits << "\nFONTBOUNDINGBOX 16 16 0 -2\nSTARTPROPERTIES 5\nPIXEL_SIZE 16\n"
       << "FONT_ASCENT 14\nFONT_DESCENT 2\nCHARSET_REGISTRY \"ISO10646\"\nCHARSET_ENCODING \"1\"\nENDPROPERTIES\n"
       << "CHARS " << chars.size() << "\n";
  const std::string no_ink(hex.str().size(), '0');
  for (const FcChar32 c : chars) {
    font << "STARTCHAR u" << c << "\nENCODING " << c << "\nSWIDTH 1000 0\nDWIDTH 16 0\nBBX 16 16 0 -2\nBITMAP\n";
    for (int y = 0; y < 16; ++y) font << (c == blank ? no_ink : hex.str()) << "\n";
    font << "ENDCHAR\n";
  }
  font << "ENDFONT\n";
  return font.str();
}

KnownFonts::KnownFonts(const fs::path& dir, const std::vector<std::string>& fonts, bool latin_first) {
  fs::remove_all(dir / "fonts");
  fs::create_directories(dir / "fonts");
  for (const std::string& font : fonts)
    fs::create_symlink(fs::absolute(font), dir / "fonts" / fs::path(font).filename());
  const char* ranking = "<alias binding=\"strong\"><family>IPAGothic</family>"
                        "<prefer><family>DejaVu Sans</family></prefer></alias>";
  std::ofstream(dir / "fonts.conf") << "<?xml version=\"1.0\"?>\n<fontconfig><dir>" << (dir / "fonts").string()
                                    << "</dir><cachedir>" << (dir / "cache").string() << "</cachedir>"
                                    << (latin_first ? ranking : "") << "</fontconfig>\n";
  ::setenv("FONTCONFIG_FILE", (dir / "fonts.conf").c_str(), 1);
  ::unsetenv("RUVELKA_FONT");
}

KnownFonts::~KnownFonts() {
  ::unsetenv("FONTCONFIG_FILE");
  ::unsetenv("RUVELKA_FONT");
}
