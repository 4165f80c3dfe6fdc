#include "DateTime.h"

#include "Failure.h"

#include <cmath>

namespace vinta {
namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;
// Days from 1 March of year 0 of the proleptic Gregorian calendar to 30 December 1899.
constexpr std::int64_t kEpochShift = 693'899;

// Count days in 400-year eras that start on 1 March, so that the leap day ends a year.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe);
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day)
{
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

} // namespace

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return kDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool IsValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

std::int64_t DayNumber(int year, int month, int day)
{
    return DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
           kEpochShift;
}

TDateTime EncodeDate(int year, int month, int day)
{
    if (!IsValidDate(year, month, day))
        throw EConvertError::InvalidDateEncode();
    return static_cast<TDateTime>(DayNumber(year, month, day));
}

TDateTime EncodeDateTime(const TCivilDateTime& c)
{
    if (c.hour < 0 || c.hour > 23 || c.minute < 0 || c.minute > 59 || c.second < 0 ||
        c.second > 59 || c.millisecond < 0 || c.millisecond > 999)
        throw EConvertError::InvalidDateEncode();
    const std::int64_t ms = ((c.hour * 60LL + c.minute) * 60 + c.second) * 1000 + c.millisecond;
    return EncodeDate(c.year, c.month, c.day) + static_cast<double>(ms) / kMsPerDay;
}

TCivilDateTime DecodeDateTime(TDateTime value)
{
    const auto total = static_cast<std::int64_t>(std::llround(value * kMsPerDay));
    std::int64_t days = total / kMsPerDay;
    std::int64_t ms = total % kMsPerDay;
    if (ms < 0) {
        ms += kMsPerDay;
        --days;
    }
    TCivilDateTime c;
    CivilFromDays(days + kEpochShift, c.year, c.month, c.day);
    c.millisecond = static_cast<int>(ms % 1000);
    c.second = static_cast<int>(ms / 1000 % 60);
    c.minute = static_cast<int>(ms / 60000 % 60);
    c.hour = static_cast<int>(ms / 3600000);
    return c;
}

} // namespace vinta
