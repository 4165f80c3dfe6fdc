#pragma once
// A signed fixed-point amount with four decimal places, counted in ten-thousandths so that
// sums are exact.
#include <compare>
#include <cstdint>
#include <string>

namespace vinta {

class TAmount {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr TAmount() = default;
    static constexpr TAmount FromTenThousandths(std::int64_t units) { return TAmount(units); }

    constexpr std::int64_t TenThousandths() const { return units_; }

    // Raises EOverflow where the exact sum leaves the 64-bit range, instead of wrapping.
    TAmount operator+(TAmount other) const;
    TAmount& operator+=(TAmount other) { return *this = *this + other; }

    constexpr auto operator<=>(const TAmount&) const = default;

    // The exact value with "." and four decimals: -12.5 gives "-12.5000".
    std::string ToExactText() const;

private:
    constexpr explicit TAmount(std::int64_t units) : units_(units) {}
    std::int64_t units_ = 0;
};

} // namespace vinta
