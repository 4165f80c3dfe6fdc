#include "analysis/DateTime.h"
#include "analysis/Failure.h"
#include "analysis/ReportDate.h"

#include <gtest/gtest.h>

using namespace vinta;

namespace {

struct TCase {
    std::string text;
    char separator;
    int currentYear;
    int year, month, day; // 0 where the text is no date
};

} // namespace

TEST(ReportDate, RulesOfTheReportDate)
{
    const TCase cases[] = {
        // day, month, year in that order, whatever the regional order
        {"31-12-2023", '-', 2026, 2023, 12, 31},
        {"01-02-2024", '-', 2026, 2024, 2, 1},
        {"1-2-2024", '-', 2026, 2024, 2, 1},
        {"31.12.2023", '.', 2026, 2023, 12, 31},
        {"31/12/2023", '/', 2026, 2023, 12, 31},
        // only the regional separator
        {"31.12.2023", '-', 2026, 0, 0, 0},
        {"31-12.2023", '-', 2026, 0, 0, 0},
        {"2023-12-31", '-', 2026, 0, 0, 0},
        // blanks before each part and each separator; a separator and blanks after the year
        {"31 - 12 - 2023", '-', 2026, 2023, 12, 31},
        {"31- 12- 2023", '-', 2026, 2023, 12, 31},
        {"31-12-2023-", '-', 2026, 2023, 12, 31},
        {"31-12-2023 - ", '-', 2026, 2023, 12, 31},
        {"31-12-2023--", '-', 2026, 0, 0, 0},
        {"31-12-2023 x", '-', 2026, 0, 0, 0},
        {"31-12-2023 23", '-', 2026, 0, 0, 0},
        {"31-12-20 23", '-', 2026, 0, 0, 0},
        // two parts: day and month of the current year
        {"31-12", '-', 2026, 2026, 12, 31},
        {"29-02", '-', 2024, 2024, 2, 29},
        {"29-02", '-', 2026, 0, 0, 0},
        {"31-12-", '-', 2026, 0, 0, 0},
        // one or two digits: the hundred years from 50 years before the current year
        {"31-12-23", '-', 2026, 2023, 12, 31},
        {"01-01-76", '-', 2026, 1976, 1, 1},
        {"01-01-75", '-', 2026, 2075, 1, 1},
        {"01-01-00", '-', 2026, 2000, 1, 1},
        {"01-01-5", '-', 2026, 2005, 1, 1},
        {"01-01-99", '-', 2049, 1999, 1, 1},
        {"01-01-99", '-', 2050, 2099, 1, 1},
        // three or four digits as written, more digits by value
        {"01-01-023", '-', 2026, 23, 1, 1},
        {"01-01-0001", '-', 2026, 1, 1, 1},
        {"31-12-9999", '-', 2026, 9999, 12, 31},
        {"01-01-02024", '-', 2026, 2024, 1, 1},
        {"01-01-10000", '-', 2026, 0, 0, 0},
        {"01-01-000", '-', 2026, 0, 0, 0},
        // the date must exist
        {"29-02-2023", '-', 2026, 0, 0, 0},
        {"29-02-2000", '-', 2026, 2000, 2, 29},
        {"29-02-1900", '-', 2026, 0, 0, 0},
        {"31-04-2024", '-', 2026, 0, 0, 0},
        {"00-01-2024", '-', 2026, 0, 0, 0},
        {"01-13-2024", '-', 2026, 0, 0, 0},
        {"99999999999", '-', 2026, 0, 0, 0},
        // nothing else
        {"", '-', 2026, 0, 0, 0},
        {"-", '-', 2026, 0, 0, 0},
        {"31", '-', 2026, 0, 0, 0},
        {"a1-12-2023", '-', 2026, 0, 0, 0},
        {"+1-12-2023", '-', 2026, 0, 0, 0},
        {"31\t-12-2023", '-', 2026, 0, 0, 0},
        {"31-12-2023", '\0', 2026, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const auto date = TryStrToReportDate(c.text, c.separator, c.currentYear);
        if (c.year == 0) {
            EXPECT_FALSE(date) << '"' << c.text << '"';
        } else {
            EXPECT_EQ(date.value_or(kNullDate), EncodeDate(c.year, c.month, c.day)) << '"' << c.text << '"';
        }
    }
}

TEST(ReportDate, FailureNamesTheText)
{
    const struct {
        std::string text, message;
    } cases[] = {
        {"31.12.2023", "'31.12.2023' is not a valid date"},
        {"", "'' is not a valid date"},
        {"\xA3\xF3" "d\x9F", "'Łódź' is not a valid date"},
    };
    for (const auto& c : cases) {
        try {
            StrToReportDate(c.text, '-', 2026);
            ADD_FAILURE() << c.text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.what(), c.message);
        }
    }
}
