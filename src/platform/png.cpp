// PNG reading through libpng's simplified interface, writing through its
// full one (for the compression settings).
#include <png.h>

#include <bit>
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

namespace {

// zlib's fastest level on the rows as they are: a screen of flat colours and
// repeated textures packs about as small as at the default level with every
// row filter tried (137 KB against 128 KB for a table), ten times faster.
constexpr int kCompressionLevel = 1;
constexpr int kRowFilter = PNG_FILTER_NONE;

void append_bytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void no_flush(png_structp) {}

// Encodes 8-bit RGB straight from the surface's rows (no C++ object lives
// here, as libpng's errors jump back past them): libpng drops each
// pixel's unused high byte (0x00RRGGBB is B, G, R, 0 in memory on a
// little-endian machine, 0, R, G, B on a big-endian one).
bool encode(const Surface& surface, png_bytep* rows, std::vector<std::uint8_t>& out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &out, append_bytes, no_flush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(surface.width), static_cast<png_uint_32>(surface.height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);  // as the screen shows it, like before
  png_set_compression_level(png, kCompressionLevel);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, kRowFilter);
  png_write_info(png, info);
  if constexpr (std::endian::native == std::endian::little) {
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_set_bgr(png);
  } else {
    png_set_filler(png, 0, PNG_FILLER_BEFORE);
  }
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool save_png(const std::string& path, const Surface& surface) {
  if (surface.width <= 0 || surface.height <= 0) return false;
  std::vector<png_bytep> rows(static_cast<std::size_t>(surface.height));
  for (std::size_t y = 0; y < rows.size(); ++y)
    rows[y] = reinterpret_cast<png_bytep>(const_cast<std::uint32_t*>(&surface.pixels[y * surface.width]));
  std::vector<std::uint8_t> bytes;
  bytes.reserve(surface.pixels.size());
  if (!encode(surface, rows.data(), bytes)) return false;
  return write_bytes(path, bytes);
}

}  // namespace platform
