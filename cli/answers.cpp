#include "cli/answers.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/answer_text.h"
#include "cli/calculator.h"
#include "cli/console.h"
#include "cli/line_editor.h"
#include "cli/output.h"
#include "cli/range.h"
#include "cli/split.h"
#include "cli/trace_text.h"
#include "zorvane_facts.h"

namespace zorvane::cli {
namespace {

constexpr std::uint64_t kMaxRows = 1'000'000;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The ranges of the command line, each for a variable of the formula and
// together for all of them, in at most kMaxRows rows; false with `error`
// saying why otherwise.
bool ReadRanges(const std::vector<std::string>& texts, const std::vector<std::string>& variables,
                std::vector<Range>& ranges, std::string& error) {
  std::uint64_t rows = 1;
  bool overflow = false;
  for (const std::string& text : texts) {
    std::optional<Range> range = Range::Parse(text, error);
    if (!range) return false;
    const std::string& variable = range->Variable();
    if (std::find(variables.begin(), variables.end(), variable) == variables.end()) {
      error = "range '" + text + "': the formula holds no " + variable;
      return false;
    }
    for (const Range& earlier : ranges) {
      if (earlier.Variable() == variable) {
        error = "range '" + text + "': " + variable + " has a range already";
        return false;
      }
    }
    overflow = overflow || __builtin_mul_overflow(rows, range->Count(), &rows);
    ranges.push_back(std::move(*range));
  }
  for (const std::string& variable : variables) {
    const auto sameVariable = [&variable](const Range& range) {
      return range.Variable() == variable;
    };
    if (std::none_of(ranges.begin(), ranges.end(), sameVariable)) {
      error = "the formula holds " + variable + ", for which no --range gives values";
      return false;
    }
  }
  if (overflow || rows > kMaxRows) {
    error = "the ranges give " +
            (overflow ? "more than " + std::to_string(kMaxRows) : std::to_string(rows)) +
            " rows; a table has at most " + std::to_string(kMaxRows);
    return false;
  }
  return true;
}

// The checks made before anything is evaluated; false with `error` saying
// why.
bool Check(const CommandLine& line, const Calculator& calculator, std::vector<Range>& ranges,
           std::string& error) {
  if (line.log && line.csv) {
    error = "--log and --csv cannot be used together";
  } else if (!line.ranges.empty() && !line.formula) {
    error = "--range gives the values of a formula; store one with --formula";
  } else if (!line.ranges.empty() && !line.expressions.empty()) {
    error = "the values come from --range; give none as arguments as well";
  } else if (!line.ranges.empty()) {
    ReadRanges(line.ranges, VariablesIn(calculator.Formula()), ranges, error);
  }
  return error.empty();
}

// Evaluates the inputs of one run and writes the answers.
class Answers {
 public:
  Answers(const CommandLine& line, Calculator& calculator, AnswerText text)
      : line_(line), calculator_(calculator), text_(std::move(text)) {}

  // Each false return means that the output failed.
  bool Run(const std::vector<Range>& ranges) {
    if (!WriteAll(stdout, text_.Header())) return false;
    if (!ranges.empty()) return Table(ranges);
    if (line_.expressions.empty()) return StandardInput();
    for (const std::string& expression : line_.expressions) {
      const bool written =
          expression == kStandardInput ? StandardInput() : AnswerInput(ArgumentText(expression));
      if (!written) return false;
    }
    return true;
  }

 private:
  // Says why an answer is "error", where the options ask for it on standard
  // error: under --trace always, under --explain unless a column says it. A
  // text given up as too long is said even without them.
  void Explain(const Answer& answer) const {
    if (!answer.Failed()) return;
    if (line_.trace || (line_.explain && text_.Form() != AnswerForm::Csv)) {
      WriteAll(stderr, ReasonLine(answer.Reason()));
    } else if (answer.failure->tooLong && !line_.explain) {
      WriteAll(stderr, "zorvane-cli: an expression of " + std::to_string(answer.length) +
                           " characters was too long to work out; gave \"error\"\n");
    }
  }

  // One input (an argument or a line): the values for the formula, or the
  // text to evaluate.
  bool AnswerInput(std::string_view input) {
    std::vector<std::string_view> values{input};
    Answer answer;
    if (calculator_.FunctionMode()) {
      // The values are the texts between the commas; none in an empty input.
      values = input.empty() ? std::vector<std::string_view>() : SplitAt(input, ',');
      answer = calculator_.EvaluateFormula(values);
    } else {
      answer = calculator_.Evaluate(input);
    }
    Explain(answer);
    return WriteAll(stdout, text_.Text(answer, values, false));
  }

  bool StandardInput() { return InputIsTerminal() ? Interactive() : Batch(); }

  // One answer for each line, written before the next line is read.
  bool Batch() {
    std::string line;
    while (std::getline(std::cin, line)) {
      if (line.ends_with('\r')) line.pop_back();
      // A byte-order mark that an editor put at the start of the file.
      if (!inputStarted_ && line.starts_with(kByteOrderMark)) {
        line.erase(0, kByteOrderMark.size());
      }
      inputStarted_ = true;
      if (!AnswerInput(line)) return false;
    }
    return true;
  }

  // A session at a terminal: the terminal shows the line as typed, the answer
  // stands under it. The greeting is for the terminal only, not for a file or
  // pipe that takes the answers.
  bool Interactive() {
    const std::string keys(EndOfInputKeys());
    const std::string greeting =
        "Zorvane " ZORVANE_VERSION " - " +
        (calculator_.FunctionMode() ? "function mode: Ctrl+C starts again, " + keys + " ends.\n"
                                    : "type an expression, " + keys + " to end.\n");
    if (OutputIsTerminal() && !WriteAll(stdout, greeting)) return false;
    LineEditor editor("zorvane-cli", HistoryFile());
    if (!(calculator_.FunctionMode() ? AskForValues(editor) : Expressions(editor))) return false;
    // The end of the input ends the line being shown, on the terminal.
    return WriteAll(OutputIsTerminal() ? stdout : stderr, "\n");
  }

  // The window's session: each line evaluated, empty ones passed over.
  bool Expressions(LineEditor& editor) {
    std::string line;
    while (editor.ReadLine(line)) {
      const Answer answer = calculator_.Evaluate(line);
      if (answer.result.empty()) continue;
      editor.Remember(line);
      Explain(answer);
      if (!WriteAll(stdout, text_.Text(answer, {line}, true))) return false;
    }
    return true;
  }

  // Function mode as in the window: "X0=", "X1=", ... one at a time, then the
  // answer. Ctrl+C drops the values given so far and starts again at the
  // first prompt; the end of the input ends the session.
  bool AskForValues(LineEditor& editor) {
    for (;;) {
      std::vector<std::string> typed;
      bool ended = false;
      const std::optional<Answer> answer = calculator_.EvaluateFormula(
          [&](const std::string& variable) -> std::optional<std::string> {
            std::string line;
            ended = !editor.ReadLine(line, variable + "=");
            if (ended || editor.Dropped()) return std::nullopt;
            if (!line.empty()) editor.Remember(line);
            typed.push_back(line);
            return line;
          });
      if (ended) return true;
      if (!answer) continue;  // dropped
      Explain(*answer);
      if (!WriteAll(stdout, text_.Text(*answer, {typed.begin(), typed.end()}, true))) return false;
      if (typed.empty()) return true;  // a formula that asks for nothing has one answer
    }
  }

  // A row for each combination of the ranges' values, the last range varying
  // fastest; only the current row is kept, however many there are.
  bool Table(const std::vector<Range>& ranges) {
    const std::size_t count = ranges.size();
    std::vector<std::uint64_t> at(count, 0);
    std::vector<std::string> texts;
    for (const Range& range : ranges)
      texts.push_back(range.ValueText(0));
    const auto valueFor = [&](const std::string& variable) -> std::optional<std::string> {
      for (std::size_t i = 0; i < count; ++i) {
        if (ranges[i].Variable() == variable) return texts[i];
      }
      return std::nullopt;  // never: every variable has a range
    };
    std::vector<std::string_view> shown(count);
    for (;;) {
      const Answer answer = calculator_.EvaluateFormula(valueFor).value_or(Answer{});
      Explain(answer);
      std::copy(texts.begin(), texts.end(), shown.begin());
      if (!WriteAll(stdout, text_.Text(answer, shown, false), false)) return false;

      std::size_t moving = count;
      while (moving > 0 && ++at[moving - 1] == ranges[moving - 1].Count()) {
        --moving;
        at[moving] = 0;
        texts[moving] = ranges[moving].ValueText(0);
      }
      if (moving == 0) return std::fflush(stdout) == 0;
      texts[moving - 1] = ranges[moving - 1].ValueText(at[moving - 1]);
    }
  }

  const CommandLine& line_;
  Calculator& calculator_;
  AnswerText text_;
  bool inputStarted_ = false;  // standard input has been read from
};

}  // namespace

AnswersRun RunAnswers(const CommandLine& line) {
  AnswersRun run;
  Calculator calculator(line.options, line.formula, line.trace);
  std::vector<Range> ranges;
  if (!Check(line, calculator, ranges, run.usageError)) return run;

  std::vector<std::string> columns;
  if (!ranges.empty()) {
    for (const Range& range : ranges)
      columns.push_back(range.Variable());
  } else if (calculator.FunctionMode()) {
    columns = VariablesIn(calculator.Formula());
  } else {
    columns = {"expression"};
  }
  const AnswerForm form =
      line.csv ? AnswerForm::Csv : (line.log ? AnswerForm::Log : AnswerForm::Result);
  Answers answers(line, calculator, AnswerText(form, std::move(columns), line.explain));
  run.outputFailed = !answers.Run(ranges);
  run.anyError = calculator.anyError;
  return run;
}

}  // namespace zorvane::cli
