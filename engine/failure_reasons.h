#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/exponent_reasons.h"
#include "engine/syntax.h"
#include "engine/typed_positions.h"

namespace zorvane {

// Why an evaluation failed, in the terms of the text as typed: the reason a
// phase gives, where the fault stands (line and column), numbers typed with the
// exponent mark as typed, and a hint where a common spelling was refused. Built
// only when someone listens (see trace.h).

// The display text holds "()".
std::string EmptyBracketsReason(std::string_view display);

// An empty bracket pair was left where the check supplied a missing ")"
// ("2+("); `emptyAt` is its index in the text the check passed.
std::string SuppliedEmptyBracketsReason(std::size_t emptyAt, const TypedPositions& positions);

// The exponent notation found an "E" at `failedAt` of `text` without a number
// before it.
std::string ExponentMarkReason(std::string_view text, std::size_t failedAt,
                               const TypedPositions& positions);

// The syntax check refused `text`.
std::string SyntaxReason(const SyntaxFault& fault, std::string_view text,
                         const TypedPositions& positions);

// What the reasons of a failed reduction need from the text that the syntax
// check passed, before the function codes go in.
struct ReductionNotes {
  std::vector<TypedExponentNumber> exponentNumbers;
  // Typed index of the first ")" that would close the brackets around the
  // whole text, if any.
  std::size_t unopenedAt = std::string::npos;
};
ReductionNotes NoteForReduction(std::string_view text, const TypedPositions& positions);

// The reduction failed for `reason`.
std::string ReductionReason(std::string reason, const ReductionNotes& notes,
                            const TypedPositions& positions, bool deg);

}  // namespace zorvane
