#pragma once

namespace zorvane::math {

// The mathematical functions the engine computes with. They come from code
// linked into the program, never from a runtime DLL whose results could change
// from one machine to the next: on Linux glibc's libm, on Windows
// math_functions_windows.cpp. CMake picks the file.
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
