#pragma once
// Joins paths the way the whole client does: a backslash between folder and name unless the
// folder already ends with one.
#include "core/base/String.h"

namespace vl::model {

inline String JoinPath(const String& folder, StringView name) {
  String joined = folder;
  if (joined.empty() || joined.back() != VLT('\\')) joined += VLT('\\');
  joined.append(name);
  return joined;
}

}  // namespace vl::model
