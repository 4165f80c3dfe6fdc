// The cost of one department (its name and amount line) as the number of departments grows: the same million
// department lines, spread over reports of 10, 300, 10,000 and 100,000 departments, analysed in
// memory. Prints nanoseconds per line and the ratio to 300 departments; it must stay flat.
#include "analysis/DateTime.h"
#include "analysis/ReportAnalyzer.h"
#include "tables/DepartmentTotals.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace vinta;

namespace {

constexpr std::size_t kLines = 1'000'000;

// Texts of about 1 MB each holding reports of `departments` departments, names in two spellings.
std::vector<std::string> MakeTexts(std::size_t departments)
{
    std::vector<std::string> texts(1);
    const std::string header = "      " + std::string(kReportHeader) + "\r\n";
    std::string label(37, ' ');
    label.replace(2, 15, "Sprzeda\xBF brutto");
    for (std::size_t done = 0, report = 0; done < kLines; ++report) {
        std::string& text = texts.back();
        text += "15-12-2023 23:5" + std::to_string(report % 10) + "       #0001\r\nNIP 123-456-78-90\r\n-----\r\n\r\n";
        text += header + "-----\r\nDzia\xB3   Obr\xF3t\r\n";
        for (std::size_t d = 0; d < departments && done < kLines; ++d, ++done) {
            text += (d % 7 == 3 ? "  DZIA\xA3 " : "  Dzia\xB3 ") + std::to_string(d) + "\r\n";
            text += label + std::to_string(d % 1000) + "." + std::to_string(10 + d % 90) + "\r\n";
        }
        text += std::string(48, '~') + "\r\n";
        if (text.size() > (1u << 20))
            texts.emplace_back();
    }
    return texts;
}

double SecondsFor(const std::vector<std::string>& texts)
{
    const TDateWindow window{EncodeDate(2023, 12, 1), EncodeDate(2023, 12, 31)};
    std::vector<double> runs;
    for (int run = 0; run < 5; ++run) {
        TDepartmentTotals totals;
        TReportAnalyzer analyzer('-', 2026);
        const auto start = std::chrono::steady_clock::now();
        for (const auto& text : texts)
            analyzer.AnalyzeText(text, totals, window);
        runs.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

} // namespace

int main()
{
    const std::size_t counts[] = {10, 300, 10'000, 100'000};
    double perLine[4] = {};
    for (int i = 0; i < 4; ++i)
        perLine[i] = SecondsFor(MakeTexts(counts[i])) * 1e9 / kLines;
    std::printf("| departments per report | ns per department (name and amount line) | ratio to 300 |\n|---|---|---|\n");
    for (int i = 0; i < 4; ++i)
        std::printf("| %zu | %.1f | %.3f |\n", counts[i], perLine[i], perLine[i] / perLine[1]);
    return 0;
}
