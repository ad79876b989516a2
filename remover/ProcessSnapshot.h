#pragma once
// The executables of the processes running now, from a snapshot of the process list.
#include <vector>

#include "core/base/String.h"

namespace vl::remover {

// False, with GetLastError, when no snapshot could be taken or walked.
bool ListRunningExecutables(std::vector<String>& exeNames);

}  // namespace vl::remover
