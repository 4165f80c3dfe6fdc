#include "FileSearch.h"

#include "tables/DepartmentTotals.h"
#include "tables/FileList.h"
#include "Clock.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace vinta {
namespace {

struct TEntry {
    std::string name;
    bool folder = false;
    std::optional<TCivilDateTime> writeTime; // set for the candidate files only
};

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Reads a folder's entries whole and closes it before any of them is searched, so that a deep
// tree never holds more than one folder open.
bool ListFolder(const std::string& prefix, std::vector<TEntry>& entries)
{
    DIR* dir = ::opendir(prefix.c_str());
    if (!dir)
        return false;
    const int fd = ::dirfd(dir);
    while (const dirent* e = ::readdir(dir)) {
        const std::string_view name = e->d_name;
        if (name == "." || name == "..")
            continue;
        unsigned char type = e->d_type;
        if (type == DT_UNKNOWN) {
            struct stat st {};
            if (::fstatat(fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISLNK(st.st_mode) ? DT_LNK : DT_REG;
        }
        if (type == DT_DIR) {
            entries.push_back({std::string(name), true, std::nullopt});
        } else if (HasTxtExtension(name)) {
            // The file's own time, through a link to it; a link to a folder, a dangling link and
            // anything but a regular file are passed over.
            struct stat st {};
            if (::fstatat(fd, e->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
                continue;
            if (const auto writeTime = DosWriteTime(st.st_mtim.tv_sec))
                entries.push_back({std::string(name), false, writeTime});
        }
    }
    ::closedir(dir);
    return true;
}

} // namespace

bool HasTxtExtension(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || name.size() - dot != 4)
        return false;
    return AsciiLower(name[dot + 1]) == 't' && AsciiLower(name[dot + 2]) == 'x' &&
           AsciiLower(name[dot + 3]) == 't';
}

std::optional<TCivilDateTime> DosWriteTime(std::time_t seconds)
{
    auto civil = LocalCivilTime(seconds, 0);
    if (!civil || civil->year < 1980 || civil->year > 2107)
        return std::nullopt;
    civil->second -= civil->second % 2;
    return civil;
}

TFileSearch::TFileSearch(TRegionalSettings settings) : settings_(std::move(settings)) {}

void TFileSearch::SearchFiles(const std::string& selectedFolder, TFileList& files,
                              TDepartmentTotals& totals, const TDateWindow& window)
{
    files.ResizeRecords(0);
    totals.ResizeRecords(0);
    SearchFolder(selectedFolder, files, window);
}

void TFileSearch::SearchFolder(const std::string& folder, TFileList& files, const TDateWindow& window)
{
    std::string prefix = folder.empty() ? root_ : folder;
    if (prefix.empty() || prefix.back() != '/')
        prefix += '/';
    std::vector<TEntry> entries;
    if (!ListFolder(prefix, entries))
        return;
    for (TEntry& entry : entries) {
        if (entry.folder) {
            SearchFolder(prefix + entry.name, files, window);
            continue;
        }
        if (!window.Contains(EncodeDateTime(*entry.writeTime)))
            continue;
        const int r = files.CountRecords();
        files.ResizeRecords(r + 1);
        files.WriteCell(r, TFileList::kFileName, entry.name);
        files.WriteCell(r, TFileList::kWriteTime, FormatDateTimeText(*entry.writeTime, settings_));
        files.WriteCell(r, TFileList::kFullPath, prefix + entry.name);
    }
}

} // namespace vinta
