#pragma once

#include "Generator.h"

// Mode 1: one electronic-copy file per register and day under
// <out>/<register folder>/<year>/<month>/.
class ArchiveGenerator : public Generator {
public:
    using Generator::Generator;
    void run();
};
