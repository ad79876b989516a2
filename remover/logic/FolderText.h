#pragma once
// Rules on the text of a folder path, before anything on disk is asked. The install root comes
// from the registry, where anybody with the rights may have written anything.
#include <vector>

#include "core/base/PathJoin.h"
#include "core/base/String.h"

namespace vl::remover {

// Paths this long or longer are beyond the plain Win32 calls the remover makes.
constexpr size_t kMaxPathChars = 260;

enum class RootProblem {
  None,
  Empty,
  Relative,    // not "X:\...": a bare name, "\folder", "C:folder"
  DevicePath,  // "\\server\share", "\\?\...", "\\.\..."
  DotDot,      // a "." or ".." part, which would lead somewhere else than it reads
  Malformed,   // an empty part, a part ending in a dot or a space, '/', ':' or a wildcard
  TooLong,
  NotAFolder,  // found on disk as a file, a link or nothing at all
};

// Only a plain absolute path "X:\part\part" (a final backslash allowed) passes, so that the
// text compared with the known folders is the folder the system will touch.
RootProblem CheckInstallRootText(StringView root);

using vl::JoinPath;
// The path without a final backslash, except that a drive root keeps its own ("C:\").
String WithoutFinalBackslash(StringView path);
bool IsDriveRoot(StringView path);
// The path and each folder above it up to its drive root: "C:\a\b", "C:\a", "C:\".
std::vector<String> SelfAndAncestors(StringView path);

}  // namespace vl::remover
