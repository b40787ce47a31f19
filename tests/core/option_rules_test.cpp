#include "core/option_rules.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "tests/core/options_fixture.h"

namespace tagwright {
namespace {

TEST(ResetOptions, GivesEveryFragmentItsStartValue) {
  TagOptions options;
  for (const FragmentInfo& f : fragmentTable()) options.*f.fragment = "stale";
  resetOptions(options);

  const struct {
    Text TagOptions::*fragment;
    const char* value;
  } expected[] = {
      {&TagOptions::navTypeid, ""},
      {&TagOptions::navRow, ""},
      {&TagOptions::navType, " type='top'"},
      {&TagOptions::arcTypeid, " typeid=1"},
      {&TagOptions::arcFlag, ""},
      {&TagOptions::arcChannelid, ""},
      {&TagOptions::arcOrderby, " orderby='pubdate'"},
      {&TagOptions::arcTitlelen, " titlelen=20"},
      {&TagOptions::arcRow, " row=5"},
      {&TagOptions::arcInfolen, ""},
      {&TagOptions::arcImgwidth, ""},
      {&TagOptions::arcImgheight, ""},
      {&TagOptions::arcDateStyle, ""},
      {&TagOptions::arcCol, ""},
      {&TagOptions::arcSubday, ""},
      {&TagOptions::arcKeyword, ""},
      {&TagOptions::customOrderby, "orderby='pubdate'"},
  };
  for (const auto& e : expected) EXPECT_EQ(options.*e.fragment, e.value) << e.value;
}

struct FieldCase {
  const char* field;
  Text typed;
  Text TagOptions::*fragment;
  Text expected;
};

// Each row types into one field starting from the start values; only the
// field's own fragment may change.
TEST(FieldRules, RewriteTheirOwnFragment) {
  const FieldCase cases[] = {
      // Rule A: prefix + text + suffix, the text used as typed.
      {"navTypeidEdit", "3", &TagOptions::navTypeid, " typeid='3'"},
      {"navRowEdit", "8", &TagOptions::navRow, " row='8'"},
      {"arcTypeidEdit", "2", &TagOptions::arcTypeid, " typeid=2"},
      {"arcRowEdit", "8", &TagOptions::arcRow, " row=8"},
      {"arcImgWidthEdit", "120", &TagOptions::arcImgwidth, " imgwidth=120"},
      {"arcImgHeightEdit", "90", &TagOptions::arcImgheight, " imgheight=90"},
      {"arcColEdit", " 5", &TagOptions::arcCol, " col= 5"},
      {"arcSubdayEdit", "7", &TagOptions::arcSubday, " subday=7"},
      {"arcKeywordEdit", "\xD0\xC2\xCE\xC5", &TagOptions::arcKeyword,
       " keyword='\xD0\xC2\xCE\xC5'"},
      {"arcTypeidEdit", "abc'x", &TagOptions::arcTypeid, " typeid=abc'x"},
      {"arcRowEdit", "", &TagOptions::arcRow, ""},
      {"arcTypeidEdit", "", &TagOptions::arcTypeid, ""},
      {"navTypeidEdit", "", &TagOptions::navTypeid, ""},
      {"arcKeywordEdit", "\xB0", &TagOptions::arcKeyword, " keyword='\xB0'"},
      // Rule B: toInteger(text) * 2 through numberToText.
      {"arcTitleLenEdit", "10", &TagOptions::arcTitlelen, " titlelen=20"},
      {"arcTitleLenEdit", "15", &TagOptions::arcTitlelen, " titlelen=30"},
      {"arcTitleLenEdit", "abc", &TagOptions::arcTitlelen, " titlelen=0"},
      {"arcTitleLenEdit", "10.7", &TagOptions::arcTitlelen, " titlelen=20"},
      {"arcTitleLenEdit", "\xA3\xB1\xA3\xB0", &TagOptions::arcTitlelen, " titlelen=20"},
      {"arcTitleLenEdit", "-3", &TagOptions::arcTitlelen, " titlelen=-6"},
      {"arcTitleLenEdit", "", &TagOptions::arcTitlelen, ""},
      {"arcInfoLenEdit", "40", &TagOptions::arcInfolen, " infolen=80"},
      {"arcInfoLenEdit", "0", &TagOptions::arcInfolen, " infolen=0"},
      {"arcInfoLenEdit", "2147483648", &TagOptions::arcInfolen, " infolen=-4294967296"},
      {"arcInfoLenEdit", "", &TagOptions::arcInfolen, ""},
  };
  const TagOptions start = startOptions();
  for (const FieldCase& c : cases) {
    const FieldRule* rule = findFieldRule(c.field);
    ASSERT_NE(rule, nullptr) << c.field;
    EXPECT_EQ(rule->fragment, c.fragment) << c.field;
    EXPECT_EQ(fieldFragment(*rule, c.typed), c.expected) << c.field << " <- " << c.typed;

    TagOptions options = start;
    options.*c.fragment = "before";
    applyFieldRule(*rule, c.typed, options);
    EXPECT_EQ(options.*c.fragment, c.expected) << c.field;
    options.*c.fragment = start.*c.fragment;
    EXPECT_EQ(changedFragments(start, options), "") << c.field;
  }
}

TEST(FieldRules, CoverExactlyTheElevenParameterFields) {
  const char* const fields[] = {
      "navTypeidEdit",   "navRowEdit",       "arcTypeidEdit",  "arcRowEdit",
      "arcImgWidthEdit", "arcImgHeightEdit", "arcColEdit",     "arcSubdayEdit",
      "arcKeywordEdit",  "arcTitleLenEdit",  "arcInfoLenEdit",
  };
  EXPECT_EQ(std::distance(fieldRulesBegin(), fieldRulesEnd()),
            static_cast<std::ptrdiff_t>(std::size(fields)));
  for (const char* field : fields) EXPECT_NE(findFieldRule(field), nullptr) << field;
  EXPECT_EQ(findFieldRule("arcRowCombo"), nullptr);
  EXPECT_EQ(findFieldRule("navTypeCombo"), nullptr);
  EXPECT_EQ(findFieldRule(""), nullptr);
}

TEST(FieldRules, KeepAMegabyteTextWhole) {
  const Text typed(1 << 20, '\xB0');
  EXPECT_EQ(fieldFragment(*findFieldRule("arcKeywordEdit"), typed), " keyword='" + typed + "'");
  EXPECT_EQ(fieldFragment(*findFieldRule("arcTitleLenEdit"), typed), " titlelen=0");
}

struct ListCase {
  const char* list;
  Text TagOptions::*fragment;
  std::vector<Text> values;
};

TEST(ListRules, AssignTheValueOfThePickedItem) {
  const ListCase cases[] = {
      {"navTypeCombo", &TagOptions::navType, {"type='top'", "type='self'", "type='son'"}},
      {"arcFlagCombo",
       &TagOptions::arcFlag,
       {"", " flag='h'", " flag='c'", " flag='f'", " flag='p'"}},
      {"arcChannelCombo",
       &TagOptions::arcChannelid,
       {"", " channelid=1", " channelid=2", " channelid=3"}},
      {"arcOrderCombo",
       &TagOptions::arcOrderby,
       {" orderby='pubdate'", " orderby='pubdate'", " orderby='click'", " orderby='lastpost'",
        " orderby='rand'"}},
      {"arcDateStyleCombo",
       &TagOptions::arcDateStyle,
       {"", "([field:pubdate function=MyDate('m-d',@me)/])",
        "([field:pubdate function=MyDate('y-m-d',@me)/])",
        "[field:pubdate function='strftime(\"%y-%m-%d %H:%M:%S\",@me)'/]",
        "[field:pubdate function='strftime(\"%m-%d %H:%M:%S\",@me)'/]",
        "[field:pubdate function='strftime(\"%m-%d %H:%M\",@me)'/]",
        "[field:pubdate function='strftime(\"%y\xC4\xEA%m\xD4\xC2%d\xC8\xD5\",@me)'/]",
        "[field:title/]</a>[field:pubdate function='strftime(\"%Y年%m月%d日 %H点%M分%S秒\",@me)'/]",
        "[field:title/]</a>[field:pubdate function='strftime(\"%b %d, %Y\",@me)'/]"}},
      {"customOrderCombo",
       &TagOptions::customOrderby,
       {"orderby='pubdate'", "orderby='desc'", "orderby='asc'"}},
  };
  EXPECT_EQ(std::distance(listRulesBegin(), listRulesEnd()),
            static_cast<std::ptrdiff_t>(std::size(cases)));
  const TagOptions start = startOptions();
  for (const ListCase& c : cases) {
    const ListRule* rule = findListRule(c.list);
    ASSERT_NE(rule, nullptr) << c.list;
    EXPECT_EQ(rule->fragment, c.fragment) << c.list;
    ASSERT_EQ(rule->count, c.values.size()) << c.list;
    for (std::size_t i = 0; i < c.values.size(); ++i) {
      TagOptions options = start;
      options.*c.fragment = "before";
      applyListRule(*rule, static_cast<int>(i), options);
      EXPECT_EQ(options.*c.fragment, c.values[i]) << c.list << " item " << i;
      options.*c.fragment = start.*c.fragment;
      EXPECT_EQ(changedFragments(start, options), "") << c.list << " item " << i;
    }
  }
}

TEST(ListRules, IndexWithoutAnItemLeavesTheFragment) {
  for (auto rule = listRulesBegin(); rule != listRulesEnd(); ++rule) {
    for (const int index : {-1, static_cast<int>(rule->count), 1000}) {
      TagOptions options = startOptions();
      options.*rule->fragment = "kept";
      applyListRule(*rule, index, options);
      EXPECT_EQ(options.*rule->fragment, "kept") << rule->list << " index " << index;
    }
  }
  EXPECT_EQ(findListRule("arcRowEdit"), nullptr);
  EXPECT_EQ(findListRule("navTypeidEdit"), nullptr);
}

TEST(ListRules, OrderPickLeavesSubdayAlone) {
  TagOptions options = startOptions();
  applyFieldRule(*findFieldRule("arcSubdayEdit"), "7", options);
  applyListRule(*findListRule("arcOrderCombo"), 2, options);
  EXPECT_EQ(options.arcSubday, " subday=7");
  EXPECT_EQ(options.arcOrderby, " orderby='click'");
  applyFieldRule(*findFieldRule("arcSubdayEdit"), "", options);
  EXPECT_EQ(options.arcOrderby, " orderby='click'");
}

}  // namespace
}  // namespace tagwright
