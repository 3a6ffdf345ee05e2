#pragma once

namespace zorvane::math {

// The mathematical functions the engine computes with: on Linux glibc's libm
// (math_functions.cpp); on Windows code linked into the program
// (math_functions_windows.cpp) rather than msvcrt.dll's, whose results could
// change from one Windows to the next. CMake picks the file.
double Sin(double x);
double Cos(double x);
double Tan(double x);
double Asin(double x);
double Acos(double x);
double Atan(double x);
double Exp(double x);
double Log(double x);
double Log10(double x);
double Sqrt(double x);
double Pow(double base, double exponent);

}  // namespace zorvane::math
