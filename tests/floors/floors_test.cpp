// The floors of src/: every `#include "..."` points to the including file's
// own floor or one below it, and no game file reaches into a backend (nor a
// backend into the game). The order is the one the README's layout names.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Bottom first. A file's floor is its first directory under src/; files
// directly under src/ are the programs' entry points, above every floor. The
// core, a library over values, stands below the platform: it sees nothing.
constexpr std::array<const char*, 9> kFloors{"core", "platform", "base", "table", "com",
                                             "flow", "draw",     "screens", "shell"};
constexpr int kPlatformFloor = 1;
constexpr int kProgramFloor = static_cast<int>(kFloors.size());
// The platform's backends: each sees the platform's common part and itself only.
constexpr std::array<const char*, 2> kBackends{"platform/sdl", "platform/headless"};

struct Place {
  int floor;             // index into kFloors, kProgramFloor for an entry point, -1 unknown
  std::string backend;   // "" outside the backends
};

Place place_of(const std::string& path) {  // a path relative to src/
  for (const char* backend : kBackends)
    if (path.starts_with(std::string(backend) + "/")) return {kPlatformFloor, backend};
  const auto slash = path.find('/');
  if (slash == std::string::npos) return {kProgramFloor, ""};
  const std::string top = path.substr(0, slash);
  const auto it = std::find(kFloors.begin(), kFloors.end(), top);
  return {it == kFloors.end() ? -1 : static_cast<int>(it - kFloors.begin()), ""};
}

// What is wrong with `file` including `header` (both relative to src/), or nothing.
std::optional<std::string> include_fault(const std::string& file, const std::string& header) {
  const Place from = place_of(file);
  const Place to = place_of(header);
  if (from.floor < 0 || to.floor < 0) return "outside every floor";
  if (!to.backend.empty() && to.backend != from.backend && from.floor != kProgramFloor)
    return "reaches into the backend " + to.backend;
  if (!from.backend.empty() && to.floor != kPlatformFloor) return "backend includes the game";
  if (to.floor > from.floor) return std::string("points up to ") + kFloors[to.floor];
  return std::nullopt;
}

std::vector<std::string> tree_faults(const fs::path& src) {
  const std::regex include_line(R"(^\s*#\s*include\s+"([^"]+)\")");
  std::vector<std::string> faults;
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    const std::string ext = entry.path().extension().string();
    if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    const std::string file = fs::relative(entry.path(), src).generic_string();
    std::ifstream in(entry.path());
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      std::smatch m;
      if (!std::regex_search(line, m, include_line)) continue;
      if (const auto fault = include_fault(file, m[1].str()))
        faults.push_back(file + ":" + std::to_string(number) + ": \"" + m[1].str() + "\" " + *fault);
    }
  }
  std::sort(faults.begin(), faults.end());
  return faults;
}

struct IncludeCase {
  const char* file;
  const char* header;
  bool allowed;
};

class IncludeRule : public ::testing::TestWithParam<IncludeCase> {};

TEST_P(IncludeRule, JudgesOneInclude) {
  const IncludeCase& c = GetParam();
  EXPECT_EQ(!include_fault(c.file, c.header).has_value(), c.allowed) << c.file << " -> " << c.header;
}

INSTANTIATE_TEST_SUITE_P(Planted, IncludeRule, ::testing::Values(
    IncludeCase{"core/waits.cpp", "core/tiles.h", true},
    IncludeCase{"core/waits.cpp", "base/table_state.h", false},   // the core over values reads no state
    IncludeCase{"core/hai_table.cpp", "platform/platform.h", false},
    IncludeCase{"base/sound.cpp", "platform/platform.h", true},
    IncludeCase{"base/options.cpp", "shell/gdi.h", false},
    IncludeCase{"table/shout.cpp", "flow/sequencer.h", false},
    IncludeCase{"com/turn/com_turn.cpp", "table/claim_actions.h", true},
    IncludeCase{"table/kong_actions.cpp", "com/target/com_target.h", false},
    IncludeCase{"flow/deal.cpp", "com/target/com_target.h", true},
    IncludeCase{"flow/deal.cpp", "shell/table_view.h", false},
    IncludeCase{"screens/screens.cpp", "draw/gdi.h", true},
    IncludeCase{"draw/gdi.cpp", "screens/screens.h", false},
    IncludeCase{"shell/scene_table.cpp", "screens/screens.h", true},
    IncludeCase{"shell/app.cpp", "platform/headless/headless.h", false},  // the game links no backend
    IncludeCase{"platform/surface.cpp", "platform/sdl/sdl_state.h", false},
    IncludeCase{"platform/sdl/window.cpp", "platform/platform.h", true},
    IncludeCase{"platform/sdl/window.cpp", "platform/headless/headless.h", false},
    IncludeCase{"platform/headless/driver.cpp", "base/scene_state.h", false},
    IncludeCase{"main.cpp", "shell/app.h", true},
    IncludeCase{"main.cpp", "platform/sdl/sdl_state.h", true},
    IncludeCase{"headless_script.cpp", "platform/headless/headless.h", true},
    IncludeCase{"gui/new.cpp", "core/tiles.h", false}));  // a directory outside every floor

// A small tree with two planted faults among sound includes and a file that is no source.
TEST(Floors, ThePlantedFaultsOfATreeAreFoundAndNothingElse) {
  const fs::path src = fs::temp_directory_path() / ("ruvelka-floors-" + std::to_string(::getpid())) / "src";
  const std::vector<std::pair<std::string, std::string>> files{
      {"core/waits.h", "#pragma once\n#include <array>\n#include \"core/tiles.h\"\n  #include \"base/table_state.h\"\n"},
      {"base/waits.cpp", "#include \"base/waits.h\"\n#include \"core/waits.h\"\n"},
      {"core/notes.txt", "#include \"shell/app.h\"\n"},
      {"platform/headless/driver.cpp", "#include \"platform/platform.h\"\n# include \"base/scene_state.h\"\n"}};
  for (const auto& [name, text] : files) {
    fs::create_directories((src / name).parent_path());
    std::ofstream(src / name) << text;
  }
  const std::vector<std::string> faults = tree_faults(src);
  fs::remove_all(src.parent_path());
  EXPECT_EQ(faults, (std::vector<std::string>{
                        "core/waits.h:4: \"base/table_state.h\" points up to base",
                        "platform/headless/driver.cpp:2: \"base/scene_state.h\" backend includes the game"}));
}

TEST(Floors, EveryIncludeOfTheTreePointsDown) {
  const char* root = std::getenv("RUVELKA_ROOT");
  ASSERT_NE(root, nullptr) << "RUVELKA_ROOT names the source tree";
  const std::vector<std::string> faults = tree_faults(fs::path(root) / "src");
  EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}

}  // namespace
