#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

// Writes whole files under a root directory: one open/write/close per file,
// directories created once, last-write time set right after writing.
class FileSink {
public:
    explicit FileSink(std::string root);

    // `dir` is relative to the root ("" for the root itself).
    void write(const std::string &dir, std::string_view name, std::string_view data,
               std::time_t mtime);

    // Gives every directory written to the time of its newest entry, so
    // that two runs with the same seed leave identical trees.
    void finish();

    std::uint64_t files() const { return files_; }
    std::uint64_t bytes() const { return bytes_; }

    // Creates or replaces `path` with `data` (no time stamping, no counting).
    static void writeFile(const std::string &path, std::string_view data);

private:
    void ensureDir(const std::string &path);
    static void makeDirs(const std::string &path);
    static void writeFd(int fd, std::string_view data, const std::string &path);

    std::string root_;
    std::unordered_set<std::string> made_;
    std::unordered_map<std::string, std::time_t> dirTimes_;
    std::uint64_t files_ = 0;
    std::uint64_t bytes_ = 0;
};
