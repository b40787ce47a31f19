// Helpers shared by the core tests: every fragment of TagOptions by name.
#pragma once

#include <string>

#include "core/tag_options.h"

namespace tagwright {

// Names of the fragments whose value differs between `a` and `b`.
inline std::string changedFragments(const TagOptions& a, const TagOptions& b) {
  std::string names;
  for (const FragmentInfo& f : fragmentTable()) {
    if (a.*f.fragment != b.*f.fragment) names += (names.empty() ? "" : ",") + std::string(f.name);
  }
  return names;
}

inline TagOptions startOptions() {
  TagOptions options;
  resetOptions(options);
  return options;
}

}  // namespace tagwright
