// What the benchmarks that run the whole program share: a working directory
// holding the project's generated art and one-suit table (linked from the
// directory the benchmark starts in, the project root) beside small sound
// files, and the spread of per-call times as counters.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <memory>
#include <vector>

#include "support/test_workdir.h"

class BenchProgram {
 public:
  BenchProgram() : root_(std::filesystem::current_path()), dir_(std::make_unique<TestWorkdir>()) {
    namespace fs = std::filesystem;
    if (fs::exists(root_ / "art")) fs::create_directory_symlink(root_ / "art", "art");
    fs::create_directories("data");
    if (fs::exists(root_ / "data/hai.dat")) fs::create_symlink(root_ / "data/hai.dat", "data/hai.dat");
  }

  // Whether the generated art was found (without it the screens are plain).
  bool has_art() const { return std::filesystem::exists(root_ / "art/118.png"); }

 private:
  std::filesystem::path root_;
  std::unique_ptr<TestWorkdir> dir_;
};

// Processor times of single calls (this thread's, so that a busy machine's
// other work does not count); their spread goes to the benchmark's counters.
class CallTimes {
 public:
  template <typename Call>
  void time(Call call) {
    const double start = now_us();
    call();
    times_.push_back(now_us() - start);
  }

  void report(benchmark::State& state) {
    if (times_.empty()) return;
    std::sort(times_.begin(), times_.end());
    const auto at = [&](double q) { return times_[static_cast<std::size_t>(q * (times_.size() - 1))]; };
    state.counters["p50_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = times_.back();
    state.counters["calls"] = static_cast<double>(times_.size());
  }

 private:
  static double now_us() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return 1e6 * static_cast<double>(t.tv_sec) + 1e-3 * static_cast<double>(t.tv_nsec);
  }

  std::vector<double> times_;  // microseconds
};
