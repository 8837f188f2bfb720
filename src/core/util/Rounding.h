#pragma once

#include <cmath>

namespace bmd {

// The game's number conversions round an exact half to the even neighbour
// (banker's rounding), whatever the floating-point environment is set to.
inline double RoundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5) {
        return below;
    }
    if (fraction > 0.5) {
        return below + 1.0;
    }
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

} // namespace bmd
