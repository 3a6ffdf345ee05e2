#include "cli/output.h"

namespace zorvane::cli {

bool WriteAll(std::FILE* stream, std::string_view text, bool flush) {
  if (std::fwrite(text.data(), 1, text.size(), stream) != text.size()) return false;
  return !flush || std::fflush(stream) == 0;
}

}  // namespace zorvane::cli
