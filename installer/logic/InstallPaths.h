#pragma once
// Where the installer puts things. Folder texts come from the user as typed, so the joining
// rule looks at the text itself: "D:\Apps\" and "D:\Apps" give the same file paths.
#include <cstddef>

#include "core/base/PathJoin.h"
#include "core/base/String.h"

namespace vl::installer {

// Paths of this many characters or more are beyond the plain Win32 calls the installer uses.
constexpr size_t kMaxPathChars = 260;

using vl::JoinPath;

// The folder proposed at start: "Kestrava\Vaultline" below Program Files.
String DefaultInstallFolder(StringView programFiles);
// The folders to create, outermost first, when the default folder is chosen.
String VendorFolder(StringView programFiles);

// The user typed the proposed folder, in any letter case of its ASCII letters (the only ones
// the fixed names of the proposal have; Program Files comes from the system as it is spelt).
bool IsDefaultFolder(StringView folder, StringView defaultFolder);

// "Vaultline" at the root of a removable volume ("E:\" gives "E:\Vaultline").
String RemovableFolder(StringView volumeRoot);

// A payload is written under this name beside its target and renamed into place when whole.
String TemporaryBeside(StringView target);

}  // namespace vl::installer
