// The 17 program-wide option fragments: each holds one attribute exactly as it
// is spliced into a tag (leading blank included), or the empty text.
#pragma once

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

}  // namespace tagwright
