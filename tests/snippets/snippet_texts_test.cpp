// Texts of the pages 首页标签, 列表标签 and 内容标签 held against their known shape: the
// long texts' lines, the entries that must match or differ, quirks that must survive, and
// the GBK bytes of the full-width punctuation.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "snippets/catalogue.h"
#include "snippets/pages.h"
#include "tests/snippets/split_lines.h"

namespace tagwright {
namespace {

std::string_view textOf(std::string_view radio) {
  const Snippet* snippet = findSnippet(radio);
  EXPECT_NE(snippet, nullptr) << radio;
  return snippet ? snippet->text : std::string_view();
}

struct LongTextCase {
  std::string_view radio;
  std::size_t lineCount;
  std::string_view firstLine;
  std::string_view lastLine;
};

const LongTextCase kLongTexts[] = {
    {"单选框16", 5, " <div class=\"dede_pages\">", "\t\t</div><!-- /pages --> "},
    {"单选框17", 41, ".dede_pages{", "}"},
    {"单选框27", 29, "{dede:infolink}", "{/dede:infolink}"},
    {"单选框32", 19, "\t\t\t<div class=\"newdigg\" id=\"newdigg\">",
     "\t\t\t <script language=\"javascript\" type=\"text/javascript\">"
     "getDigg({dede:field.id/});</script>"},
    {"单选框61", 8,
     "<form id=\"formcar\" name=\"formcar\" method=\"post\" "
     "action=\"{dede:field name='phpurl'/}/posttocar.php\">",
     "                </form>"},
    {"单选框55", 8,
     "<form id=\"formcar\" name=\"formcar\" method=\"post\" "
     "action=\"{dede:field name='phpurl'/}/posttocar.php\">",
     "                </form>"},
};

TEST(PageSnippetTexts, LongTextsHaveTheirLineCountFirstAndLastLine) {
  for (const LongTextCase& c : kLongTexts) {
    const std::vector<std::string_view> lines = splitLines(textOf(c.radio));
    ASSERT_EQ(lines.size(), c.lineCount) << c.radio;
    EXPECT_EQ(lines.front(), c.firstLine) << c.radio;
    EXPECT_EQ(lines.back(), c.lastLine) << c.radio;
  }
}

TEST(PageSnippetTexts, EveryOtherTextOfThesePagesIsOneLine) {
  for (SnippetRange page : {homeSnippets(), listSnippets(), contentSnippets()}) {
    for (const Snippet& snippet : page) {
      bool isLong = false;
      for (const LongTextCase& c : kLongTexts) isLong = isLong || c.radio == snippet.radio;
      if (!isLong) {
        EXPECT_EQ(splitLines(snippet.text).size(), 1u) << snippet.radio;
      }
    }
  }
}

TEST(PageSnippetTexts, SharedTextsAreIdenticalAcrossGroups) {
  const std::pair<std::string_view, std::string_view> kSame[] = {
      {"单选框19", "单选框23"},  // upload date, shelf date
      {"单选框22", "单选框26"},  // view counts of the software and shop groups
      {"单选框35", "单选框62"},  // counter script
      {"单选框55", "单选框61"},  // shopping-cart form
      {"单选框42", "单选框57"},  // image field
      {"单选框29", "单选框59"},  // date tag with the stray quote
  };
  for (const auto& [a, b] : kSame) EXPECT_EQ(textOf(a), textOf(b)) << a << " vs " << b;
}

TEST(PageSnippetTexts, QuirksOfTheTemplatesAreKept) {
  // 发布时间 ends with a double quote after the tag; 更新时间 is the same tag without it.
  EXPECT_EQ(std::string(textOf("单选框29")), std::string(textOf("单选框40")) + "\"");
  EXPECT_EQ(textOf("单选框40").substr(textOf("单选框40").size() - 2), "/}");
  // 截止日期 writes minutes as m.
  EXPECT_NE(textOf("单选框60").find("'Y-m-d H:m'"), std::string_view::npos);
  // 内容摘要: three ASCII full stops, not an ellipsis character.
  EXPECT_EQ(textOf("单选框13"), "[field:description/]...");
  // The 分类 table mixes tab and blank indentation.
  EXPECT_EQ(splitLines(textOf("单选框27"))[13], "  \t[field:nativeplace /]&nbsp;");
}

TEST(PageSnippetTexts, FullWidthPunctuationIsGbk) {
  const std::vector<std::string_view> infolink = splitLines(textOf("单选框27"));
  ASSERT_EQ(infolink.size(), 29u);
  // 信息附加条件： and 地 区： (A3 BA is the full-width colon).
  EXPECT_EQ(infolink[4], "\t\t\xD0\xC5\xCF\xA2\xB8\xBD\xBC\xD3\xCC\xF5\xBC\xFE\xA3\xBA");
  EXPECT_EQ(infolink[8], "\t<td width='50'>&nbsp;\xB5\xD8\x20\xC7\xF8\xA3\xBA</td>");
  // 购物车： in the cart form.
  const std::vector<std::string_view> cart = splitLines(textOf("单选框61"));
  ASSERT_EQ(cart.size(), 8u);
  EXPECT_EQ(cart[5].substr(0, 31), "                <small>\xB9\xBA\xCE\xEF\xB3\xB5\xA3\xBA");
  // 查看所有评论
  EXPECT_EQ(textOf("单选框33"),
            "<a href=\"{dede:field name='phpurl'/}/feedback.php?aid={dede:field.id/}\">"
            "\xB2\xE9\xBF\xB4\xCB\xF9\xD3\xD0\xC6\xC0\xC2\xDB</a>");
}

}  // namespace
}  // namespace tagwright
