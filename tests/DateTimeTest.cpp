#include "analysis/DateTime.h"
#include "analysis/DateWindow.h"
#include "analysis/Failure.h"

#include <gtest/gtest.h>

using namespace vinta;

TEST(DateTime, DayCountsOfKnownDates)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1899, 12, 31), 1.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(1970, 1, 1), 25569.0);
    EXPECT_EQ(EncodeDate(2000, 2, 29), 36585.0);
    EXPECT_EQ(EncodeDate(2023, 12, 31), 45291.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
    EXPECT_LT(kNullDate, EncodeDate(1, 1, 1));
}

TEST(DateTime, InvalidDatesAndTimesRaiseDateEncode)
{
    const TCivilDateTime bad[] = {
        {2023, 2, 29, 0, 0, 0, 0}, {1900, 2, 29, 0, 0, 0, 0}, {2024, 13, 1, 0, 0, 0, 0},
        {0, 1, 1, 0, 0, 0, 0},     {10000, 1, 1, 0, 0, 0, 0}, {2024, 1, 1, 24, 0, 0, 0},
        {2024, 1, 1, 0, 60, 0, 0}, {2024, 1, 1, 0, 0, 60, 0}, {2024, 1, 1, 0, 0, 0, 1000},
    };
    for (const auto& c : bad) {
        try {
            EncodeDateTime(c);
            ADD_FAILURE() << c.year << "-" << c.month << "-" << c.day << " " << c.hour;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), "Invalid argument to date encode");
        }
    }
    EXPECT_NO_THROW(EncodeDate(2024, 2, 29));
    EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
}

TEST(DateTime, RoundTripIsExactToTheMillisecond)
{
    const TCivilDateTime cases[] = {
        {1980, 1, 1, 0, 0, 0, 0},       {2107, 12, 31, 23, 59, 58, 0}, {2024, 1, 31, 23, 59, 59, 999},
        {1899, 12, 30, 0, 0, 0, 1},     {1899, 12, 29, 6, 0, 0, 0},    {1, 1, 1, 12, 30, 15, 500},
        {9999, 12, 31, 23, 59, 59, 999}, {2024, 2, 29, 12, 0, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeDateTime(EncodeDateTime(c)), c) << c.year << "-" << c.month << "-" << c.day;
    // Every millisecond of a day, and they stand in time order.
    TDateTime previous = kNullDate;
    for (int ms = 0; ms < 86'400'000; ms += 997) {
        const TCivilDateTime c{2024, 3, 31, ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000};
        const TDateTime value = EncodeDateTime(c);
        ASSERT_EQ(DecodeDateTime(value), c);
        ASSERT_LT(previous, value);
        previous = value;
    }
}

TEST(DateWindow, BothBoundsInclusiveAndNullBounds)
{
    const TDateTime day = EncodeDate(2024, 1, 15);
    EXPECT_TRUE((TDateWindow{day, day}).Contains(day));
    EXPECT_FALSE((TDateWindow{day, day}).Contains(day + 1.0 / 86400000));
    EXPECT_TRUE((TDateWindow{kNullDate, day}).Contains(EncodeDate(1, 1, 1)));
    EXPECT_FALSE((TDateWindow{day, kNullDate}).Contains(day));
    EXPECT_FALSE((TDateWindow{kNullDate, kNullDate}).Contains(day));
}

TEST(DateWindow, PreviousMonthIsTheWholeCalendarMonth)
{
    const struct {
        TCivilDateTime now;
        TCivilDateTime begin, end;
    } cases[] = {
        {{2024, 1, 15, 10, 0, 0, 0}, {2023, 12, 1, 0, 0, 0, 0}, {2023, 12, 31, 23, 59, 59, 999}},
        {{2024, 1, 1, 0, 0, 0, 0}, {2023, 12, 1, 0, 0, 0, 0}, {2023, 12, 31, 23, 59, 59, 999}},
        {{2024, 3, 31, 23, 59, 59, 999}, {2024, 2, 1, 0, 0, 0, 0}, {2024, 2, 29, 23, 59, 59, 999}},
        {{2023, 3, 31, 12, 0, 0, 0}, {2023, 2, 1, 0, 0, 0, 0}, {2023, 2, 28, 23, 59, 59, 999}},
        {{2026, 12, 11, 9, 0, 0, 0}, {2026, 11, 1, 0, 0, 0, 0}, {2026, 11, 30, 23, 59, 59, 999}},
    };
    for (const auto& c : cases) {
        const TDateWindow w = TDateWindow::PreviousMonth(c.now);
        EXPECT_EQ(DecodeDateTime(w.begin), c.begin);
        EXPECT_EQ(DecodeDateTime(w.end), c.end);
    }
}
