#include "Rng.h"

Rng::Rng(std::uint64_t seed) : state_(seed) {}

std::uint64_t Rng::mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

Rng Rng::derive(std::uint64_t seed, std::uint64_t a, std::uint64_t b)
{
    // Mixing each input separately keeps (a, b) and (b, a) apart.
    std::uint64_t s = mix(seed + 0x9E3779B97F4A7C15ULL);
    s = mix(s ^ (a * 0xD1B54A32D192ED03ULL + 1));
    s = mix(s ^ (b * 0x8CB92BA72F3D8DD7ULL + 2));
    return Rng(s);
}

std::uint64_t Rng::next()
{
    state_ += 0x9E3779B97F4A7C15ULL;
    return mix(state_);
}

std::uint64_t Rng::below(std::uint64_t n)
{
    // The modulo bias is far below anything a sample file could show.
    return next() % n;
}

std::int64_t Rng::range(std::int64_t lo, std::int64_t hi)
{
    const auto span = static_cast<std::uint64_t>(hi - lo) + 1;
    return lo + static_cast<std::int64_t>(span == 0 ? next() : below(span));
}

bool Rng::chance(unsigned perMille)
{
    return below(1000) < perMille;
}
