#include "RegionalSettings.h"

#include "Text1250.h"
#include "Utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vinta {
namespace {

// "$" the symbol, "n" the number, "-" the sign.
constexpr std::array<std::string_view, 4> kPositiveForms = {"$n", "n$", "$ n", "n $"};
constexpr std::array<std::string_view, 16> kNegativeForms = {
    "($n)", "-$n", "$-n", "$n-", "(n$)", "-n$", "n-$", "n$-",
    "-n $", "-$ n", "n $-", "$ n-", "$ -n", "n- $", "($ n)", "(n $)",
};

std::string TwoDigits(int value)
{
    return std::string{static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

std::string FourDigits(int value)
{
    return TwoDigits(value / 100) + TwoDigits(value % 100);
}

// The magnitude in ten-thousandths as grouped digits with the currency decimals.
std::string FormatMagnitude(std::uint64_t units, const TRegionalSettings& s)
{
    const int decimals = std::clamp(s.currencyDecimals, 0, 9);
    // Round half away from zero when fewer than four decimals are shown.
    std::uint64_t scaled = units;
    std::string fraction;
    if (decimals < 4) {
        std::uint64_t divisor = 1;
        for (int i = decimals; i < 4; ++i)
            divisor *= 10;
        scaled = units / divisor + (units % divisor >= divisor / 2 ? 1 : 0);
        std::uint64_t whole = 1;
        for (int i = 0; i < decimals; ++i)
            whole *= 10;
        if (decimals > 0) {
            fraction = std::to_string(scaled % whole);
            fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
        }
        scaled /= whole;
    } else {
        fraction = std::to_string(units % 10000);
        fraction.insert(0, 4 - fraction.size(), '0');
        fraction.append(static_cast<std::size_t>(decimals - 4), '0');
        scaled = units / 10000;
    }
    const std::string digits = std::to_string(scaled);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += s.thousandSeparator;
        text += digits[i];
    }
    if (!fraction.empty())
        text += s.decimalSeparator + fraction;
    return text;
}

} // namespace

char TRegionalSettings::DateSeparator1250() const
{
    std::size_t pos = 0;
    if (dateSeparator.empty())
        return 0;
    const auto cp = NextCodePoint(dateSeparator, pos);
    if (!cp || pos != dateSeparator.size())
        return 0;
    return UnicodeToWin1250(*cp).value_or(0);
}

std::string FormatCurrency(TAmount amount, const TRegionalSettings& s)
{
    const std::int64_t units = amount.TenThousandths();
    const bool negative = units < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    const std::string number = FormatMagnitude(magnitude, s);
    const bool shownNegative = negative && number.find_first_not_of("0" + s.thousandSeparator +
                                                                    s.decimalSeparator) !=
                                               std::string::npos;
    const std::string_view form =
        shownNegative ? kNegativeForms[static_cast<std::size_t>(std::clamp(s.negativeCurrencyFormat, 0, 15))]
                      : kPositiveForms[static_cast<std::size_t>(std::clamp(s.currencyFormat, 0, 3))];
    std::string text;
    for (std::size_t i = 0; i < form.size(); ++i) {
        switch (form[i]) {
        case '$': text += s.currencySymbol; break;
        case 'n': text += number; break;
        case '-': text += s.negativeSign; break;
        case ' ':
            // A locale without a currency symbol gets no blank beside the missing symbol.
            if (!s.currencySymbol.empty())
                text += ' ';
            break;
        default: text += form[i]; break;
        }
    }
    return text;
}

std::string FormatDateText(const TCivilDateTime& v, const TRegionalSettings& s)
{
    return FourDigits(v.year) + s.dateSeparator + TwoDigits(v.month) + s.dateSeparator +
           TwoDigits(v.day);
}

std::string FormatDateTimeText(const TCivilDateTime& v, const TRegionalSettings& s)
{
    return FormatDateText(v, s) + " " + TwoDigits(v.hour) + s.timeSeparator + TwoDigits(v.minute) +
           s.timeSeparator + TwoDigits(v.second);
}

} // namespace vinta
