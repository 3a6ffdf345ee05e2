#pragma once

namespace zorvane {

// Sine, cosine and tangent of `x` radians, rounded to the nearest double, from
// double arithmetic alone: the angle is reduced by pi/2 held to 150 bits, and
// the Taylor series are summed in double-double arithmetic. So the results are
// the same on every machine with IEEE doubles, whatever its C library or its
// x87 unit would give. For |x| up to 2^19 (the engine's angles stay within
// 26 radians); beyond that, and for infinities and NaN, the C library's long
// double functions, rounded.
double CorrectSin(double x);
double CorrectCos(double x);
double CorrectTan(double x);

// Arcsine, arccosine (NaN beyond -1..1) and arctangent in radians, rounded to
// the nearest double the same way: a first value from the C library's long
// double functions, then one step of Newton's method on the sine and cosine
// above.
double CorrectAsin(double x);
double CorrectAcos(double x);
double CorrectAtan(double x);

}  // namespace zorvane
