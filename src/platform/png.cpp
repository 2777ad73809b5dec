// PNG reading through libpng's progressive interface, the whole file handed
// over at once, as 8-bit RGB; writing the file's few chunks here, around
// libdeflate's compression of the whole image at once.
#include <libdeflate.h>
#include <png.h>

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstring>
#include <exception>
#include <iterator>
#include <memory>

#include "platform/platform.h"

namespace platform {

namespace {

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

// What the reader's callbacks share. A file that is not interlaced has its
// rows appended to the surface as they come (never filled first and
// overwritten); an interlaced one is gathered in `bytes` and turned into
// pixels once its last pass is in.
struct Decoding {
  Decoding(int width, int height, Surface& surface) : want_width(width), want_height(height), out(&surface) {}
  int want_width, want_height;        // the size asked for; 0: any
  Surface* out;
  bool interlaced = false;
  std::vector<png_byte> bytes;        // one row's R, G, B bytes, or every row's; and one more
  std::vector<std::uint32_t> pixels;  // one row
  int last_pass_rows = 0;             // rows handed over in the last pass
  bool ended = false;                 // the closing chunk was read
};

Decoding& decoding(png_structp png) { return *static_cast<Decoding*>(png_get_progressive_ptr(png)); }

// libpng's own handlers print: a refused file is the caller's to report, once.
[[noreturn]] void refuse(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void ignore_warning(png_structp, png_const_charp) {}

// Any kind of file as 8-bit sRGB, its transparent pixels black (which an
// Or-drawn image leaves alone): the steps of libpng's simplified reader for
// that output. Plain 8-bit RGB without a gamma of its own passes unchanged.
void set_rgb_output(png_structp png, png_infop info) {
  const bool sixteen = png_get_bit_depth(png, info) == 16;
  png_set_expand(png);
  if ((png_get_color_type(png, info) & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
  // A file that states no gamma is taken as sRGB, or as linear light at 16 bits.
  png_set_alpha_mode_fixed(png, PNG_ALPHA_PNG, sixteen ? PNG_GAMMA_LINEAR : PNG_DEFAULT_sRGB);
  if (sixteen) png_set_scale_16(png);
  // libpng drops the background again for a file with nothing transparent.
  const png_color_16 black{};
  png_set_background_fixed(png, &black, PNG_BACKGROUND_GAMMA_SCREEN, 0, 0);
  png_set_alpha_mode_fixed(png, PNG_ALPHA_PNG, PNG_DEFAULT_sRGB);
}

// Room for the rows of a sheet `width` pixels wide and `height` high; false
// when there is none.
bool make_room(Decoding& d, png_uint_32 width, png_uint_32 height) try {
  const std::size_t row_bytes = 3 * static_cast<std::size_t>(width);
  d.out->width = static_cast<int>(width);
  d.out->height = static_cast<int>(height);
  d.out->pixels.reserve(static_cast<std::size_t>(width) * height);
  d.bytes.resize(row_bytes * (d.interlaced ? height : 1) + 1);
  d.pixels.resize(width);
  return true;
} catch (const std::exception&) {
  return false;
}

void on_header(png_structp png, png_infop info) {
  Decoding& d = decoding(png);
  const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
  if (d.want_width > 0 && d.want_height > 0 &&
      (width != static_cast<png_uint_32>(d.want_width) || height != static_cast<png_uint_32>(d.want_height)))
    png_error(png, "another size");
  set_rgb_output(png, info);
  d.interlaced = png_get_interlace_type(png, info) != PNG_INTERLACE_NONE;
  if (d.interlaced) png_set_interlace_handling(png);
  png_read_update_info(png, info);
  assert(png_get_rowbytes(png, info) == 3 * static_cast<std::size_t>(width));
  if (!make_room(d, width, height)) png_error(png, "no room");
}

// Every pass of an interlaced file hands over every row, those it adds no
// pixel to as null.
void on_row(png_structp png, png_bytep row, png_uint_32 y, int pass) {
  Decoding& d = decoding(png);
  const std::size_t row_bytes = 3 * static_cast<std::size_t>(d.out->width);
  if (pass == (d.interlaced ? PNG_INTERLACE_ADAM7_PASSES - 1 : 0)) ++d.last_pass_rows;
  if (d.interlaced) {
    png_progressive_combine_row(png, d.bytes.data() + row_bytes * y, row);
    return;
  }
  std::memcpy(d.bytes.data(), row, row_bytes);
  unpack_rgb(d.bytes.data(), d.out->width, d.pixels.data());
  d.out->pixels.insert(d.out->pixels.end(), d.pixels.begin(), d.pixels.end());  // within the room made
}

void on_end(png_structp png, png_infop) { decoding(png).ended = true; }

// Text is never shown, and compressed text would be inflated to be read.
// Each name is its four letters and a zero.
constexpr png_byte kTextChunks[] = {'t', 'E', 'X', 't', 0, 'z', 'T', 'X', 't', 0, 'i', 'T', 'X', 't', 0};
constexpr int kTextChunkCount = static_cast<int>(std::size(kTextChunks)) / 5;

// Hands the whole file to libpng (no C++ object lives here, as libpng's
// errors jump back past them); a file refused on the way never reaches its
// closing chunk. Every chunk's CRC is checked, ancillary ones too; the
// compressed rows are inflated up to the last row and no further: what
// follows it in the stream is covered by its chunks' CRCs alone.
void read_chunks(png_structp png, png_infop info, std::vector<std::uint8_t>& bytes, Decoding& d) {
  if (setjmp(png_jmpbuf(png))) return;
  png_set_crc_action(png, PNG_CRC_DEFAULT, PNG_CRC_ERROR_QUIT);
  // The chunks' CRCs already cover the compressed rows; zlib's own sum of
  // the rows again would take a fifth of the decode.
  png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kTextChunks, kTextChunkCount);
  png_set_progressive_read_fn(png, &d, on_header, on_row, on_end);
  png_process_data(png, info, bytes.data(), bytes.size());
}

}  // namespace

bool load_png(const std::string& path, Surface& out, int want_width, int want_height) {
  std::vector<std::uint8_t> bytes;
  if (!read_bytes(path, bytes, kMaxPngBytes)) return false;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, refuse, ignore_warning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  Surface surface;
  Decoding d(want_width, want_height, surface);
  read_chunks(png, info, bytes, d);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!d.ended || d.last_pass_rows != surface.height) return false;
  if (d.interlaced) {
    surface.pixels.resize(static_cast<std::size_t>(surface.width) * static_cast<std::size_t>(surface.height));
    // With no row padding the rows follow one another as one long row.
    unpack_rgb(d.bytes.data(), static_cast<int>(surface.pixels.size()), surface.pixels.data());
  }
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
