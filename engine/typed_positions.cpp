#include "engine/typed_positions.h"

#include <algorithm>

#include "engine/characters.h"

namespace zorvane {

std::string TypedPositions::Strip() {
  std::string text;
  of.clear();
  for (std::size_t i = 0; i < typed.size(); ++i) {
    if (typed[i] == '\r' && i + 1 < typed.size() && typed[i + 1] == '\n') {
      ++i;
    } else if (typed[i] != ' ') {
      text.push_back(typed[i]);
      of.push_back(i + 1);
    }
  }
  return text;
}

std::size_t TypedPositions::TypedIndex(std::size_t index) const {
  const std::size_t typedIndex = index < of.size() ? of[index] : typed.size() + 1;
  return typedIndex == 0 ? 0 : std::min(typedIndex - 1, typed.size());
}

std::string TypedPositions::At(std::size_t index) const {
  return PlaceIn(typed, TypedIndex(index));
}

std::string PlaceIn(std::string_view typed, std::size_t index) {
  std::size_t line = 1;
  std::size_t column = 1;
  for (std::size_t i = 0; i < index && i < typed.size();) {
    if (typed[i] == '\n' || (typed[i] == '\r' && i + 1 < typed.size() && typed[i + 1] == '\n')) {
      i += typed[i] == '\n' ? 1 : 2;
      ++line;
      column = 1;
      continue;
    }
    i += CharacterLength(typed, i);
    ++column;
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace zorvane
