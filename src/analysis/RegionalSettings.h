#pragma once
// The user's regional settings that take part in what is read, shown and written. The core
// gets them as a plain value; only the program layers read them from the system.
#include "Amount.h"
#include "DateTime.h"

#include <string>

namespace vinta {

struct TRegionalSettings {
    // Texts are UTF-8 as the system gives them; each separator is one character.
    std::string dateSeparator = "-";
    std::string timeSeparator = ":";
    std::string currencySymbol;
    // Where the symbol stands: 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
    int currencyFormat = 0;
    // The sixteen negative forms of the platform, 0 "($1)" ... 15 "(1 $)"; 1 is "-$1".
    int negativeCurrencyFormat = 1;
    std::string negativeSign = "-";
    std::string decimalSeparator = ".";
    // Empty where the locale groups no digits.
    std::string thousandSeparator = ",";
    int currencyDecimals = 2;

    // The date separator as the byte that electronic-copy text carries; 0 where the code page
    // has no such character, so that no report date can match it.
    char DateSeparator1250() const;
};

// The amount in the regional currency format, rounded half away from zero to the currency
// decimals: 1234567.891 with Polish settings gives "1 234 567,89 zł".
std::string FormatCurrency(TAmount amount, const TRegionalSettings& settings);

// "yyyy/mm/dd hh:nn:ss" and "yyyy/mm/dd" with the regional separators in place of "/" and ":".
std::string FormatDateTimeText(const TCivilDateTime& value, const TRegionalSettings& settings);
std::string FormatDateText(const TCivilDateTime& value, const TRegionalSettings& settings);

} // namespace vinta
