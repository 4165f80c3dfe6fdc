#pragma once
// The analysis: reads every listed file, finds the zeroing department-turnover reports and
// adds up the turnover per department over the reports dated in the window.
#include "DateWindow.h"
#include "FileBuffer.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace vinta {

class TDepartmentTotals;
class TFileList;
class TTextLines;

// The header line holds this text, Windows-1250, matched byte for byte.
inline constexpr std::string_view kReportHeader =
    ".O B R O T \xD3 W   D Z I A \xA3 \xD3 W   Z E R U J \xA5 C Y";
// A line holding this run of tildes, where a department name is due, closes the report.
inline constexpr std::string_view kClosingTildes = "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~";
// The amount stands after the first 37 characters of its line.
inline constexpr std::size_t kAmountColumn = 37;
// The report date stands in the first 11 characters of the line four above the header.
inline constexpr std::size_t kDateWidth = 11;

class TReportAnalyzer {
public:
    // dateSeparator: the regional date separator as a Windows-1250 byte; currentYear completes
    // and windows the report dates.
    TReportAnalyzer(char dateSeparator, int currentYear);

    // Empties the totals, then analyses every file of the list in record order. A failure
    // ends the run at once; the totals keep what was added before it.
    void AnalyzeFiles(const TFileList& files, TDepartmentTotals& totals, const TDateWindow& window);

    // One file's text, adding to the totals as they stand.
    void AnalyzeText(std::string_view bytes, TDepartmentTotals& totals, const TDateWindow& window);

private:
    // Reads one report's name and amount lines from the line at lineIndex (h + 3) on; returns
    // the start of the closing line, or the text's size where the text ended.
    std::size_t ParseDepartmentBlock(const TTextLines& lines, std::size_t headerLine,
                                     std::size_t lineIndex, TDepartmentTotals& totals);

    // The record that followed each record in the last report, and the first record of the last
    // report: devices print their departments in the same order every day.
    int Successor(int record) const;
    void Learn(int previous, int record);

    char dateSeparator_;
    int currentYear_;
    TFileBuffer buffer_;
    std::vector<int> successor_;
    int firstRecord_ = 0;
};

// Whether the line holds a run of at least 48 tildes.
bool IsClosingLine(std::string_view line);

} // namespace vinta
