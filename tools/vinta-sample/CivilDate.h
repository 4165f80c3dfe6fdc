#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

// A calendar day without time zone, with the arithmetic the generator needs.
class CivilDate {
public:
    CivilDate(int year, int month, int day);

    // Strict YYYY-MM-DD; nullopt for anything else or a day that does not exist.
    static std::optional<CivilDate> parseIso(std::string_view text);
    static bool isValid(int year, int month, int day);
    static int daysInMonth(int year, int month);

    int year() const { return year_; }
    int month() const { return month_; }
    int day() const { return day_; }

    // Days since 1970-01-01; used for ordering and stepping.
    long serial() const;
    static CivilDate fromSerial(long days);
    CivilDate next() const { return fromSerial(serial() + 1); }
    // 0 = Monday ... 6 = Sunday.
    int weekday() const;

    std::string iso() const;        // 2024-01-31
    std::string compact() const;    // 20240131

    // This day at the given local wall-clock time (mktime decides DST).
    std::time_t localTime(int hour, int minute, int second) const;

    friend bool operator==(const CivilDate &, const CivilDate &) = default;

private:
    int year_;
    int month_;
    int day_;
};
