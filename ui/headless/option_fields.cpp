#include "ui/headless/option_fields.h"

namespace tagwright::headless {

const Text* findOptionField(const TagOptions& options, std::string_view name) {
  const FragmentInfo* info = findFragment(name);
  return info ? &(options.*info->fragment) : nullptr;
}

}  // namespace tagwright::headless
