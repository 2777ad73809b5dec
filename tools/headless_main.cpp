// ruvelka-headless [-C DIR] [SCRIPT]: runs the program without a window,
// driven by a script (standard input when no file is given).
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "headless_script.h"

int main(int argc, char** argv) {
  std::string script_path;
  std::string directory;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-C" && i + 1 < argc) {
      directory = argv[++i];
    } else if (arg == "-h" || arg == "--help") {
      std::cout << "usage: ruvelka-headless [-C DIR] [SCRIPT]\n";
      return 0;
    } else {
      script_path = arg;
    }
  }
  std::ifstream file;
  if (!script_path.empty() && script_path != "-") {
    file.open(script_path);
    if (!file) {
      std::cerr << "cannot open " << script_path << '\n';
      return 1;
    }
  }
  if (!directory.empty()) std::filesystem::current_path(directory);
  if (!file.is_open()) return run_headless_script(std::cin, std::cout, std::cerr);
  return run_headless_script(file, std::cout, std::cerr);
}
