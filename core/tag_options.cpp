#include "core/tag_options.h"

namespace tagwright {
namespace {

struct StartValue {
  Text TagOptions::*fragment;
  const char* value;
};

// Each fragment's start value, in the order of the record. They equal what the
// fields' start texts would give, except that navType keeps a leading blank.
constexpr StartValue kStartValues[] = {
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

static_assert(sizeof kStartValues / sizeof kStartValues[0] == 17,
              "every fragment has a start value");

}  // namespace

void resetOptions(TagOptions& options) {
  for (const StartValue& start : kStartValues) options.*start.fragment = start.value;
}

}  // namespace tagwright
