// A byte copy of pieces of state, taken to tell later whether any of them
// has changed since.
#pragma once

#include <initializer_list>
#include <span>
#include <vector>

#include "platform/state_list.h"

using StatePieces = std::initializer_list<std::span<const StateBytes>>;

class StateSnapshot {
 public:
  void take(StatePieces pieces);
  // True when every piece still holds the bytes it had when the copy was
  // taken (the same pieces, in the same order, are expected).
  bool matches(StatePieces pieces) const;

 private:
  std::vector<unsigned char> bytes_;
};
