#include "com/target/aim_tools.h"

#include "com/target/com_target.h"
#include "base/table_state.h"

MeldTally tally_melds(int seat) {
  MeldTally m;
  for (int code : g_melds[seat]) {
    if (code == 0) continue;
    ++m.melds;
    const int kind = meld_kind(code);
    if (kind == kMeldChow) {
      ++m.chows;
      continue;
    }
    m.pung[meld_tile(code)] = true;
    if (kind == kMeldConcealedKong) ++m.concealed_kongs;
    if (kind == kMeldMeldedKong) ++m.melded_kongs;
  }
  return m;
}

void write_aim(int seat, int yaku, int variant) {
  g_ai_target_yaku[seat] = yaku;
  g_ai_target_variant[seat] = variant;
}
