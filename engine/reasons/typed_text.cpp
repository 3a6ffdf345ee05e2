#include "engine/reasons/typed_text.h"

#include <algorithm>
#include <numeric>

#include "engine/text/characters.h"
#include "engine/text/text_ops.h"

namespace zorvane {

TypedText::TypedText(std::string_view typed) : evaluated_(typed) {}

TypedText::TypedText(std::string_view evaluated, std::string_view formula,
                     std::span<const GivenValue> given)
    : evaluated_(evaluated), functionMode_(true), formula_(formula), given_(given) {}

const std::vector<TypedText::Origin>& TypedText::Origins() const {
  if (originsKnown_ || !functionMode_) return origins_;
  originsKnown_ = true;
  // The values are put in again as function mode put them in, noting where
  // each character of the growing formula came from.
  std::string text(formula_);
  std::vector<Origin> origins(text.size());
  for (std::size_t i = 0; i < origins.size(); ++i)
    origins[i] = {-1, i, -1};
  for (std::size_t k = 0; k < given_.size(); ++k) {
    if (given_[k].variable.empty()) return origins_;
    const std::string bracketed = BracketedValue(given_[k].text);
    const int value = static_cast<int>(k);
    // The brackets stand where the variable stood; the value's characters
    // come from the value.
    text = ReplaceAllNoted(text, given_[k].variable, bracketed, origins,
                           [&](std::size_t pos, std::size_t j) {
                             if (j == 0 || j + 1 == bracketed.size()) {
                               return Origin{origins[pos].value, origins[pos].index, value};
                             }
                             return Origin{value, j - 1, -1};
                           });
  }
  // Values that do not make the evaluated text leave places counted in it.
  if (text == evaluated_) origins_ = std::move(origins);
  return origins_;
}

std::string TypedText::Strip() {
  const std::string_view typed = evaluated_;
  std::size_t blank = typed.find(' ');
  std::size_t cr = typed.find('\r');
  written_ = blank != std::string_view::npos || cr != std::string_view::npos;
  if (!written_) return std::string(typed);
  std::string text;
  text.reserve(typed.size());
  // Two places more for the brackets put around the text.
  of_.clear();
  of_.reserve(typed.size() + 2);
  for (std::size_t i = 0; i < typed.size();) {
    // A run of characters kept, whole.
    const std::size_t end = std::min({blank, cr, typed.size()});
    text.append(typed.substr(i, end - i));
    const std::size_t before = of_.size();
    of_.resize(before + (end - i));
    std::iota(of_.begin() + static_cast<std::ptrdiff_t>(before), of_.end(), i + 1);
    if (end == typed.size()) break;
    // A blank goes, and so does a line break; a lone CR stays.
    std::size_t next = end + 1;
    if (end == blank) {
      blank = typed.find(' ', next);
    } else {
      if (next < typed.size() && typed[next] == '\n') {
        ++next;
      } else {
        text.push_back('\r');
        of_.push_back(end + 1);
      }
      cr = typed.find('\r', end + 1);
    }
    i = next;
  }
  return text;
}

void TypedText::Wrap() {
  wrapped_ = true;
  if (!written_) return;
  of_.insert(of_.begin(), 0);
  of_.push_back(evaluated_.size() + 1);
}

std::vector<std::size_t>& TypedText::Positions() {
  if (!written_) {
    of_.clear();
    of_.reserve(evaluated_.size() + 2);
    if (wrapped_) of_.push_back(0);
    for (std::size_t i = 1; i <= evaluated_.size(); ++i)
      of_.push_back(i);
    if (wrapped_) of_.push_back(evaluated_.size() + 1);
    written_ = true;
  }
  return of_;
}

std::size_t TypedText::TypedIndex(std::size_t index) const {
  // `typed` counts from 1, as the positions do.
  std::size_t typed = index + (wrapped_ ? 0 : 1);
  if (written_) typed = index < of_.size() ? of_[index] : evaluated_.size() + 1;
  return typed == 0 ? 0 : std::min(typed - 1, evaluated_.size());
}

bool TypedText::BeforeTyped(std::size_t index) const {
  return written_ ? index < of_.size() && of_[index] == 0 : wrapped_ && index == 0;
}

TypedText::Origin TypedText::OriginOf(std::size_t evaluatedIndex) const {
  const std::vector<Origin>& origins = Origins();
  if (origins.empty()) return {-1, evaluatedIndex, -1};
  if (evaluatedIndex < origins.size()) return origins[evaluatedIndex];
  return {-1, formula_.size(), -1};  // after the last character: the end of the formula
}

std::string_view TypedText::TextOf(int value) const {
  if (value >= 0) return given_[static_cast<std::size_t>(value)].text;
  return Origins().empty() ? evaluated_ : formula_;
}

TypedPlace TypedText::PlaceOf(std::size_t evaluatedIndex) const {
  const Origin origin = OriginOf(evaluatedIndex);
  if (origin.value < 0) return {{}, origin.index};
  return {given_[static_cast<std::size_t>(origin.value)].variable, origin.index};
}

std::string TypedText::Describe(std::size_t evaluatedIndex) const {
  const Origin origin = OriginOf(evaluatedIndex);
  const std::string place = PlaceIn(TextOf(origin.value), origin.index);
  if (Origins().empty()) return place;
  if (origin.value < 0) return "in the formula, " + place;
  return "in the value of " + given_[static_cast<std::size_t>(origin.value)].variable + ", " +
         place;
}

std::size_t TypedText::FromDisplay(std::size_t displayIndex, std::size_t& formulaIndex) const {
  if (!functionMode_) return displayIndex;
  // The display text is the formula, "=" and the evaluated text.
  if (displayIndex <= formula_.size()) {
    formulaIndex = displayIndex;
    return std::string_view::npos;
  }
  return displayIndex - formula_.size() - 1;
}

std::string TypedText::DescribeInFormula(std::size_t formulaIndex) const {
  return "in the formula, " + PlaceIn(formula_, formulaIndex);
}

std::string TypedText::BracketedVariable(std::size_t evaluatedIndex) const {
  const Origin origin = OriginOf(evaluatedIndex);
  if (origin.bracketOf < 0) return {};
  return given_[static_cast<std::size_t>(origin.bracketOf)].variable;
}

bool TypedText::WithinValueOf(std::size_t evaluatedIndex, std::size_t bracketIndex) const {
  const int value = OriginOf(bracketIndex).bracketOf;
  return value >= 0 && OriginOf(evaluatedIndex).value == value;
}

std::string TypedText::TypedSigns(std::size_t index) const {
  const std::size_t begin = TypedIndex(index);
  const std::size_t end = std::max(begin + 1, std::min(TypedIndex(index + 1), evaluated_.size()));
  std::string signs;
  for (std::size_t i = begin; i < end && i < evaluated_.size(); ++i) {
    if (evaluated_[i] == '+' || evaluated_[i] == '-') signs.push_back(evaluated_[i]);
  }
  return signs;
}

Failure PlacedFailure(std::string reason, const TypedText& typed, std::size_t evaluatedIndex,
                      std::string_view hint) {
  reason.append(" (").append(typed.Describe(evaluatedIndex)).append(")");
  if (!hint.empty()) reason.append(". ").append(hint);
  return {std::move(reason), typed.PlaceOf(evaluatedIndex)};
}

std::string PlaceIn(std::string_view text, std::size_t index) {
  std::size_t line = 1;
  std::size_t column = 1;
  for (std::size_t i = 0; i < index && i < text.size();) {
    if (text[i] == '\n' || (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
      i += text[i] == '\n' ? 1 : 2;
      ++line;
      column = 1;
      continue;
    }
    i += CharacterLength(text, i);
    ++column;
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace zorvane
