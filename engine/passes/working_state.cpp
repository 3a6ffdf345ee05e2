#include "engine/passes/working_state.h"

#include <algorithm>

#include "engine/passes/sign_collapse.h"
#include "engine/reasons/reasons.h"
#include "engine/text/text_ops.h"

namespace zorvane {
namespace {

// Each of the seven collapse rules can join the character before what changed
// and the one after it, so one collapse reaches at most seven characters beyond
// the marked range on either side; the margin takes one more, so that the range
// it looks at never ends inside a pair.
constexpr std::size_t kMargin = 8;

bool RewrittenPair(char first, char second, bool plusAfterCodes) {
  return IsCollapsiblePair(first, second) || (plusAfterCodes && first == ']' && second == '+');
}

// A function code reads the two characters after it, so a change at `pos`
// can alter the readiness of a code that begins up to seven places before.
constexpr std::size_t kCodeReach = 7;

}  // namespace

WorkingState::WorkingState(std::string text, const Options& options, const TraceSink* trace,
                           bool exhaustive)
    : text_(std::move(text)), options_(options), trace_(trace), exhaustive_(exhaustive) {
  for (const char c : text_)
    ++counts_[static_cast<unsigned char>(c)];
}

void WorkingState::NoteChangeAt(std::size_t pos) {
  pendingCodesEnd_ = std::min(pendingCodesEnd_, pos > kCodeReach ? pos - kCodeReach : 0);
}

void WorkingState::MarkDirty(std::size_t begin, std::size_t end) {
  if (exhaustive_) {
    dirtyBegin_ = 0;
    dirtyEnd_ = std::string::npos;
  } else if (dirtyBegin_ >= dirtyEnd_) {
    dirtyBegin_ = begin;
    dirtyEnd_ = end;
  } else {
    dirtyBegin_ = std::min(dirtyBegin_, begin);
    dirtyEnd_ = std::max(dirtyEnd_, end);
  }
}

void WorkingState::RecomputeDirty(std::size_t begin, std::size_t end) {
  dirtyBegin_ = dirtyEnd_ = 0;
  const std::size_t from = begin > 0 ? begin - 1 : 0;
  const std::size_t to = std::min(end + 1, text_.size());
  for (std::size_t i = from; i + 1 < to; ++i) {
    if (RewrittenPair(text_[i], text_[i + 1], plusAfterCodesCleared_)) MarkDirty(i, i + 2);
  }
}

void WorkingState::Replace(std::size_t pos, std::size_t length, std::string_view with,
                           std::string_view stage) {
  for (std::size_t i = pos; i < pos + length; ++i)
    --counts_[static_cast<unsigned char>(text_[i])];
  for (const char c : with)
    ++counts_[static_cast<unsigned char>(c)];
  text_.replace(pos, length, with);
  work_ += text_.size();
  NoteChangeAt(pos);
  if (dirtyBegin_ < dirtyEnd_ && dirtyEnd_ != std::string::npos) {
    const auto shift = [&](std::size_t x) {
      if (x <= pos) return x;
      if (x >= pos + length) return x - length + with.size();
      return pos + with.size();
    };
    dirtyBegin_ = shift(dirtyBegin_);
    dirtyEnd_ = shift(dirtyEnd_);
  }
  // New neighbours stand at both ends of what was put in.
  MarkDirty(pos > 0 ? pos - 1 : 0, pos + with.size() + 1);
  if (!stage.empty()) Report(stage);
}

bool WorkingState::CollapseSigns() {
  if (dirtyBegin_ >= dirtyEnd_) return false;
  const std::size_t begin = dirtyBegin_ > kMargin ? dirtyBegin_ - kMargin : 0;
  const std::size_t end = dirtyEnd_ >= text_.size() || text_.size() - dirtyEnd_ <= kMargin
                              ? text_.size()
                              : dirtyEnd_ + kMargin;
  const std::size_t newEnd = CollapseSignsInRange(text_, begin, end);
  const bool changed = newEnd != end;
  if (changed) NoteChangeAt(begin);
  RecomputeDirty(begin, newEnd);
  if (changed) Report("signs");
  return changed;
}

PassStep WorkingState::Fail(std::string reason) {
  fault_.reason = std::move(reason);
  return PassStep::Failed;
}

PassStep WorkingState::FailUnopenedBracket() {
  fault_.unopenedBracket = true;
  NoteComputation(0, 0, 0);
  return Fail(std::string(kUnopenedBracket));
}

PassStep WorkingState::FailTooLong() {
  NoteComputation(0, 0, 0);
  return Fail("the expression is too long to work out (more than " + std::to_string(kWorkBudget) +
              " characters of work)");
}

bool WorkingState::DropPlusAfterCodes() {
  const std::size_t before = text_.size();
  if (!plusAfterCodesCleared_ || exhaustive_) {
    ReplaceAllShrinking(text_, "]+", "]");
    plusAfterCodesCleared_ = true;
    if (text_.size() != before) pendingCodesEnd_ = 0;
    // Any pair left over may stand anywhere; look at the whole text once.
    RecomputeDirty(0, text_.size());
    return text_.size() != before;
  }
  if (dirtyBegin_ >= dirtyEnd_) return false;
  const std::size_t begin = dirtyBegin_;
  const std::size_t end = std::min(dirtyEnd_, text_.size());
  std::string window = text_.substr(begin, end - begin);
  ReplaceAllShrinking(window, "]+", "]");
  if (window.size() == end - begin) return false;
  text_.replace(begin, end - begin, window);
  NoteChangeAt(begin);
  RecomputeDirty(begin, begin + window.size());
  return true;
}

}  // namespace zorvane
