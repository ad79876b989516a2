#pragma once
// Fitting a line of text into a width by cutting its end and adding "...". The measure is the
// caller's (a device context's text extent on Windows), so the rule itself is testable anywhere.
#include <functional>

#include "core/base/String.h"

namespace vl {

using TextMeasure = std::function<int(const String&)>;

// The text itself when its width plus 2 is less than available; otherwise the longest prefix
// whose width plus that of "..." plus 2 is less than available, followed by "...".
String ShortenToWidth(const String& text, int available, const TextMeasure& measure);

// The backup dialog's target line: the text when narrower than labelWidth; otherwise the
// longest prefix, one character at the least, whose width plus that of "..." is below
// labelWidth, followed by "...".
String FitToLabelWidth(const String& text, int labelWidth, const TextMeasure& measure);

}  // namespace vl
