// Each floor names its pieces of state once, in a list of
// X(Type, object, reset_function) entries. The list is expanded twice in the
// floor's own state file: into the objects' definitions, each with the
// function that gives it a fresh value (the type's default member values),
// and into the floor's reset, which calls every one of those functions. A
// piece of state cannot be defined without being reset with its floor.
#pragma once

#define RUVELKA_DEFINE_STATE(Type, object, reset_function) \
  Type object;                                             \
  void reset_function() { object = Type{}; }

#define RUVELKA_RESET_STATE(Type, object, reset_function) reset_function();
