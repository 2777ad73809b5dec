// ruvelka-gen-sounds: writes the six effects (wave/) and the 32 shouts of the
// eight voice sets (voice/), the shouts spoken by espeak-ng in Japanese. An
// optional argument names another output directory. Fails (exit 1) when
// espeak-ng is missing or says nothing.
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "wave.h"

namespace {

struct Effect {
  const char* file;
  sounds::Samples (*make)();
};

constexpr std::array<Effect, 6> kEffects{{{"ok", sounds::effect_ok},
                                          {"select", sounds::effect_select},
                                          {"cut", sounds::effect_cut},
                                          {"open", sounds::effect_open},
                                          {"naki", sounds::effect_naki},
                                          {"hana", sounds::effect_hana}}};

// One speaker per file number: 1 the user (male), 2 the user (female), 3 to 8
// the characters COM1 to COM6 (three men, then three women).
struct Speaker {
  int file_number;
  const char* voice;  // espeak-ng voice with its variant
  int pitch;          // 0..99
  int speed;          // words per minute
};

constexpr std::array<Speaker, 8> kSpeakers{{{1, "ja+m1", 45, 170},
                                            {2, "ja+f1", 60, 170},
                                            {3, "ja+m3", 58, 195},
                                            {4, "ja+m7", 28, 150},
                                            {5, "ja+m2", 40, 160},
                                            {6, "ja+f2", 72, 165},
                                            {7, "ja+f4", 50, 160},
                                            {8, "ja+f3", 66, 185}}};

struct Shout {
  const char* word;  // the file name's word
  const char* kana;
};

constexpr std::array<Shout, 4> kShouts{{{"fuu", "フー"}, {"chi", "チー"}, {"pon", "ポン"}, {"kan", "カン"}}};

bool speak(const Speaker& who, const char* kana, sounds::Samples& out) {
  const std::string command = std::string("espeak-ng -v ") + who.voice + " -p " + std::to_string(who.pitch) + " -s " +
                              std::to_string(who.speed) + " -a 160 --stdout \"" + kana + "\" 2>/dev/null";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return false;
  std::vector<std::uint8_t> bytes;
  std::array<std::uint8_t, 4096> chunk{};
  for (std::size_t n; (n = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0;) bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + n);
  const int status = pclose(pipe);
  if (status != 0 || !sounds::parse_wave(bytes, out)) return false;
  sounds::trim_and_normalise(out, 0.8f);
  return out.size() > sounds::kRate / 20;  // at least 50 ms of speech
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path out = argc > 1 ? argv[1] : ".";
  std::error_code ec;
  std::filesystem::create_directories(out / "wave", ec);
  std::filesystem::create_directories(out / "voice", ec);
  for (const Effect& e : kEffects) {
    sounds::Samples s = e.make();
    sounds::trim_and_normalise(s, 0.7f);
    if (!sounds::write_wave((out / "wave" / (std::string(e.file) + ".wav")).string(), s)) return 1;
  }
  for (const Speaker& who : kSpeakers)
    for (const Shout& shout : kShouts) {
      sounds::Samples s;
      if (!speak(who, shout.kana, s)) {
        std::fprintf(stderr, "ruvelka-gen-sounds: espeak-ng (%s) gave no speech for %s; is espeak-ng installed?\n",
                     who.voice, shout.word);
        return 1;
      }
      const std::string name = "char" + std::to_string(who.file_number) + "_" + shout.word + ".wav";
      if (!sounds::write_wave((out / "voice" / name).string(), s)) return 1;
    }
  std::printf("ruvelka-gen-sounds: %zu effects and %zu voices in %s\n", kEffects.size(), kSpeakers.size() * kShouts.size(),
              out.string().c_str());
  return 0;
}
