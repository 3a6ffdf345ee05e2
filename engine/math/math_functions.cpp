#include "engine/math/math_functions.h"

#include <cmath>

namespace zorvane::math {

double Sin(double x) {
  return std::sin(x);
}
double Cos(double x) {
  return std::cos(x);
}
double Tan(double x) {
  return std::tan(x);
}
double Asin(double x) {
  return std::asin(x);
}
double Acos(double x) {
  return std::acos(x);
}
double Atan(double x) {
  return std::atan(x);
}
double Exp(double x) {
  return std::exp(x);
}
double Log(double x) {
  return std::log(x);
}
double Log10(double x) {
  return std::log10(x);
}
double Sqrt(double x) {
  return std::sqrt(x);
}
double Pow(double base, double exponent) {
  return std::pow(base, exponent);
}

}  // namespace zorvane::math
