#include "window/error_reasons.h"

#include <algorithm>

namespace zorvane::window {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

void ErrorReasons::Added(std::string_view entry, bool logWasEmpty, std::string_view reason) {
  // An empty log holds no entry, whatever was kept before.
  if (logWasEmpty) Clear();
  logLength_ += entry.size() + (logWasEmpty ? 0 : kLineBreak.size());
  if (reason.empty()) return;
  const std::size_t lastBreak = entry.rfind(kLineBreak);
  const std::size_t resultLine = lastBreak == std::string_view::npos ? 0 : lastBreak + 2;
  kept_.push_back(
      {logLength_, logLength_ - resultLine, logLength_ - entry.size(), std::string(reason)});
}

void ErrorReasons::Clear() {
  kept_.clear();
  logLength_ = 0;
}

ErrorReasons::Entry ErrorReasons::Place(const Kept& kept) const {
  return {logLength_ - kept.startFromEnd, logLength_ - kept.resultLineFromEnd,
          logLength_ - kept.endFromEnd, kept.reason};
}

std::optional<ErrorReasons::Entry> ErrorReasons::At(std::size_t position) const {
  if (position > logLength_) return std::nullopt;
  const std::size_t fromEnd = logLength_ - position;
  // The first entry that starts at least this far from the end: the only one
  // that can hold the position.
  const auto kept = std::lower_bound(
      kept_.begin(), kept_.end(), fromEnd,
      [](const Kept& entry, std::size_t distance) { return entry.startFromEnd < distance; });
  if (kept == kept_.end() || kept->endFromEnd > fromEnd) return std::nullopt;
  return Place(*kept);
}

std::optional<ErrorReasons::Entry> ErrorReasons::Newest() const {
  if (kept_.empty()) return std::nullopt;
  return Place(kept_.back());
}

}  // namespace zorvane::window
