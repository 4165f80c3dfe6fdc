#pragma once
// The report-date rules the slow way: a regular expression of the accepted form, then the
// century rule and the calendar check by hand.
#include <cstdint>
#include <optional>
#include <string_view>

namespace vinta::reference {

// The day count of the date (day 0 is 30 December 1899), nullopt where the text is no date.
std::optional<std::int64_t> SlowReportDate(std::string_view text, char separator, int currentYear);

} // namespace vinta::reference
