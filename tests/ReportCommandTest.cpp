#include "Process.h"
#include "ReportText.h"
#include "TempDir.h"
#include "TestSettings.h"
#include "analysis/Text1250.h"
#include "cli/ReportCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

using namespace vinta;
using namespace vinta::test;

namespace {

const TFixedClock kClock({2024, 1, 20, 10, 0, 0, 0});

struct TRun {
    int status;
    std::string out, err;
};

TRun RunReport(const std::vector<std::string>& args, const TRegionalSettings& settings = {})
{
    TReportCommand command(settings, kClock);
    std::ostringstream out, err;
    const int status = command.Run(args, out, err);
    return {status, out.str(), err.str()};
}

// A folder with the reports of 1 and 31 December 2023 in one file written on the 31st, and
// one of November in a file written then.
std::string December(const TTempDir& dir)
{
    const std::string a = dir.Write("kasa/a.txt", Report("01-12-2023 08:00", {{"Pieczywo", "12.50"},
                                                                              {EncodeWin1250("Łakocie"), "3"}}) +
                                                      Report("31-12-2023", {{"PIECZYWO", "-2.5"},
                                                                            {"Nap\tje\\x", "1.2345"}}));
    SetWriteTime(a, 2023, 12, 31, 23, 30, 0);
    const std::string old = dir.Write("kasa/old.txt", Report("30-11-2023", {{"Stary", "1"}}));
    SetWriteTime(old, 2023, 11, 30, 20, 0, 0);
    return dir.Path();
}

} // namespace

TEST(ReportCommand, TableTsvAndListOfTheWindow)
{
    const TTempDir dir;
    const std::string folder = December(dir);
    const TRun table = RunReport({"--from", "2023-12-01", "--to", "2023-12-31", folder}, PolishCurrency());
    EXPECT_EQ(table.status, 0) << table.err;
    EXPECT_EQ(table.out, "Dział     Suma obrotów  \n"
                         "Pieczywo  10,00 zł      \n"
                         "Łakocie   3,00 zł       \n"
                         "Nap\tje\\x  1,23 zł       \n");

    const TRun tsv = RunReport({"--tsv", "--from", "2023-12-01", "--to", "2023-12-31", folder});
    EXPECT_EQ(tsv.status, 0);
    EXPECT_EQ(tsv.out, "Pieczywo\t10.0000\nŁakocie\t3.0000\nNap\\tje\\\\x\t1.2345\n");

    // The named end day counts whole: the file of 31 December 23:30 is in.
    const TRun list = RunReport({"--list", "--from", "2023-12-31", "--to", "2023-12-31", folder});
    EXPECT_EQ(list.out, "a.txt\t2023-12-31 23:30:00\t" + folder + "/kasa/a.txt\n");
    // The default window is the whole month before the clock's: December 2023.
    EXPECT_EQ(RunReport({"--tsv", folder}).out, tsv.out);
    EXPECT_EQ(RunReport({"--tsv", "--from", "2023-12-02", folder}).out, "PIECZYWO\t-2.5000\nNap\\tje\\\\x\t1.2345\n");
    EXPECT_EQ(RunReport({"--tsv", "--to", "2023-11-30", folder}).out, "");
}

TEST(ReportCommand, FailuresExitWithOneAndKeepTheTotals)
{
    const TTempDir dir;
    const std::string folder = December(dir);
    const std::string bad = dir.Write("kasa3/c.txt", JoinLines({"x", HeaderText(), "y"}));
    SetWriteTime(bad, 2023, 12, 15, 12, 0, 0);
    const TRun run = RunReport({"--tsv", "--from", "2023-12-01", "--to", "2023-12-31", folder});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "List index out of bounds (-3)\n");
    // What was added before the failure is printed: the good file's totals if the search met
    // it first, nothing otherwise.
    EXPECT_TRUE(run.out.empty() || run.out == "Pieczywo\t10.0000\nŁakocie\t3.0000\nNap\\tje\\\\x\t1.2345\n")
        << run.out;

    const std::string date = dir.Write("kasa4/d.txt", Report("1.12.2023", {{"A", "1"}}));
    SetWriteTime(date, 2023, 12, 15, 12, 0, 0);
    std::filesystem::remove(bad);
    const TRun dateRun = RunReport({"--tsv", "--from", "2023-12-01", "--to", "2023-12-31", folder});
    EXPECT_EQ(dateRun.status, 1);
    EXPECT_EQ(dateRun.err, "'1.12.2023' is not a valid date.\n");
}

TEST(ReportCommand, BadUsageExitsWithTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--from", "2023-13-01", "x"},
        {"--from", "2023-02-29", "x"},
        {"--to", "31-12-2023", "x"},
        {"--to"},
        {"--list", "--tsv", "x"},
        {"--bogus", "x"},
        {"a", "b"},
    };
    for (const auto& args : cases) {
        const TRun run = RunReport(args);
        EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(run.err.find("usage: vinta-report"), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
    // After "--" a folder may begin with a dash.
    EXPECT_EQ(RunReport({"--tsv", "--", "-folder"}).status, 0);
}

TEST(ReportCommand, EmptyFolderSearchesTheRoot)
{
    const TTempDir dir;
    December(dir);
    TReportCommand command({}, kClock);
    command.SetRootFolder(dir.Path());
    std::ostringstream out, err;
    EXPECT_EQ(command.Run({"--list", ""}, out, err), 0);
    const std::string text = out.str();
    EXPECT_EQ(text, "a.txt\t2023-12-31 23:30:00\t" + dir.Path() + "/kasa/a.txt\n");
}

// The real program, with the user's locale read from the environment.
TEST(ReportCommandProcess, RegionalSettingsComeFromTheLocale)
{
    const TTempDir dir;
    const std::string a = dir.Write("a.txt", Report("01.12.2023", {{"Pieczywo", "1234567.891"}, {"Mleko", "-12.5"}}));
    SetWriteTime(a, 2023, 12, 1, 12, 0, 0);
    const TProcessResult pl = RunProcess({VINTA_REPORT_EXE, "--from", "2023-12-01", "--to", "2023-12-31", dir.Path()},
                                         {"LC_ALL=pl_PL.UTF-8"});
    EXPECT_EQ(pl.status, 0) << pl.err;
    EXPECT_EQ(pl.out, "Dział     Suma obrotów     \n"
                      "Pieczywo  1\u00A0234\u00A0567,89 zł  \n"
                      "Mleko     -12,50 zł        \n");
    const TProcessResult list = RunProcess({VINTA_REPORT_EXE, "--list", "--from", "2023-12-01", "--to",
                                            "2023-12-31", dir.Path()},
                                           {"LC_ALL=", "LANG=pl_PL.UTF-8"});
    EXPECT_EQ(list.out, "a.txt\t2023.12.01 12:00:00\t" + dir.Path() + "/a.txt\n");
    // With en_US the date separator is "/", which the report's date does not carry.
    const TProcessResult en = RunProcess({VINTA_REPORT_EXE, "--from", "2023-12-01", "--to", "2023-12-31", dir.Path()},
                                         {"LC_ALL=en_US.UTF-8"});
    EXPECT_EQ(en.status, 1);
    EXPECT_EQ(en.err, "'01.12.2023' is not a valid date.\n");
    EXPECT_EQ(en.out, "Dział  Suma obrotów  \n");
}

// Generated electronic copy against what the generator says it wrote.
TEST(ReportCommandProcess, GeneratedArchiveTotalsMatchTheManifest)
{
    const TTempDir dir;
    const std::string manifest = dir.Path() + "/manifest.tsv";
    const TProcessResult gen = RunProcess({VINTA_SAMPLE_EXE, "--out", dir.Path() + "/kopia", "--seed", "7",
                                           "--devices", "2", "--from", "2023-11-25", "--to", "2024-01-05",
                                           "--manifest", manifest});
    ASSERT_EQ(gen.status, 0) << gen.err;

    // Canonical name (upper-cased) to the sum of the amounts of December's reports.
    std::map<std::string, std::int64_t> expected;
    std::ifstream in(manifest);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string date, name, amount;
        std::getline(fields, date, '\t');
        std::getline(fields, name, '\t');
        std::getline(fields, amount, '\t');
        if (date < "2023-12-01" || date > "2023-12-31")
            continue;
        const auto dot = amount.find('.');
        const std::int64_t whole = std::stoll(amount.substr(0, dot));
        std::int64_t frac = std::stoll(amount.substr(dot + 1));
        if (amount[0] == '-')
            frac = -frac;
        expected[UpperCase1250(EncodeWin1250(name))] += whole * 10000 + frac;
    }
    ASSERT_FALSE(expected.empty());

    const TProcessResult run = RunProcess({VINTA_REPORT_EXE, "--tsv", "--from", "2023-12-01", "--to", "2023-12-31",
                                           dir.Path() + "/kopia"},
                                          {"LC_ALL=C.UTF-8"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::map<std::string, std::int64_t> actual;
    std::istringstream out(run.out);
    while (std::getline(out, line)) {
        const auto tab = line.find('\t');
        const std::string amount = line.substr(tab + 1);
        const auto dot = amount.find('.');
        std::int64_t frac = std::stoll(amount.substr(dot + 1));
        if (amount[0] == '-')
            frac = -frac;
        const std::string key = UpperCase1250(EncodeWin1250(line.substr(0, tab)));
        EXPECT_EQ(actual.count(key), 0u) << "department listed twice: " << line;
        actual[key] = std::stoll(amount.substr(0, dot)) * 10000 + frac;
    }
    EXPECT_EQ(actual, expected);
}

TEST(ReportCommand, ListKeepsOneLinePerFileWhateverTheNames)
{
    const TTempDir dir;
    const std::vector<std::string> names = {"with space.txt", "new\nline.txt", "a&b.txt", "tab\there.txt",
                                            "back\\slash.txt", "bad\xFF\xFE.txt", "zażółć.TXT", "cr\rlf.txt"};
    for (const auto& name : names)
        SetWriteTime(dir.Write("odd/" + name, "x"), 2023, 12, 10, 12, 0, 0);
    const TRun run = RunReport({"--list", "--from", "2023-12-01", "--to", "2023-12-31", dir.Path()});
    ASSERT_EQ(run.status, 0);
    std::vector<std::string> lines;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), names.size());
    std::vector<std::string> shown;
    for (const auto& line : lines) {
        ASSERT_EQ(std::count(line.begin(), line.end(), '\t'), 2) << line;
        shown.push_back(line.substr(0, line.find('\t')));
        EXPECT_EQ(line.substr(line.rfind('\t') + 1), EscapeField(dir.Path() + "/odd/") + shown.back());
    }
    std::sort(shown.begin(), shown.end());
    std::vector<std::string> expected = {"with space.txt", "new\\nline.txt", "a&b.txt", "tab\\there.txt",
                                         "back\\\\slash.txt", "bad\uFFFD\uFFFD.txt", "zażółć.TXT", "cr\\rlf.txt"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(shown, expected);
}
