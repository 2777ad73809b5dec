// ruvelka-soak [MATCHES] [PART/PARTS]: the long reliability run. Plays
// MATCHES seeded whole matches (default 1000) with the scripted user and the
// table invariants checked on every frame, runs the monkey and the data-file
// fuzz at the sizes the environment gives (RUVELKA_MONKEY_RUNS,
// RUVELKA_MONKEY_FRAMES, RUVELKA_FUZZ_ROUNDS, RUVELKA_FUZZ_FRAMES), prints
// every problem on standard error and one line of counts on standard output,
// and exits 1 when anything failed. PART/PARTS (default 0/1) takes every
// PARTS-th match, monkey run and file from PART on, so that script/soak can
// spread the work over processes.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/data_fuzz.h"
#include "support/monkey.h"
#include "support/scripted_user.h"
#include "support/state_ranges.h"
#include "support/test_workdir.h"

namespace {

constexpr unsigned kMatchSeedBase = 1000;
constexpr unsigned kMonkeySeedBase = 500000;
constexpr unsigned kFuzzSeed = 20260707;
constexpr int kMenuEntries = 12;

struct Counts {
  int matches = 0;
  long long frames = 0;
  int files = 0;
  int failures = 0;

  void report(const std::string& what, const std::vector<std::string>& problems) {
    for (const std::string& p : problems) std::fprintf(stderr, "%s: %s\n", what.c_str(), p.c_str());
    failures += static_cast<int>(problems.size());
  }
};

}  // namespace

int main(int argc, char** argv) {
  const int matches = argc > 1 ? std::atoi(argv[1]) : 1000;
  int part = 0;
  int parts = 1;
  if (argc > 2 && std::sscanf(argv[2], "%d/%d", &part, &parts) != 2) parts = 1;
  Counts counts;
  for (int m = part; m < matches; m += parts) {
    TestWorkdir dir;
    ScriptedUser user;
    const unsigned seed = kMatchSeedBase + static_cast<unsigned>(m);
    counts.report("match seed " + std::to_string(seed), user.play_match(seed));
    ++counts.matches;
    counts.frames += user.tally.frames;
  }
  const int runs = size_from_env("RUVELKA_MONKEY_RUNS", 24);
  const int frames = size_from_env("RUVELKA_MONKEY_FRAMES", 2000);
  for (int run = part; run < runs; run += parts) {
    TestWorkdir dir;
    Monkey monkey(kMonkeySeedBase + static_cast<unsigned>(run));
    monkey.enter(run % kMenuEntries);
    monkey.run(frames);
    counts.report("monkey", monkey.problems);
    counts.frames += monkey.frames;
  }
  const std::vector<std::string>& files = fuzzed_files();
  for (std::size_t f = static_cast<std::size_t>(part); f < files.size(); f += static_cast<std::size_t>(parts)) {
    TestWorkdir dir;
    FuzzTally tally;
    fuzz_data_file(files[f], kFuzzSeed, size_from_env("RUVELKA_FUZZ_ROUNDS", 10), size_from_env("RUVELKA_FUZZ_FRAMES", 200), tally);
    counts.report("fuzz", tally.problems);
    counts.files += tally.files;
    counts.frames += tally.frames;
  }
  {
    TestWorkdir dir;
    FuzzTally tally;
    fuzz_sound_files(kFuzzSeed, size_from_env("RUVELKA_FUZZ_ROUNDS", 10), part, parts, tally);
    counts.report("fuzz", tally.problems);
    counts.files += tally.files;
    counts.frames += tally.frames;
  }
  std::printf("matches %d frames %lld files %d failures %d\n", counts.matches, counts.frames, counts.files, counts.failures);
  return counts.failures == 0 ? 0 : 1;
}
