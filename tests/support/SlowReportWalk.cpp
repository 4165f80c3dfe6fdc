#include "SlowReportWalk.h"

#include "analysis/Failure.h"
#include "analysis/ReportDate.h"
#include "analysis/StrToAmount.h"
#include "analysis/Text1250.h"

namespace vinta::test {
namespace {

const std::string kHeader = ".O B R O T \xD3 W   D Z I A \xA3 \xD3 W   Z E R U J \xA5 C Y";
const std::string kTildes(48, '~');

std::string TrimText(const std::string& s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 32)
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32)
        --e;
    return s.substr(b, e - b);
}

struct TOutOfBounds {
    long long index;
};

const std::string& At(const std::vector<std::string>& lines, long long i)
{
    if (i < 0 || i >= static_cast<long long>(lines.size()))
        throw TOutOfBounds{i};
    return lines[static_cast<std::size_t>(i)];
}

void AddTo(std::vector<std::pair<std::string, TAmount>>& totals, const std::string& name, TAmount amount,
           bool& added)
{
    for (auto& entry : totals) {
        if (UpperCase1250(entry.first) == UpperCase1250(name)) {
            entry.second = entry.second + amount;
            return;
        }
    }
    totals.emplace_back(name, TAmount());
    added = true;
    totals.back().second = totals.back().second + amount;
}

} // namespace

std::vector<std::string> SplitLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    const std::string text = bytes.substr(0, bytes.find('\0'));
    std::size_t p = 0;
    while (p < text.size()) {
        const std::size_t start = p;
        while (p < text.size() && text[p] != '\r' && text[p] != '\n')
            ++p;
        lines.push_back(text.substr(start, p - start));
        if (p < text.size() && text[p] == '\r')
            ++p;
        if (p < text.size() && text[p] == '\n')
            ++p;
    }
    return lines;
}

bool SlowAnalyzeText(const std::string& bytes, char dateSeparator, int currentYear,
                     const TDateWindow& window, TSlowResult& result)
{
    const std::vector<std::string> lines = SplitLines(bytes);
    const auto count = static_cast<long long>(lines.size());
    long long lineIndex = 0;
    try {
        while (lineIndex < count - 1) {
            if (lines[static_cast<std::size_t>(lineIndex)].find(kHeader) != std::string::npos) {
                const std::string dateText = TrimText(At(lines, lineIndex - 4).substr(0, 11));
                const TDateTime date = StrToReportDate(dateText, dateSeparator, currentYear);
                lineIndex += 3;
                if (window.begin <= date && date <= window.end) {
                    // The department block: pairs of name and amount lines up to the tildes.
                    do {
                        const std::string& nameLine = At(lines, lineIndex);
                        if (nameLine.find(kTildes) != std::string::npos)
                            break;
                        const std::string name = TrimText(nameLine);
                        bool added = false;
                        AddTo(result.totals, name, TAmount(), added);
                        ++lineIndex;
                        const std::string& amountLine = At(lines, lineIndex);
                        const std::string rest = amountLine.size() > 37 ? amountLine.substr(37) : "";
                        AddTo(result.totals, name, StrToAmount(TrimText(rest), '.'), added);
                        ++lineIndex;
                    } while (lineIndex < count);
                }
            }
            ++lineIndex;
        }
    } catch (const TOutOfBounds& e) {
        result.failure = "List index out of bounds (" + std::to_string(e.index) + ")";
        return false;
    } catch (const EFailure& e) {
        result.failure = e.what();
        return false;
    }
    return true;
}

} // namespace vinta::test
