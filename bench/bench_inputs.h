#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::bench {

// An input shape that grows with a count: the count of terms, brackets or
// functions, or of digits.
struct Shape {
  std::string_view name;
  std::string (*make)(int count);
  bool deg = false;
};

// Every shape of the scaling series.
const std::vector<Shape>& Shapes();

// The shape's input whose length comes closest to `length` from below.
std::string OfLength(const Shape& shape, std::size_t length);

const Shape* FindShape(std::string_view name);

}  // namespace zorvane::bench
