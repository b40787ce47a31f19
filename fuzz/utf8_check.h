// Structural UTF-8 check shared by the fuzz targets: lead bytes and their
// continuation bytes, nothing cut off at the end.
#pragma once

#include <cstddef>
#include <string_view>

namespace tagwright::fuzz {

inline bool isValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t length = 0;
    if (b < 0x80) {
      length = 1;
    } else if ((b & 0xE0) == 0xC0) {
      length = 2;
    } else if ((b & 0xF0) == 0xE0) {
      length = 3;
    } else if ((b & 0xF8) == 0xF0) {
      length = 4;
    }
    if (length == 0 || s.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

}  // namespace tagwright::fuzz
