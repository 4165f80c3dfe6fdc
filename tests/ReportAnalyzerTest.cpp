#include "ReportText.h"
#include "SlowReportWalk.h"
#include "TempDir.h"
#include "analysis/DateTime.h"
#include "analysis/Failure.h"
#include "analysis/ReportAnalyzer.h"
#include "analysis/Text1250.h"
#include "tables/DepartmentTotals.h"
#include "tables/FileList.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using namespace vinta;
using namespace vinta::test;

namespace {

constexpr int kYear = 2026;
const TDateWindow kDecember2023{EncodeDate(2023, 12, 1), EncodeDateTime({2023, 12, 31, 23, 59, 59, 999})};

TSlowResult ResultOf(const TDepartmentTotals& totals)
{
    TSlowResult result;
    for (int r = 0; r < totals.CountRecords(); ++r)
        result.totals.emplace_back(std::string(totals.ReadText(r, 0)), totals.ReadAmount(r, 1));
    return result;
}

// The fast analyzer over several texts, one after another, as over the files of a list.
TSlowResult Fast(const std::vector<std::string>& texts, const TDateWindow& window = kDecember2023, char sep = '-')
{
    TDepartmentTotals totals;
    TReportAnalyzer analyzer(sep, kYear);
    std::optional<std::string> failure;
    try {
        for (const auto& text : texts)
            analyzer.AnalyzeText(text, totals, window);
    } catch (const EFailure& e) {
        failure = e.what();
    }
    TSlowResult result = ResultOf(totals);
    result.failure = failure;
    return result;
}

TSlowResult Slow(const std::vector<std::string>& texts, const TDateWindow& window = kDecember2023, char sep = '-')
{
    TSlowResult result;
    for (const auto& text : texts)
        if (!SlowAnalyzeText(text, sep, kYear, window, result))
            break;
    return result;
}

TAmount Units(std::int64_t units)
{
    return TAmount::FromTenThousandths(units);
}

using TTotals = std::vector<std::pair<std::string, TAmount>>;

// The fast and the slow walk agree, and give what the case expects.
void ExpectBoth(const std::vector<std::string>& texts, const TTotals& totals,
                const std::optional<std::string>& failure = std::nullopt, const TDateWindow& window = kDecember2023)
{
    const TSlowResult fast = Fast(texts, window);
    const TSlowResult slow = Slow(texts, window);
    EXPECT_EQ(fast, slow) << "fast and slow walks differ";
    EXPECT_EQ(fast.totals, totals);
    EXPECT_EQ(fast.failure, failure);
}

std::string ThirtySeven()
{
    return "1234567890123456789012345678901234567";
}

} // namespace

TEST(ReportAnalyzer, WorkedExample)
{
    const std::vector<std::string> lines = {
        "31-12-2023 any text", "line 1", "line 2", "line 3", "   " + HeaderText() + "  ",
        HeaderText(), HeaderText(), // lines 5 and 6 are not read
        "   Pieczywo \t", ThirtySeven() + "12.50", Tildes()};
    ExpectBoth({JoinLines(lines)}, {{"Pieczywo", Units(125000)}});

    // Outside the window nothing is added, and the scan goes on at line 8: a header on line 7
    // is passed over, one on line 8 is examined and its date line is line 4.
    std::vector<std::string> outside = lines;
    outside[0] = "30-11-2023";
    outside[7] = HeaderText();
    ExpectBoth({JoinLines(outside)}, {});
    outside[8] = HeaderText();
    ExpectBoth({JoinLines(outside)}, {}, "'.O B R O' is not a valid date");
}

TEST(ReportAnalyzer, LineBreaksOfEveryKind)
{
    const std::vector<std::string> lines = {"31-12-2023", "a", "b", "c", HeaderText(), "d", "e",
                                            "Pieczywo",   AmountLine("1.00"), Tildes()};
    for (const std::string lineBreak : {"\r\n", "\n", "\r"})
        ExpectBoth({JoinLines(lines, lineBreak)}, {{"Pieczywo", Units(10000)}});
    // LF CR ends a line and then an empty one: every line gets an empty one after it, so four
    // lines above the header stands "b".
    ExpectBoth({JoinLines(lines, "\n\r")}, {}, "'b' is not a valid date");
    // A final line break adds no line: the last amount line ends the report without tildes.
    const std::string noClose = JoinLines({"31-12-2023", "a", "b", "c", HeaderText(), "d", "e", "X", AmountLine("2")});
    ExpectBoth({noClose}, {{"X", Units(20000)}});
    ExpectBoth({noClose.substr(0, noClose.size() - 2)}, {{"X", Units(20000)}});
}

TEST(ReportAnalyzer, FirstNulEndsTheText)
{
    const std::string report = Report("31-12-2023", {{"A", "1"}, {"B", "2"}});
    const std::size_t cut = report.find("B\r\n");
    std::string withNul = report;
    withNul.insert(cut, 1, '\0');
    // The text ends before B: A's amount line is the last line and ends the report.
    ExpectBoth({withNul}, {{"A", Units(10000)}});
    ExpectBoth({std::string("\0", 1) + report}, {});
}

TEST(ReportAnalyzer, HeaderPlacesThatFailOrPassUnnoticed)
{
    // On line 2 the date line would stand at -2.
    ExpectBoth({JoinLines({"a", "b", HeaderText(), "c", "d", "X", AmountLine("1"), Tildes()})}, {},
               "List index out of bounds (-2)");
    ExpectBoth({JoinLines({HeaderText(), "c"})}, {}, "List index out of bounds (-4)");
    // On the last line it is never examined.
    ExpectBoth({JoinLines({"a", "b", HeaderText()})}, {});
    ExpectBoth({JoinLines({"31-12-2023", "a", "b", "c", HeaderText()})}, {});
    // On the line before the last: in the window the first name line h + 3 is missing.
    ExpectBoth({JoinLines({"31-12-2023", "a", "b", "c", HeaderText(), "d"})}, {}, "List index out of bounds (7)");
    ExpectBoth({JoinLines({"30-11-2023", "a", "b", "c", HeaderText(), "d"})}, {});
    // The amount line of the last name is missing.
    ExpectBoth({JoinLines({"31-12-2023", "a", "b", "c", HeaderText(), "d", "e", "X"})}, {{"X", TAmount()}},
               "List index out of bounds (8)");
}

TEST(ReportAnalyzer, WindowBounds)
{
    const std::string report = Report("15-12-2023", {{"A", "1"}});
    const TDateTime day = EncodeDate(2023, 12, 15);
    const TTotals one = {{"A", Units(10000)}};
    ExpectBoth({report}, one, std::nullopt, {day, day});
    ExpectBoth({report}, one, std::nullopt, {kNullDate, day});
    ExpectBoth({report}, {}, std::nullopt, {day + 1, kNullDate});
    ExpectBoth({report}, {}, std::nullopt, {kNullDate, kNullDate});
    ExpectBoth({report}, {}, std::nullopt, {day + 1, day + 2});
    // A window that ends at 00:00 of the day still holds a report of that day.
    ExpectBoth({report}, one, std::nullopt, {day - 5, day});
}

TEST(ReportAnalyzer, DepartmentsAreTrimmedCaseFreeNamesInOrderFirstMet)
{
    const std::string a = Report("01-12-2023", {{" \tPieczywo ", "1.50"},
                                                {EncodeWin1250("Łakocie"), "2"},
                                                {"", "3"},
                                                {"Napoje", "-0.25"}});
    const std::string b = Report("02-12-2023", {{"PIECZYWO", "10"},
                                                {EncodeWin1250("  ŁAKOCIE"), "-1"},
                                                {" \t ", "4"},
                                                {"napoje", "0.25"}});
    ExpectBoth({a + b}, {{"Pieczywo", Units(115000)},
                         {EncodeWin1250("Łakocie"), Units(10000)},
                         {"", Units(70000)},
                         {"Napoje", Units(0)}});
}

TEST(ReportAnalyzer, AmountLines)
{
    ExpectBoth({Report("01-12-2023", {{"short", std::string()}})}, {{"short", TAmount()}});
    const std::string exactly37 = JoinLines({"01-12-2023", "a", "b", "c", HeaderText(), "d", "e", "X",
                                             ThirtySeven(), "Y", ThirtySeven().substr(0, 10), Tildes()});
    ExpectBoth({exactly37}, {{"X", TAmount()}, {"Y", TAmount()}});
    ExpectBoth({Report("01-12-2023", {{"A", "12,50"}, {"B", "1 234.00"}, {"C", "  -7.5  "}, {"D", "12.50 zł"}})},
               {{"A", TAmount()}, {"B", TAmount()}, {"C", Units(-75000)}, {"D", TAmount()}});
}

TEST(ReportAnalyzer, ClosingLine)
{
    // 47 tildes do not close: the line is a department name; 49 close, anywhere in the line.
    ExpectBoth({JoinLines({"01-12-2023", "a", "b", "c", HeaderText(), "d", "e", "A", AmountLine("1"),
                           Tildes(47), AmountLine("2"), "x " + Tildes(49) + " x", "B", AmountLine("3")})},
               {{"A", Units(10000)}, {Tildes(47), Units(20000)}});
    // Tildes where an amount is due are read as an amount (0) and the next line is a name.
    ExpectBoth({JoinLines({"01-12-2023", "a", "b", "c", HeaderText(), "d", "e", "A", Tildes(), "B", AmountLine("3"),
                           Tildes()})},
               {{"A", TAmount()}, {"B", Units(30000)}});
}

TEST(ReportAnalyzer, OtherEncodingsYieldNoReports)
{
    const std::string utf8Header = ".O B R O T Ó W   D Z I A Ł Ó W   Z E R U J Ą C Y";
    std::string report = Report("01-12-2023", {{"A", "1"}});
    report.replace(report.find(HeaderText()), HeaderText().size(), utf8Header);
    ExpectBoth({report}, {});
    std::string lower = Report("01-12-2023", {{"A", "1"}});
    lower.replace(lower.find(HeaderText()), 2, ".o");
    ExpectBoth({lower}, {});
}

TEST(ReportAnalyzer, TheSameReportInTwoFilesCountsTwice)
{
    const std::string report = Report("01-12-2023", {{"A", "1.25"}});
    ExpectBoth({report, report}, {{"A", Units(25000)}});
}

TEST(ReportAnalyzer, SumsBeyondTheRangeRaiseOverflowAndKeepTheTotals)
{
    const std::string big = Report("01-12-2023", {{"A", "900000000000000"}, {"B", "1"}});
    ExpectBoth({big}, {{"A", Units(9'000'000'000'000'000'000)}, {"B", Units(10000)}});
    // The second addition leaves the range: A keeps its total, B is never reached.
    ExpectBoth({big, big}, {{"A", Units(9'000'000'000'000'000'000)}, {"B", Units(10000)}}, "Arithmetic overflow");
    const std::string negative = Report("01-12-2023", {{"A", "-900000000000000"}});
    ExpectBoth({negative, negative}, {{"A", Units(-9'000'000'000'000'000'000)}}, "Arithmetic overflow");
}

// Texts made of the lines that matter, in every order: the fast walk must give exactly what
// the line-by-line walk gives, failures included.
TEST(ReportAnalyzer, FastWalkEqualsLineByLineWalkOnRandomTexts)
{
    const std::vector<std::string> pieces = {
        HeaderText(), "  " + HeaderText() + " x", Tildes(), Tildes(47), "31-12-2023", "01-12-2023 12:00",
        "30-11-2023", "15-12-23", "xx-12-2023", "", " ", "Pieczywo", "PIECZYWO ", "\tpieczywo",
        EncodeWin1250("Łakocie"), EncodeWin1250("ŁAKOCIE"), AmountLine("1.5"), AmountLine("-2.25"),
        AmountLine("abc"), AmountLine("1E3"), ThirtySeven(), "15-12",
    };
    const std::vector<std::string> breaks = {"\r\n", "\n", "\r", "\n\r", "\r\r\n", std::string("\0", 1)};
    std::uint64_t state = 42;
    const auto next = [&state](std::uint64_t bound) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::size_t>((state >> 33) % bound);
    };
    int failures = 0, withTotals = 0;
    for (int round = 0; round < 4000; ++round) {
        std::vector<std::string> texts(1 + next(3));
        for (auto& text : texts) {
            const std::size_t lines = next(24);
            for (std::size_t i = 0; i < lines; ++i) {
                text += pieces[next(pieces.size())];
                const std::size_t b = next(20);
                text += b < breaks.size() ? breaks[b] : "\r\n";
            }
        }
        const TSlowResult fast = Fast(texts);
        const TSlowResult slow = Slow(texts);
        ASSERT_EQ(fast, slow) << "round " << round;
        failures += fast.failure.has_value();
        withTotals += !fast.totals.empty();
    }
    // The vocabulary reaches both outcomes often.
    EXPECT_GT(failures, 400);
    EXPECT_GT(withTotals, 100);
}

TEST(ReportAnalyzer, AnalyzeFilesReadsTheListInRecordOrderAndKeepsTotalsOnFailure)
{
    const TTempDir dir;
    TFileList files;
    const auto add = [&files](const std::string& path) {
        const int r = files.CountRecords();
        files.ResizeRecords(r + 1);
        files.WriteCell(r, TFileList::kFullPath, path);
    };
    add(dir.Write("a.txt", Report("01-12-2023", {{"A", "1"}})));
    add(dir.Write("b.txt", Report("02-12-2023", {{"a", "2"}, {"B", "3"}})));
    TDepartmentTotals totals;
    TReportAnalyzer analyzer('-', kYear);
    analyzer.AnalyzeFiles(files, totals, kDecember2023);
    const TTotals expected = {{"A", Units(30000)}, {"B", Units(30000)}};
    EXPECT_EQ(ResultOf(totals).totals, expected);
    // Running it again starts from empty totals and gives the same.
    analyzer.AnalyzeFiles(files, totals, kDecember2023);
    EXPECT_EQ(ResultOf(totals).totals, expected);

    // A file that is gone ends the run; the files before it have counted, none after it.
    add(dir.Path() + "/gone.txt");
    add(dir.Write("c.txt", Report("03-12-2023", {{"C", "1"}})));
    try {
        analyzer.AnalyzeFiles(files, totals, kDecember2023);
        FAIL() << "no failure";
    } catch (const EInOutError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + dir.Path() + "/gone.txt");
        EXPECT_EQ(e.Path(), dir.Path() + "/gone.txt");
    }
    EXPECT_EQ(ResultOf(totals).totals, expected);

    // An empty list leaves the totals empty.
    files.ResizeRecords(0);
    analyzer.AnalyzeFiles(files, totals, kDecember2023);
    EXPECT_EQ(totals.CountRecords(), 0);
}

TEST(ReportAnalyzer, ListedEntriesThatAreNoRegularFileCannotBeOpened)
{
    const TTempDir dir;
    TFileList files;
    files.ResizeRecords(1);
    files.WriteCell(0, TFileList::kFullPath, dir.MakeFolder("folder.txt"));
    TDepartmentTotals totals;
    TReportAnalyzer analyzer('-', kYear);
    EXPECT_THROW(analyzer.AnalyzeFiles(files, totals, kDecember2023), EInOutError);
}

TEST(ErrorReport, AppendsAFullStopAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(ErrorReportText("Cannot open file /a/b.txt"), "Cannot open file /a/b.txt.");
    EXPECT_EQ(ErrorReportText("List index out of bounds (-2)"), "List index out of bounds (-2)");
    EXPECT_EQ(ErrorReportText("'' is not a valid date"), "'' is not a valid date.");
    EXPECT_EQ(ErrorReportText("Ends with."), "Ends with.");
    EXPECT_EQ(ErrorReportText("Ends with -"), "Ends with -");
    EXPECT_EQ(ErrorReportText("Ends in ł"), "Ends in ł.");
}
