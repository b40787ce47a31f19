// replaceAll against a plain scan of the same rules. Input layout: one byte
// for the length of `find`, one for the length of the replacement, then
// find, replacement and text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/replace_all.h"

namespace {

// Compares at every character start: a match never begins on a trail byte,
// and a lead byte at the very end is a character of its own.
std::string plainReplace(const std::string& text, const std::string& find,
                         const std::string& replacement) {
  if (find.empty()) return text;
  std::string result;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, find.size(), find) == 0) {
      result += replacement;
      i += find.size();
      continue;
    }
    const bool pair = static_cast<unsigned char>(text[i]) >= 0x80 && i + 1 < text.size();
    result.append(text, i, pair ? 2 : 1);
    i += pair ? 2 : 1;
  }
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const char* bytes = reinterpret_cast<const char*>(data) + 2;
  std::size_t left = size - 2;
  const std::size_t findLength = data[0] < left ? data[0] : left;
  const std::string find(bytes, findLength);
  bytes += findLength;
  left -= findLength;
  const std::size_t replacementLength = data[1] < left ? data[1] : left;
  const std::string replacement(bytes, replacementLength);
  bytes += replacementLength;
  left -= replacementLength;
  const std::string text(bytes, left);

  if (tagwright::replaceAll(text, find, replacement) != plainReplace(text, find, replacement)) {
    std::fprintf(stderr, "fuzz_replace_all: result differs from the plain scan\n");
    std::abort();
  }
  return 0;
}
