#include "ui/headless/option_fields.h"

namespace tagwright::headless {

namespace {

struct OptionField {
  std::string_view name;
  Text TagOptions::*field;
};

constexpr OptionField kOptionFields[] = {
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

}  // namespace

const Text* findOptionField(const TagOptions& options, std::string_view name) {
  for (const OptionField& entry : kOptionFields) {
    if (entry.name == name) return &(options.*entry.field);
  }
  return nullptr;
}

}  // namespace tagwright::headless
