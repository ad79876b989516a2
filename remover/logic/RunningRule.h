#pragma once
// The remover refuses to run while the client or its updater runs: their files are in use and
// either would write its folders again.
#include <vector>

#include "core/base/String.h"

namespace vl::remover {

// exeName: a process's executable as the system lists it, a bare name or a path.
bool IsClientOrUpdater(StringView exeName);
bool AnyClientOrUpdater(const std::vector<String>& exeNames);

}  // namespace vl::remover
