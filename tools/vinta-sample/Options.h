#pragma once

#include "CivilDate.h"

#include <cstdint>
#include <string>

// Parsed and validated command line. Throws UsageError on anything wrong,
// so the generators can trust every field.
class Options {
public:
    enum class Mode { Archive, Tree, Help };

    static Options parse(int argc, char **argv);
    static const char *usage();

    Mode mode = Mode::Help;
    std::uint64_t seed = 1;

    // Archive mode.
    std::string outDir;
    int devices = 3;
    CivilDate from{2024, 1, 1};
    CivilDate to{2024, 1, 31};
    int departments = 12;
    int receipts = 20;
    char dateSeparator = '-';
    std::string manifestPath;

    // Tree mode.
    std::string treeDir;
    long files = 100000;
    long txtEvery = 10;
};
