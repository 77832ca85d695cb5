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

Extended roundToPow10(Extended x, int d)
{
    return pow10(d) * roundEven(x * pow10(-d));
}

Extended truncZero(Extended x)
{
    return std::truncl(x);
}

} // namespace pc
