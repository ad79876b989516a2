#pragma once
// The backup target's check when the backup dialog starts: an empty target becomes the data
// folder's Backup folder, and the dialog learns whether the target can be reached (and asks
// IDS_ASK_DEFAULT_TARGET when it cannot).
#include "core/base/String.h"

namespace vl {

class CSettings;
class IFileSystem;

// dataFolder\Backup, the target of a new set.
String DefaultTargetFolder(const String& dataFolder);

// Puts the default target into settings when they have none; true when it did.
bool FillDefaultTarget(CSettings& settings, const String& dataFolder);

// A drive root (ending with a backslash) is reachable when the volume of its letter answers;
// any other path when its status can be read.
bool IsTargetReachable(const IFileSystem& fs, const String& target);

}  // namespace vl
