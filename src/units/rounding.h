#pragma once
// Every rounding the program states is done here, in 80-bit extended precision
// (long double on x86-64 Linux), with ties to even.

namespace pc {

using Extended = long double;

// Nearest whole number, ties to even.
Extended roundEven(Extended x);

// 10^d x round(x x 10^-d): roundToPow10(x, -2) rounds to 0.01, roundToPow10(x, 1) to 10.
Extended roundToPow10(Extended x, int d);

// Cuts toward zero to a whole number.
Extended truncZero(Extended x);

// Nearest multiple of 5 of a whole number already rounded: (10 x round(2x x 0.1)) / 2.
Extended roundToNearest5(Extended x);

} // namespace pc
