#pragma once
// Reads the regional settings from the user's locale for the core, which never reads them itself.
#include "analysis/RegionalSettings.h"

class QLocale;

namespace vinta {

// The settings a locale gives: the date separator is the first character of the short date
// format that is neither a letter, a digit nor a blank ("-" where there is none), the time
// separator likewise from the short time format (":"); the currency symbol, its placement and
// decimals as the locale writes a currency amount; a negative amount carries the sign in front.
TRegionalSettings RegionalSettingsFromLocale(const QLocale& locale);

// The settings of the user's locale (LC_ALL, LC_TIME, LC_MONETARY, LC_NUMERIC, LANG).
TRegionalSettings SystemRegionalSettings();

} // namespace vinta
