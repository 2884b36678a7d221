#pragma once
// An invariant of a fuzz target: when it does not hold, the target says which one and aborts, so that
// the fuzzer keeps the input that broke it (crash-<hash> beside the run).

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline void Check(bool holds, const char* invariant)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", invariant);
        std::abort();
    }
}

// The same double to the bit (0 and -0 apart), or both not a number.
inline bool SameDouble(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) || (std::isnan(a) && std::isnan(b));
}

} // namespace fuzz
