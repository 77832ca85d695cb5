#pragma once
// Every rounding the program states is done here, in 80-bit extended precision
// (long double on x86-64 Linux), with ties to even.

#include <limits>

namespace pc {

using Extended = long double;

// The roundings below (and the 2^63 trick of roundEven) are exact only with
// the x87 extended format: a 64-bit mantissa. A platform whose long double is
// a plain double or a 128-bit quad would round differently without a word.
static_assert(std::numeric_limits<Extended>::digits == 64,
              "the rounding needs long double with a 64-bit mantissa (x87 extended precision)");

#ifdef __FAST_MATH__
#error "roundEven relies on every addition being rounded as written; build without -ffast-math"
#endif

// Nearest whole number, ties to even: what nearbyintl gives, bit for bit.
//
// Every evaluation of a section rounds several times, so this is inline and
// never touches the floating-point environment (nearbyintl saves and restores
// it on every call, which made it the largest single cost of a scan).
// From 2^63 on every long double is a whole number. Below it, adding 2^63 to a
// positive x leaves no bits for a fraction, so the addition itself rounds to a
// whole number in the current rounding mode (the default, nearest with ties to
// even, which the program never changes), and 2^63 being even keeps the
// parity; subtracting it again is exact. A negative x is rounded as its
// magnitude, which keeps the sign of a zero result (-0.3 rounds to -0); a
// zero is returned as it is.
inline Extended roundEven(Extended x)
{
    constexpr Extended TwoTo63 = 9223372036854775808.0L;
    if (!(x < TwoTo63 && x > -TwoTo63) || x == 0)
        return x; // whole already, infinite, not a number, or a signed zero
    return x > 0 ? (x + TwoTo63) - TwoTo63 : -((TwoTo63 - x) - TwoTo63);
}

// 10^d x round(x x 10^-d): roundToPow10(x, -2) rounds to 0.01, roundToPow10(x, 1) to 10.
Extended roundToPow10(Extended x, int d);

// Cuts toward zero to a whole number.
Extended truncZero(Extended x);

// A typed number above a stored limit, compared at the limit's own precision.
// The limit is a double (65.6 ft is held as 65.599999999999994...), while the
// typed text reads in extended precision as a number nearer its digits; the
// text the program itself writes as the maximum ("65.60") would otherwise
// count as above it and be refused.
inline bool aboveLimit(Extended typed, double limit)
{
    return static_cast<double>(typed) > limit;
}

// Nearest multiple of 5 of a whole number already rounded: (10 x round(2x x 0.1)) / 2.
inline Extended roundToNearest5(Extended x)
{
    return (10.0L * roundEven(2.0L * x * 0.1L)) / 2.0L;
}

} // namespace pc
