// One picture of every sheet with its id, packed in rows on a neutral
// checked ground so that the sheets' own backgrounds stay visible.
#include <algorithm>
#include <string>

#include "platform/platform.h"
#include "sheets.h"

namespace art {

namespace {

constexpr int kRowWidth = 2100;
constexpr int kGap = 16;
constexpr int kLabel = 22;

}  // namespace

Image draw_contact_sheet(const std::vector<Image>& sheets, const Fonts& fonts) {
  struct Place {
    int x, y;
  };
  std::vector<Place> places;
  int x = kGap, y = kGap, row_h = 0;
  for (const Image& s : sheets) {
    if (x + s.width + kGap > kRowWidth && x > kGap) x = kGap, y += row_h + kGap, row_h = 0;
    places.push_back({x, y});
    x += std::max(s.width, 40) + kGap;
    row_h = std::max(row_h, s.height + kLabel);
  }
  Image img(kRowWidth, y + row_h + kGap, 0);
  for (int j = 0; j < img.height; ++j)
    for (int i = 0; i < img.width; ++i) img.at(i, j) = ((i / 8 + j / 8) % 2) ? 0xB8B8B8 : 0xA8A8A8;
  for (std::size_t k = 0; k < sheets.size(); ++k) {
    const Place p = places[k];
    const std::string id = std::to_string(platform::kFirstBitmapId + static_cast<int>(k));
    fill(img, p.x, p.y, 40, kLabel - 4, 0x202020);
    sheet_text(img, fonts, Face::Gothic, id.c_str(), p.x + 2, p.y + 2, 36, kLabel - 8, rgb(0xffffff));
    copy(img, p.x, p.y + kLabel, sheets[k], 0, 0, sheets[k].width, sheets[k].height);
  }
  return img;
}

}  // namespace art
