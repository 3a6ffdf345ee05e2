#include "cli/csv.h"

namespace zorvane::cli {

std::string CsvRow(const std::vector<std::string_view>& fields) {
  std::string row;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) row += ',';
    const std::string_view field = fields[i];
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
      row += field;
      continue;
    }
    row += '"';
    for (char c : field) {
      if (c == '"') row += '"';
      row += c;
    }
    row += '"';
  }
  row += '\n';
  return row;
}

}  // namespace zorvane::cli
