// The example hands of the counting-rules help: standing tiles in their
// groups on the white of the help card, each picture centred in its cell.
#include <sstream>
#include <string>
#include <vector>

#include "draw/help_pictures.h"
#include "sheets.h"

namespace art {

namespace {

constexpr std::uint32_t kCardWhite = 0xFFFFFF;
constexpr int kWidestTile = 32;  // the help tiles' width (sheet 133)
constexpr int kStrip = 7;        // their top-edge strip
constexpr int kGroupGap = 6;     // pixels between two groups

using Groups = std::vector<std::vector<int>>;

// The picture's tiles by group; the mark of the tile won is no group break.
Groups groups_of(const char* tiles) {
  Groups groups(1);
  std::istringstream in{tiles};
  std::string word;
  while (in >> word) {
    if (word == "/")
      groups.emplace_back();
    else if (word != "+")
      groups.back().push_back(std::stoi(word));
  }
  return groups;
}

// Neighbouring tiles share their one-pixel outline, as in the hands on the table.
int span(const Groups& groups, int tile_w) {
  int w = kGroupGap * static_cast<int>(groups.size() - 1);
  for (const auto& g : groups) w += (tile_w - 1) * static_cast<int>(g.size()) + 1;
  return w;
}

void draw_picture(Image& img, const Fonts& fonts, const HelpPicture& picture) {
  const Groups groups = groups_of(picture.tiles);
  int tile_w = kWidestTile;
  while (span(groups, tile_w) > picture.cell.w) --tile_w;
  int x = picture.cell.x + (picture.cell.w - span(groups, tile_w)) / 2;
  for (const auto& g : groups) {
    for (int tile : g) {
      reduce_onto(img, x, picture.cell.y, standing_tile(fonts, tile_w, picture.cell.h, kStrip, tile));
      x += tile_w - 1;
    }
    x += 1 + kGroupGap;
  }
}

}  // namespace

Image draw_help_pictures(const Fonts& fonts) {
  Image img(art_sheet(139).width, art_sheet(139).height, kCardWhite);
  for (const HelpPicture& picture : kHelpPictures) draw_picture(img, fonts, picture);
  return img;
}

}  // namespace art
