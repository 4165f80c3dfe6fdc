#pragma once
// The plain-text layout of the department totals: one line per row under the header row, the
// columns aligned by blanks.
#include <string>
#include <string_view>
#include <vector>

namespace vinta {

class TDepartmentTotals;
struct TRegionalSettings;

using TTextRows = std::vector<std::vector<std::string>>;

// Every cell's text is followed by two blanks and one more for each character by which it is
// shorter than the longest text of its column, the last column too. Texts are UTF-8 and
// counted in characters.
std::string FormatAlignedText(const TTextRows& rows, std::string_view lineEnd);

// The header "Dział", "Suma obrotów" and one row per department in record order, as a grid
// shows them: the name as text, the total in the regional currency format.
TTextRows DepartmentTotalsRows(const TDepartmentTotals& totals, const TRegionalSettings& settings);

} // namespace vinta
