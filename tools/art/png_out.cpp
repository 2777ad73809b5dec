// The sheets leave the generator as PNG files through the program's own
// writer: plain 8-bit RGB with no time stamp, so the bytes depend only on the
// pixels.
#include <cstdio>

#include "canvas.h"

namespace art {

bool write_png(const std::string& path, const Image& img, platform::PngPacking packing) {
  if (platform::save_png(path, img, packing)) return true;
  std::fprintf(stderr, "ruvelka-gen-art: cannot write %s\n", path.c_str());
  return false;
}

}  // namespace art
