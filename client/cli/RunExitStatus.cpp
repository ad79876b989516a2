#include "client/cli/RunExitStatus.h"

#include "client/cli/CliFailure.h"

namespace vl {

int RunExitStatus(RunCompletion code, const CRunState& state) {
  if (code == DONE_CANCELLED) return kExitCancelled;
  const bool errors = state.stats.errorCount != 0 || !state.errorList.empty();
  return errors ? kExitErrors : kExitOk;
}

}  // namespace vl
