// Texts joined from string literals and constant character arrays at compile
// time, so that layout tables can hold composed captions as plain constant data.
#pragma once

#include <cstddef>

namespace tagwright {

// A zero-terminated text of N - 1 bytes held by value.
template <std::size_t N>
struct JoinedText {
  char data[N];
  constexpr const char* c_str() const { return data; }
  static constexpr std::size_t size() { return N - 1; }
};

namespace detail {

template <std::size_t N>
constexpr void appendPart(char* out, std::size_t& at, const char (&part)[N]) {
  for (std::size_t i = 0; i + 1 < N; ++i) out[at++] = part[i];
}

}  // namespace detail

// joinText("QQ ", kNumber) holds "QQ " followed by kNumber; each part is a
// zero-terminated array whose terminator is dropped.
template <std::size_t... N>
constexpr JoinedText<(N + ...) - sizeof...(N) + 1> joinText(const char (&... parts)[N]) {
  JoinedText<(N + ...) - sizeof...(N) + 1> out{};
  std::size_t at = 0;
  (detail::appendPart(out.data, at, parts), ...);
  out.data[at] = '\0';
  return out;
}

}  // namespace tagwright
