// ruvelka-signature: plays a fixed set of seeded matches headless with the
// scripted user at seat 0 and prints one hash of their transcripts (every
// discard, meld, win and score of every hand). A change that must not change
// play leaves it as it was.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "base/table_state.h"
#include "support/scripted_user.h"
#include "support/test_workdir.h"

namespace {

constexpr unsigned kSeeds[] = {11, 12, 13};

std::string hand_transcript() {
  std::string line = "dealer " + std::to_string(g_dealer) + " wind " + std::to_string(g_round_wind) + " winner " +
                     std::to_string(g_hand_drawn ? -1 : g_winner) + " points " + std::to_string(g_win_points);
  for (int seat = 0; seat < kSeats; ++seat) {
    line += " |";
    for (int i = 0; i < g_discard_history_count[seat] && i < kRiverCapacity; ++i)
      line += " " + std::to_string(g_discard_history[seat][i]);
    line += " /";
    for (int meld : g_melds[seat]) line += " " + std::to_string(meld);
    line += " / " + std::to_string(g_score_changes[seat]);
  }
  return line + "\n";
}

std::uint64_t fnv1a(const std::string& text) {
  std::uint64_t hash = 1469598103934665603ull;
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
}

}  // namespace

int main(int argc, char** argv) {
  const bool verbose = argc > 1 && std::string(argv[1]) == "-v";
  TestWorkdir dir;
  std::string transcript;
  for (unsigned seed : kSeeds) {
    ScriptedUser user;
    user.on_hand_end = [&transcript] { transcript += hand_transcript(); };
    const std::vector<std::string> problems = user.play_match(seed);
    for (const std::string& p : problems) std::fprintf(stderr, "seed %u: %s\n", seed, p.c_str());
    if (!problems.empty()) return 1;
    for (int seat = 0; seat < kSeats; ++seat) transcript += " " + std::to_string(g_scores[seat]);
    transcript += "\n";
  }
  if (verbose) std::fputs(transcript.c_str(), stdout);
  std::printf("%016llx\n", static_cast<unsigned long long>(fnv1a(transcript)));
  return 0;
}
