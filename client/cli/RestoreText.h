#pragma once
// What `vlbackup versions`, `restore` and `history prune` print, and the exit status of a
// restore, apart from the console so that they are tested natively.
#include <string>

#include "client/engine/restore/Prune.h"
#include "client/engine/restore/Restore.h"
#include "client/engine/restore/Versions.h"
#include "core/base/String.h"

namespace vl {

// "current", or the stamp as "YYYY-MM-DD HH:MM:SS" with "_N" for a numbered history copy.
String VersionLabel(const FileVersion& version);

// One "label<TAB>size<TAB>path" line per version, in the list's order.
String VersionLines(const VersionList& list);
std::string VersionsJson(const VersionList& list);

// --version's STAMP as FindVersionByStamp takes it: the label's form or the name's digits.
String StampFromArgument(StringView argument);

// 0 when everything was restored; 1 when the restore was refused before it wrote anything;
// 2 when it ran and something failed.
int RestoreExitStatus(const RestoreOutcome& outcome);

// The summary lines of a prune: what it removed (or, for a dry run, would remove) and keeps.
String PruneSummary(const PrunePlan& plan, const PruneOutcome& done, bool dryRun);

}  // namespace vl
