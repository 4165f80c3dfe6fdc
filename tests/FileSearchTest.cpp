#include "TempDir.h"
#include "analysis/DateTime.h"
#include "analysis/FileSearch.h"
#include "tables/DepartmentTotals.h"
#include "tables/FileList.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace vinta;
using namespace vinta::test;

namespace {

const TDateWindow kAllOf2024{EncodeDate(2024, 1, 1), EncodeDateTime({2024, 12, 31, 23, 59, 59, 999})};

TRegionalSettings Settings(const std::string& dateSeparator = "-", const std::string& timeSeparator = ":")
{
    TRegionalSettings s;
    s.dateSeparator = dateSeparator;
    s.timeSeparator = timeSeparator;
    return s;
}

std::vector<std::string> Column(const TFileList& files, int column)
{
    std::vector<std::string> values;
    for (int r = 0; r < files.CountRecords(); ++r)
        values.emplace_back(files.ReadText(r, column));
    return values;
}

std::vector<std::string> Search(const std::string& folder, const TDateWindow& window = kAllOf2024,
                                int column = TFileList::kFileName)
{
    TFileList files;
    TFileSearch(Settings()).SearchFolder(folder, files, window);
    return Column(files, column);
}

// What a depth-first walk in directory order gives, through the standard library's listing.
void ExpectedWalk(const std::filesystem::path& folder, std::vector<std::string>& names)
{
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_directory() && !entry.is_symlink())
            ExpectedWalk(entry.path(), names);
        else if (HasTxtExtension(entry.path().filename().string()))
            names.push_back(entry.path().filename().string());
    }
}

std::string WriteAt(const TTempDir& dir, const std::string& relative, int y, int mo, int d, int h, int mi, int s)
{
    const std::string path = dir.Write(relative, "x");
    SetWriteTime(path, y, mo, d, h, mi, s);
    return path;
}

} // namespace

TEST(FileSearch, TxtExtensionIgnoresAsciiCaseOnly)
{
    const struct {
        const char* name;
        bool txt;
    } cases[] = {
        {"a.txt", true},    {"a.TXT", true},     {"a.Txt", true},   {".txt", true},     {"a.b.txt", true},
        {"a.txt.bak", false}, {"a.txt2", false}, {"atxt", false},   {"a.tx", false},    {"a.", false},
        {"a.t\xD8t", false}, {"txt", false},     {"a.txt ", false}, {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HasTxtExtension(c.name), c.txt) << c.name;
}

TEST(FileSearch, DepthFirstInDirectoryOrderWithSubtreesInPlace)
{
    const TTempDir dir;
    for (const char* name : {"a.txt", "b/c.txt", "b/e/f.TXT", "d.txt", "g.Txt", "h.log", "i.txt.bak", "j.txt2",
                             "noext", ".txt", ".hidden.txt", ".dir/k.txt", "l/m/n/o/p.txt"})
        WriteAt(dir, name, 2024, 5, 1, 12, 0, 0);
    std::vector<std::string> expected;
    ExpectedWalk(dir.Path(), expected);
    ASSERT_EQ(expected.size(), 9u);
    EXPECT_EQ(Search(dir.Path()), expected);

    // The subtree of b stands in one piece where b's entry stands, between its neighbours.
    TFileList files;
    TFileSearch(Settings()).SearchFolder(dir.Path(), files, kAllOf2024);
    const auto paths = Column(files, TFileList::kFullPath);
    const auto at = [&paths](const std::string& path) {
        return std::find(paths.begin(), paths.end(), path) - paths.begin();
    };
    EXPECT_EQ(std::abs(at(dir.Path() + "/b/c.txt") - at(dir.Path() + "/b/e/f.TXT")), 1);
    EXPECT_LT(at(dir.Path() + "/b/e/f.TXT"), static_cast<long>(paths.size()));
}

TEST(FileSearch, WriteTimeIsLocalCutToEvenSecondsWithRegionalSeparators)
{
    const TTempDir dir;
    const std::string odd = WriteAt(dir, "odd.txt", 2024, 1, 15, 13, 5, 7);
    // Nanoseconds do not round up either.
    const timespec late[2] = {{LocalSeconds(2024, 1, 15, 13, 5, 9), 999'999'999},
                              {LocalSeconds(2024, 1, 15, 13, 5, 9), 999'999'999}};
    ASSERT_EQ(::utimensat(AT_FDCWD, dir.Write("late.txt", "x").c_str(), late, 0), 0);
    TFileList files;
    TFileSearch(Settings(".", "|")).SearchFolder(dir.Path(), files, kAllOf2024);
    auto times = Column(files, TFileList::kWriteTime);
    std::sort(times.begin(), times.end());
    EXPECT_EQ(times, (std::vector<std::string>{"2024.01.15 13|05|06", "2024.01.15 13|05|08"}));
    (void)odd;
}

TEST(FileSearch, WindowBoundsAreInclusiveWithTheTimeOfDay)
{
    const TTempDir dir;
    WriteAt(dir, "f.txt", 2024, 1, 31, 23, 59, 58);
    const TDateTime t = EncodeDateTime({2024, 1, 31, 23, 59, 58, 0});
    const TDateTime ms = 1.0 / 86'400'000;
    const struct {
        TDateWindow window;
        bool listed;
    } cases[] = {
        {{t, t}, true},
        {{t + ms, t + 1}, false},
        {{t - 1, t - ms}, false},
        {{kNullDate, t}, true},
        {{t, kNullDate}, false},
        {{kNullDate, kNullDate}, false},
        // The default end, the last millisecond of the day, holds a file of 23:59; a typed end
        // date, 00:00 of that day, does not.
        {{EncodeDate(2024, 1, 1), EncodeDateTime({2024, 1, 31, 23, 59, 59, 999})}, true},
        {{EncodeDate(2024, 1, 1), EncodeDate(2024, 1, 31)}, false},
        // The cut to even seconds: the file of 23:59:59 has the time 23:59:58.
        {{EncodeDateTime({2024, 1, 31, 23, 59, 59, 0}), t + 1}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Search(dir.Path(), c.window).size(), c.listed ? 1u : 0u)
            << DecodeDateTime(c.window.begin).hour << " " << DecodeDateTime(c.window.end).day;
    WriteAt(dir, "f.txt", 2024, 1, 31, 23, 59, 59);
    EXPECT_EQ(Search(dir.Path(), {t, t}).size(), 1u);
}

TEST(FileSearch, TimesTheDosFormatCannotHoldAreSkipped)
{
    const TTempDir dir;
    WriteAt(dir, "old.txt", 1979, 12, 31, 23, 59, 58);
    WriteAt(dir, "first.txt", 1980, 1, 1, 0, 0, 0);
    WriteAt(dir, "last.txt", 2107, 12, 31, 23, 59, 58);
    WriteAt(dir, "late.txt", 2108, 1, 1, 0, 0, 0);
    auto names = Search(dir.Path(), {kNullDate, EncodeDate(9999, 1, 1)});
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"first.txt", "last.txt"}));
}

TEST(FileSearch, PrefixRuleAndMissingFolders)
{
    const TTempDir dir;
    WriteAt(dir, "x/a.txt", 2024, 6, 1, 0, 0, 0);
    EXPECT_EQ(Search(dir.Path() + "/x", kAllOf2024, TFileList::kFullPath),
              std::vector<std::string>{dir.Path() + "/x/a.txt"});
    EXPECT_EQ(Search(dir.Path() + "/x/", kAllOf2024, TFileList::kFullPath),
              std::vector<std::string>{dir.Path() + "/x/a.txt"});
    EXPECT_TRUE(Search(dir.Path() + "/missing").empty());
    EXPECT_TRUE(Search(dir.Path() + "/x/a.txt").empty()); // a file is no folder

    // The empty folder is the root, here the test's own.
    TFileList files;
    TFileSearch search(Settings());
    search.SetRootFolder(dir.Path() + "/x/");
    search.SearchFolder("", files, kAllOf2024);
    EXPECT_EQ(Column(files, TFileList::kFullPath), std::vector<std::string>{dir.Path() + "/x/a.txt"});
}

TEST(FileSearch, LinksAndSpecialFiles)
{
    const TTempDir dir;
    WriteAt(dir, "data/real.txt", 2024, 6, 1, 0, 0, 0);
    const std::string d = dir.Path() + "/data";
    // A link to a file counts with the file's time; a link to a folder, a link back up the
    // tree and a dangling link do not; a pipe named .txt is passed over.
    ASSERT_EQ(::symlink("real.txt", (d + "/link.txt").c_str()), 0);
    ASSERT_EQ(::symlink("sub", (d + "/sublink.txt").c_str()), 0);
    ASSERT_EQ(::symlink(".", (d + "/loop").c_str()), 0);
    ASSERT_EQ(::symlink("nowhere.txt", (d + "/dangling.txt").c_str()), 0);
    WriteAt(dir, "data/sub/inner.txt", 2024, 6, 1, 0, 0, 0);
    ASSERT_EQ(::mkfifo((d + "/pipe.txt").c_str(), 0600), 0);
    auto names = Search(d);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"inner.txt", "link.txt", "real.txt"}));
}

TEST(FileSearch, SearchFilesEmptiesBothTablesFirst)
{
    const TTempDir dir;
    WriteAt(dir, "a.txt", 2024, 6, 1, 0, 0, 0);
    TFileList files;
    TDepartmentTotals totals;
    totals.ResizeRecords(1);
    files.ResizeRecords(3);
    TFileSearch search(Settings());
    search.SearchFiles(dir.Path(), files, totals, kAllOf2024);
    EXPECT_EQ(files.CountRecords(), 1);
    EXPECT_EQ(totals.CountRecords(), 0);
    search.SearchFiles(dir.Path(), files, totals, kAllOf2024);
    EXPECT_EQ(files.CountRecords(), 1);
}
