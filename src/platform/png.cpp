// PNG reading through libpng's full interface for plain 8-bit RGB (a row at
// a time, appended to the surface) and its simplified one for every other kind;
// writing the file's few chunks here, around libdeflate's compression of
// the whole image at once.
#include <libdeflate.h>
#include <png.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

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

// libpng's own handlers print: a refused file is the caller's to report, once.
[[noreturn]] void refuse(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void ignore_warning(png_structp, png_const_charp) {}

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
  // Every chunk's CRC already covers the compressed rows; zlib's own sum of
  // the rows again would take a fifth of the decode.
  png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
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
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image) + 1);  // unpack_rgb's byte past the end
  // Transparent pixels become black, which an Or-drawn image leaves alone.
  const png_color black{0, 0, 0};
  if (!png_image_finish_read(&image, &black, rgb.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  Surface surface(static_cast<int>(image.width), static_cast<int>(image.height));
  // With no row padding the rows follow one another as one long row.
  unpack_rgb(rgb.data(), static_cast<int>(surface.pixels.size()), surface.pixels.data());
  out = std::move(surface);
  return true;
}

}  // namespace

bool load_png(const std::string& path, Surface& out, int want_width, int want_height) {
  std::vector<std::uint8_t> bytes;
  if (!read_bytes(path, bytes, kMaxPngBytes)) return false;
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return false;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, refuse, ignore_warning);
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

// libdeflate's fastest level on the rows as they are, the whole image in one
// call: a screen of flat colours and repeated textures packs smaller than at
// zlib's fastest level (123 KB against 137 KB for a table) in half the time,
// and smaller than at zlib's default level with every row filter tried
// (128 KB). Stored files are not compressed at all.
constexpr int kQuickLevel = 1;
constexpr int kStoredLevel = 0;
constexpr std::uint8_t kRowFilterNone = 0;

constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// A chunk's length and type before its data, and its CRC after.
constexpr std::size_t kChunkHead = 8, kChunkTail = 4;
constexpr std::size_t kHeaderData = 13, kSrgbData = 1;
// Everything but the compressed rows: the signature, the header and sRGB
// chunks, the rows' chunk around them and the closing chunk.
constexpr std::size_t kFrameBytes =
    sizeof kSignature + 4 * (kChunkHead + kChunkTail) + kHeaderData + kSrgbData;

std::uint8_t* put_u32(std::uint8_t* at, std::uint32_t value) {  // big-endian, as every number in a PNG
  at[0] = static_cast<std::uint8_t>(value >> 24);
  at[1] = static_cast<std::uint8_t>(value >> 16);
  at[2] = static_cast<std::uint8_t>(value >> 8);
  at[3] = static_cast<std::uint8_t>(value);
  return at + 4;
}

// Closes the chunk whose `length` bytes of data already stand at at + 8:
// its length and type before them, the CRC of type and data after. Returns
// the end of the chunk.
std::uint8_t* close_chunk(std::uint8_t* at, const char (&type)[5], std::size_t length) {
  put_u32(at, static_cast<std::uint32_t>(length));
  std::memcpy(at + 4, type, 4);
  return put_u32(at + kChunkHead + length, libdeflate_crc32(0, at + 4, 4 + length));
}

// One row of pixels as R, G, B bytes. On a little-endian machine four pixels
// at a time go as three whole words (each pixel's bytes reversed put its red
// first), twice as fast as a pixel at a time.
void pack_rgb(const std::uint32_t* from, int width, std::uint8_t* to) {
  int x = 0;
  if constexpr (std::endian::native == std::endian::little) {
    for (; x + 4 <= width; x += 4, to += 12) {
      const std::uint32_t p0 = __builtin_bswap32(from[x]) >> 8, p1 = __builtin_bswap32(from[x + 1]) >> 8,
                          p2 = __builtin_bswap32(from[x + 2]) >> 8, p3 = __builtin_bswap32(from[x + 3]) >> 8;
      const std::uint32_t words[3] = {p0 | p1 << 24, p1 >> 8 | p2 << 16, p2 >> 16 | p3 << 8};
      std::memcpy(to, words, sizeof words);
    }
  }
  for (; x < width; ++x, to += 3) {
    to[0] = static_cast<std::uint8_t>(from[x] >> 16);
    to[1] = static_cast<std::uint8_t>(from[x] >> 8);
    to[2] = static_cast<std::uint8_t>(from[x]);
  }
}

// The rows as the compressed stream holds them: each its filter byte and
// its pixels' R, G, B bytes. Returns their length.
std::size_t filtered_rows(const Surface& surface, std::unique_ptr<std::uint8_t[]>& rows) {
  const std::size_t row_bytes = 1 + 3 * static_cast<std::size_t>(surface.width);
  const std::size_t length = row_bytes * static_cast<std::size_t>(surface.height);
  rows = std::make_unique_for_overwrite<std::uint8_t[]>(length);
  for (int y = 0; y < surface.height; ++y) {
    std::uint8_t* row = rows.get() + row_bytes * static_cast<std::size_t>(y);
    row[0] = kRowFilterNone;
    pack_rgb(surface.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(surface.width),
             surface.width, row + 1);
  }
  return length;
}

// The signature, then the header and sRGB chunks of 8-bit RGB as the
// screen shows it. Returns the end of the last.
std::uint8_t* put_head(std::uint8_t* at, const Surface& surface) {
  at = std::copy(std::begin(kSignature), std::end(kSignature), at);
  std::uint8_t* data = put_u32(at + kChunkHead, static_cast<std::uint32_t>(surface.width));
  data = put_u32(data, static_cast<std::uint32_t>(surface.height));
  const std::uint8_t header_rest[] = {8, 2, 0, 0, 0};  // bits per channel, RGB, deflate, row filters, no interlace
  std::copy(std::begin(header_rest), std::end(header_rest), data);
  at = close_chunk(at, "IHDR", kHeaderData);
  at[kChunkHead] = 0;  // the perceptual intent
  return close_chunk(at, "sRGB", kSrgbData);
}

using Compressor = std::unique_ptr<libdeflate_compressor, decltype(&libdeflate_free_compressor)>;

// The whole file, the rows in one chunk. Returns its length, 0 when there
// was no memory for the compressor.
std::size_t encode(const Surface& surface, int level, std::unique_ptr<std::uint8_t[]>& file) {
  const Compressor compressor(libdeflate_alloc_compressor(level), libdeflate_free_compressor);
  if (!compressor) return 0;
  std::unique_ptr<std::uint8_t[]> rows;
  const std::size_t rows_length = filtered_rows(surface, rows);
  const std::size_t bound = libdeflate_zlib_compress_bound(compressor.get(), rows_length);
  file = std::make_unique_for_overwrite<std::uint8_t[]>(kFrameBytes + bound);
  std::uint8_t* at = put_head(file.get(), surface);
  // Into room for the bound, compression cannot fail.
  const std::size_t packed =
      libdeflate_zlib_compress(compressor.get(), rows.get(), rows_length, at + kChunkHead, bound);
  at = close_chunk(at, "IDAT", packed);
  at = close_chunk(at, "IEND", 0);
  return static_cast<std::size_t>(at - file.get());
}

}  // namespace

bool save_png(const std::string& path, const Surface& surface, PngPacking packing) {
  if (surface.width <= 0 || surface.height <= 0) return false;
  std::unique_ptr<std::uint8_t[]> file;
  const std::size_t length = encode(surface, packing == PngPacking::Stored ? kStoredLevel : kQuickLevel, file);
  return length > 0 && write_bytes(path, std::span<const std::uint8_t>(file.get(), length));
}

}  // namespace platform
