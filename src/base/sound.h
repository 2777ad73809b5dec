// Sound requests: any routine sets a request flag; after each frame the
// shell's player starts at most one voice and then one effect.
#pragma once

enum SoundEffect : int { SE_OK = 0, SE_SELECT = 1, SE_CUT = 2, SE_OPEN = 3, SE_NAKI = 4, SE_HANA = 5, kSoundEffects = 6 };
enum VoiceShout : int { VOICE_FUU = 0, VOICE_CHI = 1, VOICE_PON = 2, VOICE_KAN = 3 };
constexpr int kVoiceSets = 8;
constexpr int kVoices = 4 * kVoiceSets;

struct SoundRequests {
  int se[kSoundEffects]{};  // 1 = requested
  int voice[kVoices]{};     // 1 = requested; index 4 x voice set + shout
};
extern SoundRequests g_sound_requests;

inline auto& g_se_request = g_sound_requests.se;
inline auto& g_voice_request = g_sound_requests.voice;

void request_se(int effect);
// Requests the shout of the character (0 the user, 1..6 COM1..COM6); out-of-range characters are ignored.
void request_voice(int character, int shout);

const char* se_file(int effect);     // "wave\\ok.wav" ...
const char* voice_file(int index);   // "voice\\char1_fuu.wav" ...
