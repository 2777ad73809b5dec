// The bitmap sheets the table drawing copies from, by id.
#pragma once

enum SheetId : int {
  kSheetPlate = 102,          // centre plate, digits, signs, hint mark
  kSheetBalloons = 103,       // shout balloons and their mask
  kSheetButtons = 104,        // action buttons, prompts, small digits, notices
  kSheetNames = 105,          // character names facing each seat
  kSheetWindDice = 106,       // round-wind plates and dice
  kSheetNameStrips = 107,     // name strips of the score boxes
  kSheetNotices = 108,        // notices, knitted-straight label, deal-in marker
  kSheetOpenWall = 110,       // open-wall panel
  kSheetScoreBox = 111,
  kSheetDrawBanner = 112,     // exhaustive-draw banner
  kSheetWinFrame = 113,       // win-panel frame and cap line
  kSheetPopups = 114,         // pop-up and panel frames
  kSheetResultButtons = 115,  // next-hand and suspend buttons
  kSheetSeatChange = 117,     // seat-change diagrams and labels
  kSheetTextures = 118,       // table textures and the shadow strip
  kSheetPatternNames = 126,   // pattern names, small digits, labels
  kSheetPatternButtons = 127,
  kSheetPreview = 128,        // template preview panel
  kSheetBacks = 131,          // tile backs
  kSheetStanding = 132,       // the user's standing tiles, two looks
  kSheetTiles = 134,          // table tiles in four views
  kSheetGreyTiles = 135,
  kSheetRedTiles = 136,
  kSheetSmallTiles = 137,     // open wall and template preview
  kSheetDarkStanding = 138,
};

// The thin shadow strip of sheet 118 that every shadow and edge strip is cut from (up to 9 x 44).
constexpr int kShadowSourceX = 160;
constexpr int kShadowSourceY = 0;
