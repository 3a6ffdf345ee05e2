#include "engine/text/characters.h"

namespace zorvane {
namespace {

unsigned Byte(std::string_view text, std::size_t i) {
  return static_cast<unsigned char>(text[i]);
}

// The code point of the well-formed sequence of `length` bytes at `i`.
char32_t CodePoint(std::string_view text, std::size_t i, std::size_t length) {
  char32_t c = Byte(text, i) & (0x7Fu >> length);
  for (std::size_t k = 1; k < length; ++k)
    c = (c << 6) | (Byte(text, i + k) & 0x3Fu);
  return c;
}

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

std::size_t CharacterLength(std::string_view text, std::size_t i) {
  const unsigned lead = Byte(text, i);
  std::size_t length = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  } else {
    return 1;
  }
  if (text.size() - i < length) return 1;
  for (std::size_t k = 1; k < length; ++k) {
    if ((Byte(text, i + k) & 0xC0u) != 0x80u) return 1;
  }
  // Overlong forms, surrogates and code points beyond U+10FFFF are no characters.
  const char32_t c = CodePoint(text, i, length);
  if ((length == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
      (length == 4 && (c < 0x10000 || c > 0x10FFFF))) {
    return 1;
  }
  return length;
}

std::string Readable(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = CharacterLength(text, i);
    const unsigned byte = Byte(text, i);
    if (length > 1 && !Invisible(CodePoint(text, i, length))) {
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
        AppendHex(out, Byte(text, i + k));
    }
    i += length;
  }
  return out;
}

}  // namespace zorvane
