// vinta-report: the department turnover totals of an electronic-copy folder, for scripts.
#include "ReportCommand.h"

#include "export/SystemRegionalSettings.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const vinta::TSystemClock clock;
    vinta::TReportCommand command(vinta::SystemRegionalSettings(), clock);
    return command.Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
