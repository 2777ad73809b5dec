// Tiles seen by one camera at the bottom of the screen: a tile lying face up
// shows its face and, below it, its near side (ivory layer over the blue
// back); a standing tile shows its face under a thin strip of its top edge.
// The pitches of the table let the next tile cover the near side, so only
// the last tile of a row shows it.
#include <algorithm>

#include "core/tiles.h"
#include "draw/art_manifest.h"
#include "sheets.h"

namespace art {

namespace {

constexpr Rgb kOutline = rgb(0x3b3629);
constexpr Rgb kFaceTop = rgb(0xfdfaf0);
constexpr Rgb kFaceBottom = rgb(0xeee5cc);
constexpr Rgb kSideIvory = rgb(0xe0d5b6);
constexpr Rgb kSideIvoryDark = rgb(0xc9bb96);
constexpr Rgb kBack = rgb(0x2d62b0);
constexpr Rgb kBackDark = rgb(0x1d4585);
constexpr Rgb kBackLight = rgb(0x5687cf);

constexpr int S = kSuper;

struct Rect {
  int x, y, w, h;  // sheet pixels, relative to the cell
};

void rect(Layer& l, Rect r, Rgb c) { fill_rect(l, r.x * S, r.y * S, (r.x + r.w) * S, (r.y + r.h) * S, c); }
void gradient(Layer& l, Rect r, Rgb top, Rgb bottom) {
  fill_gradient(l, r.x * S, r.y * S, (r.x + r.w) * S, (r.y + r.h) * S, top, bottom);
}

// An ivory face area with a soft bevel.
void face_area(Layer& l, Rect r) {
  gradient(l, r, kFaceTop, kFaceBottom);
  fill_rect(l, r.x * S, r.y * S, (r.x + r.w) * S, r.y * S + 2, rgb(0xffffff), 0.8f);
  fill_rect(l, r.x * S, r.y * S, r.x * S + 2, (r.y + r.h) * S, rgb(0xffffff), 0.6f);
  fill_rect(l, (r.x + r.w) * S - 3, r.y * S, (r.x + r.w) * S, (r.y + r.h) * S, kSideIvoryDark, 0.5f);
}

// The back-coloured surface of a tile turned over or seen from behind.
void back_area(Layer& l, Rect r) {
  gradient(l, r, kBackLight, kBack);
  fill_rect(l, (r.x + r.w) * S - 3, r.y * S, (r.x + r.w) * S, (r.y + r.h) * S, kBackDark, 0.6f);
}

// The engraving, drawn upright in a portrait box and turned into place.
void engrave(Layer& l, const Fonts& fonts, int tile, Rect r, int quarter) {
  const bool turned = quarter % 2 == 1;
  Layer face((turned ? r.h : r.w) * S, (turned ? r.w : r.h) * S);
  paint_face(face, fonts, tile);
  paste(l, r.x * S, r.y * S, face, quarter);
}

// A tile lying on the table: top surface rows [0, top) and its near side
// below; face up shows ivory on top with the back layer at the bottom of the
// side, face down the other way round.
Layer lying_tile(const Fonts& fonts, int w, int h, int top, int tile, int quarter, bool face_up) {
  Layer l(w * S, h * S);
  rect(l, {0, 0, w, h}, kOutline);
  const Rect surface{1, 1, w - 2, top - 1};
  const int side = h - top - 1;
  const int upper = side / 2;
  if (face_up) {
    face_area(l, surface);
    gradient(l, {1, top, w - 2, upper}, kSideIvory, kSideIvoryDark);
    gradient(l, {1, top + upper, w - 2, side - upper}, kBack, kBackDark);
    const int margin = std::max(2, w / 12);
    engrave(l, fonts, tile, {1 + margin, 1 + margin, w - 2 - 2 * margin, top - 1 - 2 * margin}, quarter);
  } else {
    back_area(l, surface);
    gradient(l, {1, top, w - 2, upper}, kBack, kBackDark);
    gradient(l, {1, top + upper, w - 2, side - upper}, kSideIvory, kSideIvoryDark);
  }
  return l;
}

}  // namespace

// A standing tile facing the camera: its top edge (back far, ivory near)
// above the face, or above its back when seen from behind.
Layer standing_tile(const Fonts& fonts, int w, int h, int strip, int tile) {
  Layer l(w * S, h * S);
  rect(l, {0, 0, w, h}, kOutline);
  const int far = strip / 2;
  if (tile != 0) {
    gradient(l, {1, 1, w - 2, far}, kBackDark, kBack);
    gradient(l, {1, 1 + far, w - 2, strip - far - 1}, kSideIvoryDark, kSideIvory);
    face_area(l, {1, strip, w - 2, h - strip - 1});
    const int margin = std::max(2, w / 11);
    engrave(l, fonts, tile, {1 + margin, strip + margin, w - 2 - 2 * margin, h - strip - 1 - 2 * margin}, 0);
  } else {
    gradient(l, {1, 1, w - 2, far}, kSideIvoryDark, kSideIvory);
    gradient(l, {1, 1 + far, w - 2, strip - far - 1}, kBackDark, kBack);
    back_area(l, {1, strip, w - 2, h - strip - 1});
  }
  return l;
}

namespace {

// The hidden standing tiles of the side seats: the top edge seen from above
// (ivory toward the seat's edge of the table) and the near side below.
Layer side_standing_back(int w, int h, int top, bool ivory_left) {
  Layer l(w * S, h * S);
  rect(l, {0, 0, w, h}, kOutline);
  const int ivory_w = (w - 2) * 2 / 5;
  const int back_w = w - 2 - ivory_w;
  const Rect ivory{ivory_left ? 1 : 1 + back_w, 1, ivory_w, top - 1};
  const Rect back{ivory_left ? 1 + ivory_w : 1, 1, back_w, top - 1};
  gradient(l, ivory, kFaceTop, kSideIvory);
  gradient(l, back, kBackLight, kBack);
  gradient(l, {ivory.x, top, ivory.w, h - top - 1}, kSideIvory, kSideIvoryDark);
  gradient(l, {back.x, top, back.w, h - top - 1}, kBack, kBackDark);
  return l;
}

constexpr int quarter_of_view(int view) { return view == kViewRight ? 3 : view == kViewTop ? 2 : view == kViewLeft ? 1 : 0; }

void put(Image& img, ArtRect at, const Layer& l) { reduce_onto(img, at.x, at.y, l); }

Image table_tiles(const Fonts& fonts) {
  Image img(art_sheet(134).width, art_sheet(134).height, 0x808080);
  for (int view = 0; view < 4; ++view)
    for (int tile : art_tile_codes()) {
      const ArtRect r = table_tile_cell(view, tile);
      const int top = view % 2 == 0 ? 38 : 31;
      put(img, r, lying_tile(fonts, r.w, r.h, top, tile, quarter_of_view(view), true));
    }
  put(img, {224, 156, 32, 52}, lying_tile(fonts, 32, 52, 38, 0, 0, false));
  return img;
}

Image standing_tiles(const Fonts& fonts) {
  Image img(art_sheet(132).width, art_sheet(132).height, 0x808080);
  for (int tile : art_tile_codes()) {
    put(img, standing_tile_cell(0, tile), standing_tile(fonts, 38, 62, 9, tile));
    put(img, standing_tile_cell(kViewSecondLook, tile), lying_tile(fonts, 38, 62, 48, tile, 0, true));
  }
  put(img, {266, 496, 38, 62}, standing_tile(fonts, 38, 62, 9, 0));
  return img;
}

Image backs(const Fonts& fonts) {
  Image img(art_sheet(131).width, art_sheet(131).height, 0x808080);
  put(img, {0, 0, 32, 52}, standing_tile(fonts, 32, 52, 8, 0));
  put(img, {32, 0, 32, 52}, lying_tile(fonts, 32, 52, 38, 0, 0, false));
  put(img, {64, 0, 17, 58}, side_standing_back(17, 58, 31, true));
  put(img, {81, 0, 17, 58}, side_standing_back(17, 58, 31, false));
  put(img, {0, 52, 39, 45}, lying_tile(fonts, 39, 45, 31, 0, 0, false));
  return img;
}

Image small_tiles(const Fonts& fonts) {
  Image img(art_sheet(137).width, art_sheet(137).height, 0x808080);
  for (int tile : art_tile_codes()) put(img, small_tile_cell(tile), lying_tile(fonts, 32, 39, 35, tile, 0, true));
  return img;
}

Image help_tiles(const Fonts& fonts) {
  Image img(art_sheet(133).width, art_sheet(133).height, 0x808080);
  for (int tile : art_tile_codes()) put(img, help_tile_cell(tile), standing_tile(fonts, 32, 52, 7, tile));
  put(img, help_tile_cell(kFaceDownCode), standing_tile(fonts, 32, 52, 7, 0));
  return img;
}

std::uint32_t pack(float r, float g, float b) {
  auto c = [](float v) { return static_cast<std::uint32_t>(std::clamp(v, 0.0f, 255.0f) + 0.5f); };
  return c(r) << 16 | c(g) << 8 | c(b);
}

// The grey, red and dark sets are the plain sets recoloured pixel by pixel.
enum class Tint { Grey, Red, Dark };

std::uint32_t tint(std::uint32_t p, Tint t) {
  const float r = static_cast<float>(p >> 16 & 255), g = static_cast<float>(p >> 8 & 255), b = static_cast<float>(p & 255);
  const float y = 0.3f * r + 0.59f * g + 0.11f * b;
  switch (t) {
    case Tint::Grey: return pack(0.72f * (0.7f * y + 0.3f * r), 0.72f * (0.7f * y + 0.3f * g), 0.72f * (0.7f * y + 0.3f * b));
    case Tint::Red: return pack(0.55f * r + 115, 0.62f * g + 10, 0.62f * b + 10);
    default: return pack(0.55f * r + 8, 0.55f * g + 14, 0.6f * b + 34);
  }
}

Image tinted(Image img, Tint t) {
  recolour(img, 0, 0, img.width, img.height, [t](std::uint32_t p) { return tint(p, t); });
  return img;
}

}  // namespace

Image draw_tile_sheet(int id, const Fonts& fonts) {
  switch (id) {
    case 131: return backs(fonts);
    case 132: return standing_tiles(fonts);
    case 133: return help_tiles(fonts);
    case 134: return table_tiles(fonts);
    case 135: return tinted(table_tiles(fonts), Tint::Grey);
    case 136: return tinted(table_tiles(fonts), Tint::Red);
    case 137: return small_tiles(fonts);
    case 139: return draw_help_pictures(fonts);
    default: return tinted(standing_tiles(fonts), Tint::Dark);
  }
}

}  // namespace art
