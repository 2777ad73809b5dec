#include "platform/state_snapshot.h"

#include <cstring>

void StateSnapshot::take(StatePieces pieces) {
  bytes_.clear();
  for (const auto& list : pieces)
    for (const StateBytes& piece : list) {
      const auto* begin = static_cast<const unsigned char*>(piece.data);
      bytes_.insert(bytes_.end(), begin, begin + piece.size);
    }
}

bool StateSnapshot::matches(StatePieces pieces) const {
  std::size_t at = 0;
  for (const auto& list : pieces)
    for (const StateBytes& piece : list) {
      if (at + piece.size > bytes_.size() || std::memcmp(bytes_.data() + at, piece.data, piece.size) != 0) return false;
      at += piece.size;
    }
  return at == bytes_.size();
}
