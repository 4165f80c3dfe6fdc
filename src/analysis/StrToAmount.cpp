#include "StrToAmount.h"

#include <cstdint>
#include <limits>

namespace vinta {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Where the parts of a well-formed number stand in the text.
struct TNumberParts {
    bool negative = false;
    std::size_t intBegin = 0, intEnd = 0;
    std::size_t fracBegin = 0, fracEnd = 0;
    std::int64_t exponent = 0;
};

bool Scan(std::string_view text, char separator, TNumberParts& parts)
{
    // Bounded far beyond any digit count a file can hold, so no sum below overflows.
    constexpr std::int64_t kExponentCap = std::int64_t{1} << 50;
    std::size_t pos = 0;
    const auto at = [&](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
    while (at(pos) == ' ' && pos < text.size())
        ++pos;
    if (at(pos) == '+' || at(pos) == '-')
        parts.negative = text[pos++] == '-';
    parts.intBegin = pos;
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    parts.intEnd = pos;
    bool hasSeparator = false;
    if (pos < text.size() && text[pos] == separator) {
        hasSeparator = true;
        ++pos;
    }
    parts.fracBegin = pos;
    if (hasSeparator)
        while (pos < text.size() && IsDigit(text[pos]))
            ++pos;
    parts.fracEnd = pos;
    if (parts.intEnd == parts.intBegin && !hasSeparator)
        return false;
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        bool negativeExponent = false;
        if (at(pos) == '+' || at(pos) == '-')
            negativeExponent = text[pos++] == '-';
        const std::size_t digitsBegin = pos;
        std::int64_t exponent = 0;
        while (pos < text.size() && IsDigit(text[pos])) {
            exponent = std::min(exponent * 10 + (text[pos] - '0'), kExponentCap);
            ++pos;
        }
        if (pos == digitsBegin)
            return false;
        parts.exponent = negativeExponent ? -exponent : exponent;
    }
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    return pos == text.size();
}

// The form that the amount lines hold: an optional sign, up to 14 digits, and the separator
// with up to four more. Exact without rounding; anything else takes the general way.
bool TryPlainAmount(std::string_view text, char separator, std::int64_t& units)
{
    std::size_t pos = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++pos;
    std::int64_t whole = 0;
    const std::size_t wholeBegin = pos;
    while (pos < text.size() && IsDigit(text[pos]) && pos - wholeBegin < 14)
        whole = whole * 10 + (text[pos++] - '0');
    if (pos == wholeBegin)
        return false;
    std::int64_t fraction = 0;
    int fractionDigits = 0;
    if (pos < text.size() && text[pos] == separator) {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos]) && fractionDigits < 4) {
            fraction = fraction * 10 + (text[pos++] - '0');
            ++fractionDigits;
        }
    }
    if (pos != text.size())
        return false;
    for (int i = fractionDigits; i < 4; ++i)
        fraction *= 10;
    units = whole * 10000 + fraction;
    if (negative)
        units = -units;
    return true;
}

} // namespace

TAmount StrToAmount(std::string_view text, char separator)
{
    if (std::int64_t units = 0; TryPlainAmount(text, separator, units))
        return TAmount::FromTenThousandths(units);
    TNumberParts parts;
    if (!Scan(text, separator, parts))
        return {};

    // The mantissa digits are the integer digits followed by the fraction digits.
    const std::size_t intCount = parts.intEnd - parts.intBegin;
    const std::size_t count = intCount + (parts.fracEnd - parts.fracBegin);
    const auto digit = [&](std::size_t i) {
        return text[i < intCount ? parts.intBegin + i : parts.fracBegin + (i - intCount)] - '0';
    };
    std::size_t first = 0;
    while (first < count && digit(first) == 0)
        ++first;
    if (first == count)
        return {};
    std::size_t last = count - 1;
    while (digit(last) == 0)
        --last;

    // value * 10^4 = S * 10^shift, S the significant digits first..last.
    const auto significant = static_cast<std::int64_t>(last - first + 1);
    const std::int64_t shift = parts.exponent + 4 -
                               static_cast<std::int64_t>(count - intCount) +
                               static_cast<std::int64_t>(count - 1 - last);
    const std::int64_t integerDigits = significant + shift;
    if (integerDigits > 19)
        return {};

    std::uint64_t magnitude = 0;
    const std::int64_t kept = std::min(integerDigits, significant);
    for (std::int64_t i = 0; i < kept; ++i)
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit(first + static_cast<std::size_t>(i)));
    for (std::int64_t i = kept; i < integerDigits; ++i) {
        if (__builtin_mul_overflow(magnitude, 10u, &magnitude))
            return {};
    }
    if (integerDigits >= 0 && integerDigits < significant) {
        // Round on the dropped digits: above half up, below half down, a tie to even.
        const std::size_t dropped = first + static_cast<std::size_t>(integerDigits);
        const int next = digit(dropped);
        const bool moreAfter = dropped < last;
        if (next > 5 || (next == 5 && (moreAfter || magnitude % 2 == 1)))
            ++magnitude;
    }
    const std::uint64_t limit = parts.negative
                                    ? std::uint64_t{1} << 63
                                    : static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (magnitude > limit)
        return {};
    const std::int64_t units = parts.negative ? static_cast<std::int64_t>(0 - magnitude)
                                              : static_cast<std::int64_t>(magnitude);
    return TAmount::FromTenThousandths(units);
}

} // namespace vinta
