// The tag builders as pure functions: fragments or field texts in, tag text out.
#pragma once

#include <array>

#include "core/tag_options.h"

namespace tagwright {

// The five item layouts of the article list, left to right on screen.
enum class ArcLayout { typelink = 1, title, image, imageInfo, info };

// List head + attribute run + the layout's body (+ date style and tail for
// layouts 1 and 2).
Text buildArclistBlock(const TagOptions& options, ArcLayout layout);

// Texts of the summary-length auto-fill of layout 4.
extern const char* const kAutoFillNotice;
extern const char* const kAutoFillFieldText;
extern const char* const kAutoFillFragment;

// Channel head + navType + navTypeid + navRow + channel body.
Text buildChannelBlock(const TagOptions& options);

// The list-page tag; the title length is doubled through toInteger.
Text buildListTag(const Text& row, const Text& titleLen, const Text& pageSize);

// The article list over custom fields.
struct CustomFieldTexts {
  Text row;
  Text channel;
  Text orderby;  // the customOrderby fragment
  Text typeId;
  std::array<Text, 5> fields;
};
Text buildCustomFieldBlock(const CustomFieldTexts& texts);

// The Flash slideshow script with width, height and count filled in.
Text buildSlideshowScript(const Text& width, const Text& height, const Text& count);

}  // namespace tagwright
