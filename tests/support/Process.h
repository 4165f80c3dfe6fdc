#pragma once
// Runs a program of the build as a child process, for end-to-end tests.
#include <string>
#include <vector>

namespace vinta::test {

struct TProcessResult {
    int status = -1; // exit status, or -1 where the child did not exit normally
    std::string out;
    std::string err;
};

// argv[0] is the program's path; env entries "NAME=value" are set on top of the test's own
// environment ("NAME=" with nothing after removes NAME).
TProcessResult RunProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env = {});

} // namespace vinta::test
