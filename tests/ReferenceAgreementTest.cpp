// The fuzzers' slow references agree with the conversions on every case the fuzzers started
// from and on a deterministic spread of generated texts, so the normal suite keeps them honest.
#include "SlowReportDate.h"
#include "SlowStrToAmount.h"
#include "analysis/ReportDate.h"
#include "analysis/StrToAmount.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vinta;

namespace {

// Texts from an alphabet of the characters that matter, every length up to a few characters.
template <typename F>
void ForEachText(const std::string& alphabet, std::size_t maxLength, F check)
{
    std::string text;
    std::function<void()> grow = [&] {
        check(text);
        if (text.size() == maxLength)
            return;
        for (char c : alphabet) {
            text.push_back(c);
            grow();
            text.pop_back();
        }
    };
    grow();
}

} // namespace

TEST(ReferenceAgreement, StrToAmountOnEveryShortText)
{
    int nonZero = 0;
    ForEachText("0159.-+eE ,x", 5, [&](const std::string& text) {
        const std::int64_t fast = StrToAmount(text, '.').TenThousandths();
        ASSERT_EQ(fast, reference::SlowStrToAmount(text, '.')) << '"' << text << '"';
        nonZero += fast != 0;
    });
    EXPECT_GT(nonZero, 5000);
    for (const char* text : {"1E999999999", "1E-999999999", "922337203685477.58075", "-922337203685477.5808",
                             "0.00005", "0.00015", "9.223372036854775807E14", "5E-5"})
        EXPECT_EQ(StrToAmount(text, '.').TenThousandths(), reference::SlowStrToAmount(text, '.')) << text;
}

TEST(ReferenceAgreement, ReportDateOnEveryShortText)
{
    int dates = 0;
    ForEachText("0123-. ", 6, [&](const std::string& text) {
        for (const int year : {2026, 2049, 2050}) {
            const auto fast = TryStrToReportDate(text, '-', year);
            const auto slow = reference::SlowReportDate(text, '-', year);
            ASSERT_EQ(fast.has_value(), slow.has_value()) << '"' << text << '"';
            if (fast) {
                ASSERT_EQ(static_cast<std::int64_t>(*fast), *slow) << '"' << text << '"';
            }
            dates += fast.has_value();
        }
    });
    EXPECT_GT(dates, 1000);
}
