// The boxes a window is given after each frame: a window that copies only
// those must show every frame's picture, and a frame that repeats the one
// before gives none.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "draw/art_manifest.h"
#include "draw/gdi.h"
#include "support/test_workdir.h"

namespace {

class ChangedBoxes : public ::testing::Test {
 protected:
  void SetUp() override {
    g_back_surface = platform::Surface(kScreenWidth, kScreenHeight, 0x808080);
    reset_gdi_state();
  }
  void TearDown() override { reset_gdi_state(); }

  // Finishes the frame and copies its changed boxes to the window's picture.
  std::vector<platform::Rect> show() {
    const std::span<const platform::Rect> boxes = finish_drawing_changes();
    for (const platform::Rect& b : boxes)
      platform::blit(shown_, b.left, b.top, b.right - b.left, b.bottom - b.top, g_back_surface, b.left, b.top);
    return {boxes.begin(), boxes.end()};
  }

  static std::string text(const std::vector<platform::Rect>& boxes) {
    std::string out;
    for (const platform::Rect& b : boxes)
      out += std::to_string(b.left) + "," + std::to_string(b.top) + "-" + std::to_string(b.right) + "," +
             std::to_string(b.bottom) + " ";
    return out;
  }

  platform::Surface shown_{kScreenWidth, kScreenHeight, 0};  // what a window would show
};

// A box moved on the same background: the blocks of 16 pixels it left and
// those it entered, and nothing else.
TEST_F(ChangedBoxes, AMovedBoxChangesTheBlocksItLeftAndEntered) {
  draw_background(kBackgroundTable);
  fill_box(100, 100, 10, 10, 0xFF0000);
  EXPECT_EQ(text(show()), "0,0-720,720 ");  // the first frame is new everywhere
  draw_background(kBackgroundTable);
  fill_box(140, 100, 10, 20, 0xFF0000);
  EXPECT_EQ(text(show()), "96,96-112,112 128,96-160,128 ");
  draw_background(kBackgroundTable);
  fill_box(140, 100, 10, 20, 0xFF0000);
  EXPECT_EQ(text(show()), "");
  draw_background(kBackgroundScreens);  // another background: everything
  fill_box(140, 100, 10, 20, 0xFF0000);
  EXPECT_EQ(text(show()), "0,0-720,720 ");
  EXPECT_EQ(shown_.pixels, g_back_surface.pixels);
}

// Drawing that was finished by someone else in between still reaches the window.
TEST_F(ChangedBoxes, WorkFinishedEarlierIsStillGiven) {
  draw_background(kBackgroundTable);
  show();
  draw_background(kBackgroundTable);
  draw_text(300, 40, "和了");
  finish_drawing();
  EXPECT_EQ(text(show()), "288,32-336,64 ");
  EXPECT_EQ(shown_.pixels, g_back_surface.pixels);
}

// Random frames of fills, texts and shades, some repeating the one before,
// some without a background: the window's copy is the surface after each.
TEST_F(ChangedBoxes, AWindowGivenOnlyTheChangesShowsEveryFrame) {
  std::mt19937 rng(5);
  struct Box {
    int x, y, w, h;
    std::uint32_t colour;
  };
  std::vector<Box> boxes;
  for (int frame = 0; frame < 80; ++frame) {
    const bool repeat = frame % 4 == 3;
    if (!repeat) {
      const int what = static_cast<int>(rng() % 3);
      if (what == 0 || boxes.empty())
        boxes.push_back({static_cast<int>(rng() % 760) - 20, static_cast<int>(rng() % 760) - 20,
                         static_cast<int>(rng() % 90), static_cast<int>(rng() % 90),
                         static_cast<std::uint32_t>(rng() & 0xFFFFFF)});
      else if (what == 1)
        boxes[rng() % boxes.size()].y += 1 + static_cast<int>(rng() % 30);
      else
        boxes.erase(boxes.begin() + static_cast<long>(rng() % boxes.size()));
    }
    const bool over_last = frame % 10 == 5;  // drawn over the frame before, no background
    if (!over_last) draw_background(frame / 30 % 2 == 0 ? kBackgroundTable : kBackgroundScreens);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const Box& b = boxes[i];
      if (i % 3 == 2)
        shade_box(b.x, b.y, b.w, b.h, b.colour, 90);
      else if (i % 3 == 1)
        draw_text(b.x, b.y, "中");
      else
        fill_box(b.x, b.y, b.w, b.h, b.colour);
    }
    const std::vector<platform::Rect> changed = show();
    ASSERT_EQ(shown_.pixels, g_back_surface.pixels) << "frame " << frame;
    if (repeat && !over_last && frame % 10 != 6) {
      EXPECT_TRUE(changed.empty()) << "frame " << frame;
    }
  }
}

// Frames of copies from a sheet with every raster operation, texts, shades
// and enlarged text over a textured background, each changed a little from
// the one before: a frame drawn over the one before has the pixels of the
// same frame drawn whole on a fresh surface.
TEST_F(ChangedBoxes, AFrameDrawnOverTheOneBeforeIsTheFrameDrawnWhole) {
  TestWorkdir dir(false);
  std::filesystem::create_directories("art");
  std::mt19937 rng(11);
  for (int id : {kTextureSheet, 101}) {
    platform::Surface sheet(art_sheet(id).width, art_sheet(id).height);
    for (std::uint32_t& px : sheet.pixels) px = rng() & 0xFFFFFF;
    ASSERT_TRUE(platform::save_png("art/" + std::to_string(id) + ".png", sheet));
  }
  gdi_setup();
  const platform::Surface& sheet = platform::bitmap(101);
  struct Piece {
    int kind, x, y, w, h, sx, sy;
  };
  std::vector<Piece> pieces;
  const auto draw = [&] {
    draw_background(kBackgroundTable);
    for (const Piece& q : pieces) {
      switch (q.kind) {
        case 0: blit_bitmap(q.x, q.y, q.w, q.h, 101, q.sx, q.sy); break;
        case 1: blit_bitmap(q.x, q.y, q.w, q.h, 101, q.sx, q.sy, platform::Rop::And); break;
        case 2: blit_bitmap(q.x, q.y, q.w, q.h, 101, q.sx, q.sy, platform::Rop::Or); break;
        case 3: draw_text(q.x, q.y, q.w % 2 == 0 ? "和了" : "Ruvelka"); break;
        case 4: shade_box(q.x, q.y, q.w, q.h, 0x102030, 100); break;
        default: draw_enlarged_text(q.x, q.y, "A", 1 + q.w % 3, 0xF1E3B8); break;
      }
    }
  };
  for (int frame = 0; frame < 70; ++frame) {
    const auto random_piece = [&] {
      const int w = 1 + static_cast<int>(rng() % 60), h = 1 + static_cast<int>(rng() % 60);
      return Piece{static_cast<int>(rng() % 6), static_cast<int>(rng() % 740) - 10, static_cast<int>(rng() % 740) - 10,
                   w, h, static_cast<int>(rng() % static_cast<unsigned>(sheet.width)),
                   static_cast<int>(rng() % static_cast<unsigned>(sheet.height))};
    };
    if (pieces.size() < 40 || rng() % 3 == 0)
      pieces.insert(pieces.begin() + static_cast<long>(rng() % (pieces.size() + 1)), random_piece());
    else if (rng() % 2 == 0)
      pieces[rng() % pieces.size()].x += static_cast<int>(rng() % 21) - 10;
    else
      pieces.erase(pieces.begin() + static_cast<long>(rng() % pieces.size()));
    draw();
    show();
    const platform::Surface over_last = g_back_surface;
    g_back_surface = platform::Surface(kScreenWidth, kScreenHeight, 0);  // a fresh surface: drawn whole
    draw();
    finish_drawing();
    ASSERT_EQ(over_last.pixels, g_back_surface.pixels) << "frame " << frame;
    ASSERT_EQ(shown_.pixels, g_back_surface.pixels) << "frame " << frame;
  }
  platform::reset_platform_state();
}

}  // namespace
