#include "Money.h"

#include <cstdio>

std::string Money::format(std::int64_t cents, char mark)
{
    const bool negative = cents < 0;
    const std::uint64_t v = negative ? 0 - static_cast<std::uint64_t>(cents)
                                     : static_cast<std::uint64_t>(cents);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%llu%c%02llu", negative ? "-" : "",
                  static_cast<unsigned long long>(v / 100), mark,
                  static_cast<unsigned long long>(v % 100));
    return buf;
}

std::string Money::exact4(std::int64_t cents)
{
    return format(cents, '.') + "00";
}

std::int64_t Money::taxOfGross(std::int64_t grossCents, int ratePercent)
{
    const std::int64_t num = grossCents * ratePercent;
    const std::int64_t den = 100 + ratePercent;
    return num >= 0 ? (2 * num + den) / (2 * den) : -((-2 * num + den) / (2 * den));
}
