// Helpers shared by the core tests: every fragment of TagOptions by name.
#pragma once

#include <string>

#include "core/tag_options.h"

namespace tagwright {

struct NamedFragment {
  const char* name;
  Text TagOptions::*fragment;
};

inline constexpr NamedFragment kAllFragments[] = {
    {"navTypeid", &TagOptions::navTypeid},
    {"navRow", &TagOptions::navRow},
    {"navType", &TagOptions::navType},
    {"arcTypeid", &TagOptions::arcTypeid},
    {"arcFlag", &TagOptions::arcFlag},
    {"arcChannelid", &TagOptions::arcChannelid},
    {"arcOrderby", &TagOptions::arcOrderby},
    {"arcTitlelen", &TagOptions::arcTitlelen},
    {"arcRow", &TagOptions::arcRow},
    {"arcInfolen", &TagOptions::arcInfolen},
    {"arcImgwidth", &TagOptions::arcImgwidth},
    {"arcImgheight", &TagOptions::arcImgheight},
    {"arcDateStyle", &TagOptions::arcDateStyle},
    {"arcCol", &TagOptions::arcCol},
    {"arcSubday", &TagOptions::arcSubday},
    {"arcKeyword", &TagOptions::arcKeyword},
    {"customOrderby", &TagOptions::customOrderby},
};

// Names of the fragments whose value differs between `a` and `b`.
inline std::string changedFragments(const TagOptions& a, const TagOptions& b) {
  std::string names;
  for (const NamedFragment& f : kAllFragments) {
    if (a.*f.fragment != b.*f.fragment) names += names.empty() ? f.name : std::string(",") + f.name;
  }
  return names;
}

inline TagOptions startOptions() {
  TagOptions options;
  resetOptions(options);
  return options;
}

}  // namespace tagwright
