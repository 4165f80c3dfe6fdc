#include "analysis/StrToAmount.h"

#include <gtest/gtest.h>

#include <limits>

using namespace vinta;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

struct TCase {
    std::string text;
    std::int64_t units; // ten-thousandths
};

} // namespace

TEST(StrToAmount, AcceptedFormsAndTheirValues)
{
    const TCase cases[] = {
        {"1234.56", 12345600}, {"-12.5", -125000}, {"+.5", 5000}, {"1.5E2", 1500000},
        {"  12.5  ", 125000},  {"1.", 10000},       {"007", 70000}, {"1e-2", 100},
        {"1E+2", 1000000},     {"-0", 0},           {".", 0},       {"+.", 0},
        {"0.0001", 1},         {"-0.0001", -1},     {"1E-4", 1},    {"12345678901.2345", 123456789012345},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToAmount(c.text, '.').TenThousandths(), c.units) << '"' << c.text << '"';
}

TEST(StrToAmount, OtherTextsGiveZero)
{
    const char* cases[] = {
        "",      "-",      "+",     "1,5",   "1 234", "12 zł", "12.50 PLN", "e5",  "1e",
        "1e+",   "1.2.3",  "0x10",  "1e5.5", "++1",   "- 1",   "1-",        "$1",  "1\t",
        "\t1",   "1_000",  "１",    "E",     "nan",   "inf",   "1e 5",      ". 5",
    };
    for (const char* text : cases)
        EXPECT_EQ(StrToAmount(text, '.').TenThousandths(), 0) << '"' << text << '"';
}

TEST(StrToAmount, RoundsToNearestTenThousandthAndTiesToEven)
{
    const TCase cases[] = {
        {"0.00005", 0},      {"0.00015", 2},     {"0.00025", 2},      {"0.00035", 4},
        {"-0.00015", -2},    {"-0.00025", -2},   {"0.000050001", 1},  {"0.00004999999", 0},
        {"5E-5", 0},         {"1.5E-4", 2},      {"2.5e-4", 2},       {"0.00009", 1},
        {"12.34565", 123456}, {"12.34575", 123458}, {"0.0000500000000000000000000001", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToAmount(c.text, '.').TenThousandths(), c.units) << '"' << c.text << '"';
}

TEST(StrToAmount, RangeOfAnAmount)
{
    const TCase cases[] = {
        {"922337203685477.5807", kMax},  {"922337203685477.5808", 0},
        {"-922337203685477.5808", kMin}, {"-922337203685477.5809", 0},
        {"922337203685477.58074", kMax}, {"922337203685477.58075", 0}, // the tie goes to the even ...5808, beyond the range
        {"-922337203685477.58084", kMin}, {"9.223372036854775807E14", kMax},
        {"1E15", 0},                     {"99999999999999999999", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToAmount(c.text, '.').TenThousandths(), c.units) << '"' << c.text << '"';
}

TEST(StrToAmount, HugeDigitCountsAndExponentsNeverOverflow)
{
    const std::string zeros(5000, '0');
    const TCase cases[] = {
        {"1E999999999", 0},
        {"1E-999999999", 0},
        {"0E999999999", 0},
        {"1E99999999999999999999999999", 0},
        {"-1E-99999999999999999999999999", 0},
        {std::string(5000, '1'), 0},
        {std::string(5000, '9') + "E-5000", 10000}, // 0.999... rounds up to 1
        {zeros + "1.5", 15000},
        {"0." + zeros + "1", 0},
        {"1" + zeros + "E-5000", 10000},
        {"0." + zeros + "1E5001", 10000},
        {"1" + zeros + "E-5004", 1},
        {"5" + zeros + "E-5005", 0}, // exactly half a ten-thousandth
        {"15" + zeros + "E-5005", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToAmount(c.text, '.').TenThousandths(), c.units) << c.text.substr(0, 40);
}

TEST(StrToAmount, TheGivenSeparatorServesAsDecimalMark)
{
    EXPECT_EQ(StrToAmount("1,5", ',').TenThousandths(), 15000);
    EXPECT_EQ(StrToAmount("1.5", ',').TenThousandths(), 0);
    EXPECT_EQ(StrToAmount("1.5", '.').TenThousandths(), 15000);
}
