#include "SlowReportDate.h"

#include <regex>
#include <string>

namespace vinta::reference {
namespace {

// The value of a run of digits, or -1 where it is 10000 or more: no part of a date.
long Value(const std::string& digits)
{
    const std::size_t nz = digits.find_first_not_of('0');
    if (nz == std::string::npos)
        return 0;
    if (digits.size() - nz > 4)
        return -1;
    return std::stol(digits.substr(nz));
}

bool Leap(long y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// Days from 1 January of year 1 by counting years and months, slow but plain.
std::int64_t Serial(long y, long m, long d)
{
    std::int64_t days = 0;
    for (long year = 1; year < y; ++year)
        days += Leap(year) ? 366 : 365;
    const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (long month = 1; month < m; ++month)
        days += lengths[month - 1] + (month == 2 && Leap(y) ? 1 : 0);
    return days + d - 1;
}

} // namespace

std::optional<std::int64_t> SlowReportDate(std::string_view text, char separator, int currentYear)
{
    if (separator == '\0' || separator == ' ' || (separator >= '0' && separator <= '9'))
        return std::nullopt;
    // Classes only: digits and blanks stand for themselves, the separator becomes S, anything
    // else X, so the expression needs no escaping of the separator.
    std::string classes;
    for (char c : text)
        classes += (c >= '0' && c <= '9') || c == ' ' ? c : c == separator ? 'S' : 'X';
    // day S month [S year [S]] with blanks before every part and separator, blanks at the end
    static const std::regex form("^ *([0-9]+) *S *([0-9]+)(?: *S *([0-9]+)(?: *S)?)? *$");
    std::smatch m;
    if (!std::regex_match(classes, m, form))
        return std::nullopt;
    const long day = Value(m[1].str()), month = Value(m[2].str());
    long year = currentYear;
    if (m[3].matched) {
        year = Value(m[3].str());
        if (year >= 0 && m[3].length() <= 2) {
            const long base = currentYear - 50;
            year += base / 100 * 100;
            if (year < base)
                year += 100;
        }
    }
    const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > lengths[month - 1] + (month == 2 && Leap(year) ? 1 : 0))
        return std::nullopt;
    // 30 December 1899 is day 693593 after 1 January of year 1.
    return Serial(year, month, day) - 693593;
}

} // namespace vinta::reference
