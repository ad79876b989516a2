#pragma once
// How a vlbackup command gives up: one line on stderr, exit status 1.
#include "core/base/String.h"

namespace vl {

enum ExitStatus : int {
  kExitOk = 0,
  kExitFailed = 1,     // usage, unreadable set, a set that could not be written, nothing to run
  kExitErrors = 2,     // a run that completed with error records
  kExitCancelled = 3,  // a run cancelled by Ctrl+C
};

int Fail(const String& text);
// The line names path once, whether or not the framework's message does (FileMessage.h).
int FailOnFile(const String& path, const String& message);

}  // namespace vl
