#include "AlignedText.h"

#include "analysis/RegionalSettings.h"
#include "analysis/Text1250.h"
#include "analysis/Utf8.h"
#include "tables/DepartmentTotals.h"

#include <algorithm>

namespace vinta {

std::string FormatAlignedText(const TTextRows& rows, std::string_view lineEnd)
{
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], CharacterCount(row[c]));
    }
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            text += row[c];
            text.append(2 + widths[c] - CharacterCount(row[c]), ' ');
        }
        text += lineEnd;
    }
    return text;
}

TTextRows DepartmentTotalsRows(const TDepartmentTotals& totals, const TRegionalSettings& settings)
{
    TTextRows rows;
    rows.reserve(static_cast<std::size_t>(totals.CountRecords()) + 1);
    rows.push_back({totals.Column(TDepartmentTotals::kName).caption,
                    totals.Column(TDepartmentTotals::kTurnover).caption});
    for (int r = 0; r < totals.CountRecords(); ++r)
        rows.push_back({DecodeWin1250(totals.ReadText(r, TDepartmentTotals::kName)),
                        FormatCurrency(totals.ReadAmount(r, TDepartmentTotals::kTurnover), settings)});
    return rows;
}

} // namespace vinta
