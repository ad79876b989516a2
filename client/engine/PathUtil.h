#pragma once
// Path pieces the engine needs beyond joining (model::JoinPath in client/model/PathJoin.h).
// Names are compared as Windows compares them: without regard to letter case.
#include "core/base/String.h"

namespace vl {

bool EndsWithBackslash(StringView path);
// The text after the last backslash; the whole path when it has none.
String PathLastPart(StringView path);
// The text before the last backslash; empty when it has none.
String PathBeforeLastPart(StringView path);

// The upper-case form Windows compares names by, for the scripts file names commonly use
// (Latin, Greek, Cyrillic, full-width Latin); other characters compare as they are.
Char FoldCase(Char c);
bool EqualsNoCase(StringView a, StringView b);
// name with every character folded, a key for lookups that ignore case.
String FoldName(StringView name);

}  // namespace vl
