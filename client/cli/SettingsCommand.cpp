#include "client/cli/SettingsCommand.h"

#include <optional>

#include "client/cli/CliFailure.h"
#include "client/cli/Console.h"
#include "client/cli/ExclusiveSet.h"
#include "client/cli/SaveSet.h"
#include "client/cli/SettingChange.h"
#include "client/cli/SettingsText.h"

namespace vl {

// The change is checked before the set is loaded, so a refused one touches nothing; a --set
// file that does not exist yet starts a new set, as add and target do.
int RunSettings(const CliCommand& command) {
  std::optional<SettingChange> change;
  String error;
  if (!ParseSettingsArgs(command.args, change, error)) return Fail(error);
  LoadedSet set;
  int status = kExitOk;
  if (!change) {
    if (!LoadSet(command, set, status)) return status;
    WriteOut(SettingsText(set.doc.m_settings));
    return kExitOk;
  }
  if (!LoadSetExclusively(command, set, status, MissingSetFile::StartNew)) return status;
  change->ApplyTo(set.doc.m_settings);
  return SaveLoadedSet(set);
}

}  // namespace vl
