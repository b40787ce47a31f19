#include "core/numbers.h"

#include <cstdio>
#include <limits>

namespace tagwright {
namespace {

constexpr unsigned char kFullWidthLead = 0xA3;   // full-width ASCII block
constexpr unsigned char kFullWidthFirst = 0xA1;  // full-width '!'
constexpr unsigned char kFullWidthLast = 0xFE;   // full-width '~'
constexpr unsigned char kSymbolLead = 0xA1;      // the full-width blank is 0xA1 0xA1

// Reads `text` one GBK character at a time, giving full-width ASCII and the
// full-width blank as their one-byte ASCII forms. Any other two-byte character
// comes out as 0x80, which no caller treats as a digit, sign or blank.
class AsciiCursor {
 public:
  explicit AsciiCursor(const Text& text) : text_(text) {}

  bool atEnd() const { return pos_ >= text_.size(); }

  unsigned char peek() const {
    const auto first = static_cast<unsigned char>(text_[pos_]);
    if (charLengthAt(text_, pos_) == 1) return first;
    const auto second = static_cast<unsigned char>(text_[pos_ + 1]);
    if (first == kFullWidthLead && second >= kFullWidthFirst && second <= kFullWidthLast) {
      return static_cast<unsigned char>(second - 0x80);
    }
    if (first == kSymbolLead && second == kFullWidthFirst) return ' ';
    return 0x80;
  }

  void advance() { pos_ += charLengthAt(text_, pos_); }

 private:
  const Text& text_;
  std::size_t pos_ = 0;
};

bool isSkippedBlank(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Two's-complement reading of a 32-bit pattern without relying on an
// out-of-range conversion.
std::int32_t toSigned(std::uint32_t bits) {
  if (bits <= static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
    return static_cast<std::int32_t>(bits);
  }
  return -static_cast<std::int32_t>(~bits) - 1;
}

}  // namespace

std::int32_t toInteger(const Text& text) {
  AsciiCursor cursor(text);
  while (!cursor.atEnd() && isSkippedBlank(cursor.peek())) cursor.advance();

  bool negative = false;
  if (!cursor.atEnd() && (cursor.peek() == '+' || cursor.peek() == '-')) {
    negative = cursor.peek() == '-';
    cursor.advance();
  }

  std::uint32_t value = 0;
  while (!cursor.atEnd()) {
    const unsigned char c = cursor.peek();
    if (c < '0' || c > '9') break;
    value = value * 10u + static_cast<std::uint32_t>(c - '0');
    cursor.advance();
  }
  if (negative) value = 0u - value;
  return toSigned(value);
}

Text numberToText(double number) {
  // "%.13g" is at most a sign, 13 digits, a point and "e-308": 32 bytes suffice.
  char buffer[32];
  const int length = std::snprintf(buffer, sizeof buffer, "%.13g", number);
  if (length <= 0) return Text();
  Text text(buffer, static_cast<std::size_t>(length));

  // Write the exponent with at least three digits, whatever the C library gives.
  const std::size_t e = text.find('e');
  if (e == Text::npos) return text;
  const std::size_t digits = e + 2;  // after 'e' and its sign
  if (digits > text.size()) return text;
  const std::size_t count = text.size() - digits;
  if (count < 3) text.insert(digits, 3 - count, '0');
  return text;
}

}  // namespace tagwright
