// Text: every value inside the program is a byte string in GBK (code page 936).
// A byte of 0x80 or above begins a two-byte character; a malformed text (a lead
// byte at the end, a bad trail byte) is still a valid value.
#pragma once

#include <cstddef>
#include <string>

namespace tagwright {

using Text = std::string;

// True when `c` begins a two-byte GBK character.
inline bool isLeadByte(unsigned char c) {
  return c >= 0x80;
}

// Length of the character that starts at `i`: 2 for a lead byte that has a
// byte after it, else 1. Never reaches past the end of `text`.
inline std::size_t charLengthAt(const Text& text, std::size_t i) {
  return (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
}

}  // namespace tagwright
