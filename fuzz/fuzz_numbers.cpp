// toInteger and numberToText against independent oracles: the C library's
// strtoll on the text with its full-width characters folded to ASCII, and
// strtod on the formatted number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/numbers.h"

namespace {

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "fuzz_numbers: %s\n", what);
  std::abort();
}

// The text with every two-byte character folded: full-width ASCII to ASCII,
// the full-width blank to ' ', anything else to 'x' (never a digit or blank).
std::string foldFullWidth(const std::string& text) {
  std::string folded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80 || i + 1 == text.size()) {
      folded += b < 0x80 ? static_cast<char>(b) : 'x';
      continue;
    }
    const auto t = static_cast<unsigned char>(text[++i]);
    if (b == 0xA3 && t >= 0xA1 && t <= 0xFE) {
      folded += static_cast<char>(t - 0x80);
    } else if (b == 0xA1 && t == 0xA1) {
      folded += ' ';
    } else {
      folded += 'x';
    }
  }
  return folded;
}

// How many digits the leading number of `folded` has, after blanks and sign.
std::size_t leadingDigits(const std::string& folded) {
  std::size_t i = folded.find_first_not_of(" \t\n\v\f\r");
  if (i == std::string::npos) return 0;
  if (folded[i] == '+' || folded[i] == '-') ++i;
  std::size_t count = 0;
  while (i + count < folded.size() && folded[i + count] >= '0' && folded[i + count] <= '9') ++count;
  return count;
}

void checkToInteger(const std::string& text) {
  const std::int32_t value = tagwright::toInteger(text);
  const std::string folded = foldFullWidth(text);
  // Leading zeros aside, 18 digits fit strtoll without saturation.
  if (leadingDigits(folded) <= 18) {
    const long long expected = std::strtoll(folded.c_str(), nullptr, 10);
    const auto wrapped = static_cast<std::uint32_t>(static_cast<unsigned long long>(expected));
    if (static_cast<std::uint32_t>(value) != wrapped) fail("toInteger differs from strtoll");
  }
  // Doubled and formatted as the option rules do: always a plain integer.
  const double doubled = value * 2.0;
  const std::string text2 = tagwright::numberToText(doubled);
  if (text2 != std::to_string(static_cast<long long>(doubled))) fail("doubled number text");
}

void checkNumberToText(double number) {
  const std::string text = tagwright::numberToText(number);
  if (text.empty() || text.size() >= 32) fail("numberToText length");
  if (!std::isfinite(number)) return;
  const double back = std::strtod(text.c_str(), nullptr);
  if (number == 0.0 ? back != 0.0 : std::fabs(back - number) > std::fabs(number) * 1e-12) {
    fail("numberToText does not read back");
  }
  const std::size_t e = text.find('e');
  if (e != std::string::npos && text.size() - e - 2 < 3) fail("exponent with fewer than 3 digits");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  checkToInteger(text);
  if (size >= sizeof(double)) {
    double number;
    std::memcpy(&number, data, sizeof number);
    checkNumberToText(number);
  }
  return 0;
}
