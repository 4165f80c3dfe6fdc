#pragma once
// A folder of the test's own under the system's temporary folder, removed with its tree.
#include <ctime>
#include <string>

namespace vinta::test {

class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    const std::string& Path() const { return path_; }
    // Writes a file (creating its folders) and returns its full path.
    std::string Write(const std::string& relative, const std::string& bytes) const;
    std::string MakeFolder(const std::string& relative) const;

private:
    std::string path_;
};

// Sets a file's last-write time to a local civil time.
void SetWriteTime(const std::string& path, int year, int month, int day, int hour, int minute, int second);
std::time_t LocalSeconds(int year, int month, int day, int hour, int minute, int second);

} // namespace vinta::test
