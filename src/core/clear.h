// Clearing and copying the small fixed arrays of a win test. GCC makes a
// memset, a memcpy or a clearing loop of a few hundred bytes one `rep stos`
// or `rep movs`, whose start-up costs more than the few dozen vector moves
// that one assignment per element or per 16 bytes becomes.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <type_traits>
#include <utility>

namespace clear_detail {
template <typename T, std::size_t... I>
void clear_each(T* p, std::index_sequence<I...>) {
  ((p[I] = T{}), ...);
}

template <std::size_t... I>
void copy_chunks(char* to, const char* from, std::index_sequence<I...>) {
  (std::memcpy(to + 16 * I, from + 16 * I, 16), ...);
}
}  // namespace clear_detail

template <typename T, std::size_t N>
void clear_small(T (&a)[N]) {
  clear_detail::clear_each(a, std::make_index_sequence<N>{});
}
template <typename T, std::size_t N>
void clear_small(std::array<T, N>& a) {
  clear_detail::clear_each(a.data(), std::make_index_sequence<N>{});
}

// to = from, for a value that can be copied bytewise.
template <typename T>
void copy_small(T& to, const T& from) {
  static_assert(std::is_trivially_copyable_v<T>);
  constexpr std::size_t kChunks = sizeof(T) / 16;
  auto* out = reinterpret_cast<char*>(&to);
  const auto* in = reinterpret_cast<const char*>(&from);
  clear_detail::copy_chunks(out, in, std::make_index_sequence<kChunks>{});
  std::memcpy(out + 16 * kChunks, in + 16 * kChunks, sizeof(T) % 16);
}
