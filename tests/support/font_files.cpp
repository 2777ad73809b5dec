#include "support/font_files.h"

#include <stdlib.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

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
