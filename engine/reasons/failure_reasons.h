#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/failure.h"
#include "engine/passes/syntax.h"
#include "engine/passes/working_state.h"
#include "engine/reasons/exponent_reasons.h"
#include "engine/reasons/typed_text.h"

namespace zorvane {

// Why an evaluation failed, in the terms of the text as typed: the reason a
// phase gives, where the fault stands (line and column), numbers typed with the
// exponent mark as typed, and a hint where a common spelling was refused.

// The display text holds "()".
Failure EmptyBracketsFailure(std::string_view display, const TypedText& typed);

// An empty bracket pair was left where the check supplied a missing ")"
// ("2+("); `emptyAt` is its index in the text the check passed.
Failure SuppliedEmptyBracketsFailure(std::size_t emptyAt, const TypedText& typed);

// The exponent notation found an "E" at `failedAt` of `text` without a number
// before it. A character of no token typed before that "E" is the first
// fault, and is named instead. `degreesOption` names how DEG is set.
Failure ExponentMarkFailure(std::string_view text, std::size_t failedAt, const TypedText& typed,
                            std::string_view degreesOption);

// The syntax check refused `text`.
Failure SyntaxFailure(const SyntaxFault& fault, std::string_view text, const TypedText& typed,
                      std::string_view degreesOption);

// What the reasons of a failed reduction need from the text that the syntax
// check passed, before the function codes go in.
struct ReductionNotes {
  std::vector<TypedExponentNumber> exponentNumbers;
  // Evaluated index of the first ")" that would close the brackets around the
  // whole text, if any.
  std::size_t unopenedAt = std::string::npos;
};
ReductionNotes NoteForReduction(std::string_view text, const TypedText& typed);

// The reduction failed for `fault`.
Failure ReductionFailure(const ReductionFault& fault, const ReductionNotes& notes,
                         const TypedText& typed);

}  // namespace zorvane
