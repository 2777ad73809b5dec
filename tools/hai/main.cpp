// Writes data/hai.dat, the one-suit table the distance-to-ready evaluator
// reads at start-up. Run with the game's root as the working directory.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "core/hai_table.h"
#include "platform/platform.h"

int main() {
  build_hai_table();
  std::vector<std::int32_t> words;
  words.reserve(2 * static_cast<std::size_t>(kHaiTableRows));
  for (const HaiTableEntry& row : g_hai_table) {
    words.push_back(row.key);
    words.push_back(row.value);
  }
  if (!platform::write_words("data/hai.dat", words)) {
    std::fprintf(stderr, "ruvelka-gen-hai: cannot write data/hai.dat\n");
    return 1;
  }
  std::printf("ruvelka-gen-hai: wrote data/hai.dat (%d rows)\n", kHaiTableRows);
  return 0;
}
