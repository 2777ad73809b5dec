// The sheets leave the generator as PNG files. The program's own PNG writer
// comes with the platform layer; until the generator can use it, this one
// writes the same plain 8-bit RGB files with no time stamp, so the bytes
// depend only on the pixels.
#include <png.h>

#include <cstdio>
#include <vector>

#include "canvas.h"

namespace art {

bool write_png(const std::string& path, const Image& img) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) {
    std::fprintf(stderr, "ruvelka-gen-art: cannot write %s\n", path.c_str());
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  bool ok = png && info;
  std::vector<png_byte> row(static_cast<std::size_t>(img.width) * 3);
  if (ok && setjmp(png_jmpbuf(png)) == 0) {
    png_init_io(png, file);
    png_set_IHDR(png, info, img.width, img.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < img.height; ++y) {
      for (int x = 0; x < img.width; ++x) {
        const std::uint32_t p = img.at(x, y);
        row[3 * x] = static_cast<png_byte>(p >> 16);
        row[3 * x + 1] = static_cast<png_byte>(p >> 8);
        row[3 * x + 2] = static_cast<png_byte>(p);
      }
      png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
  } else {
    ok = false;
  }
  png_destroy_write_struct(&png, &info);
  if (std::fclose(file) != 0) ok = false;
  if (!ok) std::fprintf(stderr, "ruvelka-gen-art: failed writing %s\n", path.c_str());
  return ok;
}

}  // namespace art
