#pragma once
#include "Amount.h"

#include <string_view>

namespace vinta {

// Converts a number written with the given decimal separator: leading blanks, an optional
// sign, digits with an optional separator and fraction, an optional exponent ("E" or "e",
// optional sign, digits), trailing blanks. The value times 10000 is rounded to the nearest
// integer, a tie to the even one. A text of any other form, or a value beyond the range of an
// amount, gives 0 and raises nothing. Works in exact decimal on texts of any length.
TAmount StrToAmount(std::string_view text, char separator);

} // namespace vinta
