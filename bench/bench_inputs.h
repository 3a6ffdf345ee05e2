#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::bench {

// An input shape that grows with a count: the count of terms, brackets or
// functions, or of digits.
struct Shape {
  std::string_view name;
  std::function<std::string(int count)> make;
  bool deg = false;
  bool functionMode = false;  // the text is the stored formula, X0 is given as 1
};

// head + unit * count + foot + close * count: a series (close empty) or a
// nesting (open brackets as the unit, the closing ones as close).
std::function<std::string(int count)> Pattern(std::string head, std::string unit, std::string foot,
                                              std::string close = "");

// Every shape of the benchmarks' scaling series.
const std::vector<Shape>& Shapes();

// Further shapes that the worst-case timer looks at besides the series.
const std::vector<Shape>& SurveyShapes();

// The shape's input whose length comes closest to `length` from below.
std::string OfLength(const Shape& shape, std::size_t length);

// A shape of either list by name.
const Shape* FindShape(std::string_view name);

}  // namespace zorvane::bench
