#include "shell/data_files.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <span>
#include <string>
#include <vector>

#include "base/options.h"
#include "base/table_state.h"
#include "base/yaku_table.h"
#include "core/hai_table.h"
#include "platform/platform.h"
#include "shell/shell_state.h"
#include "shell/window_pos.h"

namespace {

constexpr int kWordBytes = 4;
constexpr int kRestartWords = kRestartFileBytes / kWordBytes;
constexpr int kSuspended = 1;
constexpr int kUserCharacter = 0;
constexpr int kLastComCharacter = 6;
constexpr int kLastWindOrSeat = 3;

std::string file_path(const char* program_path) { return platform::native_path(program_path); }

// A record of ints viewed as the file's words.
template <typename Record>
std::span<std::int32_t> words_of(Record& record) {
  static_assert(sizeof(Record) % kWordBytes == 0);
  return {reinterpret_cast<std::int32_t*>(&record), sizeof(Record) / kWordBytes};
}
template <typename Record>
std::span<const std::int32_t> words_of(const Record& record) {
  return {reinterpret_cast<const std::int32_t*>(&record), sizeof(Record) / kWordBytes};
}

// Reads a file of 0/1 switches into `words`; each word read takes its default when not 0 or 1.
template <std::size_t N>
void load_switches(const char* path, std::array<int, N>& words, const std::array<int, N>& defaults) {
  std::array<std::int32_t, N> read{};
  std::size_t count = 0;
  platform::read_words(file_path(path), read, &count);
  for (std::size_t i = 0; i < count; ++i) words[i] = read[i] == 0 || read[i] == 1 ? read[i] : defaults[i];
}

bool valid_seats(const int (&seat_character)[kSeats]) {
  if (seat_character[0] != kUserCharacter) return false;
  for (int s = 1; s < kSeats; ++s) {
    const int c = seat_character[s];
    if (c < 1 || c > kLastComCharacter) return false;
    for (int t = 1; t < s; ++t)
      if (seat_character[t] == c) return false;
  }
  return true;
}

bool in_seat_range(int value) { return value >= 0 && value <= kLastWindOrSeat; }

// No match can take a seat's score this far: sixteen hands move it by at most
// three payments of 8 points plus a hand's value each. A stored score beyond
// it can only be a damaged file, and adding a hand's payments to it must
// never overflow.
constexpr int kScoreReach = 1'000'000;
bool reachable_scores(const int (&scores)[kSeats]) {
  return std::all_of(std::begin(scores), std::end(scores), [](int s) { return s >= -kScoreReach && s <= kScoreReach; });
}

// Every payment moves points from seat to seat, so the scores always sum to zero.
bool zero_sum(const int (&scores)[kSeats]) {
  return std::accumulate(std::begin(scores), std::end(scores), std::int64_t{0}) == 0;
}

// A match is stored after a hand, when the dealer has moved on: in the first
// round the dealer is the first dealer only before any hand was played.
bool after_a_hand(const RestartData& d) { return d.round_block[0] != 0 || d.dealer_block[0] != d.first_dealer_block[0]; }

}  // namespace

void load_option_file() {
  std::array<std::int32_t, kOptionWords> read{};
  std::size_t count = 0;
  platform::read_words(file_path(kOptionFile), read, &count);
  for (std::size_t i = 0; i < count; ++i) {
    const OptionRange range = kOptionRanges[i];
    g_options[i] = read[i] >= 0 && read[i] <= range.max ? read[i] : range.fallback;
  }
}

void load_rule_yaku_file() { load_switches(kRuleYakuFile, g_rule_yaku, kRuleYakuDefaults); }
void load_local_yaku_file() { load_switches(kLocalYakuFile, g_local_yaku, kLocalYakuDefaults); }

bool save_option_file() {
  std::array<std::int32_t, kOptionWords> words{};
  std::copy(g_options.begin(), g_options.end(), words.begin());
  return platform::write_words(file_path(kOptionFile), words);
}

bool save_rule_yaku_file() { return platform::write_words(file_path(kRuleYakuFile), words_of(g_rule_yaku)); }
bool save_local_yaku_file() { return platform::write_words(file_path(kLocalYakuFile), words_of(g_local_yaku)); }

void load_save_file() {
  StatsBlocks blocks = saved_stats();
  const platform::FileStatus status = platform::read_words(file_path(kSaveFile), words_of(blocks));
  if (status == platform::FileStatus::Missing || status == platform::FileStatus::Unreadable) {
    clear_saved_stats();
    return;
  }
  clamp_stats(blocks);
  set_saved_stats(blocks);
}

bool save_save_file() {
  const StatsBlocks blocks = saved_stats();
  return platform::write_words(file_path(kSaveFile), words_of(blocks));
}

RestartData restart_data_from_memory(int flag) {
  RestartData d{};
  d.flag = flag;
  std::copy(std::begin(g_seat_character), std::end(g_seat_character), d.seat_character);
  d.stats = g_match_stats;
  d.round_block[0] = g_round_wind;
  d.round_block[kHandsLeftOutWord] = g_hands_left_out;
  d.dealer_block[0] = g_dealer;
  d.dealer_block[1] = g_hai_table_loaded;
  d.dealer_block[2] = g_turn_seat;
  d.dealer_block[3] = g_shown_points;
  d.first_dealer_block[0] = g_first_dealer;
  std::copy(std::begin(g_scores), std::end(g_scores), d.scores);
  return d;
}

bool read_restart_file(RestartData& out) {
  RestartData d{};
  std::size_t count = 0;
  const platform::FileStatus status = platform::read_words(file_path(kRestartFile), words_of(d), &count);
  if (status != platform::FileStatus::Ok || count != static_cast<std::size_t>(kRestartWords)) return false;
  if (!valid_seats(d.seat_character) || !in_seat_range(d.round_block[0]) || !in_seat_range(d.dealer_block[0]) ||
      !in_seat_range(d.first_dealer_block[0]) || !after_a_hand(d) || !reachable_scores(d.scores) || !zero_sum(d.scores))
    return false;
  clamp_stats(d.stats);
  out = d;
  return true;
}

bool write_restart_file(const RestartData& data) {
  return platform::write_words(file_path(kRestartFile), words_of(data));
}

bool suspended_match_waits() {
  RestartData d{};
  return read_restart_file(d) && d.flag == kSuspended;
}

void apply_restart_data(const RestartData& d) {
  std::copy(std::begin(d.seat_character), std::end(d.seat_character), g_seat_character);
  g_match_stats = d.stats;
  g_round_wind = d.round_block[0];
  g_dealer = d.dealer_block[0];
  g_first_dealer = d.first_dealer_block[0];
  std::copy(std::begin(d.scores), std::end(d.scores), g_scores);
  g_hands_left_out = d.round_block[kHandsLeftOutWord] == 1 ? 1 : 0;
}

bool write_suspended_match() { return write_restart_file(restart_data_from_memory(kSuspended)); }

void remove_interrupted_saves() {
  for (const char* file : kPlayerDataFiles) platform::remove_stale_temporaries(file_path(file));
}

std::vector<std::string> newly_unreadable_data_files() {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < kPlayerDataFiles.size(); ++i) {
    const std::string path = file_path(kPlayerDataFiles[i]);
    const int bit = 1 << i;
    if ((g_unreadable_named & bit) != 0 || !platform::found_unreadable(path)) continue;
    g_unreadable_named |= bit;
    names.push_back(path);
  }
  return names;
}

HaiTableSource load_hai_table_from(const std::string& path) {
  std::uint64_t size = 0;
  std::vector<std::int32_t> words(2 * static_cast<std::size_t>(kHaiTableRows));
  const bool from_file = platform::file_size(path, size) && size == static_cast<std::uint64_t>(kHaiTableBytes) &&
                         platform::read_words(path, words) == platform::FileStatus::Ok && fill_hai_table(words);
  if (!from_file) build_hai_table();
  return from_file ? HaiTableSource::File : HaiTableSource::Built;
}

void load_hai_table() {
  // The table never changes once filled; a second window in one run keeps it.
  if (!g_hai_table_loaded) load_hai_table_from("data/hai.dat");
}
