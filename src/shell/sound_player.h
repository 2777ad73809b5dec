// The sound player: after each frame it starts at most one requested voice
// and then one requested effect (base/sound.h holds the requests).
#pragma once

// Reads every effect and voice file whole; false (after the fatal message) when one is missing or short.
bool load_sound_files();
void play_pending_voice();
void play_pending_se();
