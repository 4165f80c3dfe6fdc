#pragma once

#include <cstdint>

// Small deterministic generator (splitmix64). The standard distributions are
// avoided on purpose: their output differs between library versions, and the
// sample trees must be byte-identical everywhere for a given seed.
class Rng {
public:
    explicit Rng(std::uint64_t seed);

    // Independent stream for a sub-object (device, day, ...), so that
    // changing one piece of the output does not shift all the others.
    static Rng derive(std::uint64_t seed, std::uint64_t a, std::uint64_t b = 0);

    std::uint64_t next();
    // Uniform in [0, n); n must be > 0.
    std::uint64_t below(std::uint64_t n);
    // Uniform in [lo, hi], inclusive.
    std::int64_t range(std::int64_t lo, std::int64_t hi);
    // True with probability perMille / 1000.
    bool chance(unsigned perMille);

private:
    static std::uint64_t mix(std::uint64_t z);
    std::uint64_t state_;
};
