#include "core/replace_all.h"

#include <vector>

namespace tagwright {
namespace {

// Marks every position of `text` where `find` begins, overlapping matches
// included (Knuth-Morris-Pratt, linear in both lengths).
std::vector<bool> matchStarts(const Text& text, const Text& find) {
  const std::size_t m = find.size();
  std::vector<std::size_t> border(m, 0);
  for (std::size_t i = 1, k = 0; i < m; ++i) {
    while (k > 0 && find[i] != find[k]) k = border[k - 1];
    if (find[i] == find[k]) ++k;
    border[i] = k;
  }

  std::vector<bool> starts(text.size(), false);
  for (std::size_t i = 0, k = 0; i < text.size(); ++i) {
    while (k > 0 && text[i] != find[k]) k = border[k - 1];
    if (text[i] == find[k]) ++k;
    if (k == m) {
      starts[i + 1 - m] = true;
      k = border[k - 1];
    }
  }
  return starts;
}

}  // namespace

Text replaceAll(const Text& text, const Text& find, const Text& replacement) {
  if (text.empty() || find.empty() || find.size() > text.size()) return text;

  const std::vector<bool> starts = matchStarts(text, find);
  Text result;
  result.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (starts[i]) {
      result += replacement;
      i += find.size();
    } else {
      const std::size_t length = charLengthAt(text, i);
      result.append(text, i, length);
      i += length;
    }
  }
  return result;
}

}  // namespace tagwright
