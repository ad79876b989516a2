#include "client/cli/CliFailure.h"
#include "client/cli/EditArgs.h"
#include "client/cli/EditCommands.h"
#include "client/cli/ExclusiveSet.h"
#include "client/cli/SaveSet.h"
#include "client/engine/TextFormat.h"

namespace vl {

int RunRemove(const CliCommand& command) {
  int32_t index = 0;
  String error;
  if (!ParseRemoveArgs(command.args, index, error)) return Fail(error);
  LoadedSet set;
  int status = kExitOk;
  if (!LoadSetExclusively(command, set, status)) return status;
  const auto count = static_cast<int64_t>(set.items.GetCount());
  if (index >= count) {
    return Fail(VLT("remove: there is no item ") + DecimalText(index) + VLT("; the set has ") +
                DecimalText(count));
  }
  set.items.RemoveAt(static_cast<size_t>(index));
  return SaveLoadedSet(set);
}

}  // namespace vl
