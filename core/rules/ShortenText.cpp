#include "core/rules/ShortenText.h"

namespace vl {
namespace {
constexpr int kSlack = 2;

bool IsLowSurrogate(Char c) { return c >= 0xDC00 && c <= 0xDFFF; }
bool IsHighSurrogate(Char c) { return c >= 0xD800 && c <= 0xDBFF; }

// Drops the last character, both halves of a surrogate pair together, so that a cut never
// leaves half a character in front of the ellipsis.
void DropLastCharacter(String& text) {
  const size_t size = text.size();
  const bool pair =
      size >= 2 && IsLowSurrogate(text[size - 1]) && IsHighSurrogate(text[size - 2]);
  text.resize(size - (pair ? 2 : 1));
}

bool IsSingleCharacter(const String& text) {
  return text.size() == 1 ||
         (text.size() == 2 && IsHighSurrogate(text[0]) && IsLowSurrogate(text[1]));
}

// The longest prefix whose width with "..." is below limit, followed by "..."; keepOne stops
// the cutting at one character.
String CutToWidth(const String& text, int limit, const TextMeasure& measure, bool keepOne) {
  const String ellipsis = VLT("...");
  const int ellipsisWidth = measure(ellipsis);
  String prefix = text;
  while (!prefix.empty() && !(keepOne && IsSingleCharacter(prefix)) &&
         measure(prefix) + ellipsisWidth >= limit) {
    DropLastCharacter(prefix);
  }
  return prefix + ellipsis;
}

}  // namespace

String ShortenToWidth(const String& text, int available, const TextMeasure& measure) {
  if (measure(text) + kSlack < available) return text;
  return CutToWidth(text, available - kSlack, measure, false);
}

// Even a label too narrow for one character and the ellipsis shows that character, so the
// line never looks empty while a target is set.
String FitToLabelWidth(const String& text, int labelWidth, const TextMeasure& measure) {
  if (text.empty() || measure(text) < labelWidth) return text;
  return CutToWidth(text, labelWidth, measure, true);
}

}  // namespace vl
