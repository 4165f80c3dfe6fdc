#pragma once
// vinta-report: the search and the analysis from the command line, for scripts and batch work.
#include "analysis/Clock.h"
#include "analysis/RegionalSettings.h"

#include <ostream>
#include <string>
#include <vector>

namespace vinta {

class TReportCommand {
public:
    TReportCommand(TRegionalSettings settings, const TClock& clock);

    // Runs with the arguments after the program name; returns the exit status: 0 done,
    // 1 the search or the analysis failed, 2 bad usage.
    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

    // Where a search of an empty FOLDER starts (tests put a tree of their own there).
    void SetRootFolder(std::string root) { root_ = std::move(root); }

    static const char* Usage();

private:
    TRegionalSettings settings_;
    const TClock& clock_;
    std::string root_ = "/";
};

// A name written on one line: TAB, CR, LF and backslash become \t, \r, \n and \\.
std::string EscapeField(std::string_view text);

} // namespace vinta
