#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace vinta {

// Reads whole files into one buffer that is kept from file to file, so that memory grows only
// to the largest file and nothing is allocated per file once it has.
class TFileBuffer {
public:
    // The file's bytes, valid until the next Load. Raises "Cannot open file %s" where the file
    // cannot be opened or read, or is no regular file (a pipe would never end).
    std::string_view Load(const std::string& path);

private:
    void Reserve(std::size_t size);

    std::unique_ptr<char[]> data_;
    std::size_t capacity_ = 0;
};

} // namespace vinta
