#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "engine/options.h"
#include "engine/trace.h"

namespace zorvane {

// Why a reduction stopped short of one number: the reason in plain words, in
// terms of values ("division by zero: 1/0"), and what the evaluation needs to
// say it in terms of the text as typed.
struct ReductionFault {
  std::string reason;
  bool unopenedBracket = false;  // a ")" closes the brackets around the whole text
  // The computation that failed, when one did: its operator ("+", "-", "*",
  // "/", "^") and its operands (a power's base and exponent).
  char operation = 0;
  double left = 0;
  double right = 0;
};

// What one step of a pass did.
enum class PassStep {
  Nothing,  // nothing was ready
  Rewrote,  // the working text was rewritten
  Failed,   // the evaluation ends with "error"
};

// What the reduction passes share during one evaluation: the working text and
// the last computed number text. Every rewrite goes through Replace, which notes
// where it may have put two signs side by side, so that the sign collapse and
// the "]+" clean-up look only there and still act as if applied to the whole
// text.
class WorkingState {
 public:
  // With `exhaustive`, every collapse and clean-up looks at the whole text and
  // no search skips anything: slower, and the reference the fast way is
  // checked against.
  WorkingState(std::string text, const Options& options, const TraceSink* trace,
               bool exhaustive = false);

  const std::string& Text() const { return text_; }
  const std::string& LastNumberText() const { return lastNumberText_; }
  bool Deg() const { return options_.deg; }
  std::string_view DegreesOption() const { return options_.degreesOption; }

  // Records a computed value's number text as the last one.
  // The computation noted last succeeded.
  void SetLastNumberText(std::string numberText) {
    lastNumberText_ = std::move(numberText);
    NoteComputation(0, 0, 0);
  }

  // Replaces `length` characters at `pos` by `with`, and reports the new text
  // under `stage` unless it is empty.
  void Replace(std::size_t pos, std::size_t length, std::string_view with, std::string_view stage);

  // The seven sign-collapse replacements over the whole text. Reports the new
  // text under "signs" and returns true when it changed.
  bool CollapseSigns();

  // Replaces every "]+" by "]" over the whole text; true when it changed.
  bool DropPlusAfterCodes();

  void Report(std::string_view stage) const { Trace(trace_, stage, text_); }

  // The computation about to be made, so that a failure can name it.
  void NoteComputation(char operation, double left, double right) {
    fault_.operation = operation;
    fault_.left = left;
    fault_.right = right;
  }

  // Ends the evaluation for `reason` (the computation noted last, if any, is
  // the one that failed) and returns PassStep::Failed.
  PassStep Fail(std::string reason);
  // The same for a ")" that would close the brackets around the whole text.
  PassStep FailUnopenedBracket();
  // The same when the work budget has run out.
  PassStep FailTooLong();
  const ReductionFault& Fault() const { return fault_; }

  // The work done so far, in characters of working text gone through: every
  // rewrite and every cycle adds the length of the text. Texts of the Input
  // Box's size stay far below the budget; only texts many times longer, whose
  // reduction would take minutes, exceed it. Counted in 64 bits, so that the
  // budget is the same on 32-bit systems.
  void AddWork(std::size_t characters) { work_ += characters; }
  bool OverBudget() const { return work_ > kWorkBudget; }
  static constexpr std::uint64_t kWorkBudget = 80'000'000'000;

  // False only when `c` stands nowhere in the text, so that a search for it
  // may be skipped; always true in the exhaustive mode. Kept for "(", ")",
  // "^", "F", "[", "]", "*" and "/", which no collapse adds or removes.
  bool MayContain(char c) const {
    return exhaustive_ || counts_[static_cast<unsigned char>(c)] > 0;
  }

  // Every function code that begins before this position waits for its
  // argument; the function pass may begin its search here.
  std::size_t PendingCodesEnd() const { return exhaustive_ ? 0 : pendingCodesEnd_; }
  void SetPendingCodesEnd(std::size_t pos) { pendingCodesEnd_ = pos; }

 private:
  void MarkDirty(std::size_t begin, std::size_t end);
  void NoteChangeAt(std::size_t pos);
  void RecomputeDirty(std::size_t begin, std::size_t end);

  std::string text_;
  std::string lastNumberText_;
  // The computation noted last, and once the reduction has failed, why.
  ReductionFault fault_;
  Options options_;
  const TraceSink* trace_ = nullptr;
  bool exhaustive_ = false;
  // Every pair of neighbours that a collapse rule (or, once the first "]+"
  // clean-up has run over the whole text, the "]+" rule) would rewrite lies
  // within [dirtyBegin_, dirtyEnd_). At first that is the whole text.
  std::size_t dirtyBegin_ = 0;
  std::size_t dirtyEnd_ = std::string::npos;
  bool plusAfterCodesCleared_ = false;
  std::array<std::size_t, 256> counts_{};
  std::size_t pendingCodesEnd_ = 0;
  std::uint64_t work_ = 0;
};

}  // namespace zorvane
