#include "Amount.h"

#include "Failure.h"

namespace vinta {

TAmount TAmount::operator+(TAmount other) const
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(units_, other.units_, &sum))
        throw EOverflow();
    return TAmount(sum);
}

std::string TAmount::ToExactText() const
{
    // Work on the magnitude as unsigned: the most negative value has no positive twin.
    const bool negative = units_ < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(units_) : static_cast<std::uint64_t>(units_);
    std::string fraction = std::to_string(magnitude % kScale);
    fraction.insert(0, 4 - fraction.size(), '0');
    return (negative ? "-" : "") + std::to_string(magnitude / kScale) + "." + fraction;
}

} // namespace vinta
