// The report-date conversion against the slow one written from its rules.
#include "SlowReportDate.h"
#include "analysis/ReportDate.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the separator and the current year; the date text is at most
    // 11 characters in the analysis, but any length must work.
    static const char separators[] = {'-', '.', '/', ':'};
    const char separator = separators[data[0] & 3];
    const int currentYear = 1950 + (data[0] >> 2) * 3;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto fast = vinta::TryStrToReportDate(text, separator, currentYear);
    const auto slow = vinta::reference::SlowReportDate(text, separator, currentYear);
    const bool same = fast.has_value() == slow.has_value() &&
                      (!fast || static_cast<std::int64_t>(*fast) == *slow);
    if (!same) {
        std::fprintf(stderr, "report date '%.*s' sep '%c' year %d: fast %s, slow %s\n", static_cast<int>(text.size()),
                     text.data(), separator, currentYear, fast ? "date" : "none", slow ? "date" : "none");
        std::abort();
    }
    return 0;
}
