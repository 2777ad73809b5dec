// Shouts: the seat's voice and, with voice balloons on, the shout pause
// (scene 620) that shows the balloon and returns to the scene just stored.
#pragma once

#include "base/sound.h"

enum Balloon : int { kBalloonNone = 0, kBalloonWin = 1, kBalloonChow = 2, kBalloonPung = 3, kBalloonKong = 4, kBalloonFlower = 5 };

constexpr int kShoutPauseFrames = 30;

// The balloon that goes with a voice shout (VOICE_FUU win .. VOICE_KAN kong).
constexpr int balloon_of_shout(int shout) { return shout + 1; }
static_assert(balloon_of_shout(VOICE_KAN) == kBalloonKong && balloon_of_shout(VOICE_CHI) == kBalloonChow);

// With balloons on: g_shout_return_scene = g_scene, scene 620 from frame 0,
// the seat's balloon shown. Nothing with balloons off.
void pause_for_shout(int seat, int balloon);

// Requests the voice of the seat's character and pauses for its balloon.
void shout(int seat, int voice_shout);

// The first flower among the seat's 14 slots; 0 when it holds none.
int first_flower_of(int seat);

// The seat sets aside every flower it holds: the flower scene (590) serves
// it, through the shout pause with balloons on.
void declare_flowers(int seat, int first_flower);

// Scene 620: the balloons shown for kShoutPauseFrames, then back to g_shout_return_scene.
void shout_pause_phase();
