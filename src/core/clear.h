// Clearing the small fixed arrays of a win test. GCC makes a memset or a
// clearing loop of a few hundred bytes one `rep stos`, whose start-up costs
// more than the dozen vector stores that one assignment per element becomes.
#pragma once

#include <array>
#include <cstddef>
#include <utility>

namespace clear_detail {
template <typename T, std::size_t... I>
void clear_each(T* p, std::index_sequence<I...>) {
  ((p[I] = T{}), ...);
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
