#include "core/replace_all.h"

#include <string_view>
#include <vector>

namespace tagwright {
namespace {

// Yields every position where `find` begins in `text`, overlapping matches
// included, in increasing order. Short patterns use the library search, which
// skips ahead with memchr; long ones use Knuth-Morris-Pratt, so the worst
// case stays linear in both lengths.
class MatchFinder {
 public:
  MatchFinder(std::string_view text, std::string_view find) : text_(text), find_(find) {
    if (find_.size() > kShortPattern) {
      border_.assign(find_.size(), 0);
      for (std::size_t i = 1, k = 0; i < find_.size(); ++i) {
        while (k > 0 && find_[i] != find_[k]) k = border_[k - 1];
        if (find_[i] == find_[k]) ++k;
        border_[i] = k;
      }
      pending_ = scan();
    }
  }

  // The first match that begins at or after `from`; npos when none.
  std::size_t next(std::size_t from) {
    if (find_.size() <= kShortPattern) return text_.find(find_, from);
    while (pending_ < from) pending_ = scan();
    return pending_;
  }

 private:
  static constexpr std::size_t kShortPattern = 64;

  std::size_t scan() {
    const std::size_t m = find_.size();
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      while (matched_ > 0 && c != find_[matched_]) matched_ = border_[matched_ - 1];
      if (c == find_[matched_]) ++matched_;
      if (matched_ == m) {
        matched_ = border_[m - 1];
        return pos_ - m;
      }
    }
    return std::string_view::npos;
  }

  std::string_view text_;
  std::string_view find_;
  std::vector<std::size_t> border_;
  std::size_t pos_ = 0;      // next byte the scan reads
  std::size_t matched_ = 0;  // length of the pattern prefix matched so far
  std::size_t pending_ = 0;  // last match the scan found (npos: none left)
};

// True when `at` is a character boundary, given that `boundary` <= `at` is
// one. A byte below 0x80 before a run of lead-range bytes always ends a
// character, single or trail, so the run starts on a boundary and its bytes
// pair up: `at` is a boundary exactly when the run is even.
bool isBoundary(const Text& text, std::size_t boundary, std::size_t at) {
  std::size_t run = 0;
  while (at - run > boundary && isLeadByte(static_cast<unsigned char>(text[at - run - 1]))) ++run;
  return run % 2 == 0;
}

}  // namespace

Text replaceAll(const Text& text, const Text& find, const Text& replacement) {
  if (text.empty() || find.empty() || find.size() > text.size()) return text;

  MatchFinder matches(text, find);
  Text result;
  result.reserve(text.size());
  std::size_t i = 0;  // always a character boundary
  for (std::size_t at = matches.next(0); at != Text::npos; at = matches.next(i)) {
    if (!isBoundary(text, i, at)) {
      // The match would begin on a trail byte: that character ends at `at`.
      result.append(text, i, at + 1 - i);
      i = at + 1;
      continue;
    }
    result.append(text, i, at - i);
    result += replacement;
    i = at + find.size();
  }
  result.append(text, i, Text::npos);
  return result;
}

}  // namespace tagwright
