// The 17 program-wide option fragments: each holds one attribute exactly as it
// is spliced into a tag (leading blank included), or the empty text.
#pragma once

#include <string_view>

#include "core/text.h"

namespace tagwright {

struct TagOptions {
  Text navTypeid;
  Text navRow;
  Text navType;
  Text arcTypeid;
  Text arcFlag;
  Text arcChannelid;
  Text arcOrderby;
  Text arcTitlelen;
  Text arcRow;
  Text arcInfolen;
  Text arcImgwidth;
  Text arcImgheight;
  Text arcDateStyle;
  Text arcCol;
  Text arcSubday;
  Text arcKeyword;
  Text customOrderby;
};

// Gives every fragment its start value, in the order of the fields above.
void resetOptions(TagOptions& options);

// One fragment's field name ("arcRow", "navType", ...), member and start value.
struct FragmentInfo {
  std::string_view name;
  Text TagOptions::*fragment;
  const char* startValue;
};

// All 17 fragments, in the order of the fields above.
struct FragmentTable {
  const FragmentInfo* first;
  const FragmentInfo* last;
  const FragmentInfo* begin() const { return first; }
  const FragmentInfo* end() const { return last; }
};
FragmentTable fragmentTable();

// The fragment called `name`; nullptr when there is none.
const FragmentInfo* findFragment(std::string_view name);

}  // namespace tagwright
