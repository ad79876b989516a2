#pragma once
// The versions of a path given on the command line, found in the loaded set's target by the
// engine's rules, with the reason on stderr when there are none to show.
#include "client/cli/LoadedSet.h"
#include "client/engine/restore/Versions.h"
#include "core/base/String.h"

namespace vl {

class IFileSystem;
class IDriveSet;

// False, with one line on stderr, when path maps to no backup copy or the target cannot be
// read; an empty list of a path that maps is no failure.
bool LookUpVersions(const IFileSystem& fs, const IDriveSet& drives, LoadedSet& set,
                    const String& path, VersionList& list);

// A restore message with the path it is about, and the system's reason after a failure.
String RestoreMessageLine(TextId message, const String& path, const FsResult& result);

}  // namespace vl
