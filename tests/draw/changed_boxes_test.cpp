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

// A piece of a frame: a copy from sheet 101 with each raster operation, a
// text, a shade or an enlarged text.
struct Piece {
  int kind, x, y, w, h, sx, sy;
};

void draw_piece(const Piece& q) {
  switch (q.kind) {
    case 0: blit_bitmap(q.x, q.y, q.w, q.h, 101, q.sx, q.sy); break;
    case 1: blit_bitmap(q.x, q.y, q.w, q.h, 101, q.sx, q.sy, platform::Rop::And); break;
    case 2: blit_bitmap(q.x, q.y, q.w, q.h, 101, q.sx, q.sy, platform::Rop::Or); break;
    case 3: draw_text(q.x, q.y, q.w % 2 == 0 ? "和了" : "Ruvelka"); break;
    case 4: shade_box(q.x, q.y, q.w, q.h, 0x102030, 100); break;
    case 5: fill_box(q.x, q.y, q.w, q.h, 0xC04080); break;
    default: draw_enlarged_text(q.x, q.y, "A", 1 + q.w % 3, 0xF1E3B8); break;
  }
}

void draw_frame(const std::vector<Piece>& pieces, int background = kBackgroundTable) {
  if (background >= 0) draw_background(background);
  for (const Piece& q : pieces) draw_piece(q);
}

// One piece added, moved or taken away (added while there are fewer than `least`).
void change_one(std::vector<Piece>& pieces, std::mt19937& rng, std::size_t least) {
  const auto random = [&](unsigned n) { return static_cast<int>(rng() % n); };
  if (pieces.size() < least || rng() % 3 == 0)
    pieces.insert(pieces.begin() + static_cast<long>(rng() % (pieces.size() + 1)),
                  Piece{random(7), random(740) - 10, random(740) - 10, 1 + random(60), 1 + random(60), random(64),
                        random(64)});
  else if (rng() % 2 == 0)
    pieces[rng() % pieces.size()].x += random(21) - 10;
  else
    pieces.erase(pieces.begin() + static_cast<long>(rng() % pieces.size()));
}

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

  // The surface the frame was drawn over; the frame is then drawn whole on
  // a fresh surface in its place.
  static platform::Surface drawn_over_then_whole(const std::function<void()>& draw) {
    platform::Surface over_last = g_back_surface;
    g_back_surface = platform::Surface(kScreenWidth, kScreenHeight, 0);
    draw();
    finish_drawing();
    return over_last;
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
  std::vector<Piece> pieces;
  for (int frame = 0; frame < 70; ++frame) {
    change_one(pieces, rng, 40);
    draw_frame(pieces);
    show();
    const platform::Surface over_last = drawn_over_then_whole([&] { draw_frame(pieces); });
    ASSERT_EQ(over_last.pixels, g_back_surface.pixels) << "frame " << frame;
    ASSERT_EQ(shown_.pixels, g_back_surface.pixels) << "frame " << frame;
  }
  platform::reset_platform_state();
}

// A frame that changes most blocks is drawn whole over its background: the
// background goes back everywhere but under the copies and fills that set
// every pixel of their blocks, so a shade or a copy that runs off its sheet
// over the last frame's fills shows the background beneath, not the fills.
TEST_F(ChangedBoxes, AFrameThatChangesMostBlocksPutsTheBackgroundBackUnderWhatDoesNotCoverIt) {
  TestWorkdir dir(false);
  gdi_setup();  // no art: white sheets of their own sizes
  const int sheet_width = platform::bitmap(kTextureSheet).width;
  const auto frame = [&](bool second) {
    draw_background(kBackgroundTable);
    fill_box(0, 0, 720, 480, second ? 0x203040 : 0x405060);  // 1350 blocks of change
    if (!second) {
      for (int x : {96, 304, 512, 608}) fill_box(x, 496, 64, 64, 0xFF0000);
      return;
    }
    shade_box(96, 496, 64, 64, 0x000000, 80);
    blit_bitmap(304, 496, 64, 64, kTextureSheet, sheet_width - 8, 0);  // 8 columns from the sheet
    blit_bitmap(608, 496, 64, 64, kTextureSheet, -8, 0);               // all but 8 columns
    blit_bitmap(512, 496, 64, 64, kTextureSheet, 0, 0, platform::Rop::And);
  };
  frame(false);
  show();
  frame(true);
  show();
  const platform::Surface over_last = drawn_over_then_whole([&] { frame(true); });
  EXPECT_EQ(over_last.pixels, g_back_surface.pixels);
  EXPECT_EQ(shown_.pixels, g_back_surface.pixels);
  platform::reset_platform_state();
}

// Frames whose pixels are read only now and then (a headless match reads
// none for hundreds of frames), a piece sometimes moved and moved back
// between two reads: each read shows the pixels of the same frame in a run
// that read every frame.
TEST_F(ChangedBoxes, AReadAfterUnreadFramesShowsWhatAReadEveryFrameShows) {
  std::mt19937 rng(23);
  std::vector<std::vector<Piece>> frames;
  std::vector<Piece> pieces;
  for (int frame = 0; frame < 90; ++frame) {
    if (frame % 6 == 5 && frames.size() >= 2) pieces = frames[frames.size() - 2];  // changed back
    else change_one(pieces, rng, 25);
    frames.push_back(pieces);
  }
  const auto read_now = [](std::size_t frame) { return frame % 7 == 0 || frame % 11 == 3; };
  std::vector<platform::Surface> every_frame;
  for (std::size_t frame = 0; frame < frames.size(); ++frame) {
    draw_frame(frames[frame], frame / 40 % 2 == 0 ? kBackgroundTable : kBackgroundScreens);
    finish_drawing();
    if (read_now(frame)) every_frame.push_back(g_back_surface);
  }
  reset_gdi_state();
  g_back_surface = platform::Surface(kScreenWidth, kScreenHeight, 0x808080);
  std::size_t reads = 0;
  for (std::size_t frame = 0; frame < frames.size(); ++frame) {
    draw_frame(frames[frame], frame / 40 % 2 == 0 ? kBackgroundTable : kBackgroundScreens);
    if (!read_now(frame)) continue;
    show();
    ASSERT_EQ(g_back_surface.pixels, every_frame[reads].pixels) << "frame " << frame;
    ASSERT_EQ(shown_.pixels, g_back_surface.pixels) << "frame " << frame;
    ++reads;
  }
  EXPECT_EQ(reads, every_frame.size());
}

// Random frames of pieces, some repeating the one before, some drawn over it
// without a background: the window's copy is the surface after each.
TEST_F(ChangedBoxes, AWindowGivenOnlyTheChangesShowsEveryFrame) {
  std::mt19937 rng(5);
  std::vector<Piece> pieces;
  for (int frame = 0; frame < 80; ++frame) {
    const bool repeat = frame % 4 == 3;
    if (!repeat) change_one(pieces, rng, 10);
    const bool over_last = frame % 10 == 5;
    draw_frame(pieces, over_last ? -1 : frame / 30 % 2 == 0 ? kBackgroundTable : kBackgroundScreens);
    const std::vector<platform::Rect> changed = show();
    ASSERT_EQ(shown_.pixels, g_back_surface.pixels) << "frame " << frame;
    if (repeat && !over_last && frame % 10 != 6) {
      EXPECT_TRUE(changed.empty()) << "frame " << frame;
    }
  }
}

// A frame of fills A, B, C and an enlarged text E far from them, then the
// same frame edited: only the blocks of 16 pixels of the pieces that came,
// went or moved change, wherever in the work they lie (a box's last pixel
// column is x + w - 1: B at 200..209 touches the blocks at 192 and 208).
struct Edit {
  const char* what;
  std::vector<Piece> pieces;
  const char* changed;
};

constexpr Piece kA{5, 0, 0, 10, 10, 0, 0}, kB{5, 200, 0, 10, 10, 0, 0}, kC{5, 400, 0, 10, 10, 0, 0};
constexpr Piece kE{6, 600, 600, 1, 1, 0, 0};  // "A" twice its size: 16 x 32
constexpr Piece kX{5, 100, 100, 10, 10, 0, 0}, kY{5, 300, 300, 5, 5, 0, 0};

class ChangedBoxesEdits : public ChangedBoxes, public ::testing::WithParamInterface<Edit> {};

TEST_P(ChangedBoxesEdits, ChangeOnlyTheBlocksOfTheEditedPieces) {
  draw_frame({kA, kB, kC, kE});
  show();
  draw_frame(GetParam().pieces);
  EXPECT_EQ(text(show()), GetParam().changed);
  EXPECT_EQ(shown_.pixels, g_back_surface.pixels);
  drawn_over_then_whole([] { draw_frame(GetParam().pieces); });
  EXPECT_EQ(shown_.pixels, g_back_surface.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, ChangedBoxesEdits,
    ::testing::Values(Edit{"one added", {kA, kX, kB, kC, kE}, "96,96-112,112 "},
                      Edit{"three added", {kA, kX, kX, kY, kB, kC, kE}, "96,96-112,112 288,288-320,320 "},
                      Edit{"one gone", {kA, kC, kE}, "192,0-224,16 "},
                      Edit{"one replaced", {kA, kY, kC, kE}, "192,0-224,16 288,288-320,320 "},
                      Edit{"the last gone", {kA, kB, kC}, "592,592-624,640 "},
                      Edit{"text moved", {kA, kB, kC, {6, 640, 600, 1, 1, 0, 0}}, "592,592-624,640 640,592-656,640 "},
                      // A fill under the text's last row of blocks: the text's blocks change whole.
                      Edit{"under the text", {kA, kB, kC, {5, 610, 630, 4, 4, 0, 0}, kE}, "592,592-624,640 "},
                      Edit{"the same", {kA, kB, kC, kE}, ""}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& c : name) c = c == ' ' ? '_' : c;
      return name;
    });

}  // namespace

// A frame whose scene draws nothing changes no pixel, and the frame after it
// is still drawn over the one before: only the blocks of the piece added.
TEST_F(ChangedBoxes, AFrameThatDrawsNothingChangesNothingAndKeepsTheFrameBefore) {
  draw_frame({kA, kB, kC, kE});
  show();
  EXPECT_EQ(text(show()), "");
  draw_frame({kA, kX, kB, kC, kE});
  EXPECT_EQ(text(show()), "96,96-112,112 ");
  const platform::Surface over_last = drawn_over_then_whole([] { draw_frame({kA, kX, kB, kC, kE}); });
  EXPECT_EQ(over_last.pixels, g_back_surface.pixels);
}
