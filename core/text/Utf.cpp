#include "core/text/Utf.h"

#include "core/text/Utf16.h"

namespace vl {
namespace {

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Length of the sequence a lead byte announces and the bits it carries; 0 for a byte that
// cannot start a sequence.
size_t SequenceLength(unsigned char lead, char32_t& bits) {
  struct Form {
    unsigned char first, last, mask;
    size_t length;
  };
  static constexpr Form kForms[] = {
      {0x00, 0x7F, 0x7F, 1}, {0xC2, 0xDF, 0x1F, 2}, {0xE0, 0xEF, 0x0F, 3}, {0xF0, 0xF4, 0x07, 4}};
  for (const Form& form : kForms) {
    if (lead >= form.first && lead <= form.last) {
      bits = lead & form.mask;
      return form.length;
    }
  }
  return 0;
}

// Decodes one sequence at text[pos]; consumed is at least 1 so that malformed input advances.
char32_t DecodeOne(std::string_view text, size_t pos, size_t& consumed) {
  char32_t cp = 0;
  const size_t length = SequenceLength(static_cast<unsigned char>(text[pos]), cp);
  consumed = 1;
  if (length == 0) return kReplacementChar;
  for (size_t i = 1; i < length; ++i) {
    if (pos + i >= text.size()) return kReplacementChar;
    const auto byte = static_cast<unsigned char>(text[pos + i]);
    if ((byte & 0xC0) != 0x80) return kReplacementChar;
    cp = (cp << 6) | (byte & 0x3F);
    consumed = i + 1;
  }
  static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMinimum[length] || cp > 0x10FFFF || utf16::IsSurrogate(cp)) return kReplacementChar;
  return cp;
}

}  // namespace

std::string ToUtf8(StringView text) {
  std::string out;
  out.reserve(text.size());
  for (size_t pos = 0, units = 0; pos < text.size(); pos += units) {
    const char32_t cp = utf16::Next(text, pos, units);
    AppendUtf8(out, utf16::IsSurrogate(cp) ? kReplacementChar : cp);
  }
  return out;
}

String FromUtf8(std::string_view text) {
  String out;
  out.reserve(text.size());
  for (size_t pos = 0, consumed = 0; pos < text.size(); pos += consumed) {
    utf16::Append(out, DecodeOne(text, pos, consumed));
  }
  return out;
}

bool HasNoUnpairedSurrogates(StringView text) {
  for (size_t pos = 0, units = 0; pos < text.size(); pos += units) {
    if (utf16::IsSurrogate(utf16::Next(text, pos, units))) return false;
  }
  return true;
}

}  // namespace vl
