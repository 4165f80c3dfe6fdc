#pragma once
// The search for electronic-copy files: every ".txt" file in a folder tree whose last-write
// time lies in the date window, depth first in the order the file system lists the entries.
#include "DateWindow.h"
#include "RegionalSettings.h"

#include <ctime>
#include <optional>
#include <string>

namespace vinta {

class TDepartmentTotals;
class TFileList;

class TFileSearch {
public:
    explicit TFileSearch(TRegionalSettings settings);

    // Where a search of the empty folder starts: "/" unless a test puts a tree of its own there.
    void SetRootFolder(std::string root) { root_ = std::move(root); }

    // Empties the file list, then the totals, then searches selectedFolder.
    void SearchFiles(const std::string& selectedFolder, TFileList& files, TDepartmentTotals& totals,
                     const TDateWindow& window);

    // Appends the matching files of folder and of every folder below it. A folder that cannot
    // be listed contributes nothing. Links to folders are not followed; a link to a file is
    // listed with the file's time. Only regular files are listed.
    void SearchFolder(const std::string& folder, TFileList& files, const TDateWindow& window);

private:
    TRegionalSettings settings_;
    std::string root_ = "/";
};

// Whether the name ends in ".txt", the case of the ASCII letters ignored.
bool HasTxtExtension(std::string_view name);

// The file system's last-write time as the search sees it: local time cut to the two-second
// steps of the DOS format; nullopt for a time the format cannot hold (before 1980, after 2107).
std::optional<TCivilDateTime> DosWriteTime(std::time_t seconds);

} // namespace vinta
