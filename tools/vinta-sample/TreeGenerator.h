#pragma once

#include "Generator.h"

// Mode 2: many small files in nested folders, a fixed share of them .txt,
// for timing the directory walk and the date-window filter.
class TreeGenerator : public Generator {
public:
    using Generator::Generator;
    void run();
};
