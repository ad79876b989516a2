#include "client/engine/restore/Restore.h"

namespace vl {

String RestoreDestinationIn(const String& folder, const VersionList&) { return folder; }

bool RestoreWouldReplace(const IFileSystem&, const VersionList&, const String&) { return false; }

RestoreOutcome RestoreVersion(IFileSystem&, const IClock&, const VersionList&, const FileVersion&,
                              const String&, bool) {
  RestoreOutcome outcome;
  outcome.message = IDS_RESTORE_NOTHING;
  return outcome;
}

}  // namespace vl
