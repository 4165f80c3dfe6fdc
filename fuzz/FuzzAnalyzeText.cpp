// One file's bytes through the analysis, checked against the line-by-line walk: the same
// totals in the same order and the same failure.
#include "SlowReportWalk.h"
#include "analysis/DateTime.h"
#include "analysis/Failure.h"
#include "analysis/ReportAnalyzer.h"
#include "tables/DepartmentTotals.h"

#include <cstdio>
#include <cstdlib>

using namespace vinta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the window and the separator, the rest is the file.
    static const TDateWindow windows[] = {
        {EncodeDate(2023, 12, 1), EncodeDateTime({2023, 12, 31, 23, 59, 59, 999})},
        {kNullDate, EncodeDate(9999, 12, 31)},
        {EncodeDate(2024, 1, 1), EncodeDate(2024, 1, 31)},
        {kNullDate, kNullDate},
    };
    static const char separators[] = {'-', '.', '/', '-'};
    const TDateWindow& window = windows[data[0] & 3];
    const char separator = separators[(data[0] >> 2) & 3];
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    TDepartmentTotals totals;
    TReportAnalyzer analyzer(separator, 2026);
    std::optional<std::string> failure;
    try {
        analyzer.AnalyzeText(text, totals, window);
    } catch (const EFailure& e) {
        failure = e.what();
    }
    test::TSlowResult slow;
    test::SlowAnalyzeText(text, separator, 2026, window, slow);

    bool same = failure == slow.failure && static_cast<std::size_t>(totals.CountRecords()) == slow.totals.size();
    for (int r = 0; same && r < totals.CountRecords(); ++r)
        same = totals.ReadText(r, 0) == slow.totals[static_cast<std::size_t>(r)].first &&
               totals.ReadAmount(r, 1) == slow.totals[static_cast<std::size_t>(r)].second;
    if (!same) {
        std::fprintf(stderr, "fast and slow walks differ: fast failure '%s', slow failure '%s', %d vs %zu records\n",
                     failure.value_or("-").c_str(), slow.failure.value_or("-").c_str(), totals.CountRecords(),
                     slow.totals.size());
        std::abort();
    }
    return 0;
}
