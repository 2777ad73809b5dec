// ruvelka-signature: plays seeded matches headless with the scripted user at
// seat 0 and hashes their transcripts (every discard, meld, win and score of
// every hand). A change that must not change play leaves the hashes as they
// were.
//
//   ruvelka-signature [-v]        the three commit matches, one data folder
//                                 for all three; -v prints the transcripts
//   ruvelka-signature --wide [--matches N] [--jobs J]
//                                 matches 1..N (1000) on J processes (every
//                                 core); prints one hash, names the
//                                 matches that differ from the record file
//                                 and counts those it holds no line for
//   ruvelka-signature --check FIRST-LAST
//                                 plays those matches and compares each with
//                                 the record file; fails on a difference or
//                                 a match it holds no line for
//   ruvelka-signature --record [--jobs J]
//                                 plays the wide matches and writes the file
//
// Apart from the commit matches, every match starts from a fresh program and
// an empty data folder, so that its transcript depends on its seed alone (the
// opponents of a first match are drawn at random) and the matches can be
// shared out among processes. The record file holds one line a match, "seed
// hash"; the wide hash is the hash of those lines.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "base/table_state.h"
#include "support/hai_table_once.h"
#include "support/scripted_user.h"
#include "support/test_workdir.h"

namespace {

constexpr unsigned kCommitSeeds[] = {11, 12, 13};
constexpr unsigned kWideMatches = 1000;
constexpr const char* kRecordFile = "tests/signature/matches.txt";

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

std::string hex(std::uint64_t hash) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

// One match in the data folder that is current; its transcript is appended.
// The rules the table broke, one a line.
std::vector<std::string> play_into(unsigned seed, std::string& transcript) {
  ScriptedUser user;
  user.on_hand_end = [&transcript] { transcript += hand_transcript(); };
  std::vector<std::string> problems = user.play_match(seed);
  for (int seat = 0; seat < kSeats; ++seat) transcript += " " + std::to_string(g_scores[seat]);
  transcript += "\n";
  return problems;
}

int commit_signature(bool verbose) {
  TestWorkdir dir;
  std::string transcript;
  for (unsigned seed : kCommitSeeds) {
    const std::vector<std::string> problems = play_into(seed, transcript);
    for (const std::string& p : problems) std::fprintf(stderr, "seed %u: %s\n", seed, p.c_str());
    if (!problems.empty()) return 1;
  }
  if (verbose) std::fputs(transcript.c_str(), stdout);
  std::printf("%s\n", hex(fnv1a(transcript)).c_str());
  return 0;
}

// A match's record line, "seed hash", or "seed ! problem" when the table
// broke a rule.
std::string fresh_match_line(unsigned seed) {
  TestWorkdir dir;
  std::string transcript;
  const std::vector<std::string> problems = play_into(seed, transcript);
  return std::to_string(seed) + " " + (problems.empty() ? hex(fnv1a(transcript)) : "! " + problems[0]) + "\n";
}

// Record lines ("seed ...") by seed; comment lines ("# ...") are skipped.
std::map<unsigned, std::string> lines_by_seed(std::istream& in) {
  std::map<unsigned, std::string> lines;
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') lines[static_cast<unsigned>(std::stoul(line))] = line + "\n";
  return lines;
}

// Matches first..last shared out among `jobs` forked processes, each playing
// every jobs-th seed; the lines by seed.
std::map<unsigned, std::string> play_fresh_matches(unsigned first, unsigned last, unsigned jobs) {
  fill_hai_table_once();  // built once, before the fork, for every process
  std::vector<std::pair<pid_t, int>> workers;
  for (unsigned k = 0; k < jobs; ++k) {
    int fds[2];
    if (pipe(fds) != 0) std::exit(2);
    const pid_t pid = fork();
    if (pid < 0) std::exit(2);
    if (pid == 0) {
      close(fds[0]);
      // The program's notes on what the fresh data folder lacks (no
      // bitmaps) would come a match each; the lines carry the problems.
      if (!std::freopen("/dev/null", "w", stderr)) _exit(2);
      for (unsigned seed = first + k; seed <= last; seed += jobs) {
        const std::string line = fresh_match_line(seed);
        if (write(fds[1], line.data(), line.size()) != static_cast<ssize_t>(line.size())) _exit(2);
      }
      _exit(0);
    }
    close(fds[1]);
    workers.emplace_back(pid, fds[0]);
  }
  std::string output;
  for (const auto& [pid, fd] : workers) {
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) output.append(buffer, static_cast<std::size_t>(n));
    close(fd);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::fprintf(stderr, "a worker process failed\n");
  }
  std::istringstream in(output);
  return lines_by_seed(in);
}

std::map<unsigned, std::string> read_record() {
  std::ifstream in(kRecordFile);
  return lines_by_seed(in);
}

// Matches first..last held against the record: those that play otherwise
// than it records, and those it holds no line for (nothing to compare with).
struct Comparison {
  std::vector<unsigned> changed;
  std::vector<unsigned> unrecorded;
};

Comparison compare_with_record(const std::map<unsigned, std::string>& played,
                               const std::map<unsigned, std::string>& record, unsigned first, unsigned last) {
  Comparison result;
  for (unsigned seed = first; seed <= last; ++seed) {
    const auto p = played.find(seed);
    const auto r = record.find(seed);
    if (r == record.end()) result.unrecorded.push_back(seed);
    else if (p == played.end() || p->second != r->second) result.changed.push_back(seed);
  }
  return result;
}

std::string seed_list(const std::vector<unsigned>& seeds) {
  std::string text;
  for (std::size_t i = 0; i < seeds.size() && i < 20; ++i) text += " " + std::to_string(seeds[i]);
  return text + (seeds.size() > 20 ? " ..." : "");
}

// Whether every match of 1..count was played without breaking a rule; the
// ones that broke one are named.
bool all_complete(const std::map<unsigned, std::string>& lines, unsigned count) {
  bool complete = lines.size() == count;
  for (const auto& [seed, line] : lines)
    if (line.find('!') != std::string::npos) {
      std::fprintf(stderr, "seed %s", line.c_str());
      complete = false;
    }
  return complete;
}

void report_unrecorded(const std::vector<unsigned>& unrecorded, unsigned matches) {
  if (!unrecorded.empty())
    std::fprintf(stderr, "%zu of %u matches have no line in %s to compare with:%s\n", unrecorded.size(), matches,
                 kRecordFile, seed_list(unrecorded).c_str());
}

int wide_signature(unsigned matches, unsigned jobs) {
  const std::map<unsigned, std::string> played = play_fresh_matches(1, matches, jobs);
  if (!all_complete(played, matches)) return 1;
  std::string all;
  for (const auto& [seed, line] : played) all += line;
  std::printf("%s\n", hex(fnv1a(all)).c_str());
  const Comparison compared = compare_with_record(played, read_record(), 1, matches);
  if (!compared.changed.empty())
    std::fprintf(stderr, "%zu of %zu recorded matches differ from %s:%s\n", compared.changed.size(),
                 matches - compared.unrecorded.size(), kRecordFile, seed_list(compared.changed).c_str());
  report_unrecorded(compared.unrecorded, matches);
  return 0;
}

// A check vouches for every match it was given: one the record does not
// hold fails it as one that plays otherwise does.
int check_matches(unsigned first, unsigned last) {
  const std::map<unsigned, std::string> played = play_fresh_matches(first, last, 1);
  if (!all_complete(played, last - first + 1)) return 1;
  const Comparison compared = compare_with_record(played, read_record(), first, last);
  report_unrecorded(compared.unrecorded, last - first + 1);
  if (compared.changed.empty()) return compared.unrecorded.empty() ? 0 : 1;
  std::fprintf(stderr,
               "%zu of matches %u-%u play otherwise than %s records:%s\n"
               "A change of play records the new hashes (script/signature --record) and says why.\n",
               compared.changed.size(), first, last, kRecordFile, seed_list(compared.changed).c_str());
  return 1;
}

int record_matches(unsigned jobs) {
  const std::map<unsigned, std::string> played = play_fresh_matches(1, kWideMatches, jobs);
  if (!all_complete(played, kWideMatches)) return 1;
  std::ofstream out(kRecordFile);
  out << "# The play of the wide matches: seed, hash of its transcript (script/signature --record).\n";
  for (const auto& [seed, line] : played) out << line;
  return out ? 0 : 1;
}

int usage() {
  std::fprintf(stderr,
               "usage: ruvelka-signature [-v] | --wide [--matches N] [--jobs J] | --check FIRST-LAST |"
               " --record [--jobs J]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string mode = "commit";
  bool verbose = false;
  unsigned matches = kWideMatches, jobs = std::max(1u, std::thread::hardware_concurrency()), first = 0, last = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : "";
    if (arg == "-v") verbose = true;
    else if (arg == "--wide" || arg == "--record") mode = arg;
    else if (arg == "--check" && std::sscanf(value, "%u-%u", &first, &last) == 2 && first >= 1 && first <= last)
      mode = arg, ++i;
    else if (arg == "--matches" && std::sscanf(value, "%u", &matches) == 1 && matches >= 1) ++i;
    else if (arg == "--jobs" && std::sscanf(value, "%u", &jobs) == 1 && jobs >= 1) ++i;
    else return usage();
  }
  if (mode == "--wide") return wide_signature(matches, jobs);
  if (mode == "--check") return check_matches(first, last);
  if (mode == "--record") return record_matches(jobs);
  return commit_signature(verbose);
}
