// PNG reading through libpng's full interface for plain 8-bit RGB (straight
// into the surface's rows) and its simplified one for every other kind;
// writing through the full one (for the compression settings).
#include <png.h>

#include <bit>
#include <cstring>

#include "platform/platform.h"

namespace platform {

namespace {

// The bytes of a file in memory, handed to libpng as it asks for them.
struct ByteSource {
  const std::vector<std::uint8_t>* bytes;
  std::size_t at;
};

void read_from_bytes(png_structp png, png_bytep data, png_size_t length) {
  auto* source = static_cast<ByteSource*>(png_get_io_ptr(png));
  if (length > source->bytes->size() - source->at) png_error(png, "the file ends early");
  std::memcpy(data, source->bytes->data() + source->at, length);
  source->at += length;
}

enum class Decoded { Done, Refused, Other };

// Whether the header read so far is plain 8-bit RGB that the simplified
// reader would hand over unchanged: no transparency, no interlace, and no
// gamma other than the screen's.
bool plain_rgb(png_structp png, png_infop info) {
  return png_get_color_type(png, info) == PNG_COLOR_TYPE_RGB && png_get_bit_depth(png, info) == 8 &&
         png_get_interlace_type(png, info) == PNG_INTERLACE_NONE && !png_get_valid(png, info, PNG_INFO_tRNS) &&
         !png_get_valid(png, info, PNG_INFO_iCCP) &&
         (png_get_valid(png, info, PNG_INFO_sRGB) || !png_get_valid(png, info, PNG_INFO_gAMA));
}

// One row of R, G, B bytes as pixels. `from` holds a byte more than the
// row: on a little-endian machine each pixel is loaded as four bytes, the
// fourth (the next pixel's red) shifted out.
void unpack_rgb(const png_byte* from, int width, std::uint32_t* to) {
  for (int x = 0; x < width; ++x, from += 3) {
    if constexpr (std::endian::native == std::endian::little) {
      std::uint32_t rgbx = 0;
      std::memcpy(&rgbx, from, 4);
      to[x] = __builtin_bswap32(rgbx) >> 8;
    } else {
      to[x] = static_cast<std::uint32_t>(from[0]) << 16 | static_cast<std::uint32_t>(from[1]) << 8 | from[2];
    }
  }
}

// The buffers a plain decode passes each row through: its bytes as read and
// its pixels, appended to the surface (never filled first and overwritten).
struct RowBuffers {
  std::vector<png_byte> bytes;
  std::vector<std::uint32_t> pixels;
};

// Decodes plain 8-bit RGB into `out`, a row at a time through `row` (no
// C++ object lives here, as libpng's errors jump back past them). Other
// kinds are left to the simplified reader.
Decoded decode_plain(png_structp png, png_infop info, ByteSource& source, int want_width, int want_height,
                     RowBuffers& row, Surface& out) {
  if (setjmp(png_jmpbuf(png))) return Decoded::Refused;
  png_set_read_fn(png, &source, read_from_bytes);
  png_read_info(png, info);
  const auto width = static_cast<int>(png_get_image_width(png, info));
  const auto height = static_cast<int>(png_get_image_height(png, info));
  if (want_width > 0 && want_height > 0 && (width != want_width || height != want_height)) return Decoded::Refused;
  if (!plain_rgb(png, info)) return Decoded::Other;
  out.width = width;
  out.height = height;
  out.pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  row.bytes.resize(3 * static_cast<std::size_t>(width) + 1);
  row.pixels.resize(static_cast<std::size_t>(width));
  for (int y = 0; y < height; ++y) {
    png_read_row(png, row.bytes.data(), nullptr);
    unpack_rgb(row.bytes.data(), width, row.pixels.data());
    out.pixels.insert(out.pixels.end(), row.pixels.begin(), row.pixels.end());
  }
  png_read_end(png, nullptr);
  return Decoded::Done;
}

// Any colour type through the simplified reader, as 8-bit RGB.
bool decode_any(const std::vector<std::uint8_t>& bytes, Surface& out) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return false;
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  // Transparent pixels become black, which an Or-drawn image leaves alone.
  const png_color black{0, 0, 0};
  if (!png_image_finish_read(&image, &black, rgb.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  Surface surface(static_cast<int>(image.width), static_cast<int>(image.height));
  for (std::size_t i = 0; i < surface.pixels.size(); ++i) {
    surface.pixels[i] = static_cast<std::uint32_t>(rgb[3 * i]) << 16 |
                        static_cast<std::uint32_t>(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
  }
  out = std::move(surface);
  return true;
}

}  // namespace

bool load_png(const std::string& path, Surface& out, int want_width, int want_height) {
  std::vector<std::uint8_t> bytes;
  if (!read_bytes(path, bytes, kMaxPngBytes)) return false;
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return false;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  ByteSource source{&bytes, 0};
  RowBuffers row;
  Surface surface;
  const Decoded decoded = decode_plain(png, info, source, want_width, want_height, row, surface);
  png_destroy_read_struct(&png, &info, nullptr);
  if (decoded == Decoded::Refused) return false;
  if (decoded == Decoded::Other) return decode_any(bytes, out);
  out = std::move(surface);
  return true;
}

bool png_declares_size(const std::string& path, int width, int height) {
  // The signature, the header chunk's length and name, then its width and height (big-endian).
  constexpr std::size_t kSizeAt = 16, kHeadBytes = kSizeAt + 8;
  std::uint64_t size = 0;
  std::vector<std::uint8_t> head;
  if (!file_size(path, size) || size > kMaxPngBytes || !read_prefix(path, kHeadBytes, head)) return false;
  if (head.size() < kHeadBytes || png_sig_cmp(head.data(), 0, 8) != 0 || std::memcmp(head.data() + 12, "IHDR", 4) != 0)
    return false;
  return png_get_uint_32(head.data() + kSizeAt) == static_cast<png_uint_32>(width) &&
         png_get_uint_32(head.data() + kSizeAt + 4) == static_cast<png_uint_32>(height);
}

namespace {

// zlib's fastest level on the rows as they are: a screen of flat colours and
// repeated textures packs about as small as at the default level with every
// row filter tried (137 KB against 128 KB for a table), ten times faster.
// Stored files are not compressed at all.
constexpr int kQuickLevel = 1;
constexpr int kStoredLevel = 0;
constexpr int kRowFilter = PNG_FILTER_NONE;

void append_bytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void no_flush(png_structp) {}

// One row of pixels as R, G, B bytes into `to`, which holds a byte more than
// the row: on a little-endian machine each pixel is stored whole as R, G, B
// and a zero, the zero overwritten by the next pixel.
void pack_rgb(const std::uint32_t* from, int width, png_byte* to) {
  for (int x = 0; x < width; ++x, to += 3) {
    if constexpr (std::endian::native == std::endian::little) {
      const std::uint32_t bgr = __builtin_bswap32(from[x]) >> 8;
      std::memcpy(to, &bgr, 4);
    } else {
      to[0] = static_cast<png_byte>(from[x] >> 16);
      to[1] = static_cast<png_byte>(from[x] >> 8);
      to[2] = static_cast<png_byte>(from[x]);
    }
  }
}

// Encodes the surface as 8-bit RGB, a row at a time through `row` (no C++
// object lives here, as libpng's errors jump back past them).
bool encode(const Surface& surface, std::vector<png_byte>& row, int level, std::vector<std::uint8_t>& out) {
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
  png_set_compression_level(png, level);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, kRowFilter);
  png_write_info(png, info);
  for (int y = 0; y < surface.height; ++y) {
    pack_rgb(surface.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(surface.width),
             surface.width, row.data());
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool save_png(const std::string& path, const Surface& surface, PngPacking packing) {
  if (surface.width <= 0 || surface.height <= 0) return false;
  std::vector<png_byte> row(3 * static_cast<std::size_t>(surface.width) + 1);
  const bool stored = packing == PngPacking::Stored;
  std::vector<std::uint8_t> bytes;
  // A stored file holds every row's bytes; a quick one of a screen packs to about a tenth of them.
  bytes.reserve(stored ? row.size() * static_cast<std::size_t>(surface.height) * 11 / 10 + 1024 : surface.pixels.size());
  if (!encode(surface, row, stored ? kStoredLevel : kQuickLevel, bytes)) return false;
  return write_bytes(path, bytes);
}

}  // namespace platform
