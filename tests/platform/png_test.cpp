#include <gtest/gtest.h>
#include <libdeflate.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/platform.h"
#include "temp_dir.h"

using platform::Surface;

namespace {

class Png : public TempDirTest {};

std::vector<char> file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes a grey-and-alpha PNG with libpng directly: a colour type the program
// never writes itself.
void write_grey_alpha(const std::string& path, const std::vector<png_byte>& ga, int w, int h) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(w);
  image.height = static_cast<png_uint_32>(h);
  image.format = PNG_FORMAT_GA;
  ASSERT_TRUE(png_image_write_to_file(&image, path.c_str(), 0, ga.data(), 0, nullptr));
}

// Writes rows of one colour type with libpng's full interface, with no
// gamma chunk, interlaced or not, one colour marked transparent when given
// (a tRNS chunk), 8 bits a channel unless told: kinds the program never
// writes itself.
void write_png_rows(const std::string& path, std::vector<png_byte> bytes, int w, int h, int colour_type,
                    int interlace, const png_color_16* transparent = nullptr, int depth = 8) {
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), depth, colour_type, interlace,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (transparent != nullptr) png_set_tRNS(png, info, nullptr, 0, transparent);
  png_write_info(png, info);
  const std::size_t row_bytes = bytes.size() / static_cast<std::size_t>(h);
  std::vector<png_bytep> rows;
  for (int y = 0; y < h; ++y) rows.push_back(&bytes[row_bytes * static_cast<std::size_t>(y)]);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

Surface noise_surface(int w, int h) {
  Surface s(w, h);
  std::uint32_t noise = 777;
  for (std::uint32_t& p : s.pixels) p = (noise = noise * 1103515245 + 12345) >> 8 & 0xFFFFFF;
  return s;
}

// The pixels of a file as libpng's simplified reader hands them over, apart
// from the program's own reader.
bool read_with_libpng(const std::string& path, Surface& out) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return false;
  out = Surface(static_cast<int>(image.width), static_cast<int>(image.height));
  for (std::size_t i = 0; i < out.pixels.size(); ++i)
    out.pixels[i] = static_cast<std::uint32_t>(rgb[3 * i] << 16 | rgb[3 * i + 1] << 8 | rgb[3 * i + 2]);
  return true;
}

}  // namespace

// A whole screen of flat boxes and noise, read by libpng itself: plain 8-bit
// RGB (colour type 2), every channel where it belongs.
TEST_F(Png, AScreenIsWrittenAsPlainRgb) {
  Surface s(720, 720, 0x1E5A3C);
  std::uint32_t noise = 12345;
  for (int y = 0; y < 720; ++y)
    for (int x = y % 3 == 0 ? 0 : 360; x < 720; ++x) s.at(x, y) = (noise = noise * 1103515245 + 12345) >> 8;
  s.at(0, 0) = 0x123456;
  ASSERT_TRUE(platform::save_png("screen.png", s));
  const std::vector<char> bytes = file_bytes("screen.png");
  ASSERT_GT(bytes.size(), 26u);
  EXPECT_EQ(bytes[24], 8);  // bits per channel
  EXPECT_EQ(bytes[25], 2);  // RGB, no alpha
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_file(&image, "screen.png"));
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
  EXPECT_EQ(rgb[0], 0x12);
  EXPECT_EQ(rgb[1], 0x34);
  EXPECT_EQ(rgb[2], 0x56);
  for (std::size_t i = 0; i < s.pixels.size(); ++i)
    ASSERT_EQ(static_cast<std::uint32_t>(rgb[3 * i] << 16 | rgb[3 * i + 1] << 8 | rgb[3 * i + 2]),
              s.pixels[i] & 0xFFFFFF) << i;
}

TEST_F(Png, SavedSurfaceLoadsBackExactlyAndBytesAreDeterministic) {
  Surface s(7, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) s.at(x, y) = static_cast<std::uint32_t>(x * 0x250000 + y * 0x3100 + (x ^ y) * 17);
  ASSERT_TRUE(platform::save_png("shots/a.png", s));
  ASSERT_TRUE(platform::save_png("b.png", s));
  EXPECT_EQ(file_bytes("shots/a.png"), file_bytes("b.png"));
  Surface back;
  ASSERT_TRUE(platform::load_png("shots/a.png", back));
  EXPECT_EQ(back.width, 7);
  EXPECT_EQ(back.height, 5);
  EXPECT_EQ(back.pixels, s.pixels);
  EXPECT_FALSE(platform::save_png("c.png", Surface()));
}

// The generated sheets are stored: larger than their raw pixels, read back
// the same as a compressed file, and a flipped pixel byte or a cut file is
// still refused.
TEST_F(Png, StoredFilesLoadLikeCompressedOnesAndAreStillChecked) {
  const Surface s = noise_surface(61, 37);
  ASSERT_TRUE(platform::save_png("quick.png", s));
  ASSERT_TRUE(platform::save_png("stored.png", s, platform::PngPacking::Stored));
  std::vector<char> stored = file_bytes("stored.png");
  EXPECT_GT(stored.size(), 61u * 37u * 3u);
  Surface quick_back, stored_back;
  ASSERT_TRUE(platform::load_png("quick.png", quick_back));
  ASSERT_TRUE(platform::load_png("stored.png", stored_back, 61, 37));
  EXPECT_EQ(quick_back.pixels, s.pixels);
  EXPECT_EQ(stored_back.pixels, s.pixels);
  EXPECT_EQ(stored_back.width, 61);

  Surface untouched(1, 1, 0x123456);
  EXPECT_FALSE(platform::load_png("stored.png", untouched, 1, 37));  // a sheet one pixel wide is another size
  std::vector<char> flipped = stored;
  flipped[stored.size() / 2] ^= 0x10;
  std::ofstream("flipped.png", std::ios::binary).write(flipped.data(), static_cast<std::streamsize>(flipped.size()));
  EXPECT_FALSE(platform::load_png("flipped.png", untouched));
  std::ofstream("cut.png", std::ios::binary).write(stored.data(), static_cast<std::streamsize>(stored.size() - 100));
  EXPECT_FALSE(platform::load_png("cut.png", untouched));
  std::vector<char> quick = file_bytes("quick.png");  // packed rows are checked by their chunk's CRC alone
  quick[quick.size() / 2] ^= 0x01;
  std::ofstream("flipped.png", std::ios::binary).write(quick.data(), static_cast<std::streamsize>(quick.size()));
  EXPECT_FALSE(platform::load_png("flipped.png", untouched));
  EXPECT_EQ(untouched.pixels, std::vector<std::uint32_t>{0x123456});
}

TEST_F(Png, TheTransparentColourOfAnRgbFileIsBlack) {
  const png_color_16 transparent{0, 0xA0, 0xB0, 0xC0, 0};
  write_png_rows("trns.png", {0x10, 0x20, 0x30, 0xA0, 0xB0, 0xC0}, 2, 1, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 &transparent);
  Surface s;
  ASSERT_TRUE(platform::load_png("trns.png", s));
  EXPECT_EQ(s.pixels, (std::vector<std::uint32_t>{0x102030, 0x000000}));
}

// An interlaced RGB file and a grey one, neither with a gamma chunk, arrive
// as the same RGB pixels as a plain file.
TEST_F(Png, InterlacedAndGreyFilesArriveAsTheirPixels) {
  const Surface s = noise_surface(9, 7);
  std::vector<png_byte> rgb, grey;
  for (std::uint32_t p : s.pixels) {
    rgb.insert(rgb.end(), {static_cast<png_byte>(p >> 16), static_cast<png_byte>(p >> 8), static_cast<png_byte>(p)});
    grey.push_back(static_cast<png_byte>(p));
  }
  write_png_rows("interlaced.png", rgb, 9, 7, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_ADAM7);
  write_png_rows("grey.png", grey, 9, 7, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE);
  Surface back;
  ASSERT_TRUE(platform::load_png("interlaced.png", back));
  EXPECT_EQ(back.pixels, s.pixels);
  ASSERT_TRUE(platform::load_png("grey.png", back));
  for (std::size_t i = 0; i < s.pixels.size(); ++i) ASSERT_EQ(back.pixels[i], (s.pixels[i] & 0xFF) * 0x010101u) << i;
}

// A 16-bit file that states no gamma holds linear light: half of full
// light shows on the screen as 0.5 ^ (1 / 2.2) of full, 186.
TEST_F(Png, ASixteenBitFileWithoutGammaIsLinearLight) {
  write_png_rows("deep.png", {0x00, 0x00, 0x80, 0x00, 0xFF, 0xFF}, 3, 1, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                 nullptr, 16);
  Surface s;
  ASSERT_TRUE(platform::load_png("deep.png", s));
  EXPECT_EQ(s.pixels, (std::vector<std::uint32_t>{0x000000, 0xBABABA, 0xFFFFFF}));
}

TEST_F(Png, AnyColourTypeArrivesAsRgb) {
  // Opaque grey 0x80, then a fully transparent pixel (becomes black).
  write_grey_alpha("ga.png", {0x80, 255, 0xFF, 0}, 2, 1);
  Surface s;
  ASSERT_TRUE(platform::load_png("ga.png", s));
  ASSERT_EQ(s.pixels.size(), 2u);
  EXPECT_EQ(s.at(0, 0), 0x808080u);
  EXPECT_EQ(s.at(1, 0), 0x000000u);
  std::ofstream("junk.png") << "not a png";
  Surface untouched(1, 1, 0x123456);
  EXPECT_FALSE(platform::load_png("junk.png", untouched));
  EXPECT_FALSE(platform::load_png("none.png", untouched));
  EXPECT_EQ(untouched.at(0, 0), 0x123456u);
}

TEST_F(Png, BitmapsLoadByIdAndMissingOnesBecomeWhiteSheetsOfTheirSize) {
  Surface digits(90, 15, 0x000000);
  digits.at(3, 4) = 0xFF8800;
  ASSERT_TRUE(platform::save_png("art/101.png", digits));
  platform::set_bitmap_size(101, 90, 15);
  platform::set_bitmap_size(102, 40, 30);
  platform::set_bitmap_size(140, 5, 5);  // no such sheet: ignored
  EXPECT_EQ(platform::load_bitmaps(), 1);
  EXPECT_TRUE(platform::bitmap_from_file(101));
  EXPECT_FALSE(platform::bitmap_from_file(102));

  EXPECT_EQ(platform::bitmap(101).pixels, digits.pixels);
  const Surface& fallback = platform::bitmap(102);
  EXPECT_EQ(fallback.width, 40);
  EXPECT_EQ(fallback.height, 30);
  EXPECT_EQ(fallback.pixels, std::vector<std::uint32_t>(1200, 0xFFFFFF));
  EXPECT_EQ(platform::bitmap(139).width, 1);
  EXPECT_EQ(platform::bitmap(139).height, 1);
  EXPECT_TRUE(platform::bitmap(140).pixels.empty());

  // Drawing from a fallback sheet with the rectangle of the real one stays harmless.
  Surface screen(720, 720, 0x00FF00);
  platform::blit(screen, 100, 100, 200, 200, fallback, 150, 0);
  EXPECT_EQ(screen.at(100, 100), 0x00FF00u);
  platform::blit(screen, 100, 100, 200, 200, fallback, 10, 0);
  EXPECT_EQ(screen.at(100, 100), 0xFFFFFFu);
}

TEST_F(Png, ASheetOfAnotherSizeOrACorruptOneCountsAsMissing) {
  // A header that declares a huge image is refused before any pixel is decoded.
  Surface wide(300, 2, 0x00FF00);
  ASSERT_TRUE(platform::save_png("art/103.png", wide));
  Surface untouched(1, 1, 0x123456);
  EXPECT_FALSE(platform::load_png("art/103.png", untouched, 30, 2));
  EXPECT_EQ(untouched.at(0, 0), 0x123456u);
  EXPECT_TRUE(platform::load_png("art/103.png", untouched, 300, 2));

  std::ofstream("art/104.png") << "\x89PNG\r\n\x1a\n but the rest is not";
  platform::set_bitmap_size(103, 30, 2);
  platform::set_bitmap_size(104, 8, 8);
  EXPECT_EQ(platform::load_bitmaps(), 0);
  for (int id : {103, 104}) {
    EXPECT_FALSE(platform::bitmap_from_file(id)) << id;
    EXPECT_EQ(platform::bitmap(id).pixels, std::vector<std::uint32_t>(static_cast<std::size_t>(platform::bitmap(id).width * platform::bitmap(id).height), 0xFFFFFF));
  }
  EXPECT_EQ(platform::bitmap(103).width, 30);
}

TEST_F(Png, ASheetWhosePixelsTurnOutCorruptIsFoundThenDrawnPlain) {
  // The header is whole, so the sheet is found; its rows end early.
  ASSERT_TRUE(platform::save_png("art/105.png", Surface(20, 10, 0x102030)));
  std::vector<char> bytes = file_bytes("art/105.png");
  bytes.resize(bytes.size() - 30);
  std::ofstream("art/105.png", std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  platform::set_bitmap_size(105, 20, 10);
  EXPECT_EQ(platform::load_bitmaps(), 1);
  EXPECT_FALSE(platform::bitmap_from_file(105));
  EXPECT_EQ(platform::bitmap(105).pixels, std::vector<std::uint32_t>(200, 0xFFFFFF));
}

TEST_F(Png, LoadingAgainDecodesTheFilesAsTheyAreThen) {
  platform::set_bitmap_size(107, 3, 2);
  ASSERT_TRUE(platform::save_png("art/107.png", Surface(3, 2, 0x0000FF)));
  platform::load_bitmaps();
  EXPECT_EQ(platform::bitmap(107).at(2, 1), 0x0000FFu);
  ASSERT_TRUE(platform::save_png("art/107.png", Surface(3, 2, 0x00FF00)));
  EXPECT_EQ(platform::bitmap(107).at(2, 1), 0x0000FFu);  // decoded once
  platform::load_bitmaps();
  EXPECT_TRUE(platform::bitmap_from_file(107));
  EXPECT_FALSE(platform::bitmap_from_file(140));
  EXPECT_EQ(platform::bitmap(107).at(2, 1), 0x00FF00u);
}

TEST_F(Png, AFileLongerThanAnyPngIsNotFound) {
  ASSERT_TRUE(platform::save_png("art/106.png", Surface(4, 4, 0x102030)));
  EXPECT_TRUE(platform::png_declares_size("art/106.png", 4, 4));
  std::filesystem::resize_file("art/106.png", platform::kMaxPngBytes + 1);  // sparse: no time spent writing
  EXPECT_FALSE(platform::png_declares_size("art/106.png", 4, 4));
  EXPECT_FALSE(platform::png_declares_size("art/none.png", 4, 4));
}

namespace {

// Surfaces of the shapes a writer gets wrong: one pixel; widths that leave
// one, two or three pixels after whole groups of four; sizes past one byte
// of the header's numbers; flat areas (long repeats) and gradients (none);
// the unused top byte of a pixel set.
struct Shape {
  const char* name;
  int width, height;
  std::uint32_t (*pixel)(int x, int y);
};

const Shape kShapes[] = {
    {"OnePixel", 1, 1, [](int, int) -> std::uint32_t { return 0xABCDEF; }},
    {"TwoWide", 2, 3, [](int x, int y) -> std::uint32_t { return static_cast<std::uint32_t>(x * 0x800000 + y * 0x4001); }},
    {"SevenWide", 7, 2, [](int x, int y) -> std::uint32_t { return static_cast<std::uint32_t>(x * 0x240000 + y * 0x8000 + x); }},
    {"Gradient", 301, 257, [](int x, int y) -> std::uint32_t { return static_cast<std::uint32_t>((x & 0xFF) << 16 | y << 8 | ((x ^ y) & 0xFF)); }},
    {"FlatWithABox", 720, 720, [](int x, int y) -> std::uint32_t { return x > 100 && x < 250 && y > 30 && y < 400 ? 0x102030 : 0x1E5A3C; }},
    {"TopByteSet", 6, 6, [](int x, int y) -> std::uint32_t { return 0xFF000000u | static_cast<std::uint32_t>(x * 40 << 8 | y * 40); }},
};

class PngRoundTrip : public TempDirTest, public ::testing::WithParamInterface<std::tuple<Shape, platform::PngPacking>> {};

}  // namespace

TEST_P(PngRoundTrip, PixelsComeBackAsTheyWere) {
  const auto& [shape, packing] = GetParam();
  Surface s(shape.width, shape.height);
  for (int y = 0; y < shape.height; ++y)
    for (int x = 0; x < shape.width; ++x) s.at(x, y) = shape.pixel(x, y);
  ASSERT_TRUE(platform::save_png("round.png", s, packing));
  for (std::uint32_t& p : s.pixels) p &= 0xFFFFFF;
  Surface back;
  ASSERT_TRUE(read_with_libpng("round.png", back));
  EXPECT_EQ(back.width, shape.width);
  EXPECT_EQ(back.height, shape.height);
  EXPECT_EQ(back.pixels, s.pixels);
  ASSERT_TRUE(platform::load_png("round.png", back, shape.width, shape.height));
  EXPECT_EQ(back.pixels, s.pixels);
}

INSTANTIATE_TEST_SUITE_P(Shapes, PngRoundTrip,
                         ::testing::Combine(::testing::ValuesIn(kShapes),
                                            ::testing::Values(platform::PngPacking::Quick, platform::PngPacking::Stored)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) == platform::PngPacking::Quick ? "Quick" : "Stored");
                         });

// A flat screen packs to a sliver of its 1.5 MB of rows; stored, it keeps
// every byte. Both say they show sRGB, as the screen does, and end as every
// PNG does.
TEST_F(Png, QuickFilesPackAndEveryFileIsSrgb) {
  const Surface flat(720, 720, 0x1E5A3C);
  ASSERT_TRUE(platform::save_png("quick.png", flat));
  ASSERT_TRUE(platform::save_png("stored.png", flat, platform::PngPacking::Stored));
  EXPECT_LT(file_bytes("quick.png").size(), 20'000u);
  EXPECT_GT(file_bytes("stored.png").size(), 720u * 2161u);
  // The closing chunk every PNG ends with: no data, and its CRC.
  const std::vector<char> end = {0, 0, 0, 0, 'I', 'E', 'N', 'D', '\xAE', '\x42', '\x60', '\x82'};
  for (const char* path : {"quick.png", "stored.png"}) {
    const std::vector<char> bytes = file_bytes(path);
    EXPECT_TRUE(std::equal(end.begin(), end.end(), bytes.end() - 12)) << path;
    FILE* file = std::fopen(path, "rb");
    ASSERT_NE(file, nullptr);
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_read_info(png, info);
    int intent = -1;
    EXPECT_EQ(png_get_sRGB(png, info, &intent), PNG_INFO_sRGB) << path;
    EXPECT_EQ(intent, PNG_sRGB_INTENT_PERCEPTUAL) << path;
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(file);
  }
}

namespace {

std::string be32(std::uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

std::string chunk(const std::string& type, const std::string& data) {
  const std::string body = type + data;
  return be32(static_cast<std::uint32_t>(data.size())) + body + be32(libdeflate_crc32(0, body.data(), body.size()));
}

// A block of the compressed stream holding `data` as it is, and a whole
// stream of one such block and its sum.
std::string stored(const std::string& data, bool last) {
  const auto n = static_cast<std::uint16_t>(data.size()), inverse = static_cast<std::uint16_t>(~n);
  return std::string{last ? '\1' : '\0', static_cast<char>(n), static_cast<char>(n >> 8), static_cast<char>(inverse),
                     static_cast<char>(inverse >> 8)} + data;
}
std::string whole_stream(const std::string& data) {
  return stored(data, true) + be32(libdeflate_adler32(1, data.data(), data.size()));
}

// Two by two pixels, 0x102030 0x405060 over 0x708090 0xA0B0C0, each row
// after its filter byte (none); interlaced, the first pixel, the rest of the
// top row, then the bottom row.
const std::string kRows = std::string("\0\x10\x20\x30\x40\x50\x60\0\x70\x80\x90\xA0\xB0\xC0", 14);
const std::string kPasses = std::string("\0\x10\x20\x30\0\x40\x50\x60\0\x70\x80\x90\xA0\xB0\xC0", 15);
const std::string kMore = "more compressed data after the rows";

// A file of 8-bit RGB, two by two, built chunk by chunk: its compressed
// stream `stream` in one chunk, then the chunks `after`.
std::string rgb_file(bool interlaced, const std::string& stream, const std::string& after) {
  const std::string header = be32(2) + be32(2) + std::string{8, 2, 0, 0, interlaced ? '\1' : '\0'};
  return "\x89PNG\r\n\x1a\n" + chunk("IHDR", header) + chunk("IDAT", "\x78\x01" + stream) + after;
}

// The rows followed by more of the stream, which never ends.
std::string run_on(bool interlaced) {
  return rgb_file(interlaced, stored(interlaced ? kPasses : kRows, false) + stored(kMore, false), chunk("IEND", ""));
}

const std::string kText = chunk("tEXt", std::string("Comment\0sheet", 13));

struct RowsAndAfter {
  const char* name;
  std::string bytes;
  bool read;
};

class PngAfterTheRows : public TempDirTest, public ::testing::WithParamInterface<RowsAndAfter> {};

}  // namespace

// What follows the last row in the compressed stream is not inflated, so
// that a stream that runs on past the rows, however far, is read by its
// rows; the file must still be whole to its closing chunk, every chunk's
// CRC right, and hold every row.
TEST_P(PngAfterTheRows, AFileIsReadToItsLastRowAndCheckedWholeToItsEnd) {
  const RowsAndAfter& c = GetParam();
  std::ofstream("file.png", std::ios::binary) << c.bytes;
  Surface s(1, 1, 0x123456);
  EXPECT_EQ(platform::load_png("file.png", s), c.read);
  if (c.read) {
    EXPECT_EQ(s.width, 2);
    EXPECT_EQ(s.pixels, (std::vector<std::uint32_t>{0x102030, 0x405060, 0x708090, 0xA0B0C0}));
  } else {
    EXPECT_EQ(s.pixels, std::vector<std::uint32_t>{0x123456});
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, PngAfterTheRows,
    ::testing::Values(
        RowsAndAfter{"StreamRunsOn", run_on(false), true},
        RowsAndAfter{"InterlacedStreamRunsOn", run_on(true), true},
        RowsAndAfter{"NoClosingChunk", run_on(false).substr(0, run_on(false).size() - 12), false},
        RowsAndAfter{"DataAfterTheRowsDamaged",
                     [] {
                       std::string bytes = run_on(false);
                       bytes[bytes.find(kMore)] ^= 0x20;
                       return bytes;
                     }(),
                     false},
        RowsAndAfter{"StreamEndsAfterTheTopRow", rgb_file(false, whole_stream(kRows.substr(0, 7)), chunk("IEND", "")),
                     false},
        RowsAndAfter{"InterlacedStreamEndsBeforeTheLastPass",
                     rgb_file(true, whole_stream(kPasses.substr(0, 8)), chunk("IEND", "")), false},
        RowsAndAfter{"TextAfterTheRows", rgb_file(false, whole_stream(kRows), kText + chunk("IEND", "")), true},
        RowsAndAfter{"TextAfterTheRowsDamaged",
                     [] {
                       std::string text = kText;
                       text.back() ^= 0x01;
                       return rgb_file(false, whole_stream(kRows), text + chunk("IEND", ""));
                     }(),
                     false}),
    [](const auto& info) { return std::string(info.param.name); });

// Nothing to write, or nowhere to write it: a failure, and no file.
TEST_F(Png, AWriteThatCannotHappenReportsFailure) {
  EXPECT_FALSE(platform::save_png("wide.png", Surface(5, 0)));
  EXPECT_FALSE(platform::save_png("tall.png", Surface(0, 5)));
  EXPECT_FALSE(std::filesystem::exists("wide.png") || std::filesystem::exists("tall.png"));
  std::ofstream("plain") << "a file, not a folder";
  EXPECT_FALSE(platform::save_png("plain/shot.png", Surface(2, 2)));
  std::filesystem::create_directory("folder");
  EXPECT_FALSE(platform::save_png("folder", Surface(2, 2)));
  EXPECT_FALSE(platform::save_png("shots/", Surface(2, 2)));
  EXPECT_TRUE(std::filesystem::is_directory("folder"));
  std::ifstream plain("plain");
  std::string text;
  std::getline(plain, text);
  EXPECT_EQ(text, "a file, not a folder");
}
