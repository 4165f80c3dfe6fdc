#pragma once

#include "Options.h"

#include <cstdint>

// Mode 2: many small files in nested folders, a fixed share of them .txt,
// for timing the directory walk and the date-window filter.
class TreeGenerator {
public:
    explicit TreeGenerator(const Options &options) : options_(options) {}

    void run();

    std::uint64_t files() const { return files_; }
    std::uint64_t bytes() const { return bytes_; }

private:
    const Options &options_;
    std::uint64_t files_ = 0;
    std::uint64_t bytes_ = 0;
};
