#include "support/hai_table_once.h"

#include <cstdlib>
#include <string>

#include "core/hai_table.h"
#include "shell/data_files.h"

void fill_hai_table_once() {
  if (g_hai_table_loaded) return;
  // The file's hash is checked before a word of it is used; a missing,
  // stale or half-written file falls back to building.
  if (const char* root = std::getenv("RUVELKA_ROOT"))
    load_hai_table_from(std::string(root) + "/data/hai.dat");
  else
    build_hai_table();
}

void refill_hai_table() {
  g_hai_table_loaded = 0;
  fill_hai_table_once();
}
