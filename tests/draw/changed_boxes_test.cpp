// The boxes a window is given after each frame: a window that copies only
// those must show every frame's picture, and a frame that repeats the one
// before gives none.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "draw/gdi.h"

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

}  // namespace
