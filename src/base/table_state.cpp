#include "base/table_state.h"

int declared_melds(int seat) {
  int melds = 0;
  for (int code : g_melds[seat]) melds += code != 0;
  return melds;
}
