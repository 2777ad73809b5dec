#include "draw/art_manifest.h"

#include <gtest/gtest.h>

#include <string>

#include "core/tiles.h"

namespace {

bool overlap(ArtRect a, ArtRect b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

TEST(ArtManifest, CellsLieInsideTheirSheets) {
  for (int id = 101; id <= 139; ++id) {
    const ArtSheet& s = art_sheet(id);
    EXPECT_EQ(s.id, id);
    for (const ArtCell& c : art_cells(id))
      EXPECT_TRUE(c.rect.x >= 0 && c.rect.y >= 0 && c.rect.w > 0 && c.rect.h > 0 && c.rect.x + c.rect.w <= s.width &&
                  c.rect.y + c.rect.h <= s.height)
          << id << " " << c.what << " at " << c.rect.x << "," << c.rect.y;
  }
}

// Tile cells of one sheet never overlap, nor do they cover a cell of another kind.
TEST(ArtManifest, TileCellsStandApart) {
  for (int id : {132, 133, 134, 137}) {
    const auto cells = art_cells(id);
    for (std::size_t i = 0; i < cells.size(); ++i)
      for (std::size_t j = i + 1; j < cells.size(); ++j)
        if (cells[i].tile != 0 || cells[j].tile != 0) {
          EXPECT_FALSE(overlap(cells[i].rect, cells[j].rect))
              << id << ": tile " << cells[i].tile << " view " << cells[i].view << " and tile " << cells[j].tile << " view "
              << cells[j].view;
        }
  }
}

TEST(ArtManifest, TileCellsFollowTheSheetLayouts) {
  // The red dragon, rank index 6 of row 3, in each view of the table sheet.
  EXPECT_EQ(table_tile_cell(kViewBottom, kRed).x, 192);
  EXPECT_EQ(table_tile_cell(kViewBottom, kRed).y, 156);
  EXPECT_EQ(table_tile_cell(kViewRight, kRed).x, 290 + 117);
  EXPECT_EQ(table_tile_cell(kViewRight, kRed).y, 270);
  EXPECT_EQ(table_tile_cell(kViewTop, kRed).y, 260 + 156);
  EXPECT_EQ(table_tile_cell(kViewLeft, kRed).x, 485 + 117);
  // The last flower, and the user's second look 310 pixels lower.
  EXPECT_EQ(standing_tile_cell(0, kLastFlower).x, 266);
  EXPECT_EQ(standing_tile_cell(kViewSecondLook, kLastFlower).y, 248 + 310);
  EXPECT_EQ(small_tile_cell(29).y, 80);
  EXPECT_EQ(help_tile_cell(kFaceDownCode).x, 224);
  EXPECT_EQ(art_tile_codes().size(), 42u);
}

TEST(ArtManifest, PatternButtonsCoverIdsOneToSeventyNine) {
  const auto cells = art_cells(127);
  ASSERT_EQ(cells.size(), 79u);
  EXPECT_EQ(cells.front().rect.x, 0);
  EXPECT_EQ(cells.front().rect.y, 30);
  EXPECT_EQ(cells.back().rect.x, 240);  // id 79
  EXPECT_EQ(cells.back().rect.y, 570);
}

}  // namespace
