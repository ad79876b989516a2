#pragma once
// The exit status of `vlbackup run`, so that scripts can tell the outcomes apart.
#include "client/engine/RunCompletion.h"
#include "client/engine/RunState.h"

namespace vl {

// kExitOk when the run completed without an error record (whether or not it had anything to
// do), kExitErrors when it recorded errors, kExitCancelled when it was cancelled.
int RunExitStatus(RunCompletion code, const CRunState& state);

}  // namespace vl
