#include "client/engine/RunCompletion.h"

#include "client/engine/RunState.h"

namespace vl {

RunCompletion CompletionCode(const CRunState& state) {
  if (state.cancelRequested.load()) return DONE_CANCELLED;
  const RunStats& s = state.stats;
  const bool didSomething = s.createdFolders != 0 || s.copiedNew != 0 || s.copiedChanged != 0 ||
                            s.deletedFolders != 0 || s.deletedFiles != 0 || s.errorCount != 0;
  return didSomething ? DONE_OK : DONE_NOTHING;
}

}  // namespace vl
