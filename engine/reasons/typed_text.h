#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/failure.h"
#include "engine/function_mode.h"

namespace zorvane {

// What was typed, and where each character of the working text came from in
// it, so that a failure can say where it stands in the person's terms. The
// text evaluated is the expression as typed, or in function mode the stored
// formula with the values given at its prompts put in.
class TypedText {
 public:
  // The expression as typed is the text evaluated.
  explicit TypedText(std::string_view typed);
  // Function mode: `evaluated` is `formula` with the `given` values put in, one
  // after the other. Should they not make that text, places are counted in
  // `evaluated` itself.
  TypedText(std::string_view evaluated, std::string_view formula,
            std::span<const GivenValue> given);

  std::string_view Evaluated() const { return evaluated_; }

  // The evaluated text less line breaks and blanks, the working text's first
  // form: the same text as removing every "\r\n", then every blank. Notes for
  // each character kept where it stands in the evaluated text.
  std::string Strip();

  // The brackets put around the working text.
  void Wrap();

  // One entry for each character of the working text: its index in the
  // evaluated text plus 1; 0 stands before the evaluated text (the bracket
  // put around it) and its size + 1 after it. Every rewrite before the syntax
  // check keeps them in step. They are written out only when a rewrite asks:
  // until then the working text is the evaluated text, whole.
  std::vector<std::size_t>& Positions();
  // Written out, or none while the working text is the evaluated text whole.
  const std::vector<std::size_t>* WrittenPositions() const { return written_ ? &of_ : nullptr; }

  // The index in the evaluated text of the working character at `index`; one
  // past the end for characters after it.
  std::size_t TypedIndex(std::size_t index) const;
  // True for the bracket put before the evaluated text.
  bool BeforeTyped(std::size_t index) const;

  // Where the character at `evaluatedIndex` was typed, and said in words:
  // "line 2, column 5"; in function mode "in the formula, line 1, column 3"
  // or "in the value of X1, line 1, column 1". A bracket put around a value
  // stands where its variable stood.
  TypedPlace PlaceOf(std::size_t evaluatedIndex) const;
  std::string Describe(std::size_t evaluatedIndex) const;

  // The same for the working character at `index`.
  std::string At(std::size_t index) const { return Describe(TypedIndex(index)); }

  // The evaluated index of the character at `displayIndex` of the display
  // text (in function mode the formula, "=" and the evaluated text), or npos
  // for one of the formula itself; `formulaIndex` then says where, and
  // DescribeInFormula says it in words.
  std::size_t FromDisplay(std::size_t displayIndex, std::size_t& formulaIndex) const;
  std::string DescribeInFormula(std::size_t formulaIndex) const;

  // For a bracket that function mode put around a value: that value's
  // variable ("X1"); empty for any other character.
  std::string BracketedVariable(std::size_t evaluatedIndex) const;
  // True when the character at `evaluatedIndex` was typed within the value
  // that the bracket at `bracketIndex` encloses.
  bool WithinValueOf(std::size_t evaluatedIndex, std::size_t bracketIndex) const;

  // The signs typed for the one sign at working `index` that normalisation
  // made of them ("--" for "+"), blanks and line breaks left out.
  std::string TypedSigns(std::size_t index) const;

 private:
  // Where a character of the evaluated text came from: typed in the
  // expression or formula (value -1) or in the value given k-th (value k);
  // for a bracket put around the k-th value (bracketOf k), where its variable
  // stood.
  struct Origin {
    int value = -1;
    std::size_t index = 0;
    int bracketOf = -1;
  };
  Origin OriginOf(std::size_t evaluatedIndex) const;
  // One for each evaluated character in function mode, worked out when a
  // failure first asks; none outside function mode.
  const std::vector<Origin>& Origins() const;
  std::string_view TextOf(int value) const;

  std::string_view evaluated_;
  std::vector<std::size_t> of_;
  bool written_ = false;  // of_ holds the positions
  bool wrapped_ = false;  // the working text has its brackets
  bool functionMode_ = false;
  std::string_view formula_;
  std::span<const GivenValue> given_;
  mutable std::vector<Origin> origins_;
  mutable bool originsKnown_ = false;
};

// `reason` and where it stands, at `evaluatedIndex` of the evaluated text,
// with a hint when there is one: "... (line 1, column 4). Type "SQR" for the
// square root."
Failure PlacedFailure(std::string reason, const TypedText& typed, std::size_t evaluatedIndex,
                      std::string_view hint = {});

// "line 2, column 5": where the character at `index` of `text` stands. Every
// character counts, a UTF-8 sequence as one; "\r\n" and a lone "\n" end a line.
// An index at the end of the text names the place after its last character.
std::string PlaceIn(std::string_view text, std::size_t index);

}  // namespace zorvane
