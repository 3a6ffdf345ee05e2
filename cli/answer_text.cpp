#include "cli/answer_text.h"

#include <algorithm>

#include "cli/csv.h"
#include "engine/text/capitals.h"

namespace zorvane::cli {
namespace {

// A text as it is shown: each CR LF (a line break typed with Ctrl+Enter, or
// one in an argument) a line feed.
std::string Shown(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) shown += text[i];
  }
  return shown;
}

}  // namespace

AnswerText::AnswerText(AnswerForm form, std::vector<std::string> columns, bool reasons)
    : form_(form), columns_(std::move(columns)), reasons_(reasons) {}

std::string AnswerText::Header() const {
  if (form_ != AnswerForm::Csv) return {};
  std::vector<std::string_view> fields(columns_.begin(), columns_.end());
  fields.push_back("result");
  if (reasons_) fields.push_back("reason");
  return CsvRow(fields);
}

std::string AnswerText::Text(const Answer& answer, const std::vector<std::string_view>& values,
                             bool atTerminal) const {
  if (form_ == AnswerForm::Csv) return Row(answer, values);
  if (answer.result.empty()) return atTerminal ? "" : "\n";
  if (form_ == AnswerForm::Log) return Shown(answer.display) + "\n=" + answer.result + "\n";
  return (atTerminal ? "=" : "") + answer.result + "\n";
}

std::string AnswerText::Row(const Answer& answer,
                            const std::vector<std::string_view>& values) const {
  // One field for each column, so that every row has as many as the header:
  // missing values are empty, and values left over (a line with more values
  // than the formula has variables) stay with their commas in the last one.
  std::vector<std::string> texts(columns_.size());
  for (std::size_t i = 0; i < values.size() && !texts.empty(); ++i) {
    std::string& text = texts[std::min(i, texts.size() - 1)];
    if (i >= texts.size()) text += ',';
    text += Shown(ToCapitals(std::string(values[i])));
  }
  std::vector<std::string_view> fields(texts.begin(), texts.end());
  fields.push_back(answer.result);
  const std::string reason = answer.Reason();
  if (reasons_) fields.push_back(reason);
  return CsvRow(fields);
}

}  // namespace zorvane::cli
