#pragma once
// A local date and time as a day count: day 0 is 30 December 1899 and the time of day is the
// fraction, so that values compare in time order.
#include <cstdint>

namespace vinta {

using TDateTime = double;

// The empty date: lies below every real date.
inline constexpr TDateTime kNullDate = -700000.0;

struct TCivilDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    bool operator==(const TCivilDateTime&) const = default;
};

bool IsLeapYear(int year);
// Days in the month, 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// The day count of a civil date; the date must exist (years 1 to 9999).
std::int64_t DayNumber(int year, int month, int day);

// Raise "Invalid argument to date encode" where the date or time does not exist.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeDateTime(const TCivilDateTime& civil);

// Exact to the millisecond for every value that EncodeDateTime gives.
TCivilDateTime DecodeDateTime(TDateTime value);

} // namespace vinta
