// The data files under data/: options, pattern switches, statistics and the
// suspended match. Each is a raw dump of little-endian 32-bit words. Every
// load range-checks what it reads (a bad word would index past a table);
// every save writes a temporary file renamed over the old one and returns
// false when the file on disk is not the one asked for.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "base/stats.h"
#include "shell/window_pos.h"

constexpr const char* kOptionFile = "DATA\\option.dat";
constexpr const char* kRuleYakuFile = "DATA\\rule_yaku.dat";
constexpr const char* kLocalYakuFile = "DATA\\local_yaku.dat";
constexpr const char* kSaveFile = "DATA\\save.dat";
constexpr const char* kRestartFile = "data\\restart.dat";

constexpr int kOptionFileBytes = 88;
constexpr int kRuleYakuFileBytes = 52;
constexpr int kLocalYakuFileBytes = 12;
constexpr int kSaveFileBytes = 5124;
constexpr int kRestartFileBytes = 5208;

// Options and switches: a missing or unreadable file leaves the words as they are, a short
// one fills the leading words it holds; a word outside its range takes its default.
void load_option_file();
void load_rule_yaku_file();
void load_local_yaku_file();
bool save_option_file();
bool save_rule_yaku_file();
bool save_local_yaku_file();

// Statistics: a missing or unreadable file clears the saved statistics as a
// deletion does.
void load_save_file();
bool save_save_file();

// The suspended match, field by field as the file lays it out.
struct RestartData {
  int flag;                 // 1 a suspended match waits, 0 none
  int seat_character[4];
  StatsBlocks stats;        // the in-match copies
  int round_block[4];       // round wind, hands left out (kHandsLeftOutWord), two COM work words (no match state)
  int dealer_block[4];      // dealer, one-suit table loaded, turn seat, shown points
  int first_dealer_block[4];// first dealer, then three COM scratch words (no match state)
  int scores[4];
};
static_assert(sizeof(RestartData) == kRestartFileBytes);
static_assert(offsetof(RestartData, seat_character) == 4 && offsetof(RestartData, stats) == 20);
static_assert(offsetof(RestartData, stats.recent) == 272 && offsetof(RestartData, stats.ai) == 1952);
static_assert(offsetof(RestartData, stats.yaku) == 2792 && offsetof(RestartData, round_block) == 5144);
static_assert(offsetof(RestartData, dealer_block) == 5160 && offsetof(RestartData, first_dealer_block) == 5176);
static_assert(offsetof(RestartData, scores) == 5192);

// round_block[kHandsLeftOutWord] is 1 when the stored statistics leave out
// hands the match played before an earlier resume (g_hands_left_out); any
// other value is a work word and means they do not.
constexpr int kHandsLeftOutWord = 1;

// The match as it stands in memory, with the given flag.
RestartData restart_data_from_memory(int flag);

// Reads data\restart.dat aside. True only for a file of exactly its size
// whose seats hold the user at seat 0 and three different COM characters,
// whose round, dealer and first dealer are 0..3 and tell of a hand already
// played, and whose scores sum to zero; anything else counts as no
// suspended match. The statistics read are clamped.
bool read_restart_file(RestartData& out);
bool write_restart_file(const RestartData& data);

// True when data\restart.dat holds a suspended match that can be resumed.
bool suspended_match_waits();

// Puts a read match into the table state: seats, in-match statistics,
// round, dealer, first dealer, scores and whether hands are left out. The
// work words are not restored.
void apply_restart_data(const RestartData& data);

// The suspension: writes the match in memory with flag 1.
bool write_suspended_match();

// How the one-suit table was filled.
enum class HaiTableSource { File, Built };

// Takes the one-suit table from `path` when the file is exactly the table
// the program builds (its size, then its hash: fill_hai_table); otherwise
// builds it. Either way the table is loaded afterwards.
HaiTableSource load_hai_table_from(const std::string& path);

// The player's data files, in the order a run first reads them: the window
// position as the window opens, then the title click's.
constexpr std::array<const char*, 6> kPlayerDataFiles{kWinXyFile,    kSaveFile,      kOptionFile,
                                                     kRuleYakuFile, kLocalYakuFile, kRestartFile};

// Start-up: removes the temporary files that saves of the data files left
// when they were killed half-way.
void remove_interrupted_saves();

// The player's data files that a read found there but could not read and
// that no earlier call named, as paths on disk in kPlayerDataFiles order:
// each is named once a run. Such a file keeps its bytes for the whole run
// (the platform refuses to write it).
std::vector<std::string> newly_unreadable_data_files();

// Loads data/hai.dat at start-up (the working directory is the game's root);
// nothing when the table is already filled.
void load_hai_table();
