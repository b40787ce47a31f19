// The fields of TagOptions by name, for the driver's `option` query.
#pragma once

#include <string_view>

#include "core/tag_options.h"

namespace tagwright::headless {

// The field called `name` ("arcRow", "navType", ...); nullptr when none is.
const Text* findOptionField(const TagOptions& options, std::string_view name);

}  // namespace tagwright::headless
