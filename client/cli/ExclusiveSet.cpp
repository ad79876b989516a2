#include "client/cli/ExclusiveSet.h"

#include "client/cli/ClientLock.h"

namespace vl {

bool LoadSetExclusively(const CliCommand& command, LoadedSet& set, int& status,
                        MissingSetFile missing) {
  return RefuseWhileClientRuns(status) && LoadSet(command, set, status, missing);
}

}  // namespace vl
