#include "support/data_fuzz.h"

#include <unistd.h>

#include <climits>
#include <filesystem>
#include <functional>
#include <random>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/stats.h"
#include "base/yaku_switches.h"
#include "core/hai_table.h"
#include "platform/headless/headless.h"
#include "screens/front_end_layout.h"
#include "screens/screen_state.h"
#include "support/hai_table_once.h"
#include "support/monkey.h"
#include "support/state_ranges.h"
#include "support/test_workdir.h"
#include "support/wave_builder.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

constexpr int kProblemLimit = 30;
constexpr const char* kHaiFile = "data/hai.dat";
constexpr const char* kRestartFile = "data/restart.dat";

Bytes le_bytes(const std::vector<std::int32_t>& words) {
  Bytes out;
  for (std::int32_t w : words)
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<unsigned char>(static_cast<std::uint32_t>(w) >> shift));
  return out;
}

std::vector<std::int32_t> stats_words() {
  std::vector<std::int32_t> w(static_cast<std::size_t>(kStatsWords), 0);
  for (int c = 0; c < kPlayerCharacters; ++c) {
    w[static_cast<std::size_t>(c * kStatsBasicWords)] = 1;
    w[static_cast<std::size_t>(c * kStatsBasicWords + kBasicMatches)] = 3 + c;
  }
  return w;
}

// A suspended match: COM5, COM2, COM3 at seats 1..3, South round, dealer 1, first dealer 3.
std::vector<std::int32_t> restart_words() {
  std::vector<std::int32_t> w{1, 0, 5, 2, 3};
  const std::vector<std::int32_t> stats = stats_words();
  w.insert(w.end(), stats.begin(), stats.end());
  w.insert(w.end(), {1, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 30, -12, 5, -23});
  return w;
}

std::vector<std::int32_t> hai_words() {
  fill_hai_table_once();
  std::vector<std::int32_t> w;
  w.reserve(2 * static_cast<std::size_t>(kHaiTableRows));
  for (const HaiTableEntry& row : g_hai_table) w.insert(w.end(), {row.key, row.value});
  return w;
}

// Each file whole and valid, the others' starting point.
Bytes valid_file(const std::string& file) {
  if (file == "data/option.dat") return le_bytes({kOptionDefaults.begin(), kOptionDefaults.end()});
  if (file == "data/rule_yaku.dat") return le_bytes({kRuleYakuDefaults.begin(), kRuleYakuDefaults.end()});
  if (file == "data/local_yaku.dat") return le_bytes({1, 0, 1});
  if (file == "data/save.dat") return le_bytes(stats_words());
  if (file == kRestartFile) return le_bytes(restart_words());
  if (file == "data/win_xy.dat") return le_bytes({200, 100});
  return le_bytes(hai_words());
}

using Form = DamagedForm;

Bytes set_words(Bytes bytes, std::size_t first, std::size_t last, std::int32_t value) {
  for (std::size_t w = first; w < last; ++w)
    for (int b = 0; b < 4; ++b) bytes[4 * w + static_cast<std::size_t>(b)] = static_cast<unsigned char>(static_cast<std::uint32_t>(value) >> (8 * b));
  return bytes;
}

std::vector<Form> fixed_forms(const Bytes& valid) {
  std::vector<Form> forms{
      {"empty", [](const std::string& p) { write_file_bytes(p, {}); }, true},
      {"a directory", [](const std::string& p) { fs::create_directory(p); }, false},
      {"a link to /dev/zero", [](const std::string& p) { fs::create_symlink("/dev/zero", p); }, false},
      {"a dangling link", [](const std::string& p) { fs::create_symlink("nowhere/gone.dat", p); }, false},
  };
  for (std::int32_t v : kFuzzExtremes)
    forms.push_back({"every word " + std::to_string(v),
                     [&valid, v](const std::string& p) { write_file_bytes(p, set_words(valid, 0, valid.size() / 4, v)); }, true});
  return forms;
}

std::vector<Form> random_forms(const Bytes& valid, std::mt19937& rng, int round) {
  const std::size_t size = valid.size();
  const std::size_t words = size / 4;
  auto below = [&rng](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
  Bytes truncated(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(below(size)));
  Bytes oversized = valid;
  for (std::size_t i = 1 + below(size); i > 0; --i) oversized.push_back(static_cast<unsigned char>(rng()));
  Bytes noise(size);
  for (unsigned char& b : noise) b = static_cast<unsigned char>(rng());
  Bytes flipped = valid;
  const std::size_t bit = below(8 * size);
  flipped[bit / 8] ^= static_cast<unsigned char>(1u << (bit % 8));
  std::vector<Form> forms{
      {"truncated to " + std::to_string(truncated.size()), [truncated](const std::string& p) { write_file_bytes(p, truncated); }, true},
      {"oversized to " + std::to_string(oversized.size()), [oversized](const std::string& p) { write_file_bytes(p, oversized); }, true},
      {"random bytes", [noise](const std::string& p) { write_file_bytes(p, noise); }, true},
      {"bit " + std::to_string(bit) + " flipped", [flipped](const std::string& p) { write_file_bytes(p, flipped); }, true},
  };
  // One word at an extreme, and a sound head with every later word at one.
  // The even rounds sweep the words from the file's end, so that enough
  // rounds reach every word; the odd ones pick at random.
  std::size_t sweep = static_cast<std::size_t>(round / 2) * std::size(kFuzzExtremes);
  for (std::int32_t v : kFuzzExtremes) {
    const std::size_t w = round % 2 == 0 ? words - 1 - (sweep++ % words) : below(words);
    forms.push_back(word_form(valid, w, v));
    const std::size_t from = below(words);
    const Bytes tail = set_words(valid, from, words, v);
    forms.push_back({"words from " + std::to_string(from) + " " + std::to_string(v), [tail](const std::string& p) { write_file_bytes(p, tail); }, true});
  }
  return forms;
}

// What shows a file: the screens that draw its words, and whether play reads it.
struct Reader {
  std::vector<int> screens;
  bool plays;
};
Reader reader_of(const std::string& file) {
  if (file == "data/option.dat") return {{SCENE_OPTIONS, SCENE_SUPPORT}, true};
  if (file == "data/rule_yaku.dat") return {{SCENE_RULE_YAKU}, true};
  if (file == "data/local_yaku.dat") return {{SCENE_LOCAL_YAKU}, true};
  if (file == "data/save.dat") return {{SCENE_CHARACTER_DATA, SCENE_DATA_DELETE}, false};
  if (file == kRestartFile) return {{SCENE_MATCH_STANDINGS}, true};
  return {{}, file == kHaiFile};
}

// A frame of each screen; the statistics one character a frame, the pages in turn.
int visit_screens(const std::vector<int>& screens) {
  int frames = 0;
  for (int scene : screens) {
    g_scene = scene;
    g_scene_frame = 0;
    const int pages = scene == SCENE_CHARACTER_DATA ? kPlayerCharacters : 1;
    for (int c = 0; c < pages; ++c, ++frames) {
      g_character_page = c;
      g_data_page = c % 4;
      headless::step_frames(1);
    }
  }
  return frames;
}

// Loaded, keys ascending, values of five digits: what indexing and reading
// the table needs (the full split check is the loader's own and slow).
bool hai_table_in_range() {
  if (g_hai_table_loaded != 1) return false;
  for (int row = 0; row < kHaiTableRows; ++row) {
    const HaiTableEntry& e = g_hai_table[row];
    if (e.value < 0 || e.value > kHaiValueMax || (row > 0 && e.key <= g_hai_table[row - 1].key)) return false;
  }
  return true;
}

class Fuzzer {
 public:
  Fuzzer(const std::string& file, std::uint32_t seed, int play_frames, FuzzTally& tally)
      : file_(file), reader_(reader_of(file)), seed_(seed), play_frames_(play_frames), tally_(tally) {}

  void run(const Form& form) {
    ++tally_.files;
    const std::string label = file_ + " " + form.label + ": ";
    try {
      start(form);
      headless::left_click_at(10, 10);  // the title click reads every file
      if (g_scene == SCENE_RESUME_QUESTION) resume(label);
      tally_.frames += visit_screens(reader_.screens);
    } catch (const headless::ExitRequested& exit) {
      note(label + "the program exited with code " + std::to_string(exit.code));
    }
    for (const std::string& p : state_out_of_range()) note(label + p);
    if (file_ == kHaiFile && !hai_table_in_range()) note(label + "the one-suit table is out of range");
  }

 private:
  void start(const Form& form) {
    std::error_code ec;
    fs::remove_all("data", ec);
    fs::create_directory("data");
    for (const std::string& other : fuzzed_files())
      if (other != file_ && other != kHaiFile) write_file_bytes(other, valid_file(other));
    form.put(file_);
    if (file_ == kHaiFile) g_hai_table_loaded = 0;
    open_headless_program(seed_ + static_cast<std::uint32_t>(tally_.files));
  }

  void resume(const std::string& label) {
    headless::left_click_at(kResumeChoiceX + 8, resume_choice_y(0) + 8);
    if (g_scene != SCENE_DEAL) note(label + "the resume went to scene " + std::to_string(g_scene));
    Monkey monkey(seed_ + static_cast<std::uint32_t>(tally_.files));
    monkey.may_leave = false;
    monkey.run(reader_.plays ? play_frames_ : 1);
    tally_.frames += monkey.frames;
    for (const std::string& p : monkey.problems) note(label + p);
  }

  void note(const std::string& problem) {
    if (tally_.problems.size() < kProblemLimit) tally_.problems.push_back(problem);
  }

  const std::string& file_;
  Reader reader_;
  std::uint32_t seed_;
  int play_frames_;
  FuzzTally& tally_;
};

}  // namespace

const std::vector<std::string>& fuzzed_files() {
  static const std::vector<std::string> files{"data/option.dat", "data/rule_yaku.dat", "data/local_yaku.dat", "data/save.dat",
                                              kRestartFile,      "data/win_xy.dat",    kHaiFile};
  return files;
}

DamagedForm word_form(const std::vector<unsigned char>& valid, std::size_t word, std::int32_t value) {
  const Bytes one = set_words(valid, word, word + 1, value);
  return {"word " + std::to_string(word) + " " + std::to_string(value), [one](const std::string& p) { write_file_bytes(p, one); }, true};
}

void for_each_damaged_form(const std::vector<unsigned char>& valid, std::uint32_t seed, int rounds,
                           const std::function<void(const DamagedForm&)>& run) {
  for (const Form& form : fixed_forms(valid)) run(form);
  std::mt19937 rng(seed);
  for (int round = 0; round < rounds; ++round)
    for (const Form& form : random_forms(valid, rng, round)) run(form);
}

void fuzz_data_file(const std::string& file, std::uint32_t seed, int rounds, int play_frames, FuzzTally& tally) {
  const Bytes valid = valid_file(file);
  Fuzzer fuzzer(file, seed, play_frames, tally);
  for_each_damaged_form(valid, seed, rounds, [&fuzzer](const DamagedForm& form) { fuzzer.run(form); });
  // A damaged table can pass the load's checks and still not be the best
  // split everywhere; what runs next in this process gets the true one.
  if (file == kHaiFile) refill_hai_table();
}
