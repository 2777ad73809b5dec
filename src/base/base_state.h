// The base floor's reset: every piece of its state back to its fresh value.
#pragma once

#include <span>

#include "platform/state_list.h"

void reset_base_floor();

// Every piece of the base floor's state, by its bytes; the memos last.
std::span<const StateBytes> base_state_bytes(Memos memos = Memos::kWith);
