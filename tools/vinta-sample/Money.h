#pragma once

#include <cstdint>
#include <string>

// Amounts are kept in grosze (1/100 PLN) as integers so that the manifest
// sums are exact.
class Money {
public:
    // "1234.56", "-12.50", "0.00" with the given decimal mark.
    static std::string format(std::int64_t cents, char mark = '.');
    // Manifest form with four decimals: "-12.5000".
    static std::string exact4(std::int64_t cents);
    // Tax contained in a gross amount at `ratePercent`, rounded half up.
    static std::int64_t taxOfGross(std::int64_t grossCents, int ratePercent);
};
