#pragma once
// One file of a restore, the step a file restore and every file of a folder restore share: a
// destination that is there makes way only with replace, and only once it is kept as a history
// copy on the target, so that no restore costs the version the user has now.
#include "client/engine/restore/Restore.h"

namespace vl {

// Copies source (a copy on the target) to destination. keptAs is the current copy on the target
// whose history folder keeps what destination held. Records what failed in outcome.
void RestoreOneFile(IFileSystem& fs, const IClock& clock, const String& source,
                    const String& destination, const String& keptAs, bool replace,
                    RestoreOutcome& outcome);

// Makes folder and the folders above it that are missing.
FsResult EnsureFolder(IFileSystem& fs, const String& folder);

// Counts a failure about path (result may be Ok for a refusal); the first one names the message.
void NoteFailure(RestoreOutcome& outcome, TextId message, const String& path,
                 const FsResult& result);

}  // namespace vl
