#pragma once

#include <string>
#include <string_view>

namespace zorvane::cli {

// UTF-16 text of the Windows API as UTF-8; a lone surrogate becomes U+FFFD,
// which no expression accepts.
std::string Utf8FromUtf16(std::wstring_view text);

}  // namespace zorvane::cli
