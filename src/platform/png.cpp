// PNG reading and writing through libpng's simplified interface.
#include <png.h>

#include <cstring>

#include "platform/platform.h"

namespace platform {

bool load_png(const std::string& path, Surface& out, int want_width, int want_height) {
  std::vector<std::uint8_t> bytes;
  if (!read_bytes(path, bytes, kMaxPngBytes)) return false;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return false;
  const int width = static_cast<int>(image.width);
  const int height = static_cast<int>(image.height);
  // The header alone decides: a sheet of the wrong size is never decoded.
  if (want_width > 0 && want_height > 0 && (width != want_width || height != want_height)) {
    png_image_free(&image);
    return false;
  }
  image.format = PNG_FORMAT_RGB;  // any colour type arrives as 8-bit RGB
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  // Transparent pixels become black, which an Or-drawn image leaves alone.
  const png_color black{0, 0, 0};
  if (!png_image_finish_read(&image, &black, rgb.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  Surface surface(width, height);
  for (std::size_t i = 0; i < surface.pixels.size(); ++i) {
    surface.pixels[i] = static_cast<std::uint32_t>(rgb[3 * i]) << 16 |
                        static_cast<std::uint32_t>(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
  }
  out = std::move(surface);
  return true;
}

bool save_png(const std::string& path, const Surface& surface) {
  if (surface.width <= 0 || surface.height <= 0) return false;
  std::vector<png_byte> rgb(surface.pixels.size() * 3);
  for (std::size_t i = 0; i < surface.pixels.size(); ++i) {
    rgb[3 * i] = static_cast<png_byte>(surface.pixels[i] >> 16);
    rgb[3 * i + 1] = static_cast<png_byte>(surface.pixels[i] >> 8);
    rgb[3 * i + 2] = static_cast<png_byte>(surface.pixels[i]);
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(surface.width);
  image.height = static_cast<png_uint_32>(surface.height);
  image.format = PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  if (!png_image_write_get_memory_size(image, size, 0, rgb.data(), 0, nullptr)) return false;
  std::vector<std::uint8_t> bytes(size);
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgb.data(), 0, nullptr)) return false;
  bytes.resize(size);
  return write_bytes(path, bytes);
}

}  // namespace platform
