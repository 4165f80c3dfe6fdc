#include "analysis/Amount.h"
#include "analysis/Failure.h"

#include <gtest/gtest.h>

#include <limits>

using namespace vinta;

TEST(Amount, ExactTextHasFourDecimalsAndBothSigns)
{
    const struct {
        std::int64_t units;
        const char* text;
    } cases[] = {
        {0, "0.0000"},
        {125000, "12.5000"},
        {-125000, "-12.5000"},
        {-1, "-0.0001"},
        {std::numeric_limits<std::int64_t>::max(), "922337203685477.5807"},
        {std::numeric_limits<std::int64_t>::min(), "-922337203685477.5808"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TAmount::FromTenThousandths(c.units).ToExactText(), c.text);
}

TEST(Amount, SumsNearTheLimitRaiseOverflowInsteadOfWrapping)
{
    const auto max = TAmount::FromTenThousandths(std::numeric_limits<std::int64_t>::max());
    const auto min = TAmount::FromTenThousandths(std::numeric_limits<std::int64_t>::min());
    const auto one = TAmount::FromTenThousandths(1);
    EXPECT_EQ((max + TAmount()).TenThousandths(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ((min + max).TenThousandths(), -1);
    EXPECT_THROW(max + one, EOverflow);
    EXPECT_THROW(min + TAmount::FromTenThousandths(-1), EOverflow);
    try {
        TAmount total = max;
        total += one;
        FAIL() << "no overflow";
    } catch (const EFailure& e) {
        EXPECT_STREQ(e.what(), "Arithmetic overflow");
    }
}
