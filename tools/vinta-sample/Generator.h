#pragma once

#include "Options.h"

#include <cstdint>

// What both modes share: the options they were given and the count of what they wrote.
class Generator {
public:
    explicit Generator(const Options &options) : options_(options) {}

    std::uint64_t files() const { return files_; }
    std::uint64_t bytes() const { return bytes_; }

protected:
    const Options &options_;
    std::uint64_t files_ = 0;
    std::uint64_t bytes_ = 0;
};
