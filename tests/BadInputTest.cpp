// Inputs no device writes: each gives a result or one of the failures, never a crash or a hang.
#include "ReportText.h"
#include "SlowReportWalk.h"
#include "TempDir.h"
#include "analysis/DateTime.h"
#include "analysis/Failure.h"
#include "analysis/FileSearch.h"
#include "analysis/ReportAnalyzer.h"
#include "tables/DepartmentTotals.h"
#include "tables/FileList.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

using namespace vinta;
using namespace vinta::test;

namespace {

const TDateWindow kAll{kNullDate, EncodeDate(9999, 12, 31)};

struct TOutcome {
    std::vector<std::pair<std::string, TAmount>> totals;
    std::optional<std::string> failure;
};

TOutcome Analyze(const std::string& text)
{
    TDepartmentTotals totals;
    TReportAnalyzer analyzer('-', 2026);
    TOutcome outcome;
    try {
        analyzer.AnalyzeText(text, totals, kAll);
    } catch (const EFailure& e) {
        outcome.failure = e.what();
    }
    for (int r = 0; r < totals.CountRecords(); ++r)
        outcome.totals.emplace_back(std::string(totals.ReadText(r, 0)), totals.ReadAmount(r, 1));
    return outcome;
}

void ExpectSameAsSlow(const std::string& text)
{
    const TOutcome fast = Analyze(text);
    TSlowResult slow;
    SlowAnalyzeText(text, '-', 2026, kAll, slow);
    EXPECT_EQ(fast.totals, slow.totals);
    EXPECT_EQ(fast.failure, slow.failure);
}

std::string RandomBytes(std::size_t size, std::uint64_t seed)
{
    std::string bytes(size, '\0');
    for (auto& b : bytes) {
        seed ^= seed << 13, seed ^= seed >> 7, seed ^= seed << 17;
        b = static_cast<char>(seed);
    }
    return bytes;
}

} // namespace

TEST(BadInput, RandomBytes)
{
    for (std::uint64_t seed = 1; seed <= 8; ++seed)
        ExpectSameAsSlow(RandomBytes(256 * 1024, seed));
    // Random bytes with real reports spliced in.
    std::string mixed;
    for (std::uint64_t seed = 1; seed <= 50; ++seed)
        mixed += RandomBytes(2000, seed) + "\r\n" + Report("01-12-2023", {{"A", "1"}}) + "\r\n";
    ExpectSameAsSlow(mixed);
}

TEST(BadInput, OnlyBreaksOrOnlyNuls)
{
    const struct {
        std::string text;
    } cases[] = {{std::string(1 << 20, '\r')}, {std::string(1 << 20, '\n')}, {std::string(1 << 20, '\0')},
                 {std::string("\n\r", 2).append(1 << 20, '\r')}};
    for (const auto& c : cases) {
        const TOutcome outcome = Analyze(c.text);
        EXPECT_TRUE(outcome.totals.empty());
        EXPECT_FALSE(outcome.failure);
    }
}

TEST(BadInput, HeaderOnEveryLine)
{
    std::vector<std::string> lines(100'000, HeaderText());
    ExpectSameAsSlow(JoinLines(lines));
    EXPECT_EQ(Analyze(JoinLines(lines)).failure, "List index out of bounds (-4)");
    // With four dates first, the fifth line's report is read; the date line of the next
    // header four lines further down is itself a header.
    std::vector<std::string> dated = {"01-12-2023", "01-12-2023", "01-12-2023", "01-12-2023"};
    dated.insert(dated.end(), 1000, HeaderText());
    ExpectSameAsSlow(JoinLines(dated));
}

TEST(BadInput, OneHugeLine)
{
    // 200 MB without a break, with headers in it: one line, and the last, so never examined.
    std::string huge(200u << 20, 'x');
    for (std::size_t at = 0; at + 100 < huge.size(); at += 10u << 20)
        huge.replace(at, HeaderText().size(), HeaderText());
    EXPECT_FALSE(Analyze(huge).failure);
    // A break after it makes it line 0, with no line four above.
    EXPECT_EQ(Analyze(huge + "\r\nx").failure, "List index out of bounds (-4)");
    // Four dated lines before it: the report inside the window runs out of lines.
    EXPECT_EQ(Analyze("01-12-2023\r\n\r\n\r\n\r\n" + huge + "\r\nx").failure, "List index out of bounds (7)");
}

TEST(BadInput, ReportWithAHundredThousandDepartments)
{
    std::vector<std::pair<std::string, std::string>> departments;
    for (int i = 0; i < 100'000; ++i)
        departments.emplace_back("Dzia\xB3 " + std::to_string(i), std::to_string(i % 100) + ".01");
    const std::string report = Report("01-12-2023", departments);
    const TOutcome outcome = Analyze(report + Report("02-12-2023", departments));
    ASSERT_FALSE(outcome.failure);
    ASSERT_EQ(outcome.totals.size(), 100'000u);
    EXPECT_EQ(outcome.totals[99'999].first, "Dzia\xB3 99999");
    EXPECT_EQ(outcome.totals[99'999].second, TAmount::FromTenThousandths(2 * 990'100));
}

TEST(BadInput, LongNamesAndLongAmounts)
{
    const std::string longName(10'000, '\xB9'); // ą
    const std::string longUpper(10'000, '\xA5'); // Ą
    const TOutcome outcome = Analyze(Report("01-12-2023", {{longName, "1"},
                                                          {longUpper, std::string(5000, '7')},
                                                          {"digits", std::string(5000, '0') + "12.5"},
                                                          {"fraction", "0." + std::string(5000, '9')}}));
    ASSERT_FALSE(outcome.failure);
    ASSERT_EQ(outcome.totals.size(), 3u);
    EXPECT_EQ(outcome.totals[0].first, longName);
    EXPECT_EQ(outcome.totals[0].second, TAmount::FromTenThousandths(10000)); // 5000 digits are beyond the range
    EXPECT_EQ(outcome.totals[1].second, TAmount::FromTenThousandths(125000));
    EXPECT_EQ(outcome.totals[2].second, TAmount::FromTenThousandths(10000));
}

TEST(BadInput, FolderOfAHundredThousandEntries)
{
    const TTempDir dir;
    const std::string folder = dir.MakeFolder("big");
    for (int i = 0; i < 100'000; ++i) {
        const std::string name = folder + "/f" + std::to_string(i) + (i % 10 == 0 ? ".txt" : ".dat");
        std::ofstream(name).put('x');
    }
    TFileList files;
    TRegionalSettings settings;
    TFileSearch(settings).SearchFolder(dir.Path(), files, {kNullDate, EncodeDate(9999, 1, 1)});
    ASSERT_EQ(files.CountRecords(), 10'000);
    std::set<std::string> paths;
    for (int r = 0; r < files.CountRecords(); ++r)
        paths.emplace(files.ReadText(r, TFileList::kFullPath));
    EXPECT_EQ(paths.size(), 10'000u);
}
