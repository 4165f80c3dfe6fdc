#pragma once

#include "Rng.h"

#include <cstdint>
#include <string>
#include <vector>

// The shop's departments: a fixed list of real-looking Polish names, then
// numbered ones when more are asked for. Names are unique after trimming and
// upper-casing, which is how the reports are matched back to them.
class DepartmentCatalog {
public:
    struct Department {
        std::string canonical;   // UTF-8, as written to the manifest
        std::string base;        // CP1250, usual printed spelling
        std::string upper;       // CP1250 variants for odd printouts
        std::string lower;
        std::string title;
        unsigned presencePerMille; // how often it shows up in a report
        std::int64_t typicalCents; // usual daily turnover
    };

    DepartmentCatalog(int count, std::uint64_t seed);

    const std::vector<Department> &departments() const { return departments_; }

private:
    std::vector<Department> departments_;
};
