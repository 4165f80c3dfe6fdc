#include "DepartmentTotals.h"

namespace vinta {

TDepartmentTotals::TDepartmentTotals()
    : TDataTable({{"Dział", TValueType::Text}, {"Suma obrotów", TValueType::Amount}})
{
}

} // namespace vinta
