// GBK <-> UTF-8 at the driver's edge. The table of two-byte characters comes
// from the C library's iconv "GBK" converter. Every byte of 0x80 or above
// begins a two-byte character, so none stands alone: code page 936's
// single-byte euro sign (0x80) is not taken, and the euro sign has no GBK form.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/text.h"

namespace tagwright::headless {

class GbkCodec {
 public:
  // Builds the table; throws std::runtime_error when the C library has no GBK.
  GbkCodec();

  // Appends `utf8` converted to GBK. False, with `problem` set and `out`
  // holding what was converted before, on malformed UTF-8 or on a character
  // that GBK lacks.
  bool appendUtf8(std::string_view utf8, Text& out, std::string& problem) const;

  // UTF-8 for output: backslash as \\, CR \r, LF \n, tab \t, and every byte
  // that is not part of a valid GBK character as \xHH. Nothing is dropped.
  std::string toEscapedUtf8(std::string_view gbk) const;

 private:
  // Code point of a two-byte character, 0 when the pair is not valid.
  char32_t pair(unsigned char lead, unsigned char trail) const;

  std::vector<char32_t> pairs_;  // lead 0x81..0xFE x trail 0x40..0xFE
  std::unordered_map<char32_t, std::uint16_t> encode_;
};

}  // namespace tagwright::headless
