// The computer players' reset: every piece of their state back to its fresh value.
#pragma once

#include <span>

#include "platform/state_list.h"

void reset_com_floor();

// Every piece of the computer players' state, by its bytes; the memos last.
std::span<const StateBytes> com_state_bytes(Memos memos = Memos::kWith);
