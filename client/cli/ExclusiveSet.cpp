#include "client/cli/ExclusiveSet.h"

#include "client/cli/ClientLock.h"

namespace vl {

bool LoadSetExclusively(const CliCommand& command, LoadedSet& set, int& status) {
  return RefuseWhileClientRuns(status) && LoadSet(command, set, status);
}

}  // namespace vl
