// The sound player: after each frame it starts at most one requested voice
// and then one requested effect (base/sound.h holds the requests).
#pragma once

void play_pending_voice();
void play_pending_se();
