// Seeded hands played headless by the computer players on all four seats
// (seat 0 through the advisor, every character at random), and after every
// discard decision the pattern the deciding seat aimed at, counted per
// character. Every aimable pattern should be chosen by every character now
// and then: the report ends with the patterns a character never chose.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdio>

#include "com/target/com_target.h"
#include "core/hai_table.h"
#include "base/yaku_table.h"
#include "support/random_match.h"
#include "support/test_workdir.h"
#include "base/table_state.h"

namespace {

constexpr int kMatches = 300;
constexpr int kHandsPerMatch = 16;
constexpr std::uint32_t kSeed = 20261214;
constexpr int kCharacters = 7;  // 0 the user's seat (the advisor's script), 1..6 COM1..COM6

// The pattern ids the target scripts can choose.
constexpr std::array<int, 41> kAimable{23, 27, 28, 30, 31, 32, 33, 34, 35, 40, 41, 43, 47, 48,
                                       49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62,
                                       63, 65, 66, 68, 70, 71, 72, 73, 74, 75, 77, 78, 79};

struct TargetHistogram {
  std::array<std::array<int, kYakuCount>, kCharacters> chosen{};  // discard decisions per character and aim
  std::array<int, kCharacters> decisions{};

  void add(int character, int yaku) {
    ++decisions[character];
    ++chosen[character][yaku];
  }
  void print() const;
};

void TargetHistogram::print() const {
  std::printf("\naim (discard decisions per character; 0 = the user's seat)\n%-4s %-16s", "id", "");
  for (int c = 0; c < kCharacters; ++c) std::printf(" %7d", c);
  std::printf(" %8s\n", "all");
  auto row = [&](int id) {
    int all = 0;
    std::printf("%-4d %-16s", id, id == 0 ? "none" : yaku_name(id));
    for (int c = 0; c < kCharacters; ++c) {
      std::printf(" %7d", chosen[c][id]);
      all += chosen[c][id];
    }
    std::printf(" %8d\n", all);
  };
  row(0);
  for (int id : kAimable) row(id);
  std::printf("\nnever chosen:\n");
  for (int c = 1; c < kCharacters; ++c) {
    std::printf("  COM%d:", c);
    for (int id : kAimable)
      if (chosen[c][id] == 0) std::printf(" %d", id);
    std::printf("\n");
  }
  std::printf("  by nobody:");
  for (int id : kAimable) {
    int all = 0;
    for (int c = 0; c < kCharacters; ++c) all += chosen[c][id];
    if (all == 0) std::printf(" %d", id);
  }
  std::printf("\n");
}

TargetHistogram histogram;

void BM_SeededMatches(benchmark::State& state) {
  reset_program_state();
  build_hai_table();
  RandomMatch match(kSeed);
  match.driven = {false, false, false, false};
  match.user_follows_advisor = true;
  match.on_discard = [](int seat) { histogram.add(g_seat_character[seat], g_ai_target_yaku[seat]); };
  int broken = 0;
  for (auto _ : state) broken += match.play_hand() ? 0 : 1;
  state.counters["broken_hands"] = broken;
}
BENCHMARK(BM_SeededMatches)->Iterations(kMatches * kHandsPerMatch)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  histogram.print();
  return 0;
}
