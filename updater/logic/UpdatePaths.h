#pragma once
// Where each file of the release goes. The remover runs from the Windows folder, so that is
// where "VLRemove.exe" (in any letter case) is compared and put; every other file goes beside
// the client in the install folder. Downloads wait in the working folder under their own name.
#include <cstddef>

#include "core/base/PathJoin.h"
#include "core/base/String.h"

namespace vl::updater {

constexpr StringView kRemoverFileName = VLT("VLRemove.exe");
// Paths of this many characters or more are beyond the plain Win32 calls the updater uses.
constexpr size_t kMaxPathChars = 260;

struct UpdateFolders {
  String install;
  String windows;
  String work;
};

using vl::JoinPath;

// False when the path would be too long for the system's calls; nothing then goes anywhere.
bool DestinationFor(StringView fileName, const UpdateFolders& folders, String& destination);
bool WorkPathFor(StringView fileName, const UpdateFolders& folders, String& workPath);

}  // namespace vl::updater
