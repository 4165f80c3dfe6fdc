#pragma once
#include "analysis/RegionalSettings.h"

#include <string>

namespace vinta::test {

// Polish currency as Windows writes it: "1 234,50 zł", "-12,50 zł".
TRegionalSettings PolishCurrency(const std::string& groupSeparator = "\xC2\xA0");

} // namespace vinta::test
