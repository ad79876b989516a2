#pragma once
// A job record as the analysis would make it, for tests of what consumes job trees.
#include <memory>

#include "client/engine/JobActions.h"
#include "client/model/JobItem.h"

namespace vl {

// Flags follow from the action; the paths are sourceRoot and targetRoot followed by name.
inline std::unique_ptr<CJobItem> MakeJob(uint32_t action, const String& name, uint64_t size,
                                         const String& sourceRoot, const String& targetRoot) {
  auto job = std::make_unique<CSyncItem>();
  job->action = action;
  job->isFolder = IsFolderAction(action) ? 1 : 0;
  job->isNew = IsNewAction(action) ? 1 : 0;
  job->name = name;
  job->SetPaths(sourceRoot + name, targetRoot + name);
  job->size = size;
  return job;
}

}  // namespace vl
