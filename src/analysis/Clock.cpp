#include "Clock.h"

#include <algorithm>
#include <ctime>

namespace vinta {

std::optional<TCivilDateTime> LocalCivilTime(std::time_t seconds, int milliseconds)
{
    std::tm tm{};
    if (!localtime_r(&seconds, &tm))
        return std::nullopt;
    return TCivilDateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
                          tm.tm_min,         std::min(tm.tm_sec, 59), milliseconds};
}

TCivilDateTime TSystemClock::Now() const
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return LocalCivilTime(ts.tv_sec, static_cast<int>(ts.tv_nsec / 1'000'000))
        .value_or(TCivilDateTime{});
}

} // namespace vinta
