#include "core/rules/ShortenText.h"

namespace vl {
namespace {
constexpr int kSlack = 2;
}  // namespace

String ShortenToWidth(const String& text, int available, const TextMeasure& measure) {
  if (measure(text) + kSlack < available) return text;
  const String ellipsis = VLT("...");
  const int ellipsisWidth = measure(ellipsis);
  String prefix = text;
  while (!prefix.empty() && measure(prefix) + ellipsisWidth + kSlack >= available)
    prefix.pop_back();
  return prefix + ellipsis;
}

}  // namespace vl
