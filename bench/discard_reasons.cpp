// Seeded hands played headless by the computer players on all four seats
// (seat 0 through the advisor, every character at random), timed per hand;
// after the run, a histogram of why every discard was chosen: the rule
// number and sub-code, the pattern of a pattern rule, and the relaxation
// level at which the planner's cascade ended. A generic rule that never
// fires over thousands of hands points at a gate that cannot open.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <utility>

#include "base/ai_record.h"
#include "com/target/com_target.h"
#include "core/hai_table.h"
#include "support/random_match.h"
#include "support/test_workdir.h"

namespace {

constexpr int kHands = 3000;
constexpr std::uint32_t kSeed = 20261213;

// The generic rules' numbers, in the order they are reported.
constexpr std::array<int, 22> kGenericRules{10, 11, 12, 20, 30, 31, 32, 33, 34, 35, 41, 42,
                                            43, 44, 50, 51, 52, 53, 54, 60, 61, 62};

struct ReasonHistogram {
  int decisions = 0;
  std::map<std::pair<int, int>, int> by_reason;   // (discard_reason, discard_subcode) of a numbered rule
  std::map<std::pair<int, int>, int> by_pattern;  // (discard_yaku, discard_subcode) of a pattern chooser
  std::map<int, int> by_level;                    // relax_level
  std::map<int, int> by_rule;                     // discard_reason alone
  // What the rules' gates read: the aimed pattern and the best reading.
  std::map<int, int> by_aim;
  std::map<int, int> by_best_pairs;
  std::map<int, int> by_best_blocks;

  void add(const SeatAiRecord& ai, int aim) {
    ++decisions;
    ++by_level[ai.relax_level];
    ++by_aim[aim];
    ++by_best_pairs[ai.best_pairs];
    ++by_best_blocks[ai.best_blocks];
    if (ai.discard_reason == 0 && ai.discard_yaku != 0) {
      ++by_pattern[{ai.discard_yaku, ai.discard_subcode}];
      return;
    }
    ++by_reason[{ai.discard_reason, ai.discard_subcode}];
    ++by_rule[ai.discard_reason];
  }
  void print() const;
};

double percent(int count, int total) { return total == 0 ? 0.0 : 100.0 * count / total; }

void print_counts(const char* title, const std::map<int, int>& counts, int total) {
  std::printf("\n%s:", title);
  for (const auto& [value, count] : counts) std::printf(" %d:%d (%.1f%%)", value, count, percent(count, total));
  std::printf("\n");
}

void ReasonHistogram::print() const {
  std::printf("\n%d discard decisions\n", decisions);
  std::printf("\nrule (0 = ready-hand evaluator)  sub-code  count       %%\n");
  for (const auto& [key, count] : by_reason)
    std::printf("%8d %30d %8d %7.3f\n", key.first, key.second, count, percent(count, decisions));
  std::printf("\npattern chooser  sub-code  count       %%\n");
  for (const auto& [key, count] : by_pattern)
    std::printf("%8d %17d %8d %7.3f\n", key.first, key.second, count, percent(count, decisions));
  print_counts("relax level", by_level, decisions);
  print_counts("aimed pattern", by_aim, decisions);
  print_counts("best pairs", by_best_pairs, decisions);
  print_counts("best blocks", by_best_blocks, decisions);
  std::printf("\ngeneric rules that never fired:");
  for (int rule : kGenericRules)
    if (!by_rule.contains(rule)) std::printf(" %d", rule);
  std::printf("\n");
}

ReasonHistogram histogram;

void BM_SeededHands(benchmark::State& state) {
  reset_program_state();
  build_hai_table();
  RandomMatch match(kSeed);
  match.driven = {false, false, false, false};
  match.user_follows_advisor = true;
  match.on_discard = [](int seat) { histogram.add(AI[seat], g_ai_target_yaku[seat]); };
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
