// The example hands of the counting-rules help (sheet 139): each picture's
// cell and the tiles it shows. The art generator draws them, the screen
// copies the cells, and the tests score the hands, so the three cannot drift.
#pragma once

#include <array>

#include "draw/art_manifest.h"

// Tiles are written as tile codes in the groups the picture shows, "/"
// between groups and "+" before the tile won (drawn in its place), as the
// scoring tests write hands. A pair picture shows two chows only.
struct HelpPicture {
  ArtRect cell;
  const char* tiles;
};

// The picture indexes: the whole hand of the second sub-page, its four chow
// pairs, the three hands of the third sub-page's captions and its hand of pungs.
enum HelpPictureIndex : int {
  kHelpWholeHand = 0,
  kHelpPairFirst = 1,  // the four pairs in the order of their notes
  kHelpCaptionFirst = 5,
  kHelpPungHand = 8,
  kHelpPictureCount = 9,
};

constexpr std::array<HelpPicture, kHelpPictureCount> kHelpPictures{{
    // Mixed double chows twice, so the short straights that follow count once.
    {{0, 0, 446, 52}, "1 2 3 / 4 5 6 / 11 12 13 / 14 15 + 16 / 29 29"},
    {{0, 52, 200, 52}, "13 14 15 / 13 14 15"},  // pure double chow
    {{0, 104, 200, 52}, "5 6 7 / 25 26 27"},    // mixed double chow
    {{200, 52, 200, 52}, "21 22 23 / 27 28 29"},  // two terminal chows
    {{200, 104, 200, 52}, "2 3 4 / 5 6 7"},     // short straight
    {{0, 156, 470, 52}, "2 3 4 / 12 13 14 / 22 23 24 / 16 17 18 / 29 + 29"},  // mixed triple chow
    // Pure triple chow. The same tiles read as three pungs score as much
    // but for the short straight beside the chows, so the chows are read.
    {{0, 208, 470, 52}, "23 24 25 / 23 24 25 / 23 24 + 25 / 26 27 28 / 29 29"},
    {{0, 260, 470, 52}, "1 2 3 / 4 5 6 / 7 8 9 / 13 14 15 / 22 + 22"},        // pure straight
    {{0, 312, 470, 52}, "1 1 1 / 19 19 19 / 37 37 37 / 27 28 29 / 25 + 25"},  // two terminal pungs and a dragon
}};
