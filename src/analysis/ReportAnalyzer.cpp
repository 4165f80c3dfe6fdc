#include "ReportAnalyzer.h"

#include "tables/DepartmentTotals.h"
#include "tables/FileList.h"
#include "Failure.h"
#include "ReportDate.h"
#include "StrToAmount.h"
#include "Text1250.h"
#include "TextLines.h"

#include <cstring>
#include <string>

namespace vinta {
namespace {

// The first header at or after from, as an offset; npos where there is none. The search runs
// memchr over the header's rarest byte, the capital Ą, which ordinary text seldom holds, and
// checks the whole header only where it stands.
std::size_t FindHeader(std::string_view text, std::size_t from)
{
    constexpr std::size_t kProbe = kReportHeader.find('\xA5');
    static_assert(kProbe != std::string_view::npos && kProbe > 0);
    if (text.size() < kReportHeader.size() || from > text.size() - kReportHeader.size())
        return std::string_view::npos;
    const char* const begin = text.data();
    const char* const last = begin + (text.size() - kReportHeader.size()); // last possible start
    const char* probe = begin + from + kProbe;
    while (probe <= last + kProbe) {
        probe = static_cast<const char*>(std::memchr(probe, '\xA5', static_cast<std::size_t>(last + kProbe - probe) + 1));
        if (!probe)
            return std::string_view::npos;
        const char* start = probe - kProbe;
        if (std::memcmp(start, kReportHeader.data(), kReportHeader.size()) == 0)
            return static_cast<std::size_t>(start - begin);
        ++probe;
    }
    return std::string_view::npos;
}

// "List index out of bounds" for the line that stands offset lines below the header line.
[[noreturn]] void ThrowLineIndex(const TTextLines& lines, std::size_t headerLine, std::int64_t offset)
{
    throw EListError(static_cast<std::int64_t>(lines.LineNumber(headerLine)) + offset);
}

} // namespace

bool IsClosingLine(std::string_view line)
{
    // Jump from tilde to tilde: a name line seldom holds any.
    const std::size_t need = kClosingTildes.size();
    std::size_t pos = line.find('~');
    while (pos != std::string_view::npos && line.size() - pos >= need) {
        std::size_t run = 1;
        while (run < need && line[pos + run] == '~')
            ++run;
        if (run == need)
            return true;
        pos = line.find('~', pos + run);
    }
    return false;
}

TReportAnalyzer::TReportAnalyzer(char dateSeparator, int currentYear)
    : dateSeparator_(dateSeparator), currentYear_(currentYear)
{
}

int TReportAnalyzer::Successor(int record) const
{
    if (record < 0)
        return firstRecord_;
    const auto r = static_cast<std::size_t>(record);
    return r < successor_.size() ? successor_[r] : record + 1;
}

void TReportAnalyzer::Learn(int previous, int record)
{
    if (previous < 0) {
        firstRecord_ = record;
        return;
    }
    const auto p = static_cast<std::size_t>(previous);
    if (p >= successor_.size())
        successor_.resize(p + 1, -1);
    successor_[p] = record;
}

void TReportAnalyzer::AnalyzeFiles(const TFileList& files, TDepartmentTotals& totals,
                                   const TDateWindow& window)
{
    totals.ResizeRecords(0);
    const int count = files.CountRecords();
    std::string path;
    for (int r = 0; r < count; ++r) {
        path.assign(files.ReadText(r, TFileList::kFullPath));
        AnalyzeText(buffer_.Load(path), totals, window);
    }
}

void TReportAnalyzer::AnalyzeText(std::string_view bytes, TDepartmentTotals& totals,
                                  const TDateWindow& window)
{
    const TTextLines lines(bytes);
    const std::string_view text = lines.Text();
    // The scan stands at the start of a line; the lines before the next header are examined
    // and hold none, so the search jumps straight to it.
    std::size_t lineIndex = 0;
    while (lines.Exists(lineIndex)) {
        const std::size_t hit = FindHeader(text, lineIndex);
        if (hit == std::string_view::npos)
            return;
        const std::size_t header = lines.LineStartOf(hit, lineIndex);
        // The last line is never examined.
        if (!lines.Exists(lines.NextLine(header)))
            return;

        std::size_t dateLine = header;
        for (std::int64_t back = 1; back <= 4; ++back) {
            if (dateLine == 0)
                throw EListError(back - 1 - 4);
            dateLine = lines.PreviousLine(dateLine);
        }
        const std::string_view dateText = Trim(lines.Line(dateLine).substr(0, kDateWidth));
        const TDateTime reportDate = StrToReportDate(dateText, dateSeparator_, currentYear_);

        lineIndex = header;
        for (int i = 0; i < 3; ++i)
            lineIndex = lines.NextLine(lineIndex);
        if (window.Contains(reportDate))
            lineIndex = ParseDepartmentBlock(lines, header, lineIndex, totals);
        if (lines.Exists(lineIndex))
            lineIndex = lines.NextLine(lineIndex);
    }
}

std::size_t TReportAnalyzer::ParseDepartmentBlock(const TTextLines& lines, std::size_t headerLine,
                                                  std::size_t lineIndex, TDepartmentTotals& totals)
{
    std::int64_t offset = 3; // lineIndex stands this many lines below the header
    int previous = -1;
    for (;;) {
        if (!lines.Exists(lineIndex))
            ThrowLineIndex(lines, headerLine, offset);
        const std::size_t nameEnd = lines.LineEnd(lineIndex);
        const std::string_view nameLine = lines.Text().substr(lineIndex, nameEnd - lineIndex);
        if (IsClosingLine(nameLine))
            return lineIndex;

        const std::string_view name = Trim(nameLine);
        // Try the department that followed the previous one last time first. A name equal to
        // it but for case is the record LocateText would find, since the totals never hold two
        // names that differ only in case.
        const int guess = Successor(previous);
        int record = guess >= 0 && guess < totals.CountRecords() &&
                             EqualIgnoringCase1250(totals.ReadText(guess, TDepartmentTotals::kName), name)
                         ? guess
                         : totals.LocateText(TDepartmentTotals::kName, name);
        if (record < 0) {
            record = totals.CountRecords();
            totals.ResizeRecords(record + 1);
            totals.WriteCell(record, TDepartmentTotals::kName, std::string(name));
            totals.WriteCell(record, TDepartmentTotals::kTurnover, TAmount());
        }
        Learn(previous, record);
        previous = record;

        lineIndex = lines.AfterBreak(nameEnd);
        ++offset;
        if (!lines.Exists(lineIndex))
            ThrowLineIndex(lines, headerLine, offset);
        const std::size_t amountEnd = lines.LineEnd(lineIndex);
        const std::string_view amountLine = lines.Text().substr(lineIndex, amountEnd - lineIndex);
        const std::string_view amountText =
            Trim(amountLine.size() > kAmountColumn ? amountLine.substr(kAmountColumn) : std::string_view());
        const TAmount sum = totals.ReadAmount(record, TDepartmentTotals::kTurnover) +
                            StrToAmount(amountText, '.');
        totals.WriteCell(record, TDepartmentTotals::kTurnover, sum);

        lineIndex = lines.AfterBreak(amountEnd);
        ++offset;
        if (!lines.Exists(lineIndex))
            return lineIndex;
    }
}

} // namespace vinta
