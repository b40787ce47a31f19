#include "core/replace_all.h"

#include <gtest/gtest.h>

namespace tagwright {
namespace {

struct ReplaceCase {
  const char* name;
  Text text;
  Text find;
  Text replacement;
  Text expected;
};

TEST(ReplaceAll, ReplacesEveryMatchLeftToRight) {
  const ReplaceCase cases[] = {
      {"empty text", "", "a", "b", ""},
      {"empty find", "abc", "", "x", "abc"},
      {"no match", "abc", "x", "y", "abc"},
      {"find longer than text", "ab", "abc", "x", "ab"},
      {"every match", "a-b-c", "-", "+", "a+b+c"},
      {"empty replacement deletes", "a-b-c", "-", "", "abc"},
      {"whole text", "abc", "abc", "", ""},
      {"overlapping matches taken left to right", "aaa", "aa", "b", "ba"},
      {"adjacent matches", "aaaa", "aa", "b", "bb"},
      {"replacement holding the find is not scanned again", "aXbX", "X", "XX", "aXXbXX"},
      {"inserted text does not join a later match", "abb", "ab", "a", "ab"},
      {"GBK character replaced", "\xB8\xB4\xD6\xC6\xB8\xB4", "\xB8\xB4", "x", "x\xD6\xC6x"},
      {"match across two characters is taken", "\xB8\xB4\xD6\xC6", "\xB8\xB4\xD6\xC6", "ok", "ok"},
      {"match starting on a trail byte is not taken", "\xB8\xB4\xD6\xC6", "\xB4\xD6", "x",
       "\xB8\xB4\xD6\xC6"},
      {"ASCII trail byte is not a match start",
       "\xB0"
       "ab",
       "a", "x",
       "\xB0"
       "ab"},
      {"match after a trail-byte near miss", "\xB0\xA1\xA1\xA1", "\xA1\xA1", "Z", "\xB0\xA1Z"},
      {"lone lead byte at the end is kept", "ab\xB0", "b", "c", "ac\xB0"},
      {"lone lead byte at the end can match", "a\xB0", "\xB0", "x", "ax"},
      {"lone lead byte at the end, no match", "\xB0", "a", "x", "\xB0"},
      {"zero bytes are ordinary bytes", Text("a\0b\0", 4), Text("\0", 1), "-", "a-b-"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(replaceAll(c.text, c.find, c.replacement), c.expected) << c.name;
  }
}

// Finds longer than a few dozen bytes take a different search path; the
// character-boundary rule and left-to-right order must hold there too.
TEST(ReplaceAll, LongFindsFollowTheSameRules) {
  const Text a100(100, 'a');
  EXPECT_EQ(replaceAll("x" + a100 + a100 + "y", a100, "-"), "x--y");
  EXPECT_EQ(replaceAll(a100 + "a", a100, "-"), "-a");  // overlapping: leftmost wins
  // The only occurrence starts on the trail byte of \xB0\xA1.
  const Text trail = "\xA1" + a100;
  EXPECT_EQ(replaceAll("\xB0" + trail, trail, "-"), "\xB0" + trail);
  // After that near miss, a later aligned occurrence is still found.
  EXPECT_EQ(replaceAll("\xB0" + trail + trail, trail, "-"), "\xB0" + trail + "-");
}

TEST(ReplaceAll, HandlesMegabyteTextsInLinearTime) {
  const std::size_t size = std::size_t{1} << 20;

  // Many matches: the result is built once, not edited in place.
  Text pairs;
  for (std::size_t i = 0; i < size / 2; ++i) pairs += "ab";
  const Text replaced = replaceAll(pairs, "a", "xyz");
  EXPECT_EQ(replaced.size(), size / 2 * 4);
  EXPECT_EQ(replaced.compare(0, 8, "xyzbxyzb"), 0);

  // A long near-miss find: a naive search compares half a megabyte at each place.
  const Text text(2 * size, 'a');
  const Text find = Text(size, 'a') + "b";
  EXPECT_EQ(replaceAll(text, find, "x"), text);

  // A megabyte replacement inserted many times.
  const Text big(size, 'z');
  EXPECT_EQ(replaceAll("-.-.-", "-", big).size(), 3 * size + 2);
}

}  // namespace
}  // namespace tagwright
