#pragma once
// The date of a department turnover report: day, month and year in that order, whatever the
// regional date order, separated by the regional date separator only.
#include "DateTime.h"

#include <optional>
#include <string_view>

namespace vinta {

// nullopt where the text is not a date: parts of digits, blanks allowed before each part and
// each separator, an optional separator and blanks after the year, nothing else. Two parts
// take the current year; a year of one or two digits lands in the hundred years that begin
// 50 years before the current year.
std::optional<TDateTime> TryStrToReportDate(std::string_view text, char separator, int currentYear);

// As above, raising "'%s' is not a valid date" with the text.
TDateTime StrToReportDate(std::string_view text, char separator, int currentYear);

} // namespace vinta
