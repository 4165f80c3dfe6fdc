#include "analysis/Text1250.h"
#include "tables/DepartmentTotals.h"
#include "tables/FileList.h"

#include <gtest/gtest.h>

using namespace vinta;

namespace {

int Append(TDepartmentTotals& t, const std::string& name1250, std::int64_t units = 0)
{
    const int r = t.CountRecords();
    t.ResizeRecords(r + 1);
    t.WriteCell(r, TDepartmentTotals::kName, name1250);
    t.WriteCell(r, TDepartmentTotals::kTurnover, TAmount::FromTenThousandths(units));
    return r;
}

struct TRecordingObserver : TTableObserver {
    std::vector<std::string> events;
    void RecordsResizing(int o, int n) override { events.push_back("resizing " + std::to_string(o) + ">" + std::to_string(n)); }
    void RecordsResized(int o, int n) override { events.push_back("resized " + std::to_string(o) + ">" + std::to_string(n)); }
    void CellWritten(int r, int c) override { events.push_back("cell " + std::to_string(r) + "," + std::to_string(c)); }
};

} // namespace

TEST(DataTable, ColumnsOfTheTwoTables)
{
    const TFileList files;
    ASSERT_EQ(files.ColumnCount(), 3);
    EXPECT_EQ(files.Column(TFileList::kFileName).caption, "Plik");
    EXPECT_EQ(files.Column(TFileList::kWriteTime).caption, "Czas zapisu");
    EXPECT_EQ(files.Column(TFileList::kFullPath).caption, "Folder");
    const TDepartmentTotals totals;
    ASSERT_EQ(totals.ColumnCount(), 2);
    EXPECT_EQ(totals.Column(TDepartmentTotals::kName).caption, "Dział");
    EXPECT_EQ(totals.Column(TDepartmentTotals::kTurnover).caption, "Suma obrotów");
    EXPECT_EQ(totals.Column(TDepartmentTotals::kTurnover).type, TValueType::Amount);
}

TEST(DataTable, ResizeAppendsUnwrittenRecordsAndZeroEmpties)
{
    TFileList files;
    EXPECT_EQ(files.CountRecords(), 0);
    files.ResizeRecords(1);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(files.ReadCell(0, 2)));
    files.WriteCell(0, 0, std::string("a.txt"));
    files.ResizeRecords(2);
    EXPECT_EQ(files.ReadText(0, 0), "a.txt");
    EXPECT_EQ(files.ReadText(1, 0), "");
    files.ResizeRecords(0);
    EXPECT_EQ(files.CountRecords(), 0);
    EXPECT_THROW(files.ReadCell(0, 0), std::out_of_range);
    EXPECT_THROW(files.ResizeRecords(-1), std::out_of_range);
}

TEST(DataTable, CellsKeepTheirTypes)
{
    TDepartmentTotals t;
    t.ResizeRecords(1);
    EXPECT_EQ(t.ReadAmount(0, TDepartmentTotals::kTurnover), TAmount());
    t.WriteCell(0, TDepartmentTotals::kTurnover, TAmount::FromTenThousandths(125000));
    EXPECT_EQ(std::get<TAmount>(t.ReadCell(0, 1)).TenThousandths(), 125000);
    EXPECT_THROW(t.WriteCell(0, TDepartmentTotals::kTurnover, std::string("12.5")), std::invalid_argument);
    EXPECT_THROW(t.WriteCell(0, TDepartmentTotals::kName, TAmount()), std::invalid_argument);
    EXPECT_THROW(t.WriteCell(1, 0, std::string()), std::out_of_range);
    EXPECT_THROW(t.WriteCell(0, 2, std::string()), std::out_of_range);
}

TEST(DataTable, LocateTextMatchesWholeTextsIgnoringCaseOfTheCodePage)
{
    TDepartmentTotals t;
    Append(t, EncodeWin1250("Pieczywo"));
    Append(t, EncodeWin1250("Mięso i wędliny"));
    Append(t, EncodeWin1250("ŁAKOCIE"));
    Append(t, "");
    const struct {
        std::string text;
        int record;
    } cases[] = {
        {"Pieczywo", 0}, {"PIECZYWO", 0}, {"pieczywo", 0}, {"Piecz", -1}, {"Pieczywo ", -1},
        {EncodeWin1250("MIĘSO I WĘDLINY"), 1}, {EncodeWin1250("mięso i wędliny"), 1},
        {EncodeWin1250("łakocie"), 2}, {"LAKOCIE", -1}, {"", 3}, {"x", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(t.LocateText(TDepartmentTotals::kName, c.text), c.record) << DecodeWin1250(c.text);
}

TEST(DataTable, LocateTextFindsTheFirstRecordAndFollowsEveryChange)
{
    TDepartmentTotals t;
    Append(t, "b");
    EXPECT_EQ(t.LocateText(0, "B"), 0); // builds the index
    Append(t, "a");
    Append(t, "A");
    EXPECT_EQ(t.LocateText(0, "a"), 1);
    // Rewriting the first "a" hands the text on to the next record that holds it.
    t.WriteCell(1, 0, std::string("c"));
    EXPECT_EQ(t.LocateText(0, "a"), 2);
    EXPECT_EQ(t.LocateText(0, "C"), 1);
    // Writing an earlier record with a text makes it the first.
    t.WriteCell(0, 0, std::string("a"));
    EXPECT_EQ(t.LocateText(0, "a"), 0);
    EXPECT_EQ(t.LocateText(0, "b"), -1);
    // An unwritten cell counts as the empty text.
    t.ResizeRecords(4);
    EXPECT_EQ(t.LocateText(0, ""), 3);
    // Shrinking drops what stood past the end; emptying drops everything.
    t.ResizeRecords(2);
    EXPECT_EQ(t.LocateText(0, "a"), 0);
    EXPECT_EQ(t.LocateText(0, ""), -1);
    t.ResizeRecords(0);
    EXPECT_EQ(t.LocateText(0, "a"), -1);
    Append(t, "a");
    EXPECT_EQ(t.LocateText(0, "A"), 0);
}

TEST(DataTable, ObserverSeesEveryChangeInOrder)
{
    TDepartmentTotals t;
    TRecordingObserver observer;
    t.SetObserver(&observer);
    Append(t, "a");
    t.ResizeRecords(0);
    EXPECT_EQ(observer.events, (std::vector<std::string>{"resizing 0>1", "resized 0>1", "cell 0,0", "cell 0,1",
                                                         "resizing 1>0", "resized 1>0"}));
}
