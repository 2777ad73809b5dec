// The recorded drawing against the same work done at once on a copy of the
// surface: the pixels must agree whatever was recorded, however much.
#include "draw/gdi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "draw/art_manifest.h"
#include "support/test_workdir.h"

namespace {

// Each channel mixed as the rule says: under + (over - under) x alpha / 255,
// the division truncated towards zero.
std::uint32_t mixed(std::uint32_t under, std::uint32_t over, int alpha) {
  std::uint32_t out = 0;
  for (int shift : {0, 8, 16}) {
    const int a = static_cast<int>(under >> shift & 0xFF);
    const int b = static_cast<int>(over >> shift & 0xFF);
    out |= static_cast<std::uint32_t>(a + (b - a) * alpha / 255) << shift;
  }
  return out;
}

class Gdi : public ::testing::Test {
 protected:
  void SetUp() override {
    g_back_surface = platform::Surface(kScreenWidth, kScreenHeight);
    reset_gdi_state();
    for (int y = 0; y < kScreenHeight; ++y)
      for (int x = 0; x < kScreenWidth; ++x) g_back_surface.at(x, y) = (x * 2654435761u ^ y * 40503u) & 0xFFFFFF;
    expected_ = g_back_surface;
    initial_ = g_back_surface.pixels;
  }
  void TearDown() override { reset_gdi_state(); }

  // The pixels that differ from the expected ones, as "x,y" (the first few).
  std::string differences() const {
    std::string out;
    int n = 0;
    for (int y = 0; y < kScreenHeight; ++y)
      for (int x = 0; x < kScreenWidth; ++x)
        if (g_back_surface.at(x, y) != expected_.at(x, y) && n++ < 5) out += std::to_string(x) + "," + std::to_string(y) + " ";
    return out;
  }

  platform::Surface expected_;
  std::vector<std::uint32_t> initial_;
};

TEST_F(Gdi, ShadedBoxesMixEveryChannelAndStayOnTheSurface) {
  struct Box {
    int x, y, w, h;
    std::uint32_t colour;
    int alpha;
  };
  const Box boxes[] = {
      {5, 5, 3, 4, 0x000000, 70},        // a few pixels
      {100, 200, 300, 40, 0x000000, 70},  // a card's strip, many pixels
      {-20, 700, 60, 50, 0xF1E3B8, 255},  // over two edges
      {690, -5, 60, 400, 0x1E5A3C, 1},
      {300, 300, 200, 200, 0x80FF01, 128},
      {10, 10, 0, 50, 0xFFFFFF, 200},     // empty
  };
  for (const Box& b : boxes) {
    shade_box(b.x, b.y, b.w, b.h, b.colour, b.alpha);
    for (int y = std::max(b.y, 0); y < std::min(b.y + b.h, kScreenHeight); ++y)
      for (int x = std::max(b.x, 0); x < std::min(b.x + b.w, kScreenWidth); ++x)
        expected_.at(x, y) = mixed(expected_.at(x, y), b.colour, b.alpha);
  }
  EXPECT_EQ(g_back_surface.pixels, initial_) << "drawn before it was finished";
  finish_drawing();
  EXPECT_EQ(differences(), "");
}

// More work than the record holds, texts among it: drawn in order, each text
// its own.
TEST_F(Gdi, LongRecordsDrawInOrder) {
  const char* texts[] = {"A", "和了", "Ruvelka", "中"};
  for (int i = 0; i < 9000; ++i) {
    const int x = i % 90 * 8;
    const int y = i / 90 % 40 * 16;
    if (i % 7 == 0) {
      draw_text(x, y, texts[i % 4]);
      platform::text_out(expected_, x, y, texts[i % 4]);
    } else {
      fill_box(x, y, 8, 16, static_cast<std::uint32_t>(i));
      platform::fill_rect(expected_, x, y, 8, 16, static_cast<std::uint32_t>(i));
    }
  }
  draw_enlarged_text(-30, 650, "Ruvelka", 4, 0x1E5A3C);
  finish_drawing();
  // The enlarged text: each glyph pixel a 4 x 4 block mixed by its ink.
  platform::Surface glyphs(platform::text_width("Ruvelka"), 16);
  platform::text_out(glyphs, 0, 0, "Ruvelka");
  for (int gy = 0; gy < 16; ++gy)
    for (int gx = 0; gx < glyphs.width; ++gx)
      for (int d = 0; d < 16; ++d) {
        const int x = -30 + 4 * gx + d % 4, y = 650 + 4 * gy + d / 4;
        const int ink = 255 - static_cast<int>(glyphs.at(gx, gy) & 0xFF);
        if (x >= 0 && y < kScreenHeight) expected_.at(x, y) = mixed(expected_.at(x, y), 0x1E5A3C, ink);
      }
  EXPECT_EQ(differences(), "");
}

// A background covers everything: what came before never shows, and a plain
// one (no texture sheet here) is the same colour everywhere.
TEST_F(Gdi, ABackgroundCoversWhatCameBefore) {
  fill_box(0, 0, 720, 720, 0x123456);
  draw_text(10, 10, "A");
  draw_background(kBackgroundTable);
  fill_box(700, 700, 30, 30, 0xABCDEF);
  finish_drawing();
  EXPECT_EQ(g_back_surface.at(0, 0), g_back_surface.at(10, 10));
  EXPECT_EQ(g_back_surface.at(0, 0), g_back_surface.at(699, 719));
  EXPECT_NE(g_back_surface.at(0, 0), 0x123456u);
  EXPECT_EQ(g_back_surface.at(719, 719), 0xABCDEFu);
  const std::uint32_t table = g_back_surface.at(0, 0);
  draw_background(kBackgroundScreens);
  finish_drawing();
  EXPECT_EQ(g_back_surface.at(719, 719), g_back_surface.at(0, 0));
  EXPECT_NE(g_back_surface.at(0, 0), table);
}

// Frames drawn one after another, each from its background: some repeat the
// frame before, some move, add or drop a box. Every frame's pixels must be
// those of the same work done at once on a fresh background.
TEST_F(Gdi, FramesAfterFramesShowTheirOwnWork) {
  std::mt19937 rng(3);
  struct Box {
    int x, y, w, h;
    std::uint32_t colour;
  };
  std::vector<Box> boxes;
  for (int frame = 0; frame < 60; ++frame) {
    if (frame % 3 != 0) {  // a change: one box moved, added or dropped
      const int what = static_cast<int>(rng() % 3);
      if (what == 0 || boxes.empty())
        boxes.push_back({static_cast<int>(rng() % 760) - 20, static_cast<int>(rng() % 760) - 20,
                         static_cast<int>(rng() % 90), static_cast<int>(rng() % 90), static_cast<std::uint32_t>(rng() & 0xFFFFFF)});
      else if (what == 1)
        boxes[rng() % boxes.size()].x += static_cast<int>(rng() % 41) - 20;
      else
        boxes.erase(boxes.begin() + static_cast<long>(rng() % boxes.size()));
    }
    const int pattern = frame / 20 % 2 == 0 ? kBackgroundTable : kBackgroundScreens;
    draw_background(pattern);
    platform::fill_rect(expected_, 0, 0, kScreenWidth, kScreenHeight, pattern == kBackgroundTable ? 0x174A30 : 0x1E5A3C);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const Box& b = boxes[i];
      if (i % 3 == 2) {
        shade_box(b.x, b.y, b.w, b.h, b.colour, 90);
        for (int y = std::max(b.y, 0); y < std::min(b.y + b.h, kScreenHeight); ++y)
          for (int x = std::max(b.x, 0); x < std::min(b.x + b.w, kScreenWidth); ++x)
            expected_.at(x, y) = mixed(expected_.at(x, y), b.colour, 90);
      } else if (i % 3 == 1) {
        draw_text(b.x, b.y, "和了");
        platform::text_out(expected_, b.x, b.y, "和了");
      } else {
        fill_box(b.x, b.y, b.w, b.h, b.colour);
        platform::fill_rect(expected_, b.x, b.y, b.w, b.h, b.colour);
      }
    }
    finish_drawing();
    ASSERT_EQ(differences(), "") << "frame " << frame;
  }
}

// A box that covers part of a 16-pixel block row leaves the rest of that row
// to the background, however the box before it lay.
TEST_F(Gdi, BoxesThatCoverPartOfABlockLeaveTheRestToTheBackground) {
  const int boxes[][4] = {{100, 100, 40, 40}, {100, 120, 40, 40}, {118, 120, 40, 40}, {100, 100, 40, 40}};
  for (const auto& b : boxes) {
    draw_background(kBackgroundTable);
    fill_box(b[0], b[1], b[2], b[3], 0xFF0000);
    finish_drawing();
    platform::fill_rect(expected_, 0, 0, kScreenWidth, kScreenHeight, 0x174A30);
    platform::fill_rect(expected_, b[0], b[1], b[2], b[3], 0xFF0000);
    ASSERT_EQ(differences(), "") << b[0] << " " << b[1];
  }
}

// With the texture sheet, the background is its 72 x 72 pattern repeated
// from the corner, recorded as the hundred copies it is made of.
TEST_F(Gdi, TexturedBackgroundsRepeatTheirPattern) {
  TestWorkdir dir(false);
  std::filesystem::create_directories("art");
  platform::Surface sheet(art_sheet(kTextureSheet).width, art_sheet(kTextureSheet).height);
  for (int y = 0; y < sheet.height; ++y)
    for (int x = 0; x < sheet.width; ++x) sheet.at(x, y) = static_cast<std::uint32_t>(x * 977 + y * 131) & 0xFFFFFF;
  ASSERT_TRUE(platform::save_png("art/118.png", sheet));
  gdi_setup();
  for (int pattern : {kBackgroundScreens, kBackgroundTable}) {
    start_draw_recording();
    draw_background(pattern);
    fill_box(0, 0, 5, 5, 0);  // something over it, so the next frame puts the background back
    EXPECT_EQ(g_draw_calls.size(), 100u);
    finish_drawing();
    draw_background(pattern);
    finish_drawing();
    for (int y = 0; y < kScreenHeight; y += 7)
      for (int x = 0; x < kScreenWidth; x += 5)
        ASSERT_EQ(g_back_surface.at(x, y), sheet.at(80 * pattern + x % 72, y % 72)) << x << "," << y;
  }
  platform::reset_platform_state();
}

}  // namespace
