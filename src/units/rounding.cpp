#include "units/rounding.h"

#include <cmath>

namespace pc {

namespace {

Extended pow10(int d)
{
    // Literal powers so that 0.01 is the nearest extended value, as a decimal
    // constant in the source would be.
    switch (d) {
    case -4:
        return 0.0001L;
    case -3:
        return 0.001L;
    case -2:
        return 0.01L;
    case -1:
        return 0.1L;
    case 0:
        return 1.0L;
    case 1:
        return 10.0L;
    case 2:
        return 100.0L;
    case 3:
        return 1000.0L;
    case 4:
        return 10000.0L;
    default:
        return std::pow(10.0L, static_cast<Extended>(d));
    }
}

} // namespace

#ifdef __FAST_MATH__
#error "roundEven relies on every addition being rounded as written; build without -ffast-math"
#endif

Extended roundEven(Extended x)
{
    // From 2^63 on every long double is a whole number. Below it, adding 2^63
    // to a non-negative x leaves no bits for a fraction, so the addition itself
    // rounds to a whole number in the current rounding mode (the default,
    // nearest with ties to even, which the program never changes), and 2^63
    // being even keeps the parity; subtracting it again is exact. This gives
    // what nearbyintl gives without saving and restoring the floating-point
    // environment on every call, which made nearbyintl the largest single cost
    // of evaluating sections. copysign keeps the sign of a zero result (-0.3
    // rounds to -0).
    constexpr Extended TwoTo63 = 9223372036854775808.0L;
    if (!(std::fabs(x) < TwoTo63))
        return x; // whole already, infinite or not a number
    const Extended r = x >= 0 ? (x + TwoTo63) - TwoTo63 : (x - TwoTo63) + TwoTo63;
    return std::copysign(r, x);
}

Extended roundToPow10(Extended x, int d)
{
    return pow10(d) * roundEven(x * pow10(-d));
}

Extended truncZero(Extended x)
{
    return std::truncl(x);
}

Extended roundToNearest5(Extended x)
{
    return (10.0L * roundEven(2.0L * x * 0.1L)) / 2.0L;
}

} // namespace pc
