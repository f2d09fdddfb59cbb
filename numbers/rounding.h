// Rounding of doubles to whole numbers, the three ways the computations use.
#pragma once

namespace dnt {

// Nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2);
// the conversions to integer, long and currency round this way. Infinities and NaN are
// returned as they are, for the caller's range check to refuse.
double RoundHalfEven(double x);

// Basic's Int: the greatest whole number not above x (-2.5 -> -3).
double Floor(double x);

// Basic's Fix: x without its fraction, toward zero (-2.5 -> -2).
double Fix(double x);

}  // namespace dnt
