#include "engine/text/capitals.h"

namespace zorvane {
namespace {

template <class Text>
Text Capitals(Text text) {
  for (auto& unit : text)
    unit = static_cast<typename Text::value_type>(Capital(static_cast<char32_t>(unit)));
  return text;
}

}  // namespace

std::string ToCapitals(std::string text) {
  return Capitals(std::move(text));
}

std::u16string ToCapitals(std::u16string text) {
  return Capitals(std::move(text));
}

}  // namespace zorvane
