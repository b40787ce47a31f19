// The two number conversions used by the doubled-number fields and the list tag.
#pragma once

#include <cstdint>

#include "core/text.h"

namespace tagwright {

// Leading integer of `text`: full-width ASCII (0xA3 0xA1..0xFE) and the
// full-width blank count as their ASCII forms; leading blanks, tab, LF, VT, FF
// and CR are skipped; one sign; digits accumulate with 32-bit wrap-around.
// No digits give 0.
std::int32_t toInteger(const Text& text);

// printf "%.13g", with a three-digit exponent whenever an exponent is written.
Text numberToText(double number);

}  // namespace tagwright
