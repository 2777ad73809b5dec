// Each floor names its pieces of state once, in a list of
// X(Type, object, reset_function) entries. The list is expanded twice in the
// floor's own state file: into the objects' definitions, each with the
// function that gives it a fresh value (the type's default member values),
// and into the floor's reset, which calls every one of those functions. A
// piece of state cannot be defined without being reset with its floor.
#pragma once

#include <cstddef>
#include <type_traits>

#define RUVELKA_DEFINE_STATE(Type, object, reset_function) \
  Type object;                                             \
  void reset_function() { object = Type{}; }

#define RUVELKA_RESET_STATE(Type, object, reset_function) reset_function();

// The bytes of one piece of state, for telling whether it changed. Only
// plain values qualify: a byte copy of anything that owns memory elsewhere
// would not see that memory change.
struct StateBytes {
  const void* data;
  std::size_t size;
};

template <class Type>
constexpr StateBytes state_bytes(const Type& object) {
  static_assert(std::is_trivially_copyable_v<Type>, "only plain values can be compared by their bytes");
  return {&object, sizeof(Type)};
}

#define RUVELKA_STATE_BYTES(Type, object, reset_function) state_bytes(object),
#define RUVELKA_COUNT_STATE(Type, object, reset_function) +1

// A floor's memos are caches keyed on everything their answers are made
// from: what they hold changes how soon an answer comes, never the answer.
// A caller that asks whether answers could differ leaves them out.
enum class Memos { kWith, kWithout };
