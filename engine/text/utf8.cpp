#include "engine/text/utf8.h"

namespace zorvane {

std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 1;
}

TextCharacter DecodeUtf8(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return {lead, 1};
  const std::size_t length = SequenceLength(lead);
  constexpr TextCharacter kNoCharacter{kReplacementCharacter, 1};
  if (length == 1 || text.size() - i < length) return kNoCharacter;
  char32_t code = lead & (0x7Fu >> length);
  for (std::size_t k = 1; k < length; ++k) {
    if (!IsContinuationByte(text[i + k])) return kNoCharacter;
    code = (code << 6) | (byte(i + k) & 0x3Fu);
  }
  // Overlong forms, surrogates and code points beyond U+10FFFF are no characters.
  if (Utf8Length(code) != length || code > 0x10FFFF || IsSurrogate(code)) {
    return kNoCharacter;
  }
  return {code, length};
}

TextCharacter DecodeUtf16(std::u16string_view text, std::size_t i) {
  const char16_t unit = text[i];
  if (IsFirstHalf(unit) && i + 1 < text.size() && IsSecondHalf(text[i + 1])) {
    return {0x10000 + ((char32_t(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00), 2};
  }
  if (IsSurrogate(unit)) return {kReplacementCharacter, 1};
  return {unit, 1};
}

void AppendUtf8(std::string& out, char32_t code) {
  const std::size_t length = Utf8Length(code);
  if (length == 1) {
    out.push_back(static_cast<char>(code));
    return;
  }
  static constexpr unsigned char kLead[] = {0, 0, 0xC0, 0xE0, 0xF0};
  char bytes[4];
  for (std::size_t k = length - 1; k > 0; --k) {
    bytes[k] = static_cast<char>(0x80 | (code & 0x3F));
    code >>= 6;
  }
  bytes[0] = static_cast<char>(kLead[length] | code);
  out.append(bytes, length);
}

void AppendUtf16(std::u16string& out, char32_t code) {
  if (code < 0x10000) {
    out.push_back(static_cast<char16_t>(code));
    return;
  }
  code -= 0x10000;
  out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
  out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
}

std::string ToUtf8(std::u16string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const TextCharacter c = DecodeUtf16(text, i);
    AppendUtf8(utf8, c.code);
    i += c.length;
  }
  return utf8;
}

}  // namespace zorvane
