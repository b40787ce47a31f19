// The catalogue as a whole: every radio button once, pages in order, lookup, target boxes,
// and line breaks and encoding that hold for every text.
#include "snippets/catalogue.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "snippets/pages.h"

namespace tagwright {
namespace {

constexpr std::string_view kRadioPrefix = "单选框";

std::string radioName(int number) {
  return std::string(kRadioPrefix) + std::to_string(number);
}

// 13 for "单选框13"; -1 when the name is not the prefix followed by a number.
int radioNumber(std::string_view radio) {
  if (radio.substr(0, kRadioPrefix.size()) != kRadioPrefix) return -1;
  const std::string digits(radio.substr(kRadioPrefix.size()));
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) return -1;
  return std::stoi(digits);
}

// The box each radio button writes into, by its number.
SnippetBox expectedBox(int number) {
  if (number <= 7) return SnippetBox::headFootEdit;
  if (number >= 19 && number <= 22) return SnippetBox::softFieldEdit;
  if (number >= 23 && number <= 26) return SnippetBox::shopFieldEdit;
  if (number <= 27) return SnippetBox::listOutputEdit;
  if (number <= 74) return SnippetBox::contentOutputEdit;
  return SnippetBox::sqlOutputEdit;
}

struct PageCase {
  const char* page;
  SnippetRange (*entries)();
  int firstNumber;  // the page holds exactly the radio buttons firstNumber..lastNumber
  int lastNumber;
};

const PageCase kPages[] = {
    {"首页标签", homeSnippets, 1, 7},
    {"列表标签", listSnippets, 13, 27},
    {"内容标签", contentSnippets, 28, 74},
    {"SQL调用整理", sqlSnippets, 75, 87},
};

TEST(SnippetCatalogue, HoldsEightyTwoEntriesThePagesJoinedInPageOrder) {
  const SnippetRange all = allSnippets();
  ASSERT_EQ(all.size(), 82u);
  std::size_t at = 0;
  for (const PageCase& page : kPages) {
    for (const Snippet& snippet : page.entries()) {
      ASSERT_LT(at, all.size());
      EXPECT_EQ(all.first[at].radio, snippet.radio) << page.page << " entry " << at;
      EXPECT_EQ(all.first[at].text, snippet.text) << snippet.radio;
      ++at;
    }
  }
  EXPECT_EQ(at, all.size());
}

TEST(SnippetCatalogue, EveryPageHoldsItsRadioButtonsEachOnceWritingTheirBoxes) {
  for (const PageCase& page : kPages) {
    std::map<std::string, int> seen;
    for (const Snippet& snippet : page.entries()) ++seen[std::string(snippet.radio)];
    for (int number = page.firstNumber; number <= page.lastNumber; ++number) {
      EXPECT_EQ(seen[radioName(number)], 1) << page.page << ": " << radioName(number);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(page.lastNumber - page.firstNumber + 1))
        << page.page << " holds a radio button of another page";
    for (const Snippet& snippet : page.entries()) {
      EXPECT_EQ(snippet.box, expectedBox(radioNumber(snippet.radio))) << snippet.radio;
    }
  }
}

TEST(SnippetCatalogue, FindsEveryEntryByItsRadioButtonAndNothingElse) {
  for (const Snippet& snippet : allSnippets()) {
    EXPECT_EQ(findSnippet(snippet.radio), &snippet) << snippet.radio;
  }
  for (std::string_view unknown :
       {"", "单选框", "单选框0", "单选框8", "单选框12", "单选框88", "单选框1 ", " 单选框1",
        "单选框01", "网站名称", "headFootEdit"}) {
    EXPECT_EQ(findSnippet(unknown), nullptr) << unknown;
  }
}

// A byte of 0x81..0xFE begins a two-byte character whose second byte is 0x40..0xFE but not 0x7F.
bool isWellFormedGbk(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) continue;
    if (lead == 0x80 || lead == 0xFF || i + 1 == text.size()) return false;
    const unsigned char trail = static_cast<unsigned char>(text[++i]);
    if (trail < 0x40 || trail == 0x7F || trail == 0xFF) return false;
  }
  return true;
}

TEST(SnippetCatalogue, TextsUseCrLfBetweenLinesAndNeverEndWithALineBreak) {
  for (const Snippet& snippet : allSnippets()) {
    const std::string_view text = snippet.text;
    ASSERT_FALSE(text.empty()) << snippet.radio;
    EXPECT_EQ(text.find('\0'), std::string_view::npos) << snippet.radio;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\n') {
        EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << snippet.radio << " @" << i;
      }
      if (text[i] == '\r') {
        EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << snippet.radio << " @" << i;
      }
    }
    EXPECT_NE(text.back(), '\n') << snippet.radio;
    EXPECT_NE(text.back(), '\r') << snippet.radio;
    EXPECT_NE(text.substr(0, 2), "\r\n") << snippet.radio;
  }
}

TEST(SnippetCatalogue, NamesLabelsAndTextsAreGbk) {
  // 单选框 and 网站名称 spelled out: the literals must reach the program as GBK, not UTF-8.
  EXPECT_EQ(allSnippets().first->radio,
            "\xB5\xA5\xD1\xA1\xBF\xF2"
            "1");
  EXPECT_EQ(allSnippets().first->label, "\xCD\xF8\xD5\xBE\xC3\xFB\xB3\xC6");
  for (const Snippet& snippet : allSnippets()) {
    EXPECT_FALSE(snippet.label.empty()) << snippet.radio;
    EXPECT_TRUE(isWellFormedGbk(snippet.label)) << snippet.radio;
    EXPECT_TRUE(isWellFormedGbk(snippet.text)) << snippet.radio;
  }
}

}  // namespace
}  // namespace tagwright
