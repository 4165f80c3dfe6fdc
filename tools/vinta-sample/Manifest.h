#pragma once

#include "CivilDate.h"

#include <cstdint>
#include <string>
#include <string_view>

// Expected results for tests: one UTF-8 line per department line of every
// zeroing report, "YYYY-MM-DD<TAB>name<TAB>amount" with four decimals.
class Manifest {
public:
    explicit Manifest(bool enabled) : enabled_(enabled) {}

    bool enabled() const { return enabled_; }
    void add(const CivilDate &date, std::string_view canonicalName, std::int64_t cents);
    void save(const std::string &path) const;
    std::size_t lines() const { return lines_; }

private:
    bool enabled_;
    std::string text_;
    std::size_t lines_ = 0;
};
