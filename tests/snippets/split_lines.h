// Splits a snippet text at its CR LF line breaks.
#pragma once

#include <string_view>
#include <vector>

namespace tagwright {

inline std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (;;) {
    const std::size_t at = text.find("\r\n");
    lines.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return lines;
    text.remove_prefix(at + 2);
  }
}

}  // namespace tagwright
