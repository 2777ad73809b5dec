// What the benchmarks that run the whole program share: a working directory
// holding the project's generated art and one-suit table (linked from the
// directory the benchmark starts in, the project root) beside small sound
// files, and the spread of per-call times as counters.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
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

// Times of single calls; their spread goes to the benchmark's counters.
class CallTimes {
 public:
  template <typename Call>
  void time(Call call) {
    const auto start = std::chrono::steady_clock::now();
    call();
    times_.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
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
  std::vector<double> times_;  // microseconds, wall clock
};
