// Runs the built art generator into a temporary directory and holds every
// sheet against the art manifest.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <png.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <set>
#include <string>
#include <vector>

#include "draw/art_manifest.h"
#include "draw/help_pictures.h"

namespace fs = std::filesystem;

namespace {

struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Decoded with libpng's simple interface, independently of the generator's writer.
bool read_png(const fs::path& path, Picture& out) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) return false;
  out.width = static_cast<int>(image.width), out.height = static_cast<int>(image.height);
  out.pixels.resize(static_cast<std::size_t>(out.width) * out.height);
  for (std::size_t i = 0; i < out.pixels.size(); ++i)
    out.pixels[i] = bytes[3 * i] << 16 | bytes[3 * i + 1] << 8 | bytes[3 * i + 2];
  return true;
}

std::vector<std::uint8_t> file_bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path run_generator(const std::string& tag) {
  const fs::path dir = fs::temp_directory_path() / ("ruvelka_art_test_" + tag + "_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  const std::string command = std::string(RUVELKA_BUILD_DIR) + "/ruvelka-gen-art " + dir.string() + " > /dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return dir;
}

// ctest runs every test in its own process: the first one to take the lock
// generates the sheets into the build directory, the others wait for it and
// read them. The stamp names the generator build they came from.
fs::path shared_sheets() {
  const fs::path dir = fs::path(RUVELKA_BUILD_DIR) / "art_test_sheets";
  const fs::path generator = fs::path(RUVELKA_BUILD_DIR) / "ruvelka-gen-art";
  const std::string stamp =
      std::to_string(fs::last_write_time(generator).time_since_epoch().count()) + " " +
      std::to_string(fs::file_size(generator));
  const std::string lock_path = std::string(RUVELKA_BUILD_DIR) + "/art_test_sheets.lock";
  const int lock = ::open(lock_path.c_str(), O_CREAT | O_RDWR, 0644);
  EXPECT_GE(lock, 0) << lock_path;
  ::flock(lock, LOCK_EX);
  std::ifstream stamp_in(dir / "stamp");
  std::string found;
  std::getline(stamp_in, found);
  if (found != stamp) {
    fs::remove_all(dir);
    const std::string command = generator.string() + " " + dir.string() + " > /dev/null";
    const int status = std::system(command.c_str());
    EXPECT_EQ(status, 0) << command;
    if (status == 0) std::ofstream(dir / "stamp") << stamp << "\n";
  }
  ::flock(lock, LOCK_UN);
  ::close(lock);
  return dir;
}

std::vector<std::uint32_t> cell_pixels(const Picture& p, ArtRect r) {
  std::vector<std::uint32_t> out;
  for (int y = r.y; y < r.y + r.h; ++y)
    for (int x = r.x; x < r.x + r.w; ++x) out.push_back(p.at(x, y));
  return out;
}

bool uniform(const Picture& p, ArtRect r) {
  const std::vector<std::uint32_t> px = cell_pixels(p, r);
  return std::set<std::uint32_t>(px.begin(), px.end()).size() == 1;
}

class ArtSheets : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new fs::path(shared_sheets());
    sheets_ = new std::map<int, Picture>;
    for (int id = 101; id <= 139; ++id) read_png(*dir_ / (std::to_string(id) + ".png"), (*sheets_)[id]);
  }
  static void TearDownTestSuite() {
    delete dir_;
    delete sheets_;
  }
  static const Picture& sheet(int id) { return sheets_->at(id); }
  static fs::path* dir_;
  static std::map<int, Picture>* sheets_;
};

fs::path* ArtSheets::dir_ = nullptr;
std::map<int, Picture>* ArtSheets::sheets_ = nullptr;

TEST_F(ArtSheets, EverySheetHasItsSizeAndHoldsEveryCell) {
  for (int id = 101; id <= 139; ++id) {
    const Picture& p = sheet(id);
    EXPECT_EQ(p.width, art_sheet(id).width) << id;
    EXPECT_EQ(p.height, art_sheet(id).height) << id;
    for (const ArtCell& c : art_cells(id)) {
      EXPECT_TRUE(c.rect.x >= 0 && c.rect.y >= 0 && c.rect.x + c.rect.w <= p.width && c.rect.y + c.rect.h <= p.height)
          << id << " " << c.what << " at " << c.rect.x << "," << c.rect.y;
    }
  }
}

TEST_F(ArtSheets, EveryCellShowsSomething) {
  // The one plain cell: the patch that clears the wall count.
  for (int id = 101; id <= 139; ++id)
    for (const ArtCell& c : art_cells(id)) {
      if (std::string(c.what) == "wall-count patch") continue;
      EXPECT_FALSE(uniform(sheet(id), c.rect)) << id << " " << c.what << " at " << c.rect.x << "," << c.rect.y;
    }
}

TEST_F(ArtSheets, EveryTileFaceIsItsOwnInEveryViewAndSheet) {
  for (int id : {132, 133, 134, 135, 136, 137, 138}) {
    std::map<int, std::set<std::vector<std::uint32_t>>> faces_by_view;
    int tiles = 0;
    for (const ArtCell& c : art_cells(id)) {
      if (c.tile == 0) continue;
      ++tiles;
      EXPECT_FALSE(uniform(sheet(id), c.rect)) << id << " tile " << c.tile << " view " << c.view;
      EXPECT_TRUE(faces_by_view[c.view].insert(cell_pixels(sheet(id), c.rect)).second)
          << id << " tile " << c.tile << " view " << c.view << " looks like another tile";
    }
    const int views = id == 134 || id == 135 || id == 136 ? 4 : id == 132 || id == 138 ? 2 : 1;
    EXPECT_EQ(tiles, 42 * views) << id;
  }
}

// The counting-rules pictures show each tile of their hands as the help
// tiles (133) show it, as often as the hand holds it. The whole hand is left
// out: its tiles are narrower to fit its cell.
TEST_F(ArtSheets, HelpPicturesShowTheTilesOfTheirHands) {
  for (int k = kHelpPairFirst; k < kHelpPictureCount; ++k) {
    const HelpPicture& picture = kHelpPictures[k];
    std::map<int, int> held, shown;
    std::istringstream words{picture.tiles};
    for (std::string w; words >> w;)
      if (w != "/" && w != "+") ++held[std::stoi(w)];
    const ArtRect r = picture.cell;
    for (int x = r.x; x + 32 <= r.x + r.w; ++x)
      for (const auto& [tile, count] : held)
        if (cell_pixels(sheet(139), {x, r.y, 32, 52}) == cell_pixels(sheet(133), help_tile_cell(tile))) ++shown[tile];
    EXPECT_EQ(shown, held) << picture.tiles;
  }
}

// Each picture stands in the middle of its cell on the card's white.
TEST_F(ArtSheets, HelpPicturesStandCentred) {
  for (const HelpPicture& picture : kHelpPictures) {
    const ArtRect r = picture.cell;
    int first = r.x + r.w, last = r.x - 1;
    for (int x = r.x; x < r.x + r.w; ++x)
      for (int y = r.y; y < r.y + r.h; ++y)
        if (sheet(139).at(x, y) != 0xFFFFFF) first = std::min(first, x), last = std::max(last, x);
    const int left = first - r.x, right = r.x + r.w - 1 - last;
    EXPECT_LE(std::abs(left - right), 1) << picture.tiles;
    EXPECT_LT(left, 12) << picture.tiles;
  }
}

TEST_F(ArtSheets, TintedSetsDifferFromThePlainSet) {
  for (int tile : art_tile_codes())
    for (int view = 0; view < 4; ++view) {
      const ArtRect r = table_tile_cell(view, tile);
      EXPECT_NE(cell_pixels(sheet(134), r), cell_pixels(sheet(135), r)) << tile;
      EXPECT_NE(cell_pixels(sheet(134), r), cell_pixels(sheet(136), r)) << tile;
    }
  const ArtRect r = standing_tile_cell(0, 5);
  EXPECT_NE(cell_pixels(sheet(132), r), cell_pixels(sheet(138), r));
}

// A masked image is drawn as its mask with And, then itself with Or: where
// the mask keeps the table (white), the image must add nothing (black).
void expect_mask_pair(const Picture& p, ArtRect image, ArtRect mask) {
  int covered = 0;
  for (int y = 0; y < image.h; ++y)
    for (int x = 0; x < image.w; ++x) {
      const std::uint32_t m = p.at(mask.x + x, mask.y + y);
      EXPECT_TRUE(m == 0xFFFFFF || m == 0x000000) << "mask pixel " << x << "," << y;
      if (m == 0xFFFFFF) {
        EXPECT_EQ(p.at(image.x + x, image.y + y), 0u) << "image pixel " << x << "," << y;
      }
      covered += m == 0;
    }
  EXPECT_GT(covered, image.w * image.h / 8);
}

TEST_F(ArtSheets, MasksFitTheirImages) {
  for (int balloon = 0; balloon < 5; ++balloon) expect_mask_pair(sheet(103), {0, 80 * balloon, 160, 80}, {0, 400, 160, 80});
  expect_mask_pair(sheet(102), {200, 210, 16, 16}, {200, 230, 16, 16});
}

TEST_F(ArtSheets, BackgroundTexturesRepeatWithoutSeams) {
  // Neighbouring pixels across the wrap differ no more than neighbours inside.
  const Picture& p = sheet(118);
  for (int x0 : {0, 80}) {
    auto step = [&](int xa, int ya, int xb, int yb) {
      const std::uint32_t a = p.at(x0 + xa, ya), b = p.at(x0 + xb, yb);
      return std::abs(static_cast<int>(a >> 8 & 255) - static_cast<int>(b >> 8 & 255));
    };
    int inside = 0, across = 0;
    for (int k = 0; k < 72; ++k) {
      inside = std::max({inside, step(35, k, 36, k), step(k, 35, k, 36)});
      across = std::max({across, step(71, k, 0, k), step(k, 71, k, 0)});
    }
    EXPECT_LE(across, inside + 8) << x0;
  }
}

TEST_F(ArtSheets, TwoRunsGiveTheSameBytes) {
  const fs::path again = run_generator("b");
  for (int id = 101; id <= 139; ++id) {
    const std::string name = std::to_string(id) + ".png";
    EXPECT_EQ(file_bytes(*dir_ / name), file_bytes(again / name)) << name;
  }
  EXPECT_EQ(file_bytes(*dir_ / "contact_sheet.png"), file_bytes(again / "contact_sheet.png"));
  fs::remove_all(again);
}

TEST_F(ArtSheets, ContactSheetShowsEverySheet) {
  Picture contact;
  ASSERT_TRUE(read_png(*dir_ / "contact_sheet.png", contact));
  long area = 0;
  for (int id = 101; id <= 139; ++id) area += static_cast<long>(art_sheet(id).width) * art_sheet(id).height;
  EXPECT_GE(static_cast<long>(contact.width) * contact.height, area);
  EXPECT_GE(contact.width, 680);
}

}  // namespace
