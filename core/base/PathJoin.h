#pragma once
// Joins Windows paths the way every program of the product does: exactly one backslash between
// folder and name, so a folder typed with or without its final backslash gives the same path.
#include "core/base/String.h"

namespace vl {

inline String JoinPath(StringView folder, StringView name) {
  String path(folder);
  if (path.empty() || path.back() != VLT('\\')) path += VLT('\\');
  return path.append(name);
}

}  // namespace vl
