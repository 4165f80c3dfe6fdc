// Files and folders that cannot be read. Permissions do not stop root, so where the tests run as
// root (as in CI) each case runs again in a child that drops to the unprivileged user 65534.
#include "ReportText.h"
#include "TempDir.h"
#include "analysis/DateTime.h"
#include "analysis/Failure.h"
#include "analysis/FileSearch.h"
#include "analysis/ReportAnalyzer.h"
#include "tables/DepartmentTotals.h"
#include "tables/FileList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vinta;
using namespace vinta::test;

namespace {

const TDateWindow kAll{kNullDate, EncodeDate(9999, 12, 31)};

// Runs this test again as user 65534 through setpriv; true where the case ran here already.
// The test program is copied to a folder of its own that the user may enter, since the build
// folder may lie where it may not.
bool RunUnprivileged(const std::string& testName)
{
    if (::geteuid() != 0)
        return true;
    if (std::system("command -v setpriv >/dev/null 2>&1") != 0) {
        ADD_FAILURE() << "setpriv is missing";
        return false;
    }
    // Under /tmp whatever TMPDIR says: the user must be able to reach it.
    std::string folder = "/tmp/vinta-unprivileged-XXXXXX";
    if (!::mkdtemp(folder.data())) {
        ADD_FAILURE() << "mkdtemp failed";
        return false;
    }
    const std::string program = folder + "/tests";
    std::filesystem::copy_file("/proc/self/exe", program);
    ::chmod(folder.c_str(), 0755);
    ::chmod(program.c_str(), 0755);
    const std::string command = "setpriv --reuid=65534 --regid=65534 --clear-groups env TMPDIR=/tmp '" + program +
                                "' --gtest_filter=" + testName + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "unprivileged run of " << testName << " failed";
    return false;
}

std::vector<std::string> Paths(const TFileList& files)
{
    std::vector<std::string> paths;
    for (int r = 0; r < files.CountRecords(); ++r)
        paths.emplace_back(files.ReadText(r, TFileList::kFullPath));
    return paths;
}

} // namespace

TEST(Permission, ListedFileThatVanishesOrLosesItsReadPermission)
{
    if (!RunUnprivileged("Permission.ListedFileThatVanishesOrLosesItsReadPermission"))
        return;
    for (const bool vanish : {true, false}) {
        const TTempDir dir;
        for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"})
            dir.Write(name, Report("01-12-2023", {{name, "1"}}));
        TFileList files;
        TDepartmentTotals totals;
        TFileSearch search({});
        search.SearchFiles(dir.Path(), files, totals, kAll);
        ASSERT_EQ(files.CountRecords(), 4);
        // The third file of the list goes between the search and the analysis.
        const std::string lost = Paths(files)[2];
        if (vanish)
            std::filesystem::remove(lost);
        else
            ::chmod(lost.c_str(), 0);
        TReportAnalyzer analyzer('-', 2026);
        try {
            analyzer.AnalyzeFiles(files, totals, kAll);
            ADD_FAILURE() << "no failure";
        } catch (const EInOutError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file " + lost);
        }
        // The two files before it have counted.
        ASSERT_EQ(totals.CountRecords(), 2);
        EXPECT_EQ(totals.ReadText(0, 0), files.ReadText(0, TFileList::kFileName));
        EXPECT_EQ(totals.ReadText(1, 0), files.ReadText(1, TFileList::kFileName));
    }
}

TEST(Permission, FoldersThatCannotBeListedAreSkippedSilently)
{
    if (!RunUnprivileged("Permission.FoldersThatCannotBeListedAreSkippedSilently"))
        return;
    const TTempDir dir;
    dir.Write("open/a.txt", "x");
    dir.Write("closed/b.txt", "x");
    dir.Write("readonly/c.txt", "x"); // names can be read, the files not reached
    dir.Write("z.txt", "x");
    ASSERT_EQ(::chmod((dir.Path() + "/closed").c_str(), 0), 0);
    ASSERT_EQ(::chmod((dir.Path() + "/readonly").c_str(), 0444), 0);
    TFileList files;
    TFileSearch({}).SearchFolder(dir.Path(), files, kAll);
    auto paths = Paths(files);
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(paths, (std::vector<std::string>{dir.Path() + "/open/a.txt", dir.Path() + "/z.txt"}));
    // A chosen folder that cannot be listed gives an empty list and no failure.
    files.ResizeRecords(0);
    TFileSearch({}).SearchFolder(dir.Path() + "/closed", files, kAll);
    EXPECT_EQ(files.CountRecords(), 0);
}
