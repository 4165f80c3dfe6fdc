#include "SlowStrToAmount.h"

#include <string>

namespace vinta::reference {
namespace {

// Wide enough for 20 digits and a carry.
__extension__ typedef unsigned __int128 TWide;
__extension__ typedef __int128 TSignedWide;

enum class TState { Lead, Sign, Int, Frac, ExpMark, ExpSign, ExpDigits, Trail };

bool Digit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::int64_t SlowStrToAmount(std::string_view text, char separator)
{
    // Lead: blanks; Sign: after + or -; Int: integer digits; Frac: after the separator;
    // ExpMark: after E; ExpSign: after its sign; ExpDigits: exponent digits; Trail: blanks.
    TState state = TState::Lead;
    bool negative = false, expNegative = false, mantissaSeen = false;
    std::string digits; // mantissa digits, integer and fraction together
    long long fracCount = 0;
    std::string expDigits;
    for (char c : text) {
        switch (state) {
        case TState::Lead:
            if (c == ' ') break;
            if (c == '+' || c == '-') { negative = c == '-'; state = TState::Sign; break; }
            [[fallthrough]];
        case TState::Sign:
            if (Digit(c)) { digits += c; mantissaSeen = true; state = TState::Int; break; }
            if (c == separator) { mantissaSeen = true; state = TState::Frac; break; }
            return 0;
        case TState::Int:
            if (Digit(c)) { digits += c; break; }
            if (c == separator) { state = TState::Frac; break; }
            if (c == 'e' || c == 'E') { state = TState::ExpMark; break; }
            if (c == ' ') { state = TState::Trail; break; }
            return 0;
        case TState::Frac:
            if (Digit(c)) { digits += c; ++fracCount; break; }
            if (c == 'e' || c == 'E') { state = TState::ExpMark; break; }
            if (c == ' ') { state = TState::Trail; break; }
            return 0;
        case TState::ExpMark:
            if (c == '+' || c == '-') { expNegative = c == '-'; state = TState::ExpSign; break; }
            [[fallthrough]];
        case TState::ExpSign:
            if (Digit(c)) { expDigits += c; state = TState::ExpDigits; break; }
            return 0;
        case TState::ExpDigits:
            if (Digit(c)) { expDigits += c; break; }
            if (c == ' ') { state = TState::Trail; break; }
            return 0;
        case TState::Trail:
            if (c == ' ') break;
            return 0;
        }
    }
    if (!mantissaSeen || state == TState::Lead || state == TState::Sign || state == TState::ExpMark ||
        state == TState::ExpSign)
        return 0;

    // Strip leading zeros of the digits and of the exponent.
    const std::size_t nz = digits.find_first_not_of('0');
    if (nz == std::string::npos)
        return 0;
    const std::size_t ez = expDigits.find_first_not_of('0');
    const std::string exp = ez == std::string::npos ? "" : expDigits.substr(ez);
    // An exponent of more than 12 digits moves any mantissa a file can hold out of reach.
    if (exp.size() > 12)
        return 0;
    const long long e = exp.empty() ? 0 : std::stoll(exp);
    // The point stands after intDigits digits of the digit string; times 10^4 moves it on.
    const long long pointAt =
        static_cast<long long>(digits.size()) - fracCount + (expNegative ? -e : e) + 4;
    // Only the digits left of the point and the first ones right of it matter: more than 20
    // whole digits is beyond any amount, and a point left of every digit is below half a unit.
    if (pointAt - static_cast<long long>(nz) > 20)
        return 0;
    if (pointAt < 0)
        return 0;
    std::string whole, rest;
    if (pointAt == 0) {
        rest = digits;
    } else if (pointAt >= static_cast<long long>(digits.size())) {
        whole = digits + std::string(static_cast<std::size_t>(pointAt) - digits.size(), '0');
    } else {
        whole = digits.substr(0, static_cast<std::size_t>(pointAt));
        rest = digits.substr(static_cast<std::size_t>(pointAt));
    }
    const std::size_t wz = whole.find_first_not_of('0');
    whole = wz == std::string::npos ? "0" : whole.substr(wz);
    if (whole.size() > 20)
        return 0;
    TWide value = 0;
    for (char c : whole)
        value = value * 10 + static_cast<unsigned>(c - '0');
    // Round: more than half up, less down, exactly half to even.
    if (!rest.empty()) {
        const bool half = rest[0] == '5' && rest.find_first_not_of('0', 1) == std::string::npos;
        if (rest[0] > '5' || (rest[0] == '5' && !half) || (half && value % 2 == 1))
            value += 1;
    }
    const TWide limit = negative ? (static_cast<TWide>(1) << 63)
                                             : (static_cast<TWide>(1) << 63) - 1;
    if (value > limit)
        return 0;
    return negative ? static_cast<std::int64_t>(-static_cast<TSignedWide>(value)) : static_cast<std::int64_t>(value);
}

} // namespace vinta::reference
