// Runs the built one-suit table generator in a temporary directory: it must
// write a file that the program takes as it stands.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/hai_table.h"
#include "shell/data_files.h"

namespace fs = std::filesystem;

TEST(HaiGenerator, WritesATableTheProgramTakes) {
  const fs::path dir = fs::temp_directory_path() / ("ruvelka_hai_test_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string command = "cd " + dir.string() + " && " + RUVELKA_BUILD_DIR + "/ruvelka-gen-hai > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const fs::path file = dir / "data" / "hai.dat";
  ASSERT_TRUE(fs::exists(file));
  EXPECT_EQ(fs::file_size(file), static_cast<std::uintmax_t>(kHaiTableBytes));

  build_hai_table();
  const std::vector<HaiTableEntry> built(g_hai_table, g_hai_table + kHaiTableRows);
  EXPECT_EQ(load_hai_table_from(file.string()), HaiTableSource::File);
  for (int row = 0; row < kHaiTableRows; ++row) {
    ASSERT_EQ(g_hai_table[row].key, built[row].key) << row;
    ASSERT_EQ(g_hai_table[row].value, built[row].value) << row;
  }
  fs::remove_all(dir);
}
