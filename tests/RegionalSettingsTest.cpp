#include "TestSettings.h"
#include "analysis/RegionalSettings.h"
#include "export/SystemRegionalSettings.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace vinta;

namespace {

TAmount Units(std::int64_t units)
{
    return TAmount::FromTenThousandths(units);
}

const std::string kNbsp = "\xC2\xA0";

} // namespace

TEST(RegionalSettings, SeparatorsComeFromTheShortFormats)
{
    const struct {
        const char* locale;
        std::string date, time;
    } cases[] = {
        {"pl_PL", ".", ":"}, {"en_US", "/", ":"}, {"C", "-", ":"}, {"de_DE", ".", ":"}, {"hu_HU", ".", ":"},
    };
    for (const auto& c : cases) {
        const TRegionalSettings s = RegionalSettingsFromLocale(QLocale(c.locale));
        EXPECT_EQ(s.dateSeparator, c.date) << c.locale;
        EXPECT_EQ(s.timeSeparator, c.time) << c.locale;
    }
}

TEST(RegionalSettings, CurrencyTextIsWhatUsersOfTheLocaleExpect)
{
    const struct {
        const char* locale;
        std::int64_t units;
        std::string text;
    } cases[] = {
        {"pl_PL", 12345678910, "1" + kNbsp + "234" + kNbsp + "567,89 zł"},
        {"pl_PL", -125000, "-12,50 zł"},
        {"pl_PL", 0, "0,00 zł"},
        {"pl_PL", 9990, "1,00 zł"},
        {"en_US", 12345678910, "$1,234,567.89"},
        {"en_US", -125000, "-$12.50"},
        {"en_US", 1000, "$0.10"},
        {"de_DE", -12345678910, "-1.234.567,89 €"},
        {"nl_NL", 125000, "€ 12,50"},
        {"nl_NL", -125000, "-€ 12,50"},
        {"C", 12345678910, "1234567.89"},
        {"C", -125000, "-12.50"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatCurrency(Units(c.units), RegionalSettingsFromLocale(QLocale(c.locale))), c.text) << c.locale;
}

TEST(RegionalSettings, CurrencyRoundsHalfAwayFromZeroAndDropsTheSignOfZero)
{
    TRegionalSettings s = test::PolishCurrency(" ");
    const struct {
        std::int64_t units;
        int decimals;
        std::string text;
    } cases[] = {
        {50, 2, "0,01 zł"},           {-50, 2, "-0,01 zł"},      {49, 2, "0,00 zł"},
        {-49, 2, "0,00 zł"},          {5000, 0, "1 zł"},         {-15000, 0, "-2 zł"},
        {12345, 3, "1,235 zł"},       {12345, 4, "1,2345 zł"},   {12345, 6, "1,234500 zł"},
        {std::numeric_limits<std::int64_t>::max(), 2, "922 337 203 685 477,58 zł"},
        {std::numeric_limits<std::int64_t>::min(), 2, "-922 337 203 685 477,58 zł"},
        {9999999999, 2, "1 000 000,00 zł"},
    };
    for (const auto& c : cases) {
        s.currencyDecimals = c.decimals;
        EXPECT_EQ(FormatCurrency(Units(c.units), s), c.text) << c.units;
    }
}

TEST(RegionalSettings, TheSixteenNegativeForms)
{
    TRegionalSettings s;
    s.currencySymbol = "$";
    const char* forms[] = {"($1.10)", "-$1.10", "$-1.10", "$1.10-", "(1.10$)", "-1.10$", "1.10-$", "1.10$-",
                           "-1.10 $", "-$ 1.10", "1.10 $-", "$ 1.10-", "$ -1.10", "1.10- $", "($ 1.10)", "(1.10 $)"};
    for (int f = 0; f < 16; ++f) {
        s.negativeCurrencyFormat = f;
        EXPECT_EQ(FormatCurrency(Units(-11000), s), forms[f]) << f;
    }
    const char* positive[] = {"$1.10", "1.10$", "$ 1.10", "1.10 $"};
    for (int f = 0; f < 4; ++f) {
        s.currencyFormat = f;
        EXPECT_EQ(FormatCurrency(Units(11000), s), positive[f]) << f;
    }
}

TEST(RegionalSettings, DateAndTimeTexts)
{
    TRegionalSettings s;
    s.dateSeparator = ".";
    s.timeSeparator = ":";
    EXPECT_EQ(FormatDateTimeText({2024, 1, 5, 7, 8, 2, 999}, s), "2024.01.05 07:08:02");
    EXPECT_EQ(FormatDateText({987, 12, 31, 0, 0, 0, 0}, s), "0987.12.31");
    s.dateSeparator = "/";
    EXPECT_EQ(FormatDateText({2024, 1, 31, 23, 59, 59, 999}, s), "2024/01/31");
}

TEST(RegionalSettings, DateSeparatorAsAByteOfTheCodePage)
{
    TRegionalSettings s;
    const struct {
        std::string separator;
        char byte;
    } cases[] = {{"-", '-'}, {".", '.'}, {"/", '/'}, {"\xC2\xB7", '\xB7'}, {"日", '\0'}, {"", '\0'}, {"--", '\0'}};
    for (const auto& c : cases) {
        s.dateSeparator = c.separator;
        EXPECT_EQ(s.DateSeparator1250(), c.byte) << c.separator;
    }
}
