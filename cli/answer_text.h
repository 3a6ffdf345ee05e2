#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/calculator.h"

namespace zorvane::cli {

// How an answer is written on standard output.
enum class AnswerForm {
  Result,  // the result alone
  Log,     // the log entry: the display text, then "=" and the result
  Csv,     // a row of comma-separated values: the values, the result[, the reason]
};

// Writes answers in one form. `columns` names the values of a CSV row (the
// variables, or "expression"); `reasons` adds a "reason" column.
class AnswerText {
 public:
  AnswerText(AnswerForm form, std::vector<std::string> columns, bool reasons);

  AnswerForm Form() const { return form_; }

  // The CSV header line; empty in the other forms.
  std::string Header() const;

  // The lines for one answer to `values`. Without an entry (nothing to
  // evaluate) a result or log is an empty line; at a terminal it is nothing,
  // and a result stands after "=" as under the line typed.
  std::string Text(const Answer& answer, const std::vector<std::string_view>& values,
                   bool atTerminal) const;

 private:
  std::string Row(const Answer& answer, const std::vector<std::string_view>& values) const;

  AnswerForm form_;
  std::vector<std::string> columns_;
  bool reasons_;
};

}  // namespace zorvane::cli
