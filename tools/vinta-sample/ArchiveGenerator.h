#pragma once

#include "Options.h"

#include <cstdint>

// Mode 1: one electronic-copy file per register and day under
// <out>/<register folder>/<year>/<month>/.
class ArchiveGenerator {
public:
    explicit ArchiveGenerator(const Options &options) : options_(options) {}

    void run();

    std::uint64_t files() const { return files_; }
    std::uint64_t bytes() const { return bytes_; }

private:
    const Options &options_;
    std::uint64_t files_ = 0;
    std::uint64_t bytes_ = 0;
};
