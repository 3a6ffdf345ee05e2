#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvane::cli {

// One row of comma-separated values as RFC 4180 writes them: a field that
// holds a comma, a double quote, a carriage return or a line feed is put in
// double quotes, with each double quote in it doubled; other fields stand as
// they are. The row ends with a line feed.
std::string CsvRow(const std::vector<std::string_view>& fields);

}  // namespace zorvane::cli
