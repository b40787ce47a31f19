#include "core/option_rules.h"

#include <iterator>

#include "core/numbers.h"

namespace tagwright {
namespace {

// Rules A (plain) and B (doubled number).
constexpr FieldRule kFieldRules[] = {
    {"navTypeidEdit", &TagOptions::navTypeid, " typeid='", "'", false},
    {"navRowEdit", &TagOptions::navRow, " row='", "'", false},
    {"arcTypeidEdit", &TagOptions::arcTypeid, " typeid=", "", false},
    {"arcRowEdit", &TagOptions::arcRow, " row=", "", false},
    {"arcImgWidthEdit", &TagOptions::arcImgwidth, " imgwidth=", "", false},
    {"arcImgHeightEdit", &TagOptions::arcImgheight, " imgheight=", "", false},
    {"arcColEdit", &TagOptions::arcCol, " col=", "", false},
    {"arcSubdayEdit", &TagOptions::arcSubday, " subday=", "", false},
    {"arcKeywordEdit", &TagOptions::arcKeyword, " keyword='", "'", false},
    {"arcTitleLenEdit", &TagOptions::arcTitlelen, " titlelen=", "", true},
    {"arcInfoLenEdit", &TagOptions::arcInfolen, " infolen=", "", true},
};

// Rule C: one value per list item, by index.
constexpr const char* kNavTypeValues[] = {
    "type='top'",
    "type='self'",
    "type='son'",
};

constexpr const char* kArcFlagValues[] = {
    "", " flag='h'", " flag='c'", " flag='f'", " flag='p'",
};

constexpr const char* kArcChannelValues[] = {
    "",
    " channelid=1",
    " channelid=2",
    " channelid=3",
};

constexpr const char* kArcOrderValues[] = {
    " orderby='pubdate'",  " orderby='pubdate'", " orderby='click'",
    " orderby='lastpost'", " orderby='rand'",
};

// Not attributes: placed after the item body of layouts 1 and 2. Items 7 and 8
// repeat the title and the closing anchor.
constexpr const char* kArcDateStyleValues[] = {
    "",
    "([field:pubdate function=MyDate('m-d',@me)/])",
    "([field:pubdate function=MyDate('y-m-d',@me)/])",
    "[field:pubdate function='strftime(\"%y-%m-%d %H:%M:%S\",@me)'/]",
    "[field:pubdate function='strftime(\"%m-%d %H:%M:%S\",@me)'/]",
    "[field:pubdate function='strftime(\"%m-%d %H:%M\",@me)'/]",
    "[field:pubdate function='strftime(\"%y年%m月%d日\",@me)'/]",
    "[field:title/]</a>[field:pubdate function='strftime(\"%Y年%m月%d日 %H点%M分%S秒\",@me)'/]",
    "[field:title/]</a>[field:pubdate function='strftime(\"%b %d, %Y\",@me)'/]",
};

constexpr const char* kCustomOrderValues[] = {
    "orderby='pubdate'",
    "orderby='desc'",
    "orderby='asc'",
};

constexpr ListRule kListRules[] = {
    {"navTypeCombo", &TagOptions::navType, kNavTypeValues, std::size(kNavTypeValues)},
    {"arcFlagCombo", &TagOptions::arcFlag, kArcFlagValues, std::size(kArcFlagValues)},
    {"arcChannelCombo", &TagOptions::arcChannelid, kArcChannelValues, std::size(kArcChannelValues)},
    {"arcOrderCombo", &TagOptions::arcOrderby, kArcOrderValues, std::size(kArcOrderValues)},
    {"arcDateStyleCombo", &TagOptions::arcDateStyle, kArcDateStyleValues,
     std::size(kArcDateStyleValues)},
    {"customOrderCombo", &TagOptions::customOrderby, kCustomOrderValues,
     std::size(kCustomOrderValues)},
};

}  // namespace

const FieldRule* findFieldRule(std::string_view field) {
  for (const FieldRule& rule : kFieldRules) {
    if (rule.field == field) return &rule;
  }
  return nullptr;
}

const ListRule* findListRule(std::string_view list) {
  for (const ListRule& rule : kListRules) {
    if (rule.list == list) return &rule;
  }
  return nullptr;
}

const FieldRule* fieldRulesBegin() {
  return std::begin(kFieldRules);
}
const FieldRule* fieldRulesEnd() {
  return std::end(kFieldRules);
}
const ListRule* listRulesBegin() {
  return std::begin(kListRules);
}
const ListRule* listRulesEnd() {
  return std::end(kListRules);
}

Text fieldFragment(const FieldRule& rule, const Text& typed) {
  if (typed.empty()) return Text();
  if (rule.doubled) return rule.prefix + numberToText(toInteger(typed) * 2.0) + rule.suffix;
  return rule.prefix + typed + rule.suffix;
}

void applyFieldRule(const FieldRule& rule, const Text& typed, TagOptions& options) {
  options.*rule.fragment = fieldFragment(rule, typed);
}

void applyListRule(const ListRule& rule, int index, TagOptions& options) {
  if (index < 0 || static_cast<std::size_t>(index) >= rule.count) return;
  options.*rule.fragment = rule.values[index];
}

}  // namespace tagwright
