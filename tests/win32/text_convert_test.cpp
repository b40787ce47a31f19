// GBK <-> UTF-16 at the edge, malformed bytes included.
#include "ui/win32/text_convert.h"

#include <gtest/gtest.h>

namespace tagwright::win32 {
namespace {

TEST(TextConvert, CodePage936BothWays) {
  struct Case {
    Text gbk;
    std::wstring wide;
  };
  const Case cases[] = {
      {"", L""},
      {"\xB8\xB4\xD6\xC6", L"\u590D\u5236"},  // 复制
      {"a\r\nb", L"a\r\nb"},
      {"\x80", L"\u20AC"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(toWide(c.gbk), c.wide);
    EXPECT_EQ(toGbk(c.wide), c.gbk);
  }
}

TEST(TextConvert, MalformedGbkBecomesQuestionMarksWithoutReadingPastTheEnd) {
  // A lone lead byte at the end, and a lead byte before an invalid trail byte.
  const Text lone("ab\xB8", 3);
  EXPECT_EQ(toWide(lone), L"ab?");
  EXPECT_EQ(toWide(Text("\xB8\x05z", 3)).back(), L'z');
  // Characters that GBK lacks come back as '?'.
  const Text replaced = toGbk(L"\U0001F600x");
  EXPECT_EQ(replaced.front(), '?');
  EXPECT_EQ(replaced.back(), 'x');
}

TEST(TextConvert, CutNeverSplitsATwoByteCharacter) {
  const Text text = "ab\xB8\xB4\xD6\xC6";
  EXPECT_EQ(cutGbk(text, 62), text);
  EXPECT_EQ(cutGbk(text, 4), "ab\xB8\xB4");
  EXPECT_EQ(cutGbk(text, 3), "ab");
  EXPECT_EQ(cutGbk(text, 0), "");
  EXPECT_EQ(cutGbk(Text("a\xB8", 2), 2), Text("a\xB8", 2));  // a lone lead byte is one byte
}

}  // namespace
}  // namespace tagwright::win32
