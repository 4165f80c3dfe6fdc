#include "TestSettings.h"

namespace vinta::test {

TRegionalSettings PolishCurrency(const std::string& groupSeparator)
{
    TRegionalSettings s;
    s.currencySymbol = "zł";
    s.currencyFormat = 3;
    s.negativeCurrencyFormat = 8;
    s.decimalSeparator = ",";
    s.thousandSeparator = groupSeparator;
    return s;
}

} // namespace vinta::test
