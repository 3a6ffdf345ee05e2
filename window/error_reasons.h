#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::window {

// Why each "=error" entry of the log failed, for as long as the entry stands.
// The log only grows at its start (EXE puts a new entry in front) and is only
// emptied whole, so an entry's distance from the end of the log never changes;
// that distance is kept, for the failed entries alone. Positions are the
// window's: bytes of the log text, a line break counting two.
class ErrorReasons {
 public:
  // A failed entry where it stands now: from the start of its first line to
  // the end of its last, the "=error" line, which starts at `resultLine`.
  struct Entry {
    std::size_t start;
    std::size_t resultLine;
    std::size_t end;
    std::string_view reason;
  };

  // `entry` was put in front of the log and joined to the old log, if any, by
  // a line break. `reason` says why it failed; empty for a result.
  void Added(std::string_view entry, bool logWasEmpty, std::string_view reason);
  // The log was emptied.
  void Clear();

  // The failed entry at log position `position`, on any of its lines; none on a
  // result, on the line break between two entries or past the end.
  std::optional<Entry> At(std::size_t position) const;
  // The newest failed entry in the log, if any.
  std::optional<Entry> Newest() const;

 private:
  struct Kept {
    std::size_t startFromEnd;  // distances from the end of the log
    std::size_t resultLineFromEnd;
    std::size_t endFromEnd;
    std::string reason;
  };

  Entry Place(const Kept& kept) const;

  std::vector<Kept> kept_;  // the oldest first: their distances grow
  std::size_t logLength_ = 0;
};

}  // namespace zorvane::window
