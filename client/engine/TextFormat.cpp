#include "client/engine/TextFormat.h"

namespace vl {

String DecimalText(int64_t value) {
  // Working in unsigned keeps the most negative value representable.
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  String digits;
  do {
    digits.insert(digits.begin(), static_cast<Char>(VLT('0') + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) digits.insert(digits.begin(), VLT('-'));
  return digits;
}

String FormatArg::ToText() const { return m_isNumber ? DecimalText(m_number) : String(m_text); }

String FormatText(StringView format, std::initializer_list<FormatArg> args) {
  String out;
  auto next = args.begin();
  for (size_t i = 0; i < format.size(); ++i) {
    const Char c = format[i];
    const Char directive = (c == VLT('%') && i + 1 < format.size()) ? format[i + 1] : Char();
    if (directive == VLT('s') || directive == VLT('d')) {
      if (next != args.end()) out += (next++)->ToText();
      ++i;
    } else if (directive == VLT('%')) {
      out += VLT('%');
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace vl
