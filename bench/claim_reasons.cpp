// Seeded hands played headless by the computer players on all four seats
// (seat 0 through the advisor, every character at random), timed per hand;
// after the run, a histogram of every claim the computer seats decided: the
// motive (the pattern served, or the rule's own motive), the reason code and
// the call, beside how often each target met a discard it could claim. A
// motive or a listed reason that never fires over thousands of hands points
// at a gate that cannot open, or at a target no selector chooses yet.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "core/hai_table.h"
#include "support/random_match.h"
#include "support/test_workdir.h"

namespace {

constexpr int kHands = 3000;
constexpr std::uint32_t kSeed = 20261214;

// Every motive of the claim chain: the patterns with a claim rule, the plain
// rules' 22, 26, 32 and 33, and 90 and 91 of the simulated calls.
constexpr std::array<int, 40> kMotives{22, 23, 26, 27, 28, 30, 31, 32, 33, 34, 35, 40, 41, 43,
                                       47, 48, 49, 50, 52, 53, 54, 55, 58, 59, 60, 61, 62, 63,
                                       65, 66, 68, 70, 72, 73, 74, 75, 78, 79, 90, 91};

// The reason codes of the rules listed here, reported when they never fire.
const std::map<int, std::vector<int>> kReasonCodes{
    {23, {0, 101, 102, 103, 107, 108, 112, 118, 300, 301, 410}},
    {30, {10, 11, 12, 100, 110, 120, 200}},
    {40, {0, 1, 10}},
    {41, {0, 1, 2, 10}},
    {52, {0, 1, 2, 10}},
    {73, {0, 1, 10, 11, 12, 13, 14, 20}},
    {74, {0, 1, 10, 11, 12, 13, 14, 20}},
    {78, {0, 1, 2, 10}},
};

struct ClaimHistogram {
  int decisions = 0;  // computer seats asked about a discard
  int wins = 0;
  std::map<int, int> by_target;                       // decisions by the seat's target
  std::map<int, int> claims_by_target;                // claims by the seat's target
  std::map<std::tuple<int, int, int>, int> by_reason;  // (motive, reason, call)

  void add(int discarder) {
    for (int seat = 1; seat < kSeats; ++seat) {
      if (seat == discarder) continue;
      ++decisions;
      const int target = g_ai_target_yaku[seat];
      ++by_target[target];
      const int* flags = g_naki_flags[seat];
      if (flags[0] == 1) ++wins;
      for (int call = 1; call < kNakiFlags; ++call) {
        if (flags[call] != 1) continue;
        ++claims_by_target[target];
        ++by_reason[{AI[seat].naki_yaku, AI[seat].naki_reason, call}];
      }
    }
  }
  void print() const;
};

double percent(int count, int total) { return total == 0 ? 0.0 : 100.0 * count / total; }

void ClaimHistogram::print() const {
  static constexpr const char* kCalls[] = {"", "pung", "chow", "kong"};
  std::printf("\n%d claim decisions of computer seats, %d wins on the discard\n", decisions, wins);
  std::printf("\nmotive  reason  call   count       %%\n");
  std::set<int> motives;
  std::set<std::pair<int, int>> reasons;
  for (const auto& [key, count] : by_reason) {
    const auto [motive, reason, call] = key;
    motives.insert(motive);
    reasons.insert({motive, reason});
    std::printf("%6d %7d  %-5s %6d %7.3f\n", motive, reason, kCalls[call], count, percent(count, decisions));
  }
  std::printf("\ntarget  decisions  claims\n");
  for (const auto& [target, count] : by_target) {
    const auto claims = claims_by_target.find(target);
    std::printf("%6d %10d %7d\n", target, count, claims == claims_by_target.end() ? 0 : claims->second);
  }
  std::printf("\nmotives that never fired:");
  for (int motive : kMotives)
    if (!motives.contains(motive)) std::printf(" %d", motive);
  std::printf("\nlisted reasons that never fired:");
  for (const auto& [motive, codes] : kReasonCodes)
    for (int code : codes)
      if (!reasons.contains({motive, code})) std::printf(" %d/%d", motive, code);
  std::printf("\n");
}

ClaimHistogram histogram;

void BM_SeededHands(benchmark::State& state) {
  reset_program_state();
  build_hai_table();
  RandomMatch match(kSeed);
  match.driven = {false, false, false, false};
  match.user_follows_advisor = true;
  match.on_claims_decided = [](int discarder) { histogram.add(discarder); };
  int broken = 0;
  for (auto _ : state) broken += match.play_hand() ? 0 : 1;
  state.counters["broken_hands"] = broken;
}
BENCHMARK(BM_SeededHands)->Iterations(kHands)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  histogram.print();
  return 0;
}
