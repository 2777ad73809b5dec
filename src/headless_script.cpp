#include "headless_script.h"

#include <cctype>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "base/scene_state.h"
#include "platform/headless/headless.h"
#include "shell/app.h"
#include "shell/program_state.h"

namespace {

int key_code(const std::string& name) {
  static const std::map<std::string, int> kNames{
      {"enter", platform::kVkReturn}, {"esc", platform::kVkEscape}, {"left", platform::kVkLeft},
      {"up", platform::kVkUp},        {"right", platform::kVkRight}, {"down", platform::kVkDown}};
  if (const auto it = kNames.find(name); it != kNames.end()) return it->second;
  if (name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0])))
    return std::toupper(static_cast<unsigned char>(name[0]));
  return std::stoi(name);
}

void ensure_open() {
  if (!headless::is_open()) headless::open(app_window_config());
}

// Runs one command; returns an error text or "".
std::string run_command(const std::string& verb, std::istringstream& args, std::ostream& out) {
  if (verb == "seed") {
    std::uint32_t seed = 0;
    if (!(args >> seed)) return "seed needs a number";
    set_fixed_seed(seed);
    return "";
  }
  if (verb == "open") {
    ensure_open();
    return "";
  }
  ensure_open();
  int x = 0, y = 0;
  if (verb == "frames") {
    int n = 0;
    if (!(args >> n) || n < 0) return "frames needs a count";
    headless::step_frames(n);
  } else if (verb == "move") {
    if (!(args >> x >> y)) return "move needs X Y";
    headless::mouse_move(x, y);
  } else if (verb == "click" || verb == "rclick") {
    const bool at = static_cast<bool>(args >> x >> y);
    if (verb == "click") at ? headless::left_click_at(x, y) : headless::left_click();
    else at ? headless::right_click_at(x, y) : headless::right_click();
  } else if (verb == "key") {
    std::string name;
    if (!(args >> name)) return "key needs a name";
    headless::key(key_code(name));
  } else if (verb == "png") {
    std::string path;
    if (!(args >> path) || !headless::dump_png(path)) return "cannot write the PNG";
  } else if (verb == "sounds") {
    for (const std::string& s : headless::sound_log()) out << "sound " << s << '\n';
    headless::clear_sound_log();
  } else if (verb == "scene") {
    out << "scene " << g_scene << '\n';
  } else if (verb == "expect-scene") {
    int want = 0;
    if (!(args >> want)) return "expect-scene needs a number";
    if (g_scene != want) return "scene is " + std::to_string(g_scene) + ", expected " + std::to_string(want);
  } else {
    return "unknown command '" + verb + "'";
  }
  return "";
}

}  // namespace

int run_headless_script(std::istream& script, std::ostream& out, std::ostream& err) {
  reset_program_state();
  std::string line;
  for (int number = 1; std::getline(script, line); ++number) {
    std::istringstream args(line);
    std::string verb;
    if (!(args >> verb) || verb[0] == '#') continue;
    std::string error;
    try {
      error = run_command(verb, args, out);
    } catch (const headless::ExitRequested& exit) {
      // The fatal message box: without a window its text shows only here.
      for (const std::string& message : headless::message_log()) err << message << '\n';
      err << "line " << number << ": the program ended with code " << exit.code << '\n';
      return 1;
    } catch (const std::exception& e) {
      error = e.what();
    }
    if (!error.empty()) {
      err << "line " << number << ": " << error << '\n';
      return 1;
    }
    if (headless::quit_requested()) break;
  }
  return 0;
}
