#pragma once

#include "core/text.h"

namespace tagwright {

// Replaces every match of `find` in `text`, scanning left to right one GBK
// character at a time, so a match never starts on a trail byte. Inserted text
// is not scanned again. An empty `text` or `find` leaves `text` unchanged.
Text replaceAll(const Text& text, const Text& find, const Text& replacement);

}  // namespace tagwright
