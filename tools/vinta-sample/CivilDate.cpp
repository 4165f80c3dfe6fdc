#include "CivilDate.h"

#include <cstdio>

CivilDate::CivilDate(int year, int month, int day) : year_(year), month_(month), day_(day) {}

int CivilDate::daysInMonth(int year, int month)
{
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : lengths[month - 1];
}

bool CivilDate::isValid(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1
        && day <= daysInMonth(year, month);
}

std::optional<CivilDate> CivilDate::parseIso(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    auto number = [&](std::size_t pos, std::size_t len) -> int {
        int value = 0;
        for (std::size_t i = pos; i < pos + len; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return -1;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    const int y = number(0, 4);
    const int m = number(5, 2);
    const int d = number(8, 2);
    if (!isValid(y, m, d))
        return std::nullopt;
    return CivilDate(y, m, d);
}

// Howard Hinnant's days_from_civil / civil_from_days, proleptic Gregorian.
long CivilDate::serial() const
{
    const int y = year_ - (month_ <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (month_ + (month_ > 2 ? -3 : 9)) + 2) / 5 + day_ - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate CivilDate::fromSerial(long days)
{
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long doe = days - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
    return CivilDate(y, m, d);
}

int CivilDate::weekday() const
{
    // 1970-01-01 was a Thursday.
    const long s = serial();
    return static_cast<int>(((s % 7) + 7 + 3) % 7);
}

std::string CivilDate::iso() const
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year_, month_, day_);
    return buf;
}

std::string CivilDate::compact() const
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", year_, month_, day_);
    return buf;
}

std::time_t CivilDate::localTime(int hour, int minute, int second) const
{
    std::tm tm{};
    tm.tm_year = year_ - 1900;
    tm.tm_mon = month_ - 1;
    tm.tm_mday = day_;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}
