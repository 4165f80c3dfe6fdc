#pragma once
#include "DataTable.h"

namespace vinta {

// One record per department in the order first met: the name as first met (Windows-1250)
// and the turnover total.
class TDepartmentTotals : public TDataTable {
public:
    static constexpr int kName = 0;     // "Dział"
    static constexpr int kTurnover = 1; // "Suma obrotów"

    TDepartmentTotals();
};

} // namespace vinta
