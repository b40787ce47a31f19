#include "core/tag_options.h"

#include <iterator>

namespace tagwright {
namespace {

// Each fragment's start value, in the order of the record. They equal what the
// fields' start texts would give, except that navType keeps a leading blank.
constexpr FragmentInfo kFragments[] = {
    {"navTypeid", &TagOptions::navTypeid, ""},
    {"navRow", &TagOptions::navRow, ""},
    {"navType", &TagOptions::navType, " type='top'"},
    {"arcTypeid", &TagOptions::arcTypeid, " typeid=1"},
    {"arcFlag", &TagOptions::arcFlag, ""},
    {"arcChannelid", &TagOptions::arcChannelid, ""},
    {"arcOrderby", &TagOptions::arcOrderby, " orderby='pubdate'"},
    {"arcTitlelen", &TagOptions::arcTitlelen, " titlelen=20"},
    {"arcRow", &TagOptions::arcRow, " row=5"},
    {"arcInfolen", &TagOptions::arcInfolen, ""},
    {"arcImgwidth", &TagOptions::arcImgwidth, ""},
    {"arcImgheight", &TagOptions::arcImgheight, ""},
    {"arcDateStyle", &TagOptions::arcDateStyle, ""},
    {"arcCol", &TagOptions::arcCol, ""},
    {"arcSubday", &TagOptions::arcSubday, ""},
    {"arcKeyword", &TagOptions::arcKeyword, ""},
    {"customOrderby", &TagOptions::customOrderby, "orderby='pubdate'"},
};

static_assert(sizeof kFragments / sizeof kFragments[0] == 17, "every fragment has a start value");

}  // namespace

void resetOptions(TagOptions& options) {
  for (const FragmentInfo& f : kFragments) options.*f.fragment = f.startValue;
}

FragmentTable fragmentTable() {
  return {std::begin(kFragments), std::end(kFragments)};
}

const FragmentInfo* findFragment(std::string_view name) {
  for (const FragmentInfo& f : kFragments) {
    if (f.name == name) return &f;
  }
  return nullptr;
}

}  // namespace tagwright
