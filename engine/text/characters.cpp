#include "engine/text/characters.h"

namespace zorvane {
namespace {

// Characters that show nothing or steer the text: C1 controls, the soft
// hyphen, zero-width and direction marks, line and paragraph separators, the
// direction embeddings and isolates, the byte-order mark.
bool Invisible(char32_t c) {
  return (c >= 0x80 && c <= 0xA0) || c == 0xAD || (c >= 0x200B && c <= 0x200F) ||
         (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF;
}

void AppendHex(std::string& out, unsigned byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  out.append("\\x").push_back(kDigits[byte >> 4]);
  out.push_back(kDigits[byte & 15]);
}

}  // namespace

std::string Readable(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto [code, length] = DecodeUtf8(text, i);
    const auto byte = static_cast<unsigned char>(text[i]);
    if (length > 1 && !Invisible(code)) {
      out.append(text.substr(i, length));
    } else if (byte == '\t') {
      out.append("\\t");
    } else if (byte == '\r') {
      out.append("\\r");
    } else if (byte == '\n') {
      out.append("\\n");
    } else if (byte == '\\') {
      out.append("\\\\");
    } else if (byte >= 0x20 && byte < 0x7F) {
      out.push_back(text[i]);
    } else {
      for (std::size_t k = 0; k < length; ++k)
        AppendHex(out, static_cast<unsigned char>(text[i + k]));
    }
    i += length;
  }
  return out;
}

}  // namespace zorvane
