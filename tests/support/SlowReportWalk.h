#pragma once
// The analysis of one text written the slow, plain way: the text cut into a list of lines, then
// the line-by-line walk with its skips, as the rules read. The fast analyzer must give exactly
// what this gives.
#include "analysis/Amount.h"
#include "analysis/DateWindow.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vinta::test {

std::vector<std::string> SplitLines(const std::string& bytes);

struct TSlowResult {
    std::vector<std::pair<std::string, TAmount>> totals; // name as first met, total
    std::optional<std::string> failure;                  // the failure's message
    bool operator==(const TSlowResult&) const = default;
};

// Adds the reports of one text to result.totals (which may hold earlier files' totals);
// returns false and sets result.failure where the run ends with a failure.
bool SlowAnalyzeText(const std::string& bytes, char dateSeparator, int currentYear,
                     const TDateWindow& window, TSlowResult& result);

} // namespace vinta::test
