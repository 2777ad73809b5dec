// The scenes that move tiles from the wall into the hands: the deal, the
// sort of the dealt hands, the flowers of the dealt hands and the flower
// scene during play. Each runs one frame per call and stores the next scene.
#pragma once

// Deal timing in frames of scene 40. c counts the frames after the opening
// wait (0 on the first frame after it); the deal acts on even c.
constexpr int kDealWaitFrames = 40;
constexpr int kDealFirstBlock = 10;   // c of the first block of four
constexpr int kDealLastBlock = 32;    // c of the twelfth block
constexpr int kDealLastSingle = 40;   // c of the fourth single tile
constexpr int kDealEnd = 50;          // c that moves on to the sort
constexpr int kDealtTiles = 13;

// Frames of scene 50 at which the hands are sorted and the scene ends.
constexpr int kSortAtFrame = 20;
constexpr int kSortEndFrame = 40;

// Frames of scene 60 per seat: flowers set aside, replacements, next seat.
constexpr int kInitialFlowerSetAside = 1;
constexpr int kInitialFlowerReplace = 13;
constexpr int kInitialFlowerNextSeat = 26;

// Frames of the flower scene 590.
constexpr int kFlowerSetAside = 1;
constexpr int kFlowerWallTest = 5;
constexpr int kFlowerReplace = 6;
constexpr int kFlowerEndCom = 14;
constexpr int kFlowerEndUser = 20;

// Scene handlers, one frame each; the shell draws the table after them.
void scene_deal();
void scene_sort_hands();
void scene_initial_flowers();
// Serves g_turn_seat: sets aside every flower (g_flower_all 1) or only
// g_flower_tile (0), draws the replacements and returns to the seat's turn.
// False on the frame that leaves or restarts the scene: the table is not
// drawn then.
bool hana_phase();
